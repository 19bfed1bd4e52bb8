// The MS scan function dialog under the operator's hands.

#include "MSDialogTestSupport.h"

#include "platform/framework/CEdit.h"
#include "platform/framework/CommDlg.h"

using namespace msdlg;

namespace {

struct Times {
    CString lockMass, sample, total;
    bool operator==(const Times&) const = default;
};

Times TimesShown(CWnd& d, Automation& a)
{
    return {a.Text(d, IDC_LOCK_MASS_TIME), a.Text(d, IDC_MS_SAMPLE_TIME), a.Text(d, IDC_MS_TOTAL_TIME)};
}

std::ostream& operator<<(std::ostream& os, const Times& t)
{
    return os << "lock mass " << t.lockMass.GetString() << ", sample " << t.sample.GetString() << ", total "
              << t.total.GetString();
}

} // namespace

TEST_F(MSDialogTest, UseLockMassMovesTheEndTimeAndKeepsTheSampleTimeThenSampleTimeIsTheWhole)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    dialog.SetIntEndTime(60);
    dialog.SetLockMassTime(10);
    int startWhileOn = -1, endWhileOn = -1;
    Run(dialog, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "60", "60"}));
        ASSERT_TRUE(a.Click(d, IDC_USE_LOCK_MASS));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_USE_LOCK_MASS)), BST_CHECKED);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_LOCK_MASS_TIME)));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "60", "70"}));
        startWhileOn = dialog.GetIntStartTime();
        endWhileOn = dialog.GetIntEndTime();
        ASSERT_TRUE(a.Click(d, IDC_USE_LOCK_MASS));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_USE_LOCK_MASS)), BST_UNCHECKED);
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_LOCK_MASS_TIME)));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "60", "60"}));
        // Without the lock mass the sample time is the whole time.
        ASSERT_TRUE(a.ReplaceText(d, IDC_MS_SAMPLE_TIME, "45"));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "45", "45"}));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(startWhileOn, 10);
    EXPECT_EQ(endWhileOn, 70);
    EXPECT_EQ(dialog.GetIntStartTime(), 0);
    EXPECT_EQ(dialog.GetIntEndTime(), 45);
    EXPECT_EQ(dialog.GetUseLockMass(), FALSE);
    EXPECT_DOUBLE_EQ(dialog.m_dTotalTime, 45.0);
}

TEST_F(MSDialogTest, SampleTimeTypingMovesTheEndTimeOnceADigitIsThere)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    dialog.SetIntEndTime(60);
    dialog.SetLockMassTime(10);
    dialog.SetUseLockMass(TRUE);
    Run(dialog, [&](CWnd& d, Automation& a) {
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "50", "60"}));
        // Cleared: nothing is read, nothing moves, no prompt.
        ASSERT_TRUE(a.ReplaceText(d, IDC_MS_SAMPLE_TIME, ""));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "", "60"}));
        EXPECT_EQ(dialog.m_nSampleTime, 50);
        EXPECT_EQ(dialog.GetIntEndTime(), 60);
        // Each digit counts at once.
        ASSERT_TRUE(a.Type(d, IDC_MS_SAMPLE_TIME, "3"));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "3", "13"}));
        ASSERT_TRUE(a.Type(d, IDC_MS_SAMPLE_TIME, "0"));
        EXPECT_EQ(TimesShown(d, a), (Times{"10", "30", "40"}));
        EXPECT_EQ(dialog.GetIntEndTime(), 40);
        // A digits-only edit takes no letters.
        a.Type(d, IDC_MS_SAMPLE_TIME, "x");
        EXPECT_EQ(a.Text(d, IDC_MS_SAMPLE_TIME), "30");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.m_nSampleTime, 30);
    EXPECT_EQ(dialog.GetIntStartTime(), 10);
    EXPECT_EQ(dialog.GetIntEndTime(), 40);
    EXPECT_TRUE(automation->MessageBoxes().empty());
}

