// The report-view list of the experiment list pages, beyond what the pages' own tests walk (they
// delete the operator's selection and check what is selected after): a deletion above a selected
// row moves its state with it, and deleting all rows tells the owner once and leaves no selection.

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "platform/framework/ListViewControl.h"

using namespace controls_test;

TEST(ListView, ADeletionAboveTheSelectionMovesItAndDeletingAllTellsTheOwnerOnce)
{
    constexpr int IDC_LIST = 300;
    Fixture f({{IDC_LIST, WC_LISTVIEW, "List1", kChild | WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, 0, 7,
                7, 250, 80}});
    HWND h = f.item(IDC_LIST);
    CListCtrl& list = *static_cast<CListCtrl*>(CWnd::FromHandle(h));
    list.InsertColumn(0, "From Mass", LVCFMT_LEFT, 80, 0);
    for (int i = 0; i < 5; ++i) list.InsertItem(i, "row");
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(f.a.ListSelection(h), (std::vector<int>{1}));
    EXPECT_FALSE(list.DeleteItem(4)) << "past the last row";

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(f.dialog.count(IDC_LIST, LVN_DELETEALLITEMS), 1);
    EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
}
