#include "platform/framework/StaticControl.h"

#include <cstdlib>

#include "platform/framework/ResourceChain.h"
#include "platform/framework/WindowManager.h"

LRESULT StaticControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    auto* self = reinterpret_cast<StaticControl*>(::GetWindowLongPtr(hwnd, 0));
    DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
    switch (message) {
    case WM_NCCREATE: {
        auto* s = new StaticControl;
        ::SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(s));
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        if ((style & SS_TYPEMASK) == SS_ICON && cs && cs->lpszName && cs->lpszName[0] == '#') {
            s->m_icon = ResourceChain::Get().FindIcon(static_cast<UINT>(std::atoi(cs->lpszName + 1)));
        }
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
    case WM_NCDESTROY:
        delete self;
        ::SetWindowLongPtr(hwnd, 0, 0);
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        return (style & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
        if ((style & SS_NOTIFY) && ::GetParent(hwnd)) {
            ::SendMessage(::GetParent(hwnd), WM_COMMAND,
                          MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(hwnd)), static_cast<WORD>(STN_CLICKED)),
                          reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    case STM_SETICON:
    case STM_SETIMAGE: {
        if (!self || (message == STM_SETIMAGE && wParam != IMAGE_ICON)) return 0;
        HICON old = self->m_icon;
        self->m_icon = reinterpret_cast<HICON>(message == STM_SETICON ? wParam : static_cast<WPARAM>(lParam));
        wm.Invalidate(hwnd, nullptr, true);
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
        return self ? reinterpret_cast<LRESULT>(self->m_icon) : 0;
    case STM_GETIMAGE:
        return self && wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(self->m_icon) : 0;
    default:
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
}
