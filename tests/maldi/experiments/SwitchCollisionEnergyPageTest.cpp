// The "Collision Energy" page and its range dialog under the operator's hands.

#include "MSMSSwitchPagesTestSupport.h"

#include "maldi/experiments/CMaldiCERangeDialog.h"
#include "maldi/experiments/CMaldiMSMSSwitchCollisionEnergyPage.h"
#include "maldi/experiments/MaldiListFile.h"
#include "maldi/resources/MaldiSwitchMassIds.h"

using namespace maldi::res;

namespace {

using Page = CQuadFSBasePropPage;
constexpr int kListGroup[] = {Page::IDC_FILE_NAME, Page::IDC_BROWSE, Page::IDC_FILE_LIST, Page::IDC_NEW,
                              Page::IDC_ADD,       Page::IDC_DELETE};

using SwitchCEPageTest =
    switchtest::ListPageTest<CMaldiMSMSSwitchCollisionEnergyPage, IDD_MSMS_SWITCH_CE_PAGE, IDS_COLLISION_ENERGY>;

void ExpectListGroup(CWnd& d, Automation& a, bool enabled, bool saveEnabled)
{
    for (int id : kListGroup) EXPECT_EQ(a.IsEnabled(a.Find(d, id)), enabled) << id;
    EXPECT_EQ(a.IsEnabled(a.Find(d, Page::IDC_SAVE)), saveEnabled);
    EXPECT_EQ(a.IsEnabled(a.Find(d, Page::IDC_SAVE_AS)), saveEnabled);
}

} // namespace

TEST_F(SwitchCEPageTest, ProfileFileIsReadWhateverTheRadioTheRadiosSwitchTheListGroupAndTheFixedEnergyIsExchanged)
{
    // Energies 1 and 3 given on the first range: energy 2's cell stays empty.
    page.m_strFileName = WriteFile("profile.txt", "100,500,-1,-1,20,-1,40,-1,-1,5\n500,900,-1,-1,30,35,-1,-1,-1,3");
    page.m_dFixedCE = 12.5;
    Run([&](CWnd& d, Automation& a) {
        EXPECT_EQ(a.ListColumns(List(d, a)), (std::vector<CString>{"From Mass  ", "To Mass    ", "CE 1 ", "CE 2 ",
                                                                   "CE 3 ", "CE 4 ", "CE 5 "}));
        EXPECT_EQ(a.ListRows(List(d, a)),
                  (std::vector<std::vector<CString>>{{"100.0000", "500.0000", "20.00", "", "40.00", "", ""},
                                                     {"500.0000", "900.0000", "30.00", "35.00", "", "", ""}}));
        EXPECT_EQ(a.CheckState(a.Find(d, IDC_CE_USE_TUNE_PAGE)), BST_CHECKED);
        EXPECT_FALSE(a.IsEnabled(a.Find(d, IDC_CE_FIXED_ENERGY)));
        ExpectListGroup(d, a, false, false);

        a.Click(d, IDC_CE_USE_PROFILE);
        ExpectListGroup(d, a, true, false);
        a.Click(d, Page::IDC_DELETE); // nothing selected: nothing
        EXPECT_FALSE(page.m_bChangesPending);
        a.ClickListItem(List(d, a), 1);
        a.Click(d, Page::IDC_DELETE);
        EXPECT_EQ(a.ListRows(List(d, a)).size(), 1u);
        page.SetFileList(nullptr, 2); // no entries however many are claimed: no rows, no crash
        EXPECT_EQ(a.ListRows(List(d, a)).size(), 1u);
        EXPECT_EQ(a.ListSelection(List(d, a)), std::vector<int>{0});
        ExpectListGroup(d, a, true, true);

        // Fixed disables the whole group even with unsaved changes; back to the profile brings
        // Save back because changes are pending.
        a.Click(d, IDC_CE_USE_FIXED);
        EXPECT_TRUE(a.IsEnabled(a.Find(d, IDC_CE_FIXED_ENERGY)));
        EXPECT_EQ(a.Text(d, IDC_CE_FIXED_ENERGY), "12.5") << "the fixed energy reaches its edit";
        a.ReplaceText(d, IDC_CE_FIXED_ENERGY, "33.5");
        ExpectListGroup(d, a, false, false);
        a.Click(d, IDC_CE_USE_PROFILE);
        ExpectListGroup(d, a, true, true);
        a.Click(d, Page::IDC_SAVE);
        ExpectListGroup(d, a, true, false);
        a.Click(d, IDOK);
    });
    EXPECT_TRUE(page.m_bUseCEProfile);
    EXPECT_FALSE(page.m_bUseTunePageCE);
    EXPECT_DOUBLE_EQ(page.m_dFixedCE, 33.5) << "the typed fixed energy is read back";
    MaldiCEProfileList* saved = MaldiListFile::ReadProfile(page.m_strFileName);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(MaldiCEProfileList::Count(saved), 1);
    MaldiCEProfileList::Destroy(saved);
}

