// The report-view list of the experiment list pages: the selection walked and deleted from the
// bottom up, as the list pages delete what the operator selected.

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
