#include "platform/framework/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASS, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, parent ? parent->GetSafeHwnd() : nullptr, nullptr);
}

void CToolTipCtrl::Activate(BOOL activate)
{
    SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate));
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& info, CWnd* wnd, UINT_PTR toolId)
{
    HWND hwnd = wnd ? wnd->GetSafeHwnd() : nullptr;
    if (toolId == 0) {
        info.hwnd = ::GetParent(hwnd);
        info.uFlags = TTF_IDISHWND;
        info.uId = reinterpret_cast<UINT_PTR>(hwnd);
    } else {
        info.hwnd = hwnd;
        info.uFlags = 0;
        info.uId = toolId;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, LPCTSTR text, LPCRECT toolRect, UINT_PTR toolId)
{
    if (!wnd || !wnd->GetSafeHwnd() || !m_hWnd) return FALSE;
    TOOLINFO info;
    FillInToolInfo(info, wnd, toolId);
    if (toolRect) {
        info.rect = *toolRect;
    } else if (toolId != 0) {
        ::GetClientRect(wnd->GetSafeHwnd(), &info.rect);
    }
    info.lpszText = const_cast<LPSTR>(text);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, UINT textId, LPCRECT toolRect, UINT_PTR toolId)
{
    return AddTool(wnd, MAKEINTRESOURCE(static_cast<WORD>(textId)), toolRect, toolId);
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR toolId)
{
    if (!wnd || !m_hWnd) return;
    TOOLINFO info;
    FillInToolInfo(info, wnd, toolId);
    SendMessage(TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(LPCTSTR text, CWnd* wnd, UINT_PTR toolId)
{
    if (!wnd || !m_hWnd) return;
    TOOLINFO info;
    FillInToolInfo(info, wnd, toolId);
    info.lpszText = const_cast<LPSTR>(text);
    SendMessage(TTM_UPDATETIPTEXT, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::UpdateTipText(UINT textId, CWnd* wnd, UINT_PTR toolId)
{
    UpdateTipText(MAKEINTRESOURCE(static_cast<WORD>(textId)), wnd, toolId);
}

void CToolTipCtrl::GetText(CString& text, CWnd* wnd, UINT_PTR toolId) const
{
    text.Empty();
    if (!wnd || !m_hWnd) return;
    TOOLINFO info;
    FillInToolInfo(info, wnd, toolId);
    char buffer[1024];
    buffer[0] = '\0';
    info.lpszText = buffer;
    LRESULT n = SendMessage(TTM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(&info));
    text = CString(buffer, static_cast<int>(n));
}
