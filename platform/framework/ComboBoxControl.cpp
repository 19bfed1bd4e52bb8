#include "platform/framework/ComboBoxControl.h"

#include <algorithm>
#include <cstring>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/CommCtrl.h"
#include "platform/framework/ControlWindow.h"
#include "platform/framework/TextLayout.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

DWORD styleOf(HWND hwnd)
{
    return static_cast<DWORD>(::GetWindowLong(hwnd, GWL_STYLE));
}

bool startsWithNoCase(const CString& text, LPCTSTR prefix)
{
    size_t n = std::strlen(prefix);
    if (static_cast<size_t>(text.GetLength()) < n) return false;
    return CString(text.GetString(), static_cast<int>(n)).CompareNoCase(prefix) == 0;
}

} // namespace

ComboBoxControl* ComboBoxControl::from(HWND hwnd)
{
    return reinterpret_cast<ComboBoxControl*>(::GetWindowLongPtr(hwnd, 0));
}

bool ComboBoxControl::isList(HWND hwnd)
{
    return (styleOf(hwnd) & CBS_TYPEMASK) == CBS_DROPDOWNLIST;
}

bool ComboBoxControl::IsDropped(HWND hwnd)
{
    ComboBoxControl* self = from(hwnd);
    return self && self->m_dropped;
}

void ComboBoxControl::notify(HWND hwnd, UINT code)
{
    HWND parent = ::GetParent(hwnd);
    if (parent) {
        ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(hwnd)), static_cast<WORD>(code)),
                      reinterpret_cast<LPARAM>(hwnd));
    }
}

int ComboBoxControl::visibleItems(const ComboBoxControl& self)
{
    int closed = self.m_itemHeight + 2 + 2 * kBorder;
    int room = self.m_droppedHeight - closed - 2;
    return std::max(1, room / std::max(1, self.m_itemHeight));
}

CRect ComboBoxControl::ListRect(HWND hwnd)
{
    ComboBoxControl* self = from(hwnd);
    if (!self || !self->m_dropped) return CRect();
    CRect client = wm().ClientRect(hwnd);
    int rows = std::min(visibleItems(*self), std::max(1, static_cast<int>(self->m_items.size())));
    return CRect(0, client.bottom, client.right, client.bottom + rows * self->m_itemHeight + 2);
}

CRect ComboBoxControl::ItemRect(HWND hwnd, int index)
{
    ComboBoxControl* self = from(hwnd);
    CRect list = ListRect(hwnd);
    if (!self || list.IsRectEmpty() || index < self->m_top || index >= static_cast<int>(self->m_items.size())) {
        return CRect();
    }
    int row = index - self->m_top;
    CRect r(list.left + 1, list.top + 1 + row * self->m_itemHeight, list.right - 1,
            list.top + 1 + (row + 1) * self->m_itemHeight);
    if (r.bottom > list.bottom - 1) return CRect();
    return r;
}

CRect ComboBoxControl::ButtonRect(HWND hwnd)
{
    CRect client = wm().ClientRect(hwnd);
    return CRect(std::max(client.left, client.right - kBorder + 1 - kButtonWidth), client.top + kBorder - 1,
                 client.right - kBorder + 1, client.bottom - kBorder + 1);
}

