// Combo boxes as the dialogs use them: sorted drop-down lists filled in code, the operator choosing
// items through the open list, a drop-down typed into, the selection-change handler that posts
// itself an edit-change command to read the new text, and the data exchanges on combo boxes.

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

TEST(ComboBox, SortedListsOrderAddedItemsAndSearchesIgnoreCaseAndWrap)
{
    Fixture f(comboItems());
    CComboBox& format = combo(f, IDC_FORMAT);
    EXPECT_EQ(format.AddString("MCA"), 0);
    EXPECT_EQ(format.AddString("Centroid"), 0);
    EXPECT_EQ(format.AddString("Continuum"), 1);
    EXPECT_EQ(f.a.ComboItems(f.item(IDC_FORMAT)), (std::vector<CString>{"Centroid", "Continuum", "MCA"}));
    EXPECT_EQ(format.InsertString(0, "Zeta"), 0) << "inserting ignores the sort";
    EXPECT_EQ(format.InsertString(9, "beyond"), CB_ERR);
    EXPECT_EQ(format.InsertString(-1, "last"), 4);

    EXPECT_EQ(format.FindStringExact(-1, "mca"), 3);
    EXPECT_EQ(format.FindStringExact(-1, "MC"), CB_ERR);
    EXPECT_EQ(format.FindString(-1, "c"), 1);
    EXPECT_EQ(format.FindString(1, "c"), 2) << "the search starts after the index given";
    EXPECT_EQ(format.FindString(2, "c"), 1) << "and wraps around";
    EXPECT_EQ(format.FindString(-1, ""), 0);
    CString text;
    format.GetLBText(3, text);
    EXPECT_EQ(text, "MCA");
    format.GetLBText(7, text);
    EXPECT_EQ(text, "");
    EXPECT_EQ(format.GetLBTextLen(7), CB_ERR);

    // Selection follows insertions and deletions; deleting it clears it.
    EXPECT_EQ(format.SelectString(-1, "cont"), 2);
    EXPECT_EQ(f.a.Text(f.item(IDC_FORMAT)), "Continuum");
    EXPECT_EQ(format.SelectString(-1, "nothing"), CB_ERR);
    EXPECT_EQ(format.GetCurSel(), 2);
    format.InsertString(0, "Alpha");
    EXPECT_EQ(format.GetCurSel(), 3);
    EXPECT_EQ(format.DeleteString(0), 5);
    EXPECT_EQ(format.GetCurSel(), 2);
    format.DeleteString(2);
    EXPECT_EQ(format.GetCurSel(), CB_ERR);
    EXPECT_EQ(f.a.Text(f.item(IDC_FORMAT)), "");
    EXPECT_EQ(format.DeleteString(40), CB_ERR);
    EXPECT_EQ(format.SetCurSel(40), CB_ERR);
    format.ResetContent();
    EXPECT_EQ(format.GetCount(), 0);
    // Program changes notify nobody.
    EXPECT_TRUE(f.dialog.codes(IDC_FORMAT, "command").empty());
}

TEST(ComboBox, TheOperatorChoosesFromTheOpenListAndTheParentHearsOfIt)
{
    Fixture f(comboItems());
    HWND h = f.item(IDC_FORMAT);
    fill(combo(f, IDC_FORMAT), {"Centroid", "Continuum", "MCA"});
    EXPECT_TRUE(f.a.ChooseComboItem(h, "MCA"));
    EXPECT_EQ(f.a.ComboSelection(h), 2);
    EXPECT_EQ(f.a.Text(h), "MCA");
    EXPECT_FALSE(f.a.ComboDropped(h));
    EXPECT_EQ(f.a.FocusWindow(), h);
    EXPECT_EQ(f.dialog.codes(IDC_FORMAT, "command"),
              (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));

    // The same item again: the list opens and closes, the selection does not change.
    f.dialog.events.clear();
    EXPECT_TRUE(f.a.ChooseComboItem(h, 2));
    EXPECT_EQ(f.dialog.codes(IDC_FORMAT, "command"), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}));

    EXPECT_THROW(f.a.ChooseComboItem(h, "Profile"), AutomationError);
    EXPECT_THROW(f.a.ChooseComboItem(h, 3), AutomationError);
    ::EnableWindow(h, FALSE);
    EXPECT_FALSE(f.a.ChooseComboItem(h, 0));
    EXPECT_EQ(f.a.ComboSelection(h), 2);
}

