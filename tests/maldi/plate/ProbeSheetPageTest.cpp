// The target plate sheet's pages as the operator works them.

#include "ProbeSheetTestSupport.h"

using namespace probesheet;

namespace {

const UINT kLockMassBoxes[] = {IDC_LM_WELLS_PER_COLUMN, IDC_LM_WELLS_PER_ROW, IDC_LM_WELL_DIAMETER,
                               IDC_LM_WELL_PITCH};

std::vector<bool> LockMassEnabled(Automation& a, HWND h)
{
    std::vector<bool> enabled;
    for (UINT id : kLockMassBoxes) enabled.push_back(a.IsEnabled(a.Find(h, Id(id))));
    return enabled;
}

using Enabled = std::vector<bool>;

} // namespace

TEST_F(ProbeSheetTest, OnTheMaldiEsiModelOnlyGeometryIsShownAndWellsPerRowAreAlwaysOne)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(true);
    const CString path = WritePlate("wide.mtp", UnusualPlate()); // 24 and 2 wells a row
    CMaldiProbeSheet sheet(path, "Target Plate");
    automation->AnswerMessageBox(IDYES);
    automation->ChooseFile(path);
    Run(sheet, [&](Automation& a, HWND h) {
        EXPECT_EQ(a.SheetTabs(h), std::vector<CString>{"Plate Geometry"});
        EXPECT_EQ(a.Text(h, Id(IDC_WELLS_PER_ROW)), "1");
        EXPECT_EQ(a.Text(h, Id(IDC_LM_WELLS_PER_ROW)), "1");
        EXPECT_FALSE(a.IsEnabled(a.Find(h, Id(IDC_WELLS_PER_ROW))));
        EXPECT_EQ(LockMassEnabled(a, h), (Enabled{false, false, false, false})) << "lock mass is off in this plate";
        ASSERT_TRUE(a.SetChecked(h, Id(IDC_LOCK_MASS_CORRECTION), true));
        EXPECT_EQ(LockMassEnabled(a, h), (Enabled{true, false, true, true})) << "wells per row stays disabled";
        EXPECT_FALSE(a.Click(h, Id(IDC_LM_WELLS_PER_ROW)));
        PressOk(a, h);
    });
    CMaldiPlate saved = ReadPlate(path);
    EXPECT_EQ(saved.m_nWellsPerRow, 1);
    EXPECT_EQ(saved.m_nLockMassWellsPerRow, 1);
    EXPECT_TRUE(saved.m_bLockMassCorrection);
}

