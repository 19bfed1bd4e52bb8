// The "MS/MS Mass" page and its "Set Mass" dialog under the operator's hands.

#include "MSMSSwitchPagesTestSupport.h"

#include <sstream>

#include "maldi/experiments/CMaldiMSMSSwitchMassPage.h"
#include "maldi/experiments/MaldiListFile.h"
#include "maldi/resources/MaldiSwitchMassIds.h"
#include "tests/support/SaveFaults.h"

using namespace maldi::res;

namespace {

using Page = CQuadFSBasePropPage;
constexpr int kListControls[] = {Page::IDC_FILE_NAME, Page::IDC_BROWSE, Page::IDC_FILE_LIST,
                                 Page::IDC_NEW,       Page::IDC_ADD,    Page::IDC_DELETE};

using SwitchMassPageTest = switchtest::ListPageTest<CMaldiMSMSSwitchMassPage, IDD_MSMS_SWITCH_MASS_PAGE, IDS_MSMS_MASS>;

// The operator has chosen the list below: the list controls are live.
class SwitchMassListTest : public SwitchMassPageTest {
protected:
    SwitchMassListTest() { page.m_bUseSingleMass = FALSE; page.m_bUseListBelow = TRUE; }
};

// The Set Mass dialog the next click opens, with the operator's script.
void NextSetMass(Automation::ModalScript script) { Automation::Get().OnNextModal(std::move(script), "Set Mass"); }

const char* kFiveRows = "100.000000,0,-1,-1,-1,-1,-1,-1,-1,-1,-1,0\n"
                        "200.000000,0,-1,-1,-1,-1,-1,-1,-1,-1,-1,0\n"
                        "300.000000,0,-1,-1,-1,-1,-1,-1,-1,-1,-1,0\n"
                        "400.000000,0,-1,-1,-1,-1,-1,-1,-1,-1,-1,0\n"
                        "500.000000,0,-1,-1,-1,-1,-1,-1,-1,-1,-1,0";

} // namespace

TEST_F(SwitchMassPageTest, RadiosEnableTheirControlsWithoutReadingTheMassEdit)
{
    Run([&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_SM_SINGLE_MASS)), BST_CHECKED);
        EXPECT_EQ(a.Text(d, IDC_SM_SINGLE_MASS_VALUE), "50");
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_SM_SINGLE_MASS_VALUE)));
        for (int id : kListControls) EXPECT_FALSE(a.IsEnabled(a.Find(d, id))) << id;
        EXPECT_EQ(a.ListColumns(List(d, a)),
                  (std::vector<CString>{"Set Mass", "LM      ", "HM      ", "Timeout ", "Stop Intensity", "CE1 ", "CE2 ",
                                        "CE3 ", "CE4 ", "CE5 "}));

        // Text that is not a number does not hold the operator back: the radios do not exchange.
        a.ReplaceText(d, IDC_SM_SINGLE_MASS_VALUE, "abc");
        a.Click(d, IDC_SM_LIST_BELOW);
        EXPECT_TRUE(a.MessageBoxes().empty());
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_SM_SINGLE_MASS_VALUE)));
        for (int id : kListControls) EXPECT_TRUE(a.IsEnabled(a.Find(d, id))) << id;
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Page::IDC_SAVE_AS)));
        EXPECT_TRUE(page.m_bUseListBelow);
        EXPECT_FALSE(page.m_bUseSingleMass);

        a.Click(d, IDC_SM_SAMPLE_LIST_FILE);
        for (int id : kListControls) EXPECT_FALSE(a.IsEnabled(a.Find(d, id))) << id;
        EXPECT_TRUE(page.m_bUseSampleListFile);
        EXPECT_FALSE(page.m_bUseListBelow);
        a.Click(d, IDC_SM_SAMPLE_LIST_ENTRIES);
        EXPECT_TRUE(page.m_bUseSampleListEntries);
        EXPECT_FALSE(page.m_bUseSampleListFile);
        a.Click(d, IDC_SM_SINGLE_MASS);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_SM_SINGLE_MASS_VALUE)));
        a.Click(d, IDC_SM_LIST_BELOW);
        a.Click(d, IDC_SM_SINGLE_MASS); // straight from the list: its controls go off
        for (int id : kListControls) EXPECT_FALSE(a.IsEnabled(a.Find(d, id))) << id;
        a.ReplaceText(d, IDC_SM_SINGLE_MASS_VALUE, "612.5");
        a.Click(d, IDOK);
    });
    EXPECT_TRUE(page.m_bUseSingleMass);
    EXPECT_FALSE(page.m_bUseSampleListEntries);
    EXPECT_DOUBLE_EQ(page.m_dSingleMass, 612.5);
}