TEST(ComboBox, AShortListScrollsToTheItemChosen)
{
    Fixture f(comboItems());
    HWND h = f.item(IDC_SPEED);
    CComboBox& speed = combo(f, IDC_SPEED);
    for (int i = 1; i <= 8; ++i) speed.AddString(CString(std::to_string(i)));
    // Closed, the combo is one field high; the height given is the height with the list open.
    CRect r = f.a.WindowRect(h);
    EXPECT_EQ(r.Height(), speed.GetItemHeight(-1) + 6);
    CRect dropped;
    speed.GetDroppedControlRect(&dropped);
    EXPECT_EQ(dropped.Height(), MulDiv(40, 13, 8));

    EXPECT_TRUE(f.a.ChooseComboItem(h, "8"));
    EXPECT_EQ(speed.GetCurSel(), 7);
    EXPECT_GT(speed.GetTopIndex(), 0);
    EXPECT_TRUE(f.a.ChooseComboItem(h, "1"));
    EXPECT_EQ(f.a.Text(h), "1");
}

TEST(ComboBox, KeysMoveTheSelectionOpenAndCloseTheList)
{
    Fixture f(comboItems());
    HWND h = f.item(IDC_FORMAT);
    fill(combo(f, IDC_FORMAT), {"Centroid", "Continuum", "MCA"});
    ::SetFocus(h);
    f.a.PressKey(VK_DOWN);
    EXPECT_EQ(f.a.ComboSelection(h), 0);
    f.a.PressKey(VK_DOWN);
    f.a.PressKey(VK_DOWN);
    f.a.PressKey(VK_DOWN); // already at the end
    EXPECT_EQ(f.a.ComboSelection(h), 2);
    EXPECT_EQ(f.dialog.count(IDC_FORMAT, CBN_SELCHANGE), 3);
    f.a.PressKey('C');
    EXPECT_EQ(f.a.Text(h), "Centroid") << "a letter selects the next item starting with it";
    f.a.PressKey('C');
    EXPECT_EQ(f.a.Text(h), "Continuum");

    f.a.PressKey(VK_F4);
    EXPECT_TRUE(f.a.ComboDropped(h));
    f.a.PressKey(VK_DOWN);
    EXPECT_EQ(f.a.Text(h), "Continuum") << "moving in the open list only highlights";
    f.a.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.a.ComboDropped(h));
    EXPECT_EQ(f.a.Text(h), "Continuum");
    EXPECT_EQ(f.dialog.count(IDC_FORMAT, CBN_SELENDCANCEL), 1);
    f.a.PressKey(VK_F4);
    f.a.PressKey(VK_DOWN);
    f.a.PressKey(VK_RETURN);
    EXPECT_FALSE(f.a.ComboDropped(h));
    EXPECT_EQ(f.a.Text(h), "MCA");

    // Leaving the combo closes its list without choosing.
    f.a.PressKey(VK_F4);
    f.a.Click(f.item(IDC_OTHER));
    EXPECT_FALSE(f.a.ComboDropped(h));
    EXPECT_EQ(f.a.Text(h), "MCA");
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