TEST_F(ProbeSheetTest, TheLockMassCheckEnablesItsFourBoxesAndCountsAsAChange)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    const CString path = WritePlate("plate.mtp", CMaldiPlate()); // lock mass on
    CMaldiProbeSheet sheet(path, "Target Plate");
    INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
        EXPECT_EQ(LockMassEnabled(a, h), (Enabled{true, true, true, true}));
        EXPECT_TRUE(a.IsEnabled(a.Find(h, Id(IDC_WELLS_PER_ROW))));
        ASSERT_TRUE(a.SetChecked(h, Id(IDC_LOCK_MASS_CORRECTION), false));
        EXPECT_EQ(LockMassEnabled(a, h), (Enabled{false, false, false, false}));
        ASSERT_TRUE(a.SetChecked(h, Id(IDC_LOCK_MASS_CORRECTION), true));
        EXPECT_EQ(LockMassEnabled(a, h), (Enabled{true, true, true, true}));
        a.AnswerMessageBox(IDNO, "File has changed. Save?"); // checked back as it was, still a change
        PressOk(a, h);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ProbeSheetTest, EveryEditableFieldCountsAsAChange)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    struct Change {
        int page;
        UINT id;
        const char* text; // null: click the check box
    };
    const Change changes[] = {
        {0, IDC_WELLS_PER_COLUMN, "4"}, {0, IDC_WELLS_PER_ROW, "6"},       {0, IDC_WELL_DIAMETER, "2"},
        {0, IDC_WELL_PITCH, "5"},       {0, IDC_LM_WELLS_PER_COLUMN, "2"}, {0, IDC_LM_WELLS_PER_ROW, "2"},
        {0, IDC_LM_WELL_DIAMETER, "1"}, {0, IDC_LM_WELL_PITCH, "3"},       {0, IDC_WELL_REFERENCE, nullptr},
        {1, IDC_HOLE1_X, "1"},          {1, IDC_HOLE1_Y, "2"},             {1, IDC_HOLE2_X, "3"},
        {1, IDC_HOLE2_Y, "4"},          {1, IDC_HYSTERESIS_X, "0.5"},      {1, IDC_HYSTERESIS_Y, "0.5"},
        {1, IDC_SEARCH_WINDOW, "9"},    {1, IDC_SEARCH_STEP, "0.2"},       {1, IDC_SEARCH_DELAY, "10"},
        {1, IDC_CALIBRATE_ON_LOAD, nullptr},
    };
    const CString path = WritePlate("plate.mtp", CMaldiPlate());
    for (const Change& c : changes) {
        SCOPED_TRACE(c.id);
        CMaldiProbeSheet sheet(path, "Target Plate");
        INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
            if (c.page) {
                ASSERT_TRUE(a.SelectSheetPage(h, c.page));
            }
            if (c.id == IDC_WELL_REFERENCE) {
                ASSERT_TRUE(a.ChooseComboItem(a.Find(h, Id(c.id)), "Numerical"));
            } else if (!c.text) {
                ASSERT_TRUE(a.Click(h, Id(c.id)));
            } else {
                Edit(a, h, c.id, c.text);
            }
            a.AnswerMessageBox(IDNO, "File has changed. Save?");
            PressOk(a, h);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(automation->PendingMessageBoxAnswers(), 0u) << "the change was not noticed";
    }
    EXPECT_EQ(ReadPlate(path), CMaldiPlate()) << "nothing saved on No";
}

TEST_F(ProbeSheetTest, ValuesOutOfRangeAreRefusedWithTheFrameworksPromptAndThePageStays)
{
    VEXPropertyTable::Instance().SetMaldiEsiModel(false);
    struct Bad {
        UINT id;
        const char* text;
        const char* prompt;
    };
    const Bad bad[] = {
        {IDC_WELLS_PER_COLUMN, "0", "between 1 and 100"},     {IDC_WELLS_PER_ROW, "101", "between 1 and 100"},
        {IDC_WELL_DIAMETER, "0.0005", "between 0.001 and 100"}, {IDC_WELL_PITCH, "100.5", "between 0.001 and 100"},
        {IDC_LM_WELLS_PER_COLUMN, "0", "between 1 and 100"},  {IDC_LM_WELLS_PER_ROW, "200", "between 1 and 100"},
        {IDC_LM_WELL_DIAMETER, "0", "between 0.001 and 100"}, {IDC_LM_WELL_PITCH, "-1", "between 0.001 and 100"},
    };
    const CString path = WritePlate("plate.mtp", CMaldiPlate());
    for (const Bad& b : bad) {
        SCOPED_TRACE(b.id);
        CMaldiProbeSheet sheet(path, "Target Plate");
        INT_PTR result = Run(sheet, [&](Automation& a, HWND h) {
            Edit(a, h, b.id, b.text);
            a.AnswerMessageBox(IDOK, b.prompt);
            PressOk(a, h);
            EXPECT_TRUE(a.IsVisible(h)) << "OK refused";
            a.AnswerMessageBox(IDOK, b.prompt);
            EXPECT_FALSE(a.SelectSheetPage(h, 1)) << "leaving the page refused";
            EXPECT_EQ(a.SheetActivePage(h), 0);
            a.Click(h, IDCANCEL);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_EQ(ReadPlate(path), CMaldiPlate());
}
