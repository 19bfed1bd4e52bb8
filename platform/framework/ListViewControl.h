#pragma once
// The standard list view ("SysListView32") in report view: rows of items under a header of
// columns. Each column shows one sub-item of every row (its iSubItem; without LVCF_SUBITEM the
// column's index when inserted); sub-item 0 is the item's own text. The first column is always
// left-aligned, as documented. Texts are kept per item and sub-item; a cell never set is empty.
//
// Geometry: the header is the font's line height + 6 pixels high (none with LVS_NOCOLUMNHEADER);
// rows are the line height + 3 high, the first at the top index. Columns lie side by side from
// the left edge in their order. Without LVS_EX_FULLROWSELECT only the first column's cell of a row
// is the item (a press on another cell hits nothing); with it, the whole row is.
//
// Selection: each item has LVIS_SELECTED and LVIS_FOCUSED bits (one item at most is focused;
// LVS_SINGLESEL allows one selected item, in program changes too). Every change of an item's state,
// by the program or the operator, sends LVN_ITEMCHANGING (a non-zero answer prevents it) and then
// LVN_ITEMCHANGED to the parent, item by item. Inserting and deleting items keep the state of the
// others (LVN_INSERTITEM, LVN_DELETEITEM; LVM_DELETEALLITEMS sends LVN_DELETEALLITEMS and, unless
// the parent answers TRUE, LVN_DELETEITEM for each item).
//
// The operator: a press on an item selects only it and focuses it (Ctrl toggles it instead, Shift
// selects the run from the selection mark to it); a press on no item clears the selection (not
// with Ctrl). The release sends NM_CLICK; a double-click sends NM_DBLCLK and, on an item,
// LVN_ITEMACTIVATE (NMITEMACTIVATE: the item or -1, the column, the point, the Ctrl/Shift keys).
// Up, Down, Home, End, Page Up and Page Down move the focus and select the item reached (Shift
// extends from the mark, Ctrl moves the focus only); Ctrl+Space toggles the focused item. Each key
// goes to the parent first as LVN_KEYDOWN. The list scrolls to keep the focused item in view.
//
// Painting (classic look): the header as raised buttons with the headings, the rows in the list's
// text colour on its background from the top index; selected rows (with the list focused, or
// always with LVS_SHOWSELALWAYS in the face colour) highlighted across the row with full-row
// selection, else on the first cell's label; the focused row framed while the list has the focus;
// grid lines with LVS_EX_GRIDLINES. Texts too long for their cell end in an ellipsis.

#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CDC;

class ListViewControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND hwnd, CDC& dc);

    // Client coordinates; empty when the list view has no such row or column.
    static CRect HeaderRect(HWND hwnd);
    static CRect CellRect(HWND hwnd, int item, int column);
    static int RowHeight(HWND hwnd);

private:
    struct Column {
        CString text;
        int width = 0;
        int format = 0;
        int subItem = 0;
    };
    struct Item {
        std::vector<CString> texts; // by sub-item
        UINT state = 0;
        LPARAM param = 0;
        int image = 0;
    };

    static ListViewControl* from(HWND hwnd);
    static LRESULT handle(HWND hwnd, ListViewControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT notify(HWND hwnd, NMHDR& hdr, UINT code);
    // Changes the bits of stateMask of one item to state, with the two notifications. False when
    // the parent refused or nothing changed.
    static bool changeState(HWND hwnd, int item, UINT state, UINT stateMask);
    static void changeAll(HWND hwnd, UINT state, UINT stateMask, int except);
    static void operatorSelect(HWND hwnd, int item, bool control, bool shift);
    static void ensureVisible(HWND hwnd, int item);
    static int hitTest(HWND hwnd, POINT p, int* column);
    static void sendActivate(HWND hwnd, UINT code, int item, int column, POINT p, UINT keys);
    static int lineHeight(HWND hwnd);
    static int headerHeight(HWND hwnd);
    static int countPerPage(HWND hwnd);
    static CString text(const Item& item, int subItem);

    std::vector<Column> m_columns;
    std::vector<Item> m_items;
    DWORD m_exStyle = 0;
    int m_top = 0;
    int m_mark = -1;           // selection mark (anchor of Shift selections)
    bool m_focused = false;
    bool m_pressed = false;    // a press inside, not yet released
    bool m_afterDouble = false; // the release ending a double-click sends no NM_CLICK
    COLORREF m_bkColor;
    COLORREF m_textColor;
    COLORREF m_textBkColor;
};
