// The MS/MS scan function dialog: what differs from the MS dialog.

#include "MSDialogTestSupport.h"

#include "maldi/dialogs/CMaldiMSMSAcqFunctionSetupDialog.h"
#include "maldi/dialogs/MaldiPatternFile.h"

using namespace msdlg;

namespace {

class MSMSDialogTest : public DialogTest {
protected:
    INT_PTR Run(Automation::ModalScript script) { return DialogTest::Run(dialog, "Maldi MSMS", std::move(script)); }
    CMaldiMSMSAcqFunctionSetupDialog dialog{&host};
};

} // namespace

TEST_F(MSMSDialogTest, OpensWithItsDefaultsAndKeepsTheStartTimeWithoutLockMass)
{
    dialog.SetEndTime(60);
    dialog.SetStartTime(10);
    dialog.SetLaserType(4);
    EXPECT_EQ(Run([&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.FocusWindow(), a.Find(d, IDC_MSMS_START_MASS));
        const std::pair<UINT, const char*> shown[] = {
            {IDC_MSMS_START_MASS, "50"}, {IDC_MSMS_END_MASS, "250"},   {IDC_MSMS_SET_MASS, "50"},
            {IDC_MSMS_SCAN_TIME, "1"},   {IDC_MSMS_INTER_SCAN_DELAY, "0.1"}, {IDC_MSMS_COLLISION_ENERGY, "50"},
            {IDC_MSMS_SCANS_TO_SUM, "5"}, {IDC_MSMS_ION_MODE, "LDI+"}, {IDC_MSMS_DATA_FORMAT, "Centroid"},
            {IDC_LOCK_MASS_TIME, "10"},  {IDC_MSMS_SAMPLE_TIME, "60"}, {IDC_MSMS_TOTAL_TIME, "60"},
            {IDC_LASER_FIRING_RATE, "1"}, {IDC_PLATE_SPEED, "1"},
        };
        for (const auto& [id, text] : shown) EXPECT_EQ(a.Text(d, id), text) << id;
        EXPECT_EQ(a.Text(d, IDC_MSMS_PATTERN_FILE), MaldiPatternFile::DefaultName());
        EXPECT_EQ(Items(a.Find(d, IDC_LASER_FIRING_RATE)), Strings({"1", "5", "10"}));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_MSMS_USE_TUNE_PAGE_CE)), BST_UNCHECKED);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_MSMS_COLLISION_ENERGY)));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_MSMS_SCANS_TO_SUM)));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_LOCK_MASS_TIME)));
        a.Click(d, IDOK);
    }), IDOK);
    EXPECT_EQ(dialog.GetStartTime(), 10); // unlike the MS dialog
    EXPECT_EQ(dialog.GetEndTime(), 60);
    EXPECT_EQ(dialog.GetLaserType(), 1u);
    // The base's collision cell and precursor defaults as MALDI MS/MS has them.
    EXPECT_EQ(dialog.m_nCERampEnabled, 0);
    EXPECT_DOUBLE_EQ(dialog.m_dCERampStart, 20.0);
    EXPECT_DOUBLE_EQ(dialog.m_dCERampEnd, 35.0);
    EXPECT_EQ(dialog.m_nPrecursorUnitResolution, 1);
    EXPECT_TRUE(automation->MessageBoxes().empty());
}

TEST_F(MSMSDialogTest, LockMassClicksResetTheStartTimeAndEachTimeEditMovesTheEnd)
{
    dialog.SetEndTime(60);
    dialog.SetStartTime(10);
    Run([&](CWnd& d, Automation& a) {
        ASSERT_TRUE(a.Click(d, IDC_USE_LOCK_MASS));
        EXPECT_EQ(a.Text(d, IDC_MSMS_TOTAL_TIME), "70");
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_LOCK_MASS_TIME)));
        ASSERT_TRUE(a.Click(d, IDC_USE_LOCK_MASS));
        EXPECT_EQ(a.Text(d, IDC_MSMS_TOTAL_TIME), "60");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.GetStartTime(), 0);
    EXPECT_EQ(dialog.GetEndTime(), 60);

    // With the lock mass set: the two time edits of this template move the end time.
    CMaldiMSMSAcqFunctionSetupDialog withLockMass(&host);
    withLockMass.SetEndTime(60);
    withLockMass.SetUseLockMass(TRUE);
    DialogTest::Run(withLockMass, "Maldi MSMS", [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, IDC_MSMS_SAMPLE_TIME), "50");
        ASSERT_TRUE(a.ReplaceText(d, IDC_LOCK_MASS_TIME, "20"));
        EXPECT_EQ(a.Text(d, IDC_MSMS_TOTAL_TIME), "70") << "the lock mass time alone moves the end";
        ASSERT_TRUE(a.ReplaceText(d, IDC_MSMS_SAMPLE_TIME, "5"));
        EXPECT_EQ(a.Text(d, IDC_MSMS_TOTAL_TIME), "25");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(withLockMass.GetStartTime(), 20);
    EXPECT_EQ(withLockMass.GetEndTime(), 25);
}