TEST_F(SwitchMassListTest, AddShowsTheRowAndTheNextAddStartsFromIt)
{
    Run([&](CWnd& d, Automation& a) {
        NextSetMass([&](CWnd& s, Automation& b) {
            EXPECT_EQ(b.FocusWindow(), b.Find(s, IDC_SM_SET_MASS)); // the operator types the mass at once
            EXPECT_EQ(b.Text(s, IDC_SM_SET_MASS), "0");
            for (UINT id : kSetMassEdits) EXPECT_FALSE(b.IsEnabled(b.Find(s, static_cast<int>(id))));
            EXPECT_FALSE(b.IsEnabled(b.Find(s, static_cast<int>(kSetMassChecks[5])))); // CE2 waits for CE1
            b.ReplaceText(s, IDC_SM_SET_MASS, "500.25");
            b.Click(s, static_cast<int>(kSetMassChecks[0]));
            b.ReplaceText(s, static_cast<int>(kSetMassEdits[0]), "3");
            b.Click(s, static_cast<int>(kSetMassChecks[4]));
            EXPECT_TRUE(b.IsEnabled(b.Find(s, static_cast<int>(kSetMassChecks[5]))));
            b.ReplaceText(s, static_cast<int>(kSetMassEdits[4]), "20");
            b.Click(s, IDOK);
        });
        a.Click(d, Page::IDC_ADD);
        EXPECT_EQ(a.ListRows(List(d, a)),
                  (std::vector<std::vector<CString>>{{"500.2500", "3.000", "", "", "", "20.00", "", "", "", ""}}));
        EXPECT_TRUE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        EXPECT_TRUE(page.m_bChangesPending);

        NextSetMass([&](CWnd& s, Automation& b) {
            EXPECT_EQ(b.Text(s, static_cast<int>(kSetMassEdits[0])), "3.000");
            EXPECT_EQ(b.Text(s, static_cast<int>(kSetMassEdits[4])), "20.000");
            EXPECT_EQ(b.CheckState(b.Find(s, static_cast<int>(kSetMassChecks[1]))), BST_UNCHECKED);
            b.Click(s, IDCANCEL);
        });
        a.Click(d, Page::IDC_ADD);
        EXPECT_EQ(a.ListRows(List(d, a)).size(), 1u);
        a.Click(d, IDCANCEL);
    });
    ASSERT_NE(page.GetMassList(), nullptr);
    const MaldiSwitchMassEntry& e = page.GetMassList()->pEntries[0];
    EXPECT_EQ(e.wFlags, MaldiSwitchMassEntry::kLM | MaldiSwitchMassEntry::CollisionEnergyBit(1));
    EXPECT_DOUBLE_EQ(e.dHM, -1.0);
    EXPECT_DOUBLE_EQ(e.dCollisionEnergy[0], 20.0);
}

TEST_F(SwitchMassListTest, DeletingTheLastTwoOfFiveRowsSelectsRowTwoAndSaveWritesTheFile)
{
    page.m_strFileName = WriteFile("five.txt", kFiveRows);
    Run([&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.Text(d, Page::IDC_FILE_NAME), page.m_strFileName);
        ASSERT_EQ(a.ListRows(List(d, a)).size(), 5u);
        a.ClickListItem(List(d, a), 3);
        a.ClickListItem(List(d, a), 4, Automation::Control);
        a.Click(d, Page::IDC_DELETE);
        EXPECT_EQ(a.ListRows(List(d, a)).size(), 3u);
        EXPECT_EQ(a.ListSelection(List(d, a)), std::vector<int>{2});
        EXPECT_EQ(a.ListFocus(List(d, a)), 2);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        a.Click(d, Page::IDC_SAVE);
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        EXPECT_FALSE(page.m_bChangesPending);
        a.Click(d, IDOK);
    });
    MaldiSwitchMassList* saved = MaldiListFile::ReadMassList(page.m_strFileName);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(MaldiSwitchMassList::Count(saved), 3);
    EXPECT_DOUBLE_EQ(saved->pEntries[2].dSetMass, 300.0);
    MaldiSwitchMassList::Destroy(saved);
}