TEST_F(MSDialogTest, LockMassTimeTypingMovesStartAndEnd)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    dialog.SetIntEndTime(60);
    dialog.SetLockMassTime(10);
    dialog.SetUseLockMass(TRUE);
    Run(dialog, [&](CWnd& d, Automation& a) {
        ASSERT_TRUE(a.ReplaceText(d, IDC_LOCK_MASS_TIME, ""));
        EXPECT_EQ(TimesShown(d, a), (Times{"", "50", "60"}));
        EXPECT_EQ(dialog.GetLockMassTime(), 10);
        ASSERT_TRUE(a.Type(d, IDC_LOCK_MASS_TIME, "15"));
        EXPECT_EQ(TimesShown(d, a), (Times{"15", "50", "65"}));
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.GetLockMassTime(), 15);
    EXPECT_EQ(dialog.GetIntStartTime(), 15);
    EXPECT_EQ(dialog.GetIntEndTime(), 65);
    EXPECT_DOUBLE_EQ(dialog.m_dTotalTime, 65.0);
}

TEST_F(MSDialogTest, ScansToSumOnlyForMCA)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    Run(dialog, [&](CWnd& d, Automation& a) {
        HWND scans = a.Find(d, IDC_MS_SCANS_TO_SUM);
        EXPECT_FALSE(a.IsEnabled(scans));
        ASSERT_TRUE(Choose(a, d, IDC_MS_DATA_FORMAT, "MCA"));
        EXPECT_TRUE(a.IsEnabled(scans));
        EXPECT_EQ(dialog.m_strDataFormat, "MCA"); // read by the rule
        ASSERT_TRUE(a.ReplaceText(scans, "20"));
        ASSERT_TRUE(Choose(a, d, IDC_MS_DATA_FORMAT, "Continuum"));
        EXPECT_FALSE(a.IsEnabled(scans));
        EXPECT_EQ(dialog.m_strDataFormat, "Continuum");
        ASSERT_TRUE(Choose(a, d, IDC_MS_DATA_FORMAT, "Centroid"));
        EXPECT_FALSE(a.IsEnabled(scans));
        // A box that does not read stops the exchange; the choice still sets the rule.
        const CString start = a.Text(d, IDC_MS_START_MASS);
        a.SetMessageBoxResponder([](const MessageBoxRecord&) { return IDOK; });
        ASSERT_TRUE(a.ReplaceText(d, IDC_MS_START_MASS, "abc"));
        ASSERT_TRUE(Choose(a, d, IDC_MS_DATA_FORMAT, "MCA"));
        EXPECT_TRUE(a.IsEnabled(scans));
        ASSERT_TRUE(a.ReplaceText(d, IDC_MS_START_MASS, start));
        a.SetMessageBoxResponder(nullptr);
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.m_strDataFormat, "MCA");
    EXPECT_EQ(dialog.m_nScansToSum, 20);
}

TEST_F(MSDialogTest, CentroidEditsOfTheBaseFollowCentroidWhenAnOptionIsSet)
{
    for (int option = 0; option < 3; ++option) {
        SCOPED_TRACE(option);
        CMaldiMSAcqFunctionSetupDialog dialog(&host);
        dialog.m_bHardwareCentroiding = option == 1;
        dialog.m_bSoftwareCentroiding = option == 2;
        Run(dialog, [&](CWnd& d, Automation& a) {
            // This template has no centroid edits; a host that adds its own gets them switched.
            CRect r(0, 0, 40, 12);
            ASSERT_TRUE(dialog.m_editCentroidThreshold.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, r, &d, 50001));
            ASSERT_TRUE(dialog.m_editCentroidMinPeakWidth.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, r, &d, 50002));
            ASSERT_TRUE(Choose(a, d, IDC_MS_DATA_FORMAT, "Continuum"));
            const bool switched = option != 0;
            EXPECT_EQ(a.IsEnabled(dialog.m_editCentroidThreshold.GetSafeHwnd()), !switched);
            EXPECT_EQ(a.IsEnabled(dialog.m_editCentroidMinPeakWidth.GetSafeHwnd()), !switched);
            ASSERT_TRUE(Choose(a, d, IDC_MS_DATA_FORMAT, "Centroid"));
            EXPECT_TRUE(a.IsEnabled(dialog.m_editCentroidThreshold.GetSafeHwnd()));
            EXPECT_TRUE(a.IsEnabled(dialog.m_editCentroidMinPeakWidth.GetSafeHwnd()));
            a.Click(d, IDCANCEL);
        });
    }
}

