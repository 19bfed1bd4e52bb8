#include "platform/framework/CListCtrl.h"

#include <string>

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_LISTVIEW, nullptr, style, rect, parent, id);
}

int CListCtrl::InsertColumn(int column, const LVCOLUMN* info)
{
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMN, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(info)));
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem)
{
    LVCOLUMN info;
    info.mask = LVCF_TEXT | LVCF_FMT;
    info.pszText = const_cast<LPTSTR>(heading ? heading : "");
    info.fmt = format;
    if (width != -1) {
        info.mask |= LVCF_WIDTH;
        info.cx = width;
    }
    if (subItem != -1) {
        info.mask |= LVCF_SUBITEM;
        info.iSubItem = subItem;
    }
    return InsertColumn(column, &info);
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMN* info) const
{
    return static_cast<BOOL>(SendMessage(LVM_GETCOLUMN, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(info)));
}

BOOL CListCtrl::SetColumn(int column, const LVCOLUMN* info)
{
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMN, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(info)));
}

BOOL CListCtrl::SetColumnWidth(int column, int width)
{
    return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), MAKELPARAM(static_cast<WORD>(width), 0)));
}

int CListCtrl::InsertItem(int index, LPCTSTR text)
{
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<LPTSTR>(text ? text : "");
    return InsertItem(&item);
}

int CListCtrl::InsertItem(UINT mask, int index, LPCTSTR text, UINT state, UINT stateMask, int image, LPARAM param)
{
    LVITEM item;
    item.mask = mask;
    item.iItem = index;
    item.pszText = const_cast<LPTSTR>(text ? text : "");
    item.state = state;
    item.stateMask = stateMask;
    item.iImage = image;
    item.lParam = param;
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text)
{
    LVITEM info;
    info.iSubItem = subItem;
    info.pszText = const_cast<LPTSTR>(text ? text : "");
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

int CListCtrl::GetItemText(int item, int subItem, LPTSTR buffer, int size) const
{
    LVITEM info;
    info.iSubItem = subItem;
    info.pszText = buffer;
    info.cchTextMax = size;
    return static_cast<int>(SendMessage(LVM_GETITEMTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&info)));
}

CString CListCtrl::GetItemText(int item, int subItem) const
{
    // Grows the buffer until the text fits.
    for (int size = 256;; size *= 2) {
        std::string buffer(static_cast<size_t>(size), '\0');
        int got = GetItemText(item, subItem, buffer.data(), size);
        if (got < size - 1) return CString(buffer.data(), got);
    }
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data)
{
    LVITEM info;
    info.mask = LVIF_PARAM;
    info.iItem = item;
    info.lParam = static_cast<LPARAM>(data);
    return SetItem(&info);
}

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEM info;
    info.mask = LVIF_PARAM;
    info.iItem = item;
    return GetItem(&info) ? static_cast<DWORD_PTR>(info.lParam) : 0;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEM info;
    info.state = state;
    info.stateMask = mask;
    return SetItemState(item, &info);
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    int first = GetNextItem(-1, LVNI_SELECTED);
    return reinterpret_cast<POSITION>(static_cast<INT_PTR>(first + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& position) const
{
    int item = static_cast<int>(reinterpret_cast<INT_PTR>(position)) - 1;
    int next = GetNextItem(item, LVNI_SELECTED);
    position = reinterpret_cast<POSITION>(static_cast<INT_PTR>(next + 1));
    return item;
}

BOOL CListCtrl::GetItemRect(int item, LPRECT rect, UINT code) const
{
    if (!rect) return FALSE;
    rect->left = static_cast<LONG>(code);
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(rect)));
}

int CListCtrl::HitTest(CPoint point, UINT* flags) const
{
    LVHITTESTINFO info;
    info.pt = point;
    int item = HitTest(&info);
    if (flags) *flags = info.flags;
    return item;
}