TEST_F(MSMSDialogTest, TunePageSettingDisablesTheEnergyAndKeepsItsValue)
{
    Run([&](CWnd& d, Automation& a) {
        HWND energy = a.Find(d, IDC_MSMS_COLLISION_ENERGY);
        ASSERT_TRUE(a.ReplaceText(energy, "42.5"));
        EXPECT_DOUBLE_EQ(dialog.m_dCollisionEnergy, 50.0); // typing is not read at once
        ASSERT_TRUE(a.Click(d, IDC_MSMS_USE_TUNE_PAGE_CE));
        EXPECT_FALSE(a.IsEnabled(energy));
        EXPECT_EQ(a.Text(energy), "42.5");
        EXPECT_DOUBLE_EQ(dialog.m_dCollisionEnergy, 42.5);
        // The data format does not touch the energy, nor does choosing MCA.
        ASSERT_TRUE(Choose(a, d, IDC_MSMS_DATA_FORMAT, "MCA"));
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_MSMS_SCANS_TO_SUM)));
        EXPECT_FALSE(a.IsEnabled(energy));
        ASSERT_TRUE(a.Click(d, IDC_MSMS_USE_TUNE_PAGE_CE));
        EXPECT_TRUE(a.IsEnabled(energy));
        ASSERT_TRUE(a.Click(d, IDC_MSMS_USE_TUNE_PAGE_CE));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.m_bUseTunePageCE, TRUE);
    EXPECT_DOUBLE_EQ(dialog.m_dCollisionEnergy, 42.5);
}

TEST_F(MSMSDialogTest, TypedFieldsAreReadByTheListsAndAtOK)
{
    dialog.SetLaserType(3);
    Run([&](CWnd& d, Automation& a) {
        ASSERT_TRUE(a.ReplaceText(d, IDC_MSMS_SET_MASS, "1234.5"));
        EXPECT_DOUBLE_EQ(dialog.m_dSetMass, 50.0);
        const std::pair<UINT, const char*> lists[] = {
            {IDC_LASER_FIRING_RATE, "500"}, {IDC_PLATE_SPEED, "7"}, {IDC_MSMS_ION_MODE, "LDI-"}};
        for (const auto& [list, item] : lists) {
            dialog.m_dSetMass = 0;
            ASSERT_TRUE(Choose(a, d, list, item));
            EXPECT_DOUBLE_EQ(dialog.m_dSetMass, 1234.5) << item;
        }
        ASSERT_TRUE(a.ReplaceText(d, IDC_MSMS_INTER_SCAN_DELAY, "0.05"));
        ASSERT_TRUE(a.ReplaceText(d, IDC_MSMS_PATTERN_FILE, "mine.ptn"));
        EXPECT_DOUBLE_EQ(dialog.m_dInterScanDelay, 0.1);
        a.Click(d, IDOK);
    });
    EXPECT_DOUBLE_EQ(dialog.m_dInterScanDelay, 0.05);
    EXPECT_EQ(dialog.GetLaserFiringRate(), 500u);
    EXPECT_EQ(dialog.GetPlateSpeed(), 7u);
    EXPECT_EQ(dialog.m_strIonMode, "LDI-");
    EXPECT_EQ(dialog.GetLaserPatternFilename(), "mine.ptn");
}

TEST_F(MSMSDialogTest, ABadNumberIsPromptedAtEachReadAndOKWaitsForIt)
{
    INT_PTR result = Run([&](CWnd& d, Automation& a) {
        HWND setMass = a.Find(d, IDC_MSMS_SET_MASS);
        ASSERT_TRUE(a.ReplaceText(setMass, "abc")); // not read: no prompt yet
        EXPECT_TRUE(automation->MessageBoxes().empty());
        a.AnswerMessageBox(IDOK, "Please enter a number."); // OK's own read ...
        a.AnswerMessageBox(IDOK, "Please enter a number."); // ... and the framework's
        a.Click(d, IDOK);
        EXPECT_TRUE(d.ContinueModal());
        EXPECT_EQ(a.FocusWindow(), setMass);
        // The tune page box still switches the energy while the set mass does not read.
        a.AnswerMessageBox(IDOK, "Please enter a number.");
        ASSERT_TRUE(a.Click(d, IDC_MSMS_USE_TUNE_PAGE_CE));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_MSMS_COLLISION_ENERGY)));
        EXPECT_EQ(a.Text(setMass), "abc");
        ASSERT_TRUE(a.ReplaceText(setMass, "600"));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(automation->MessageBoxes().size(), 3u);
    EXPECT_DOUBLE_EQ(dialog.m_dSetMass, 600.0);
    EXPECT_EQ(dialog.m_bUseTunePageCE, TRUE);
}

TEST_F(MSMSDialogTest, PatternFileIsBrowsedOrFixedByTheInstrumentModel)
{
    Run([&](CWnd& d, Automation& a) {
        a.ChooseFile("/data/patterns/spiral.ptn");
        ASSERT_TRUE(a.Click(d, IDC_MSMS_PATTERN_BROWSE));
        EXPECT_EQ(a.Text(d, IDC_MSMS_PATTERN_FILE), "/data/patterns/spiral.ptn");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.GetLaserPatternFilename(), "/data/patterns/spiral.ptn");

    VEXPropertyTable::Instance().SetMaldiEsiModel(true);
    CMaldiMSMSAcqFunctionSetupDialog fixed(&host);
    fixed.SetLaserPatternFilename("/data/patterns/spiral.ptn");
    DialogTest::Run(fixed, "Maldi MSMS", [&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, IDC_MSMS_PATTERN_FILE), MaldiPatternFile::DefaultName());
        EXPECT_FALSE(a.Click(d, IDC_MSMS_PATTERN_BROWSE));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_MSMS_PATTERN_FILE)));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(fixed.GetLaserPatternFilename(), MaldiPatternFile::DefaultName());
}