TEST(ComboBox, TypingIntoADropDownNotifiesEachChangeAndMatchesTheList)
{
    Fixture f(comboItems());
    HWND h = f.item(IDC_WIDTH);
    CComboBox& width = combo(f, IDC_WIDTH);
    fill(width, {"1", "2", "4", "6", "8", "10", "12"});
    EXPECT_TRUE(f.a.Type(h, "1"));
    EXPECT_EQ(width.GetCurSel(), 0);
    f.a.Type(h, "2");
    EXPECT_EQ(f.a.Text(h), "12");
    EXPECT_EQ(width.GetCurSel(), 6);
    f.a.Type(h, "5");
    EXPECT_EQ(f.a.Text(h), "125");
    EXPECT_EQ(width.GetCurSel(), CB_ERR) << "a text that no item has leaves no selection";
    EXPECT_EQ(f.dialog.count(IDC_WIDTH, CBN_EDITCHANGE), 3);
    EXPECT_EQ(f.dialog.count(IDC_WIDTH, CBN_EDITUPDATE), 3);
    EXPECT_FALSE(f.a.ComboDropped(h)) << "typing does not open the list";

    EXPECT_TRUE(f.a.ReplaceText(h, "8"));
    EXPECT_EQ(width.GetCurSel(), 4);
    EXPECT_TRUE(f.a.ChooseComboItem(h, "10"));
    EXPECT_EQ(f.a.Text(h), "10");
    int edits = f.dialog.count(IDC_WIDTH, CBN_EDITCHANGE);

    // The program's text changes are silent.
    ::SetWindowText(h, "16");
    EXPECT_EQ(f.a.Text(h), "16");
    width.SetCurSel(1);
    EXPECT_EQ(f.a.Text(h), "2");
    width.SetCurSel(-1);
    EXPECT_EQ(f.a.Text(h), "");
    EXPECT_EQ(f.dialog.count(IDC_WIDTH, CBN_EDITCHANGE), edits);

    width.LimitText(2);
    f.a.ReplaceText(h, "123");
    EXPECT_EQ(f.a.Text(h), "12");
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

namespace {

// Exchanges as the scan function dialogs do: the data format by text, the rate as a number shown
// as the list's text, the speed by index.
class ExchangeDialog : public SpyDialog {
public:
    CString format = "MCA";
    UINT rate = 5;
    int speed = 2;
    CString width = "6";

    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_CBString(dx, IDC_FORMAT, format);
        DDV_MaxChars(dx, format, 10);
        DDX_Text(dx, IDC_SPEED, rate);
        DDX_CBIndex(dx, IDC_WIDTH, speed);
    }
};

} // namespace

TEST(ComboBoxExchange, TextIndexAndNumbersAsTextGoBothWays)
{
    AutomationSession session;
    Automation& a = *session;
    ExchangeDialog dialog;
    DialogTemplate t{701, "Exchange", kDialogStyle, 0, 10, 10, 200, 120, "MS Sans Serif", 8, comboItems()};
    ASSERT_TRUE(dialog.CreateIndirect(t, nullptr));
    HWND format = a.Find(dialog.m_hWnd, IDC_FORMAT), speed = a.Find(dialog.m_hWnd, IDC_SPEED),
         width = a.Find(dialog.m_hWnd, IDC_WIDTH);
    for (const char* s : {"Centroid", "Continuum", "MCA"}) ::SendMessage(format, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    for (const char* s : {"1", "5", "10"}) ::SendMessage(speed, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
    for (const char* s : {"2", "4", "6"}) ::SendMessage(width, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));

    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(a.Text(format), "MCA");
    EXPECT_EQ(a.Text(speed), "") << "a number exchanged as text selects nothing in a drop-down list";
    EXPECT_EQ(a.ComboSelection(width), 2);

    a.ChooseComboItem(format, "Centroid");
    a.ChooseComboItem(speed, "10");
    a.ChooseComboItem(width, 0);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.format, "Centroid");
    EXPECT_EQ(dialog.rate, 10u);
    EXPECT_EQ(dialog.speed, 0);

    // A prefix selects the first item it starts; a rate exchanged as text leaves the selection,
    // so reading back gives the item shown.
    dialog.format = "cont";
    dialog.rate = 7;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(a.Text(format), "Continuum");
    EXPECT_EQ(a.Text(speed), "10");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.rate, 10u);
    EXPECT_EQ(dialog.format, "Continuum");

    // No selection: an empty text, which is no number.
    ::SendMessage(speed, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    a.AnswerMessageBox(IDOK, "positive integer");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(a.FocusWindow(), speed);
    EXPECT_EQ(a.MessageBoxes().size(), 1u);
}