TEST_F(SwitchMassListTest, SaveWithoutAFileNameAsksForOneAndSaveOrDeleteWithoutAListDoNothing)
{
    const CString path((dir / "new.txt").string().c_str());
    Run([&](CWnd& d, Automation& a) {
        a.Click(d, Page::IDC_DELETE);
        a.Click(d, Page::IDC_SAVE); // disabled and no list: nothing
        EXPECT_TRUE(a.FileDialogs().empty());
        NextSetMass([&](CWnd& s, Automation& b) {
            b.ReplaceText(s, IDC_SM_SET_MASS, "1000");
            b.Click(s, IDOK);
        });
        a.Click(d, Page::IDC_ADD);
        a.ChooseFile(path);
        a.Click(d, Page::IDC_SAVE);
        ASSERT_EQ(a.FileDialogs().size(), 1u);
        EXPECT_EQ(a.Text(d, Page::IDC_FILE_NAME), path);
        EXPECT_FALSE(page.m_bChangesPending);

        // New forgets the list and the name.
        a.Click(d, Page::IDC_NEW);
        EXPECT_TRUE(a.ListRows(List(d, a)).empty());
        EXPECT_EQ(a.Text(d, Page::IDC_FILE_NAME), "");
        a.Click(d, IDOK);
    });
    EXPECT_EQ(page.GetMassList(), nullptr);
    std::ifstream in(path.GetString());
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str().rfind("1000.000000,", 0), 0u) << text.str();
}

TEST_F(SwitchMassListTest, SetMassDialogKeepsEnergiesInOrderAndRemembersUncheckedValues)
{
    // Energy 2 given without energy 1, as a file may hold it.
    page.m_strFileName = WriteFile("gap.txt", "700.000000,0,-1,-1,-1,-1,-1,35,-1,-1,-1,32");
    Run([&](CWnd& d, Automation& a) {
        a.ClickListItem(List(d, a), 0);
        NextSetMass([&](CWnd& s, Automation& b) {
            HWND ce1 = b.Find(s, static_cast<int>(kSetMassChecks[4]));
            HWND ce2 = b.Find(s, static_cast<int>(kSetMassChecks[5]));
            EXPECT_EQ(b.CheckState(ce2), BST_CHECKED);
            EXPECT_FALSE(b.IsEnabled(ce2));
            EXPECT_EQ(b.Text(s, static_cast<int>(kSetMassEdits[5])), "35.000");

            // While CE2 is given CE1's box only stays checked: its edit waits, and it cannot be
            // cleared again.
            b.Click(ce1);
            EXPECT_EQ(b.CheckState(ce1), BST_CHECKED);
            EXPECT_FALSE(b.IsEnabled(b.Find(s, static_cast<int>(kSetMassEdits[4]))));
            b.Click(ce1);
            EXPECT_EQ(b.CheckState(ce1), BST_CHECKED);

            HWND lm = b.Find(s, static_cast<int>(kSetMassChecks[0]));
            b.Click(lm);
            EXPECT_EQ(b.Text(s, static_cast<int>(kSetMassEdits[0])), "0.000") << "the file's -1 shown for a value not given";
            b.ReplaceText(s, static_cast<int>(kSetMassEdits[0]), "7.5");
            b.Click(lm);
            EXPECT_EQ(b.Text(s, static_cast<int>(kSetMassEdits[0])), "");
            EXPECT_FALSE(b.IsEnabled(b.Find(s, static_cast<int>(kSetMassEdits[0]))));
            b.Click(lm);
            EXPECT_EQ(b.Text(s, static_cast<int>(kSetMassEdits[0])), "7.500");

            // A set mass that is not a number keeps the dialog open (read once for the values, once
            // to close: two prompts).
            b.AnswerMessageBox(IDOK);
            b.AnswerMessageBox(IDOK);
            b.ReplaceText(s, IDC_SM_SET_MASS, "x");
            b.Click(s, IDOK);
            EXPECT_EQ(b.MessageBoxes().size(), 2u);
            EXPECT_TRUE(b.IsVisible(s.GetSafeHwnd()));
            b.ReplaceText(s, IDC_SM_SET_MASS, "701");
            b.Click(s, IDOK);
        });
        a.DoubleClickListItem(List(d, a), 0);
        EXPECT_EQ(a.ListRows(List(d, a)),
                  (std::vector<std::vector<CString>>{{"701.0000", "7.500", "", "", "", "0.00", "35.00", "", "", ""}}));
        EXPECT_TRUE(page.m_bChangesPending);
        a.Click(d, IDCANCEL);
    });
    EXPECT_EQ(page.GetLastEntry().wFlags, 0); // editing a row leaves Add's values alone
}

