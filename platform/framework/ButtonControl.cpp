#include "platform/framework/ButtonControl.h"

#include <algorithm>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/IconImage.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

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
    return ControlWindow::Run<ButtonControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT ButtonControl::handle(HWND hwnd, ButtonControl& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    ButtonControl* self = &state;
    DWORD type = buttonType(hwnd);

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
        return 0;
    default:
        return wm.DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// --- painting -----------------------------------------------------------------------------------------

namespace {

constexpr int kMarkSize = 13; // check box and radio circle

// Horizontal and vertical DT_ flags of the BS_ alignment bits, with a default for each.
UINT textAlignment(DWORD style, UINT horizontal, UINT vertical)
{
    switch (style & BS_CENTER) {
    case BS_LEFT: horizontal = DT_LEFT; break;
    case BS_RIGHT: horizontal = DT_RIGHT; break;
    case BS_CENTER: horizontal = DT_CENTER; break;
    default: break;
    }
    switch (style & BS_VCENTER) {
    case BS_TOP: vertical = DT_TOP; break;
    case BS_BOTTOM: vertical = DT_BOTTOM; break;
    case BS_VCENTER: vertical = DT_VCENTER; break;
    default: break;
    }
    return horizontal | vertical;
}

// Text in a rectangle; several lines with BS_MULTILINE, vertically placed by hand in that case.
void drawLabel(CDC& dc, const CString& text, CRect rect, UINT align, bool multiline, bool enabled)
{
    UINT format = align & (DT_LEFT | DT_CENTER | DT_RIGHT);
    if (multiline) {
        CRect measure = rect;
        const int height = dc.DrawText(text, &measure, format | DT_WORDBREAK | DT_CALCRECT);
        if (align & DT_VCENTER)
            rect.top += (rect.Height() - height) / 2;
        else if (align & DT_BOTTOM)
            rect.top = rect.bottom - height;
        format |= DT_WORDBREAK;
    } else {
        format |= DT_SINGLELINE | (align & (DT_VCENTER | DT_BOTTOM));
    }
    if (enabled) {
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(text, &rect, format);
    } else {
        ClassicLook::DrawEtchedText(dc, text.GetString(), rect, format);
    }
}

void drawCheckMark(CDC& dc, const CRect& box, COLORREF color)
{
    // A 7 x 7 tick, three pixels thick, in the middle of the box's inside.
    const int x0 = box.left + 3;
    const int y0 = box.top + 3;
    for (int i = 0; i < 7; ++i) {
        const int y = y0 + (i <= 2 ? 2 + i : 6 - i); // down for three columns, then up
        dc.FillSolidRect(x0 + i, y, 1, 3, color);
    }
}

void drawRadio(CDC& dc, const CRect& box, bool checked, COLORREF inside, COLORREF dot)
{
    // Two rings of a 12-pixel circle: shadow above-left, highlight below-right (outer), dark shadow
    // and light inside them, as the classic edge is drawn.
    const double c = (box.Width() - 1) / 2.0;
    const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW), highlight = ::GetSysColor(COLOR_3DHIGHLIGHT);
    const COLORREF dark = ::GetSysColor(COLOR_3DDKSHADOW), light = ::GetSysColor(COLOR_3DLIGHT);
    const COLORREF background = dc.GetBkColor();  // FillSolidRect sets it
    constexpr COLORREF kOutside = CLR_INVALID;
    for (int y = 0; y < box.Height(); ++y) {
        // Each row drawn as runs of one colour.
        int runStart = 0;
        COLORREF runColor = kOutside;
        for (int x = 0; x <= box.Width(); ++x) {
            COLORREF color = kOutside;
            const double dx = x - c, dy = y - c;
            const double d = dx * dx + dy * dy;
            const bool upperLeft = dx + dy < 0;
            if (x == box.Width() || d > (c + 0.5) * (c + 0.5))
                color = kOutside;
            else if (d > (c - 0.5) * (c - 0.5))
                color = upperLeft ? shadow : highlight;
            else if (d > (c - 1.5) * (c - 1.5))
                color = upperLeft ? dark : light;
            else
                color = (checked && d <= 2.6) ? dot : inside;
            if (color == runColor) continue;
            if (runColor != kOutside) dc.FillSolidRect(box.left + runStart, box.top + y, x - runStart, 1, runColor);
            runStart = x;
            runColor = color;
        }
    }
    dc.SetBkColor(background);
}

} // namespace