TEST_F(SwitchCEPageTest, RangeDialogShowsOnlyTheUnbrokenChainAndStoresAGapAsNotGiven)
{
    page.m_bUseTunePageCE = FALSE;
    page.m_bUseCEProfile = TRUE;
    page.m_strFileName = WriteFile("gap.txt", "100,500,7,8,20,-1,40,-1,-1,5");
    Run([&](CWnd& d, Automation& a) {
        a.ClickListItem(List(d, a), 0);
        automation->OnNextModal(
            [&](CWnd& s, Automation& b) {
                EXPECT_EQ(b.CheckState(b.Find(s, kCERangeChecks[0])), BST_CHECKED);
                EXPECT_EQ(b.CheckState(b.Find(s, kCERangeChecks[2])), BST_UNCHECKED);
                EXPECT_EQ(b.Text(s, kCERangeEdits[0]), "20.000");
                EXPECT_EQ(b.Text(s, kCERangeEdits[2]), "");
                EXPECT_FALSE(b.IsEnabled(b.Find(s, kCERangeChecks[2])));

                // Energy 2 on, then energy 1 cannot be cleared.
                b.Click(s, kCERangeChecks[1]);
                EXPECT_EQ(b.Text(s, kCERangeEdits[1]), "0.000"); // not the file's -1
                b.ReplaceText(s, kCERangeEdits[1], "25");
                b.Click(s, kCERangeChecks[0]);
                EXPECT_EQ(b.CheckState(b.Find(s, kCERangeChecks[0])), BST_CHECKED);
                // Energy 2 off and on again brings back its text.
                b.Click(s, kCERangeChecks[1]);
                EXPECT_EQ(b.Text(s, kCERangeEdits[1]), "");
                b.Click(s, kCERangeChecks[1]);
                EXPECT_EQ(b.Text(s, kCERangeEdits[1]), "25.000");
                b.Click(s, IDOK);
            },
            "Collision Energy Range");
        a.DoubleClickListItem(List(d, a), 0);
        EXPECT_EQ(a.ListRows(List(d, a)),
                  (std::vector<std::vector<CString>>{{"100.0000", "500.0000", "20.00", "25.00", "", "", ""}}));
        EXPECT_TRUE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        a.Click(d, IDCANCEL);
    });
    ASSERT_NE(page.GetProfileList(), nullptr);
    const MaldiCEProfileEntry& e = page.GetProfileList()->pEntries[0];
    EXPECT_EQ(e.wFlags, 3);
    EXPECT_DOUBLE_EQ(e.dCollisionEnergy[2], -1.0);
    EXPECT_DOUBLE_EQ(e.dCarriedA, 7.0);
    EXPECT_DOUBLE_EQ(e.dCarriedB, 8.0);
    EXPECT_EQ(page.GetLastEntry().wFlags, 0); // editing leaves Add's values alone
}

TEST_F(SwitchCEPageTest, AddWithoutAListCreatesOneAndSaveWithoutANameAsksForIt)
{
    page.m_bUseTunePageCE = FALSE;
    page.m_bUseCEProfile = TRUE;
    const CString path((dir / "new.txt").string().c_str());
    Run([&](CWnd& d, Automation& a) {
        automation->OnNextModal(
            [&](CWnd& s, Automation& b) {
                b.ReplaceText(s, IDC_CE_RANGE_FROM_MASS, "200");
                b.ReplaceText(s, IDC_CE_RANGE_TO_MASS, "800");
                b.Click(s, kCERangeChecks[0]);
                b.ReplaceText(s, kCERangeEdits[0], "abc"); // not a number: 0
                b.Click(s, IDOK);
            },
            "Collision Energy Range");
        a.Click(d, Page::IDC_ADD);
        EXPECT_EQ(a.ListRows(List(d, a)),
                  (std::vector<std::vector<CString>>{{"200.0000", "800.0000", "0.00", "", "", "", ""}}));
        a.ChooseFile(path);
        a.Click(d, Page::IDC_SAVE);
        EXPECT_EQ(a.Text(d, Page::IDC_FILE_NAME), path);
        EXPECT_FALSE(a.IsEnabled(a.Find(d, Page::IDC_SAVE)));
        a.Click(d, IDOK);
    });
    EXPECT_TRUE(std::filesystem::exists(path.GetString()));
    EXPECT_EQ(page.GetLastEntry().wFlags, 1);
}
