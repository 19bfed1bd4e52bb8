#include "platform/framework/ButtonControl.h"

#include "platform/framework/WindowManager.h"

namespace {

DWORD buttonType(HWND hwnd)
{
    return static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE)) & BS_TYPEMASK;
}

bool isCheckType(DWORD type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
           type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool isRadio(DWORD type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void notify(HWND hwnd, UINT code)
{
    HWND parent = ::GetParent(hwnd);
    if (parent) {
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(hwnd)), static_cast<WORD>(code)),
                      reinterpret_cast<LPARAM>(hwnd));
    }
}

} // namespace

ButtonControl* ButtonControl::from(HWND hwnd)
{
    return reinterpret_cast<ButtonControl*>(::GetWindowLongPtr(hwnd, 0));
}

void ButtonControl::click(HWND hwnd)
{
    ButtonControl* self = from(hwnd);
    if (!self) return;
    DWORD type = buttonType(hwnd);
    if (type == BS_AUTOCHECKBOX) {
        ::SendMessage(hwnd, BM_SETCHECK, self->m_check ? BST_UNCHECKED : BST_CHECKED, 0);
    } else if (type == BS_AUTO3STATE) {
        ::SendMessage(hwnd, BM_SETCHECK, static_cast<WPARAM>((self->m_check + 1) % 3), 0);
    } else if (type == BS_AUTORADIOBUTTON) {
        // Uncheck the other automatic radio buttons of the group, then check this one.
        HWND parent = ::GetParent(hwnd);
        HWND first = hwnd;
        for (HWND h = hwnd; h; h = ::GetWindow(h, GW_HWNDPREV)) {
            first = h;
            if (::GetWindowLong(h, GWL_STYLE) & WS_GROUP) break;
        }
        for (HWND h = first; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
            if (h != first && (::GetWindowLong(h, GWL_STYLE) & WS_GROUP)) break;
            if (h != hwnd && ::GetParent(h) == parent && (::SendMessage(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
                buttonType(h) == BS_AUTORADIOBUTTON) {
                ::SendMessage(h, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
        ::SendMessage(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    }
    // Last: the handler may destroy this button.
    notify(hwnd, BN_CLICKED);
}

LRESULT ButtonControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    ButtonControl* self = from(hwnd);
    DWORD type = buttonType(hwnd);
    switch (message) {
    case WM_NCCREATE:
        ::SetWindowLongPtr(hwnd, 0, reinterpret_cast<LONG_PTR>(new ButtonControl));
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    case WM_NCDESTROY:
        delete self;
        ::SetWindowLongPtr(hwnd, 0, 0);
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    default:
        break;
    }
    if (!self) return wm.DefWindowProc(hwnd, message, wParam, lParam);

    switch (message) {
    case WM_GETDLGCODE:
        switch (type) {
        case BS_DEFPUSHBUTTON:
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_PUSHBUTTON:
        case BS_OWNERDRAW:
        case BS_USERBUTTON:
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX:
            return DLGC_STATIC;
        default:
            return DLGC_BUTTON;
        }
    case BM_GETCHECK:
        return isCheckType(type) ? self->m_check : BST_UNCHECKED;
    case BM_SETCHECK: {
        if (!isCheckType(type)) return 0;
        int check = static_cast<int>(wParam);
        if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE) check = BST_CHECKED;
        if (check != BST_CHECKED && check != BST_INDETERMINATE) check = BST_UNCHECKED;
        if (isRadio(type)) {
            DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
            DWORD wanted = check ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
            if (wanted != style) wm.SetStyle(hwnd, GWL_STYLE, wanted);
            self = from(hwnd);
            if (!self) return 0;
        }
        if (self->m_check != check) {
            self->m_check = check;
            wm.Invalidate(hwnd, nullptr, false);
        }
        return 0;
    }
    case BM_GETSTATE:
        return (isCheckType(type) ? self->m_check : 0) | (self->m_pushed ? BST_PUSHED : 0) |
               (self->m_focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        if (self->m_pushed != (wParam != 0)) {
            self->m_pushed = wParam != 0;
            wm.Invalidate(hwnd, nullptr, false);
        }
        return 0;
    case BM_SETSTYLE: {
        DWORD style = static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
        wm.SetStyle(hwnd, GWL_STYLE, (style & 0xFFFF0000u) | LOWORD(wParam));
        if (LOWORD(static_cast<DWORD_PTR>(lParam))) wm.Invalidate(hwnd, nullptr, true);
        return 0;
    }
    case BM_CLICK: {
        if (!wm.IsEffectivelyEnabled(hwnd) || type == BS_GROUPBOX) return 0;
        CRect c = wm.ClientRect(hwnd);
        LPARAM pt = MAKELPARAM(static_cast<WORD>(c.Width() / 2), static_cast<WORD>(c.Height() / 2));
        ::SendMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, pt);
        if (::IsWindow(hwnd)) ::SendMessage(hwnd, WM_LBUTTONUP, 0, pt);
        return 0;
    }
    case BM_SETIMAGE: {
        if (wParam != IMAGE_ICON) return 0;
        HICON old = self->m_icon;
        self->m_icon = reinterpret_cast<HICON>(lParam);
        wm.Invalidate(hwnd, nullptr, true);
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE:
        return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(self->m_icon) : 0;
    case WM_NCHITTEST:
        return type == BS_GROUPBOX ? HTTRANSPARENT : HTCLIENT;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (type == BS_GROUPBOX) return 0;
        self->m_tracking = true;
        self->m_pushed = true;
        wm.Invalidate(hwnd, nullptr, false);
        ::SetCapture(hwnd);
        if (::GetFocus() != hwnd) ::SetFocus(hwnd);
        return 0;
    case WM_MOUSEMOVE:
        if (self->m_tracking) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            bool inside = wm.ClientRect(hwnd).PtInRect(p);
            if (inside != self->m_pushed) {
                self->m_pushed = inside;
                wm.Invalidate(hwnd, nullptr, false);
            }
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!self->m_tracking) return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        bool inside = wm.ClientRect(hwnd).PtInRect(p);
        self->m_tracking = false;
        self->m_pushed = false;
        wm.Invalidate(hwnd, nullptr, false);
        if (::GetCapture() == hwnd) ::ReleaseCapture();
        if (inside && ::IsWindow(hwnd)) click(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (self->m_tracking && reinterpret_cast<HWND>(lParam) != hwnd) {
            self->m_tracking = false;
            self->m_pushed = false;
            wm.Invalidate(hwnd, nullptr, false);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && type != BS_GROUPBOX) {
            self->m_spaceDown = true;
            self->m_pushed = true;
            wm.Invalidate(hwnd, nullptr, false);
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && self->m_spaceDown) {
            self->m_spaceDown = false;
            self->m_pushed = false;
            wm.Invalidate(hwnd, nullptr, false);
            click(hwnd);
        }
        return 0;
    case WM_CHAR:
        return 0;
    case WM_SETFOCUS:
        self->m_focused = true;
        wm.Invalidate(hwnd, nullptr, false);
        if (::GetWindowLong(hwnd, GWL_STYLE) & BS_NOTIFY) notify(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        self->m_focused = false;
        if (self->m_spaceDown) {
            self->m_spaceDown = false;
            self->m_pushed = false;
        }
        wm.Invalidate(hwnd, nullptr, false);
        if (::GetWindowLong(hwnd, GWL_STYLE) & BS_NOTIFY) notify(hwnd, BN_KILLFOCUS);
        return 0;
    case WM_ENABLE:
        if (!wParam) {
            self->m_pushed = false;
            self->m_spaceDown = false;
            if (self->m_tracking) {
                self->m_tracking = false;
                if (::GetCapture() == hwnd) ::ReleaseCapture();
            }
        }
        wm.Invalidate(hwnd, nullptr, true);
        return 0;
    default:
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
}
