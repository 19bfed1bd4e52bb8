// The report-view list of the experiment list pages: columns sized from their headings, rows with
// sub-item texts, multiple selection by the operator, the selection walked and deleted from the
// bottom up, focus and selection set by the program, full-row selection and double-clicks.

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "platform/framework/ListViewControl.h"
#include "platform/framework/TextLayout.h"

using namespace controls_test;

namespace {

constexpr int IDC_LIST = 300;
constexpr int IDC_SINGLE = 301;

std::vector<DialogItem> listItems()
{
    const DWORD list = kChild | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS;
    return {
        {IDC_LIST, WC_LISTVIEW, "List1", list, 0, 7, 7, 250, 80},
        {IDC_SINGLE, WC_LISTVIEW, "", list | LVS_SINGLESEL, 0, 7, 100, 150, 60},
    };
}

CListCtrl& listOf(Fixture& f, int id)
{
    return *static_cast<CListCtrl*>(CWnd::FromHandle(f.item(id)));
}

// The collision energy page's layout: seven left-aligned columns as wide as their headings + 15.
void addProfileColumns(CListCtrl& list)
{
    const char* headings[] = {"From Mass  ", "To Mass    ", "CE 1 ", "CE 2 ", "CE 3 ", "CE 4 ", "CE 5 "};
    for (int i = 0; i < 7; ++i) list.InsertColumn(i, headings[i], LVCFMT_LEFT, list.GetStringWidth(headings[i]) + 15, i);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}

void addRows(CListCtrl& list, int count)
{
    for (int i = 0; i < count; ++i) {
        CString from, to;
        from.Format("%.4f", 100.0 * (i + 1));
        to.Format("%.4f", 100.0 * (i + 1) + 50);
        int row = list.InsertItem(i, from);
        list.SetItemText(row, 1, to);
        if (i % 2 == 0) list.SetItemText(row, 2, "30.00");
        list.SetItemText(row, 4, "45.00");
    }
}

std::vector<int> walkSelection(CListCtrl& list)
{
    std::vector<int> rows;
    POSITION pos = list.GetFirstSelectedItemPosition();
    while (pos) rows.push_back(list.GetNextSelectedItem(pos));
    return rows;
}

} // namespace

TEST(ListView, ColumnsTakeTheirHeadingsWidthsAndSubItems)
{
    Fixture f(listItems());
    CListCtrl& list = listOf(f, IDC_LIST);
    addProfileColumns(list);
    HFONT font = TextLayout::FontOf(list);
    EXPECT_EQ(list.GetStringWidth("CE 1 "), TextLayout::Width(font, "CE 1 "));
    EXPECT_GT(list.GetStringWidth("From Mass  "), list.GetStringWidth("From Mass")) << "trailing blanks count";
    EXPECT_EQ(list.GetColumnWidth(0), list.GetStringWidth("From Mass  ") + 15);
    EXPECT_EQ(f.a.ListColumns(f.item(IDC_LIST)),
              (std::vector<CString>{"From Mass  ", "To Mass    ", "CE 1 ", "CE 2 ", "CE 3 ", "CE 4 ", "CE 5 "}));
    EXPECT_EQ(list.GetExtendedStyle(), LVS_EX_FULLROWSELECT);

    addRows(list, 3);
    EXPECT_EQ(list.GetItemCount(), 3);
    auto rows = f.a.ListRows(f.item(IDC_LIST));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<CString>{"100.0000", "150.0000", "30.00", "", "45.00", "", ""}));
    EXPECT_EQ(rows[1][2], "") << "an energy not given leaves its cell empty";
    EXPECT_EQ(list.GetItemText(2, 1), "350.0000");
    EXPECT_EQ(list.GetItemText(7, 0), "");

    // Right and centre formats hold for later columns; the first column stays left-aligned.
    LVCOLUMN info;
    info.mask = LVCF_FMT;
    info.fmt = LVCFMT_RIGHT;
    list.SetColumn(0, &info);
    list.SetColumn(1, &info);
    list.GetColumn(0, &info);
    EXPECT_EQ(info.fmt, LVCFMT_LEFT);
    list.GetColumn(1, &info);
    EXPECT_EQ(info.fmt, LVCFMT_RIGHT);

    // A column inserted in front shows the sub-item it was given, the others keep theirs.
    list.InsertColumn(0, "Note", LVCFMT_LEFT, 40, 9);
    list.SetItemText(0, 9, "lock");
    EXPECT_EQ(f.a.ListCell(f.item(IDC_LIST), 0, 0), "lock");
    EXPECT_EQ(f.a.ListCell(f.item(IDC_LIST), 0, 1), "100.0000");
    EXPECT_THROW(f.a.ListCell(f.item(IDC_LIST), 0, 20), AutomationError);
}