TEST_F(SwitchMassPageTest, UnreadableListLeavesThePageWithoutAListWithoutAMessage)
{
    page.m_strFileName = WriteFile("bad.txt", "not a mass\n");
    Run([&](CWnd& d, Automation& a) {
        EXPECT_TRUE(a.ListRows(List(d, a)).empty());
        EXPECT_TRUE(a.MessageBoxes().empty());
        a.Click(d, IDCANCEL);
    });
    EXPECT_EQ(page.GetMassList(), nullptr);
}

TEST_F(SwitchMassListTest, BrowseReadsTheChosenListAndACancelledEditChangesNothing)
{
    const CString path = WriteFile("browse.txt", "455.123400,0,2.5,3,10,5000,25,30,-1,-1,-1,63\n812.000000,0,-1,-1,-1,"
                                                 "-1,-1,-1,-1,-1,-1,0");
    Run([&](CWnd& d, Automation& a) {
        a.ChooseFile(path);
        a.Click(d, Page::IDC_BROWSE);
        EXPECT_EQ(a.Text(d, Page::IDC_FILE_NAME), path);
        EXPECT_EQ(a.ListRows(List(d, a)),
                  (std::vector<std::vector<CString>>{
                      {"455.1234", "2.500", "3.00", "10.00", "5000.00", "25.00", "30.00", "", "", ""},
                      {"812.0000", "", "", "", "", "", "", "", "", ""}}));
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        a.ClickListItem(List(d, a), 0);
        NextSetMass([&](CWnd& s, Automation& b) { b.Click(s, IDCANCEL); });
        a.DoubleClickListItem(List(d, a), 0);
        EXPECT_FALSE(page.m_bChangesPending); // cancelled: nothing changed
        a.Click(d, IDCANCEL);
    });
}

TEST_F(SwitchMassListTest, SaveAsThatCannotWriteTellsTheOperatorAndTheBoxShowsThePagesFileName)
{
    const CString path((dir / "no-such-folder" / "list.txt").string().c_str());
    Run([&](CWnd& d, Automation& a) {
        NextSetMass([&](CWnd& s, Automation& b) {
            b.ReplaceText(s, IDC_SM_SET_MASS, "1000");
            b.Click(s, IDOK);
        });
        a.Click(d, Page::IDC_ADD);
        a.ChooseFile(path);
        a.AnswerMessageBox(IDOK, "could not be written");
        a.Click(d, Page::IDC_SAVE_AS);
        EXPECT_EQ(a.Text(d, Page::IDC_FILE_NAME), page.m_strFileName);
        EXPECT_TRUE(page.m_bChangesPending) << "the list is still unsaved";
        EXPECT_TRUE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        a.Click(d, IDCANCEL);
    });
    EXPECT_EQ(automation->MessageBoxes().size(), 1u);
}

// A save failing at any step (the disk full part way included) tells the operator, keeps the
// previous list byte for byte with no temporary file left, and the changes stay pending.
TEST_F(SwitchMassListTest, SaveFailingAtAnyStepKeepsThePreviousListAndTheChangesPending)
{
    const std::string rows = std::string(kFiveRows) + "\n" + kFiveRows;  // a row for each fault, and more
    page.m_strFileName = WriteFile("ten.txt", rows.c_str());
    const std::string before = savefaults::Bytes(page.m_strFileName.GetString());
    Run([&](CWnd& d, Automation& a) {
        for (const savefaults::Fault& f : savefaults::All()) {
            SCOPED_TRACE(f.name);
            a.ClickListItem(List(d, a), 0);
            a.Click(d, Page::IDC_DELETE);
            SafeSaveFault fault(f.step, f.error, f.room);
            a.AnswerMessageBox(IDOK, "could not be written");
            a.Click(d, Page::IDC_SAVE);
            EXPECT_EQ(fault.Hits(), 1);
            EXPECT_TRUE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
            EXPECT_EQ(savefaults::Bytes(page.m_strFileName.GetString()), before);
            EXPECT_EQ(savefaults::Temporaries(dir), std::vector<std::string>{});
        }
        a.Click(d, IDCANCEL);
    });
}
