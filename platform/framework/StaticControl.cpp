#include "platform/framework/StaticControl.h"

#include <cstdlib>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/IconImage.h"
#include "platform/framework/ResourceChain.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

LRESULT StaticControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<StaticControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT StaticControl::handle(HWND hwnd, StaticControl& self, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        if ((style & SS_TYPEMASK) == SS_ICON && cs && cs->lpszName && cs->lpszName[0] == '#') {
            self.m_icon = ResourceChain::Get().FindIcon(static_cast<UINT>(std::atoi(cs->lpszName + 1)));
        }
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
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
        if (message == STM_SETIMAGE && wParam != IMAGE_ICON) return 0;
        HICON old = self.m_icon;
        self.m_icon = reinterpret_cast<HICON>(message == STM_SETICON ? wParam : static_cast<WPARAM>(lParam));
        wm.Invalidate(hwnd, nullptr, true);
        return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
        return reinterpret_cast<LRESULT>(self.m_icon);
    case STM_GETIMAGE:
        return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(self.m_icon) : 0;
    default:
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
}

void StaticControl::Paint(HWND hwnd, CDC& dc)
{
    auto& wm = WindowManager::Get();
    auto* self = reinterpret_cast<StaticControl*>(::GetWindowLongPtr(hwnd, 0));
    WindowRecord* rec = wm.Find(hwnd);
    if (!rec) return;
    const DWORD style = rec->style;
    const DWORD type = style & SS_TYPEMASK;
    CRect client = wm.ClientRect(hwnd);
    auto frame = [&](int colorIndex) {
        CBrush brush(::GetSysColor(colorIndex));
        dc.FrameRect(&client, &brush);
    };

    switch (type) {
    case SS_BLACKRECT: dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DDKSHADOW)); break;
    case SS_GRAYRECT: dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DSHADOW)); break;
    case SS_WHITERECT: dc.FillSolidRect(&client, ::GetSysColor(COLOR_3DHIGHLIGHT)); break;
    case SS_BLACKFRAME: frame(COLOR_3DDKSHADOW); break;
    case SS_GRAYFRAME: frame(COLOR_3DSHADOW); break;
    case SS_WHITEFRAME: frame(COLOR_3DHIGHLIGHT); break;
    case SS_ETCHEDFRAME: dc.DrawEdge(&client, EDGE_ETCHED, BF_RECT); break;
    case SS_ETCHEDHORZ: dc.DrawEdge(&client, EDGE_ETCHED, BF_TOP); break;
    case SS_ETCHEDVERT: dc.DrawEdge(&client, EDGE_ETCHED, BF_LEFT); break;
    case SS_ICON: {
        HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
        ::FillRect(dc.GetSafeHdc(), &client, brush);
        HICON icon = self ? self->m_icon : nullptr;
        if (icon) {
            int x = client.left, y = client.top;
            if (style & SS_CENTERIMAGE) {
                x += (client.Width() - icon->width) / 2;
                y += (client.Height() - icon->height) / 2;
            }
            dc.DrawIcon(x, y, icon);
        }
        break;
    }
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: {
        HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
        ::FillRect(dc.GetSafeHdc(), &client, brush);
        ClassicLook::SelectWindowFont(hwnd, dc);
        UINT format = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
        if (type == SS_SIMPLE || (style & (SS_CENTERIMAGE | SS_ENDELLIPSIS)))
            format |= DT_SINGLELINE;
        else if (type != SS_LEFTNOWORDWRAP)
            format |= DT_WORDBREAK;
        if (style & SS_CENTERIMAGE) format |= DT_VCENTER;
        if (style & SS_ENDELLIPSIS) format |= DT_END_ELLIPSIS;
        if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
        if (::IsWindowEnabled(hwnd)) {
            dc.SetBkMode(TRANSPARENT);
            dc.DrawText(rec->text, &client, format);
        } else {
            ClassicLook::DrawEtchedText(dc, rec->text.GetString(), client, format);
        }
        break;
    }
    default:
        break; // owner-drawn and bitmap statics draw nothing of their own
    }
    if (style & SS_SUNKEN) dc.DrawEdge(&client, BDR_SUNKENOUTER, BF_RECT);
}
