#include "platform/framework/CTabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(WC_TABCONTROL, nullptr, style, rect, parent, id);
}

int CTabCtrl::InsertItem(int index, LPCTSTR text)
{
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPTSTR>(text ? text : "");
    return InsertItem(index, &item);
}