TEST(ListView, TheOperatorSelectsWithClicksControlAndShift)
{
    Fixture f(listItems());
    HWND h = f.item(IDC_LIST);
    CListCtrl& list = listOf(f, IDC_LIST);
    addProfileColumns(list);
    addRows(list, 5);

    EXPECT_TRUE(f.a.ClickListItem(h, 1));
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1}));
    EXPECT_EQ(f.a.ListFocus(h), 1);
    EXPECT_TRUE(f.a.ClickListItem(h, 3, Automation::Control));
    EXPECT_TRUE(f.a.ClickListItem(h, 4, Automation::Control));
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(list.GetSelectedCount(), 3u);
    EXPECT_EQ(walkSelection(list), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(list.GetNextItem(1, LVNI_SELECTED), 3);
    EXPECT_EQ(list.GetNextItem(4, LVNI_SELECTED), -1);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 4);

    f.a.ClickListItem(h, 3, Automation::Control); // toggles off, keeps the focus
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1, 4}));
    EXPECT_EQ(f.a.ListFocus(h), 3);
    f.a.ClickListItem(h, 0, Automation::Shift); // the run from the mark (3) to 0
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{0, 1, 2, 3}));
    f.a.ClickListItem(h, 2); // a plain click keeps one
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{2}));

    // Full-row selection: any cell of the row hits it. Without it, only the first column does.
    f.a.ClickListItem(h, 4, Automation::None, 3);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{4}));
    list.SetExtendedStyle(0);
    f.a.ClickListItem(h, 1, Automation::None, 3);
    EXPECT_TRUE(f.a.ListSelection(h).empty()) << "a press on no item clears the selection";
    EXPECT_EQ(f.dialog.count(IDC_LIST, NM_CLICK), 8);

    EXPECT_THROW(f.a.ClickListItem(h, 5), AutomationError);
    ::EnableWindow(h, FALSE);
    EXPECT_FALSE(f.a.ClickListItem(h, 0));
}

TEST(ListView, EveryStateChangeIsAnnouncedAndAParentCanRefuseIt)
{
    Fixture f(listItems());
    HWND h = f.item(IDC_LIST);
    CListCtrl& list = listOf(f, IDC_LIST);
    addProfileColumns(list);
    addRows(list, 3);
    f.dialog.events.clear();
    f.a.ClickListItem(h, 0);
    f.a.ClickListItem(h, 2);
    // 0 selected+focused; then 0 loses the selection, 0 loses the focus, 2 gains both.
    std::vector<int> changed;
    for (const Event& e : f.dialog.events) {
        if (e.code == LVN_ITEMCHANGED) changed.push_back(e.position);
    }
    EXPECT_EQ(changed, (std::vector<int>{0, 0, 0, 2}));
    EXPECT_EQ(f.dialog.count(IDC_LIST, LVN_ITEMCHANGING), 4);

    f.dialog.notifyResult = TRUE; // the parent refuses every change
    f.a.ClickListItem(h, 1);
    f.dialog.notifyResult = 0;
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{2}));
}

TEST(ListView, DeletingTheSelectionFromTheBottomUpAndReselecting)
{
    // The list pages' Delete: remove the selected rows highest first, then select and focus the
    // lowest index removed (or the row before it when that was the end).
    Fixture f(listItems());
    HWND h = f.item(IDC_LIST);
    CListCtrl& list = listOf(f, IDC_LIST);
    addProfileColumns(list);
    addRows(list, 5);
    f.a.ClickListItem(h, 3);
    f.a.ClickListItem(h, 4, Automation::Control);
    std::vector<int> selected = walkSelection(list);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) EXPECT_TRUE(list.DeleteItem(*it));
    EXPECT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetSelectedCount(), 0u);
    int next = selected.front() == list.GetItemCount() ? selected.front() - 1 : selected.front();
    list.SetFocus();
    list.SetItemState(next, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{2}));
    EXPECT_EQ(f.a.ListFocus(h), 2);
    EXPECT_EQ(f.a.FocusWindow(), h);
    EXPECT_FALSE(list.DeleteItem(3));

    // Deleting below a selected row moves its state with it.
    list.SetItemState(-1, 0, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    list.DeleteItem(0);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1}));

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(f.dialog.count(IDC_LIST, LVN_DELETEALLITEMS), 1);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
}