void ComboBoxControl::layout(HWND hwnd)
{
    ComboBoxControl* self = from(hwnd);
    if (!self) return;
    self->m_itemHeight = std::max(1, TextLayout::LineHeight(TextLayout::FontOf(hwnd)));
    CRect window;
    ::GetWindowRect(hwnd, &window);
    int closed = self->m_itemHeight + 2 + 2 * kBorder;
    if (window.Height() != closed) {
        ::SetWindowPos(hwnd, nullptr, 0, 0, window.Width(), closed, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (self->m_edit) {
        CRect client = wm().ClientRect(hwnd);
        ::SetWindowPos(self->m_edit, nullptr, kBorder, kBorder, std::max(0, client.Width() - 2 * kBorder - kButtonWidth),
                       std::max(0, client.Height() - 2 * kBorder), SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int ComboBoxControl::find(const ComboBoxControl& self, int start, LPCTSTR text, bool exact)
{
    int n = static_cast<int>(self.m_items.size());
    if (n == 0 || !text) return static_cast<int>(CB_ERR);
    if (start < -1 || start >= n) start = -1;
    for (int step = 1; step <= n; ++step) {
        int i = (start + step) % n;
        const CString& item = self.m_items[static_cast<size_t>(i)].text;
        if (exact ? item.CompareNoCase(text) == 0 : startsWithNoCase(item, text)) return i;
    }
    return static_cast<int>(CB_ERR);
}

void ComboBoxControl::setEditText(HWND hwnd, const CString& text)
{
    ComboBoxControl* self = from(hwnd);
    if (!self) return;
    if (self->m_edit) {
        self->m_quiet = true;
        ::SendMessage(self->m_edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.GetString()));
        if ((self = from(hwnd)) == nullptr) return;
        self->m_quiet = false;
        // The whole text is selected, as after choosing from the list.
        ::SendMessage(self->m_edit, EM_SETSEL, 0, -1);
    }
    wm().SetText(hwnd, text); // what inspection and painting read
}

CString ComboBoxControl::currentText(HWND hwnd)
{
    ComboBoxControl* self = from(hwnd);
    if (!self) return CString();
    if (self->m_edit) {
        WindowRecord* rec = wm().Find(self->m_edit);
        return rec ? rec->text : CString();
    }
    if (self->m_cursel < 0 || self->m_cursel >= static_cast<int>(self->m_items.size())) return CString();
    return self->m_items[static_cast<size_t>(self->m_cursel)].text;
}

void ComboBoxControl::select(HWND hwnd, int index)
{
    ComboBoxControl* self = from(hwnd);
    if (!self) return;
    self->m_cursel = index;
    if (index >= 0) {
        int shown = visibleItems(*self);
        if (index < self->m_top) self->m_top = index;
        if (index >= self->m_top + shown) self->m_top = index - shown + 1;
    }
    CString text = index >= 0 ? self->m_items[static_cast<size_t>(index)].text : CString();
    if (self->m_edit) {
        setEditText(hwnd, text);
    } else {
        wm().SetText(hwnd, text);
    }
    wm().Invalidate(hwnd, nullptr, true);
}

void ComboBoxControl::operatorSelect(HWND hwnd, int index)
{
    ComboBoxControl* self = from(hwnd);
    if (!self || index < 0 || index >= static_cast<int>(self->m_items.size())) return;
    bool changed = index != self->m_cursel;
    if (!changed) {
        if (self->m_edit) setEditText(hwnd, self->m_items[static_cast<size_t>(index)].text);
        return;
    }
    self->m_cursel = index;
    if (!self->m_edit) {
        // A drop-down list shows its selection at once.
        select(hwnd, index);
        notify(hwnd, CBN_SELCHANGE);
        return;
    }
    notify(hwnd, CBN_SELCHANGE);
    // The edit takes the chosen text after the parent heard of the change.
    if ((self = from(hwnd)) != nullptr && self->m_cursel >= 0 && self->m_cursel < static_cast<int>(self->m_items.size())) {
        select(hwnd, self->m_cursel);
    }
}

void ComboBoxControl::open(HWND hwnd)
{
    ComboBoxControl* self = from(hwnd);
    if (!self || self->m_dropped) return;
    notify(hwnd, CBN_DROPDOWN);
    if ((self = from(hwnd)) == nullptr) return;
    self->m_dropped = true;
    self->m_hot = self->m_cursel;
    if (self->m_hot >= 0) {
        int shown = visibleItems(*self);
        if (self->m_hot < self->m_top || self->m_hot >= self->m_top + shown) self->m_top = self->m_hot;
    }
    int n = static_cast<int>(self->m_items.size());
    self->m_top = std::clamp(self->m_top, 0, std::max(0, n - visibleItems(*self)));
    ::SetCapture(hwnd);
    wm().Invalidate(hwnd, nullptr, true);
}

void ComboBoxControl::close(HWND hwnd, bool accept)
{
    ComboBoxControl* self = from(hwnd);
    if (!self || !self->m_dropped) return;
    self->m_dropped = false;
    self->m_openingClick = false;
    int chosen = self->m_hot;
    self->m_hot = -1;
    if (::GetCapture() == hwnd) ::ReleaseCapture();
    wm().Invalidate(hwnd, nullptr, true);
    if (accept && chosen >= 0) {
        operatorSelect(hwnd, chosen);
        if (!::IsWindow(hwnd)) return;
        notify(hwnd, CBN_SELENDOK);
    } else {
        notify(hwnd, CBN_SELENDCANCEL);
    }
    if (::IsWindow(hwnd)) notify(hwnd, CBN_CLOSEUP);
}

LRESULT ComboBoxControl::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ControlWindow::Run<ComboBoxControl>(hwnd, message, wParam, lParam, &handle);
}

LRESULT ComboBoxControl::handle(HWND hwnd, ComboBoxControl& self, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int count = static_cast<int>(self.m_items.size());
    const DWORD style = styleOf(hwnd);
    switch (message) {
    case WM_NCCREATE: {
        if (auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam)) self.m_droppedHeight = cs->cy;
        // Scroll bar styles belong to the list, not to the closed field.
        if (WindowRecord* rec = wm().Find(hwnd)) rec->style &= ~(WS_VSCROLL | WS_HSCROLL);
        // The combo's own text is its items'; a caption given at creation goes to the edit.
        return wm().DefWindowProc(hwnd, message, wParam, lParam);
    }
    case WM_CREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        if ((style & CBS_TYPEMASK) != CBS_DROPDOWNLIST) {
            DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
            if (style & CBS_UPPERCASE) editStyle |= ES_UPPERCASE;
            if (style & CBS_LOWERCASE) editStyle |= ES_LOWERCASE;
            self.m_edit = ::CreateWindowEx(0, "Edit", cs ? cs->lpszName : nullptr, editStyle, 0, 0, 0, 0, hwnd,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), nullptr, nullptr);
            if (!self.m_edit) return -1;
        } else {
            wm().SetText(hwnd, CString());
        }
        layout(hwnd);
        return 0;
    }
    case WM_SETFONT:
        wm().DefWindowProc(hwnd, message, wParam, lParam);
        if (self.m_edit) ::SendMessage(self.m_edit, WM_SETFONT, wParam, lParam);
        layout(hwnd);
        return 0;
    case WM_SIZE:
        layout(hwnd);
        return 0;
    case WM_ENABLE:
        if (!wParam) close(hwnd, false);
        if (ComboBoxControl* s = from(hwnd); s && s->m_edit) ::EnableWindow(s->m_edit, wParam ? TRUE : FALSE);
        return 0;

    // --- text -------------------------------------------------------------------------------------
    case WM_SETTEXT: {
        CString text(reinterpret_cast<LPCTSTR>(lParam));
        if (self.m_edit) {
            setEditText(hwnd, text);
            return TRUE;
        }
        // A drop-down list has no edit field: the documented answer is CB_ERR, selection unchanged.
        return CB_ERR;
    }
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPTSTR>(lParam);
        if (!buffer || wParam == 0) return 0;
        CString text = currentText(hwnd);
        size_t n = std::min<size_t>(static_cast<size_t>(text.GetLength()), static_cast<size_t>(wParam) - 1);
        std::memcpy(buffer, text.GetString(), n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return currentText(hwnd).GetLength();

    // --- the list ---------------------------------------------------------------------------------
    case CB_ADDSTRING: {
        if (!lParam) return CB_ERR;
        CString text(reinterpret_cast<LPCTSTR>(lParam));
        int at = count;
        if (style & CBS_SORT) {
            at = 0;
            while (at < count && self.m_items[static_cast<size_t>(at)].text.CompareNoCase(text) <= 0) ++at;
        }
        self.m_items.insert(self.m_items.begin() + at, Item{text, 0});
        if (self.m_cursel >= at) ++self.m_cursel;
        wm().Invalidate(hwnd, nullptr, true);
        return at;
    }
    case CB_INSERTSTRING: {
        if (!lParam) return CB_ERR;
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at == -1) at = count;
        if (at < 0 || at > count) return CB_ERR;
        self.m_items.insert(self.m_items.begin() + at, Item{CString(reinterpret_cast<LPCTSTR>(lParam)), 0});
        if (self.m_cursel >= at) ++self.m_cursel;
        wm().Invalidate(hwnd, nullptr, true);
        return at;
    }
    case CB_DELETESTRING: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return CB_ERR;
        self.m_items.erase(self.m_items.begin() + at);
        if (self.m_cursel == at) {
            self.m_cursel = -1;
            if (!self.m_edit) wm().SetText(hwnd, CString());
        } else if (self.m_cursel > at) {
            --self.m_cursel;
        }
        if (self.m_hot >= static_cast<int>(self.m_items.size())) self.m_hot = -1;
        self.m_top = std::clamp(self.m_top, 0, std::max(0, static_cast<int>(self.m_items.size()) - 1));
        wm().Invalidate(hwnd, nullptr, true);
        return static_cast<LRESULT>(self.m_items.size());
    }
    case CB_RESETCONTENT:
        self.m_items.clear();
        self.m_cursel = -1;
        self.m_hot = -1;
        self.m_top = 0;
        if (self.m_edit) {
            setEditText(hwnd, CString());
        } else {
            wm().SetText(hwnd, CString());
        }
        wm().Invalidate(hwnd, nullptr, true);
        return CB_OKAY;
    case CB_GETCOUNT:
        return count;
    case CB_GETCURSEL:
        return self.m_cursel;
    case CB_SETCURSEL: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) {
            select(hwnd, -1);
            return CB_ERR;
        }
        select(hwnd, at);
        return at;
    }
    case CB_GETLBTEXT: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        auto* buffer = reinterpret_cast<LPTSTR>(lParam);
        if (at < 0 || at >= count || !buffer) return CB_ERR;
        const CString& text = self.m_items[static_cast<size_t>(at)].text;
        std::memcpy(buffer, text.GetString(), static_cast<size_t>(text.GetLength()) + 1);
        return text.GetLength();
    }
    case CB_GETLBTEXTLEN: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return CB_ERR;
        return self.m_items[static_cast<size_t>(at)].text.GetLength();
    }
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
        return find(self, static_cast<int>(static_cast<INT_PTR>(wParam)), reinterpret_cast<LPCTSTR>(lParam),
                    message == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
        int at = find(self, static_cast<int>(static_cast<INT_PTR>(wParam)), reinterpret_cast<LPCTSTR>(lParam), false);
        if (at >= 0) select(hwnd, at);
        return at;
    }
    case CB_SETITEMDATA: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return CB_ERR;
        self.m_items[static_cast<size_t>(at)].data = lParam;
        return TRUE;
    }
    case CB_GETITEMDATA: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return CB_ERR;
        return self.m_items[static_cast<size_t>(at)].data;
    }
    case CB_GETTOPINDEX:
        return self.m_top;
    case CB_SETTOPINDEX: {
        int at = static_cast<int>(static_cast<INT_PTR>(wParam));
        if (at < 0 || at >= count) return CB_ERR;
        self.m_top = std::min(at, std::max(0, count - visibleItems(self)));
        wm().Invalidate(hwnd, nullptr, true);
        return CB_OKAY;
    }
    case CB_GETITEMHEIGHT:
        return static_cast<INT_PTR>(wParam) == -1 ? self.m_itemHeight + 2 : self.m_itemHeight;
    case CB_SETITEMHEIGHT: {
        int h = static_cast<int>(static_cast<INT_PTR>(lParam));
        if (h <= 0 || h > 255) return CB_ERR;
        if (static_cast<INT_PTR>(wParam) != -1) self.m_itemHeight = h;
        return CB_OKAY;
    }
    case CB_SHOWDROPDOWN:
        if (wParam) {
            open(hwnd);
        } else {
            close(hwnd, false);
        }
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return self.m_dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT: {
        auto* out = reinterpret_cast<RECT*>(lParam);
        if (!out) return CB_ERR;
        CRect window;
        ::GetWindowRect(hwnd, &window);
        *out = CRect(window.left, window.top, window.right, window.top + self.m_droppedHeight);
        return TRUE;
    }

    // --- the edit field ---------------------------------------------------------------------------
    case CB_LIMITTEXT:
        // Always TRUE, as documented; a drop-down list has no edit to limit.
        if (self.m_edit) ::SendMessage(self.m_edit, EM_LIMITTEXT, wParam, 0);
        return TRUE;
    case CB_GETEDITSEL:
        if (!self.m_edit) return CB_ERR;
        return ::SendMessage(self.m_edit, EM_GETSEL, wParam, lParam);
    case CB_SETEDITSEL:
        if (!self.m_edit) return CB_ERR;
        ::SendMessage(self.m_edit, EM_SETSEL, static_cast<WPARAM>(static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam)))),
                      static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lParam))));
        return TRUE;
    case EM_GETSEL:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case EM_LIMITTEXT:
        return self.m_edit ? ::SendMessage(self.m_edit, message, wParam, lParam) : 0;
    case WM_COMMAND:
        // The edit's changes, as the operator's.
        if (reinterpret_cast<HWND>(lParam) == self.m_edit && self.m_edit && !self.m_quiet) {
            UINT code = HIWORD(wParam);
            if (code == EN_UPDATE) {
                notify(hwnd, CBN_EDITUPDATE);
            } else if (code == EN_CHANGE) {
                CString text = currentText(hwnd);
                wm().SetText(hwnd, text);
                self.m_cursel = find(self, -1, text, true);
                notify(hwnd, CBN_EDITCHANGE);
            }
        }
        return 0;

    // --- focus and keys ---------------------------------------------------------------------------
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
        if (self.m_edit) code |= DLGC_HASSETSEL;
        auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (self.m_dropped && msg && msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
            code |= DLGC_WANTALLKEYS;
        }
        return code;
    }
    case WM_SETFOCUS:
        self.m_focused = true;
        wm().Invalidate(hwnd, nullptr, false);
        notify(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        self.m_focused = false;
        wm().Invalidate(hwnd, nullptr, false);
        close(hwnd, false);
        if (::IsWindow(hwnd)) notify(hwnd, CBN_KILLFOCUS);
        return 0;
    case WM_KEYDOWN: {
        bool alt = (wm().KeyState(VK_MENU) & KEY_DOWN_BIT) != 0;
        if (wParam == VK_F4 || (alt && (wParam == VK_DOWN || wParam == VK_UP))) {
            if (self.m_dropped) {
                close(hwnd, true);
            } else {
                open(hwnd);
            }
            return 0;
        }
        if (self.m_dropped) {
            if (wParam == VK_RETURN) {
                close(hwnd, true);
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                close(hwnd, false);
                return 0;
            }
        }
        int target = -2;
        int current = self.m_dropped ? self.m_hot : self.m_cursel;
        int page = visibleItems(self);
        switch (wParam) {
        case VK_UP: target = current < 0 ? 0 : current - 1; break;
        case VK_DOWN: target = current < 0 ? 0 : current + 1; break;
        case VK_PRIOR: target = current < 0 ? 0 : current - page + 1; break;
        case VK_NEXT: target = current < 0 ? 0 : current + page - 1; break;
        case VK_HOME: if (!self.m_edit) target = 0; break;
        case VK_END: if (!self.m_edit) target = count - 1; break;
        default: break;
        }
        if (target != -2) {
            if (count == 0) return 0;
            target = std::clamp(target, 0, count - 1);
            if (self.m_dropped) {
                self.m_hot = target;
                if (target < self.m_top) self.m_top = target;
                if (target >= self.m_top + page) self.m_top = target - page + 1;
                wm().Invalidate(hwnd, nullptr, false);
            } else {
                operatorSelect(hwnd, target);
            }
            return 0;
        }
        if (self.m_edit) return ::SendMessage(self.m_edit, message, wParam, lParam);
        return 0;
    }
    case WM_CHAR:
        if (self.m_edit) return ::SendMessage(self.m_edit, message, wParam, lParam);
        if (wParam >= 0x20 && count > 0) {
            char prefix[2] = {static_cast<char>(wParam & 0xFF), '\0'};
            int at = find(self, self.m_dropped ? self.m_hot : self.m_cursel, prefix, false);
            if (at >= 0) {
                if (self.m_dropped) {
                    self.m_hot = at;
                    wm().Invalidate(hwnd, nullptr, false);
                } else {
                    operatorSelect(hwnd, at);
                }
            }
        }
        return 0;
    case WM_KEYUP:
        if (self.m_edit) return ::SendMessage(self.m_edit, message, wParam, lParam);
        return 0;

    // --- the mouse --------------------------------------------------------------------------------
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (self.m_dropped) {
            CRect list = ListRect(hwnd);
            if (list.PtInRect(p)) {
                for (int i = self.m_top; i < count; ++i) {
                    if (ItemRect(hwnd, i).PtInRect(p)) {
                        self.m_hot = i;
                        wm().Invalidate(hwnd, nullptr, false);
                        break;
                    }
                }
                return 0;
            }
            close(hwnd, false);
            return 0;
        }
        if (::GetFocus() != hwnd) ::SetFocus(hwnd);
        ComboBoxControl* s = from(hwnd);
        if (!s || ::GetFocus() != hwnd) return 0;
        if (!s->m_edit || ButtonRect(hwnd).PtInRect(p)) {
            s->m_openingClick = true;
            open(hwnd);
        } else {
            // A press in the edit field places the caret at the end of its text.
            int length = ::GetWindowTextLength(s->m_edit);
            ::SendMessage(s->m_edit, EM_SETSEL, static_cast<WPARAM>(length), length);
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (self.m_dropped) {
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            for (int i = self.m_top; i < count; ++i) {
                if (ItemRect(hwnd, i).PtInRect(p)) {
                    if (self.m_hot != i) {
                        self.m_hot = i;
                        wm().Invalidate(hwnd, nullptr, false);
                    }
                    break;
                }
            }
        }
        return 0;
    case WM_LBUTTONUP: {
        if (!self.m_dropped) return 0;
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (self.m_openingClick) {
            // The release of the press that opened the list leaves it open, unless it was dragged
            // onto an item.
            self.m_openingClick = false;
            if (!ListRect(hwnd).PtInRect(p)) return 0;
        }
        for (int i = self.m_top; i < count; ++i) {
            if (ItemRect(hwnd, i).PtInRect(p)) {
                self.m_hot = i;
                close(hwnd, true);
                return 0;
            }
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        if (self.m_dropped && reinterpret_cast<HWND>(lParam) != hwnd) close(hwnd, false);
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    default:
        return wm().DefWindowProc(hwnd, message, wParam, lParam);
    }
}

// --- painting -----------------------------------------------------------------------------------------

namespace {

// The drop-down arrow: a black triangle 7 pixels wide, 4 high, centred in the button.
void drawArrow(CDC& dc, const CRect& button, COLORREF color)
{
    int x = button.left + (button.Width() - 7) / 2;
    int y = button.top + (button.Height() - 4) / 2;
    for (int row = 0; row < 4; ++row) dc.FillSolidRect(x + row, y + row, 7 - 2 * row, 1, color);
}

} // namespace

void ComboBoxControl::Paint(HWND hwnd, CDC& dc)
{
    ComboBoxControl* self = from(hwnd);
    if (!self) return;
    const bool enabled = ::IsWindowEnabled(hwnd) != FALSE;
    const CRect client = wm().ClientRect(hwnd);
    HBRUSH brush = ClassicLook::ControlColor(hwnd, dc, enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC);
    ClassicLook::SelectWindowFont(hwnd, dc);

    CRect field = client;
    dc.DrawEdge(&field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    ::FillRect(dc.GetSafeHdc(), &field, enabled ? brush : ::GetSysColorBrush(COLOR_3DFACE));

    CRect button = ButtonRect(hwnd);
    dc.FillSolidRect(&button, ::GetSysColor(COLOR_3DFACE));
    CRect edge = button;
    dc.DrawEdge(&edge, self->m_dropped ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    CRect glyph = button;
    if (self->m_dropped) glyph.OffsetRect(1, 1);
    drawArrow(dc, glyph, ::GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));

    if (self->m_edit) return; // the edit paints the text
    CRect text(field.left + 1, field.top + 1, button.left - 1, field.bottom - 1);
    bool highlight = enabled && self->m_focused && !self->m_dropped;
    if (highlight) dc.FillSolidRect(&text, ::GetSysColor(COLOR_HIGHLIGHT));
    if (self->m_cursel >= 0 && self->m_cursel < static_cast<int>(self->m_items.size())) {
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(!enabled ? COLOR_GRAYTEXT : highlight ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        CRect label = text;
        label.left += 2;
        dc.DrawText(self->m_items[static_cast<size_t>(self->m_cursel)].text, &label,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (highlight) dc.DrawFocusRect(&text);
}