void ButtonControl::Paint(HWND hwnd, CDC& dc)
{
    ButtonControl* self = from(hwnd);
    WindowRecord* rec = WindowManager::Get().Find(hwnd);
    if (!self || !rec) return;
    const DWORD style = rec->style;
    const DWORD type = style & BS_TYPEMASK;
    const CString text = rec->text;
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    const CRect client = WindowManager::Get().ClientRect(hwnd);
    ClassicLook::SelectWindowFont(hwnd, dc);

    if (type == BS_GROUPBOX) {
        HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
        const int textHeight = dc.GetTextExtent("X", 1).cy;
        CRect frame = client;
        frame.top += textHeight / 2;
        dc.DrawEdge(&frame, EDGE_ETCHED, BF_RECT);
        if (!text.IsEmpty()) {
            CRect label(client.left + 8, client.top, client.right - 8, client.top + textHeight);
            dc.DrawText(text, &label, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
            label.InflateRect(2, 0);
            label.right = std::min(label.right, client.right - 6);
            ::FillRect(dc.GetSafeHdc(), &label, brush);
            label.DeflateRect(2, 0);
            drawLabel(dc, text, label, DT_LEFT | DT_TOP, false, enabled);
        }
        return;
    }

    const bool check = isCheckType(type);
    const bool pushLike = !check || (style & BS_PUSHLIKE);
    if (pushLike) {
        ClassicLook::ControlColor(hwnd, dc, WM_CTLCOLORBTN);
        dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
        CRect r = client;
        const bool isDefault = type == BS_DEFPUSHBUTTON;
        const bool down = self->m_pushed || (check && self->m_check != BST_UNCHECKED);
        if (isDefault) {
            CBrush frame(::GetSysColor(COLOR_WINDOWFRAME));
            dc.FrameRect(&r, &frame);
            r.DeflateRect(1, 1);
        }
        dc.FillSolidRect(&r, ::GetSysColor(COLOR_3DFACE));
        CRect edge = r;
        dc.DrawEdge(&edge, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        CRect content = r;
        content.DeflateRect(3, 3);
        if (down) content.OffsetRect(1, 1);
        if (self->m_icon) {
            const int x = content.left + (content.Width() - self->m_icon->width) / 2;
            const int y = content.top + (content.Height() - self->m_icon->height) / 2;
            dc.DrawIcon(x, y, self->m_icon);
        } else {
            drawLabel(dc, text, content, textAlignment(style, DT_CENTER, DT_VCENTER), (style & BS_MULTILINE) != 0,
                      enabled);
        }
        if (self->m_focused) {
            CRect focus = r;
            focus.DeflateRect(3, 3);
            dc.DrawFocusRect(&focus);
        }
        return;
    }

    // Check boxes and radio buttons.
    HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, WM_CTLCOLORSTATIC);
    ::FillRect(dc.GetSafeHdc(), &client, brush);
    const bool markRight = (style & BS_LEFTTEXT) != 0;
    const int top = client.top + (client.Height() - kMarkSize) / 2;
    CRect box(client.left, top, client.left + kMarkSize, top + kMarkSize);
    if (markRight) box.OffsetRect(client.Width() - kMarkSize, 0);
    const bool greyInside = self->m_pushed || !enabled;
    const COLORREF inside = ::GetSysColor(greyInside ? COLOR_3DFACE : COLOR_WINDOW);
    const COLORREF mark = ::GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    if (isRadio(type)) {
        drawRadio(dc, CRect(box.left, box.top, box.left + 12, box.top + 12), self->m_check == BST_CHECKED, inside,
                  mark);
    } else {
        CRect edge = box;
        dc.DrawEdge(&edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        const bool indeterminate = self->m_check == BST_INDETERMINATE;
        dc.FillSolidRect(&edge, indeterminate ? ::GetSysColor(COLOR_3DFACE) : inside);
        if (self->m_check != BST_UNCHECKED)
            drawCheckMark(dc, box, indeterminate ? ::GetSysColor(COLOR_3DSHADOW) : mark);
    }
    CRect label = client;
    if (markRight)
        label.right -= kMarkSize + 4;
    else
        label.left += kMarkSize + 4;
    drawLabel(dc, text, label, textAlignment(style, DT_LEFT, DT_VCENTER), (style & BS_MULTILINE) != 0, enabled);
    if (self->m_focused && !text.IsEmpty()) {
        CRect focus = label;
        const int height = dc.DrawText(text, &focus, DT_LEFT | DT_CALCRECT |
                                                         ((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE));
        focus.top = label.top + (label.Height() - height) / 2;
        focus.bottom = focus.top + height;
        focus.InflateRect(1, 1);
        focus.IntersectRect(&focus, &client);
        dc.DrawFocusRect(&focus);
    }
}