TEST(ListView, SingleSelectionAndFocusHoldForProgramChangesToo)
{
    Fixture f(listItems());
    HWND h = f.item(IDC_SINGLE);
    CListCtrl& list = listOf(f, IDC_SINGLE);
    list.InsertColumn(0, "Mass", LVCFMT_LEFT, 80);
    for (int i = 0; i < 4; ++i) list.InsertItem(i, "row");
    list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{3}));
    EXPECT_EQ(f.a.ListFocus(h), 3);
    EXPECT_EQ(list.GetItemState(3, LVIS_SELECTED | LVIS_FOCUSED), LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(list.GetItemState(1, LVIS_SELECTED | LVIS_FOCUSED), 0u);
    f.a.ClickListItem(h, 0, Automation::Control); // Control means nothing here
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{0}));
}

TEST(ListView, KeysMoveTheFocusAndTheSelection)
{
    Fixture f(listItems());
    HWND h = f.item(IDC_LIST);
    CListCtrl& list = listOf(f, IDC_LIST);
    addProfileColumns(list);
    addRows(list, 4);
    f.a.ClickListItem(h, 0);
    f.a.PressKey(VK_DOWN);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1}));
    f.a.PressKey(VK_DOWN, Automation::Shift);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1, 2}));
    f.a.PressKey(VK_END, Automation::Control); // the focus alone moves
    EXPECT_EQ(f.a.ListFocus(h), 3);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1, 2}));
    f.a.PressKey(VK_SPACE, Automation::Control);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1, 2, 3}));
    f.a.PressKey(VK_HOME);
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{0}));
    EXPECT_EQ(f.dialog.count(IDC_LIST, LVN_KEYDOWN), 5);
}

TEST(ListView, ADoubleClickOnARowAsksForItsEditing)
{
    Fixture f(listItems());
    HWND h = f.item(IDC_LIST);
    CListCtrl& list = listOf(f, IDC_LIST);
    addProfileColumns(list);
    addRows(list, 3);
    std::vector<int> edited;
    f.dialog.onEvent = [&](const Event& e) {
        // The list pages edit the first selected row on a double-click.
        if (e.id == IDC_LIST && e.code == NM_DBLCLK) edited.push_back(list.GetNextItem(-1, LVNI_SELECTED));
    };
    EXPECT_TRUE(f.a.DoubleClickListItem(h, 2, 4));
    EXPECT_EQ(edited, (std::vector<int>{2}));
    EXPECT_EQ(f.dialog.count(IDC_LIST, NM_CLICK), 1) << "the release that ends a double-click is no click";
    EXPECT_EQ(f.dialog.count(IDC_LIST, LVN_ITEMACTIVATE), 1);
}

TEST(ListView, EnsureVisibleScrollsALongListAndTheOperatorReachesAnyRow)
{
    Fixture f(listItems());
    HWND h = f.item(IDC_LIST);
    CListCtrl& list = listOf(f, IDC_LIST);
    addProfileColumns(list);
    addRows(list, 40);
    int page = list.GetCountPerPage();
    ASSERT_LT(page, 40);
    EXPECT_EQ(list.GetTopIndex(), 0);
    EXPECT_TRUE(list.EnsureVisible(30, FALSE));
    EXPECT_EQ(list.GetTopIndex(), 30 - page + 1);
    list.EnsureVisible(2, FALSE);
    EXPECT_EQ(list.GetTopIndex(), 2);
    EXPECT_FALSE(list.EnsureVisible(40, FALSE));
    EXPECT_TRUE(f.a.ClickListItem(h, 39));
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{39}));
    EXPECT_EQ(list.GetTopIndex(), 40 - page);
    CRect r;
    EXPECT_TRUE(list.GetItemRect(39, &r, LVIR_BOUNDS));
    EXPECT_EQ(list.HitTest(r.CenterPoint()), 39);
}