TEST_F(MSDialogTest, ChoicesAndTypingAreReadAtOnce)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    dialog.SetLaserType(2);
    Run(dialog, [&](CWnd& d, Automation& a) {
        ASSERT_TRUE(Choose(a, d, IDC_LASER_FIRING_RATE, "20"));
        EXPECT_EQ(dialog.GetLaserFiringRate(), 20u);
        ASSERT_TRUE(Choose(a, d, IDC_PLATE_SPEED, "4"));
        EXPECT_EQ(dialog.GetPlateSpeed(), 4u);
        ASSERT_TRUE(Choose(a, d, IDC_MS_ION_MODE, "LDI-"));
        EXPECT_EQ(dialog.m_strIonMode, "LDI-");
        ASSERT_TRUE(a.ReplaceText(d, IDC_MS_PATTERN_FILE, "mine.ptn"));
        EXPECT_EQ(dialog.GetLaserPatternFilename(), "mine.ptn");
        a.Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.GetLaserFiringRate(), 20u);
    EXPECT_EQ(dialog.m_strIonMode, "LDI-");
    EXPECT_EQ(dialog.GetLaserPatternFilename(), "mine.ptn");
}

TEST_F(MSDialogTest, NumberPromptKeepsTheDialogOpenAndTheTimeHandlerWritesTheMembersBack)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    INT_PTR result = Run(dialog, [&](CWnd& d, Automation& a) {
        HWND start = a.Find(d, IDC_MS_START_MASS);
        const CString good = a.Text(start);
        // Typing reads every field: one prompt for the one bad key.
        a.AnswerMessageBox(IDOK, "Please enter a number.");
        ASSERT_TRUE(a.ReplaceText(start, "x"));
        EXPECT_EQ(a.PendingMessageBoxAnswers(), 0u);
        // OK: its own read and the framework's, a prompt each; the dialog stays, the focus on the field.
        a.AnswerMessageBox(IDOK, "Please enter a number.");
        a.AnswerMessageBox(IDOK, "Please enter a number.");
        a.Click(d, IDOK);
        EXPECT_EQ(a.PendingMessageBoxAnswers(), 0u);
        EXPECT_TRUE(d.ContinueModal());
        EXPECT_EQ(a.FocusWindow(), start);
        // A time handler keeps its books on what did read and writes every member back.
        a.AnswerMessageBox(IDOK, "Please enter a number.");
        ASSERT_TRUE(a.ReplaceText(d, IDC_MS_SAMPLE_TIME, "4")); // one key: the prompt takes the focus
        EXPECT_EQ(a.Text(start), good) << "the last good start mass is written back";
        a.Click(d, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(automation->MessageBoxes().size(), 4u);
    EXPECT_EQ(automation->MessageBoxes()[1].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONEXCLAMATION));
}

TEST_F(MSDialogTest, BrowseTakesTheChosenPatternFileAndCancelChangesNothing)
{
    CMaldiMSAcqFunctionSetupDialog dialog(&host);
    dialog.SetLaserPatternFilename("/patterns/grid.ptn");
    HWND dialogWindow = nullptr;
    Run(dialog, [&](CWnd& d, Automation& a) {
        dialogWindow = d.GetSafeHwnd();
        a.CancelFileDialog();
        ASSERT_TRUE(a.Click(d, IDC_MS_PATTERN_BROWSE));
        EXPECT_EQ(a.Text(d, IDC_MS_PATTERN_FILE), "/patterns/grid.ptn");
        a.ChooseFile("/data/patterns/spiral.ptn");
        ASSERT_TRUE(a.Click(d, IDC_MS_PATTERN_BROWSE));
        EXPECT_EQ(a.Text(d, IDC_MS_PATTERN_FILE), "/data/patterns/spiral.ptn");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(dialog.GetLaserPatternFilename(), "/data/patterns/spiral.ptn");

    ASSERT_EQ(automation->FileDialogs().size(), 2u);
    EXPECT_FALSE(automation->FileDialogs()[0].ok);
    const FileDialogRecord& f = automation->FileDialogs()[1];
    EXPECT_TRUE(f.open);
    EXPECT_EQ(f.filter, "Pattern File(*.ptn) | *.ptn||");
    EXPECT_EQ(f.flags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(f.initialFolder, ".");
    EXPECT_TRUE(f.initialName.IsEmpty());
    EXPECT_TRUE(f.defaultExtension.IsEmpty());
    EXPECT_EQ(f.owner, dialogWindow);
}
