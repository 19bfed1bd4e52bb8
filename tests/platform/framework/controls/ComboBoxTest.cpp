// Combo boxes as the dialogs use them: sorted drop-down lists filled in code, the selection-change
// handler that posts itself an edit-change command to read the new text, and drop-down lists that
// ignore a window text.

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "platform/framework/ComboBoxControl.h"

using namespace controls_test;

namespace {

constexpr int IDC_FORMAT = 200;  // drop-down list, sorted
constexpr int IDC_WIDTH = 201;   // drop-down with an edit
constexpr int IDC_SPEED = 202;   // drop-down list, short: a few items show at a time
constexpr int IDC_OTHER = 203;

std::vector<DialogItem> comboItems()
{
    return {
        {IDC_FORMAT, "ComboBox", "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_SORT, 0, 7, 7, 80, 60},
        {IDC_WIDTH, "ComboBox", "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 0, 7, 30, 48, 70},
        {IDC_SPEED, "ComboBox", "", kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 7, 55, 48, 40},
        {IDC_OTHER, "Edit", "", kChild | WS_TABSTOP | WS_BORDER, 0, 100, 7, 50, 14},
    };
}

CComboBox& combo(Fixture& f, int id)
{
    return *static_cast<CComboBox*>(CWnd::FromHandle(f.item(id)));
}

void fill(CComboBox& box, std::initializer_list<const char*> items)
{
    for (const char* s : items) box.AddString(s);
}

} // namespace

TEST(ComboBox, SortedListsOrderAddedItemsAndSearchesIgnoreCaseAndWrapSilently)
{
    Fixture f(comboItems());
    CComboBox& format = combo(f, IDC_FORMAT);
    EXPECT_EQ(format.AddString("MCA"), 0);
    EXPECT_EQ(format.AddString("Centroid"), 0);
    EXPECT_EQ(format.AddString("Continuum"), 1);
    EXPECT_EQ(f.a.ComboItems(f.item(IDC_FORMAT)), (std::vector<CString>{"Centroid", "Continuum", "MCA"}));
    EXPECT_EQ(format.FindStringExact(-1, "mca"), 2);
    EXPECT_EQ(format.FindStringExact(-1, "MC"), CB_ERR);
    EXPECT_EQ(format.FindString(-1, "c"), 0);
    EXPECT_EQ(format.FindString(0, "c"), 1) << "the search starts after the index given";
    EXPECT_EQ(format.FindString(1, "c"), 0) << "and wraps around";
    // Program changes notify nobody.
    EXPECT_TRUE(f.dialog.codes(IDC_FORMAT, "command").empty());
}

TEST(ComboBox, TheSelectionChangeHandlerReadsTheNewTextThroughAPostedEditChange)
{
    // The scan function dialogs' data format rule: on CBN_SELCHANGE post CBN_EDITCHANGE to
    // yourself and read the combo's text when it arrives.
    for (int id : {IDC_FORMAT, IDC_WIDTH}) {
        Fixture f(comboItems());
        HWND h = f.item(id);
        fill(combo(f, id), {"Centroid", "Continuum", "MCA"});
        combo(f, id).SetCurSel(0);
        std::vector<CString> seen;
        f.dialog.onEvent = [&](const Event& e) {
            if (e.id != id || e.kind != "command") return;
            if (e.code == CBN_SELCHANGE) {
                seen.push_back("sel:" + f.a.Text(h));
                f.dialog.PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), CBN_EDITCHANGE), reinterpret_cast<LPARAM>(h));
            } else if (e.code == CBN_EDITCHANGE) {
                seen.push_back("edit:" + f.a.Text(h));
            }
        };
        f.a.ChooseComboItem(h, "MCA");
        ASSERT_EQ(seen.size(), 2u) << "combo " << id;
        // A drop-down list shows the choice at once; a drop-down's edit takes it just after.
        EXPECT_EQ(seen[0], id == IDC_FORMAT ? "sel:MCA" : "sel:Centroid");
        EXPECT_EQ(seen[1], "edit:MCA");
    }
}

TEST(ComboBox, ADropDownListIgnoresAWindowTextEvenWhenAnItemMatchesIt)
{
    Fixture f(comboItems());
    HWND h = f.item(IDC_SPEED);
    fill(combo(f, IDC_SPEED), {"1", "5", "10"});
    combo(f, IDC_SPEED).SetCurSel(1);
    for (const char* text : {"10", "7"}) {
        EXPECT_EQ(::SendMessage(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)), CB_ERR) << text;
        EXPECT_EQ(f.a.ComboSelection(h), 1) << text;
    }
    EXPECT_EQ(f.a.Text(h), "5");
}

