#include "platform/framework/DialogManager.h"

#include <algorithm>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/DialogState.h"
#include "platform/framework/WindowManager.h"

namespace {

DialogManager::FontMaker g_fontMaker = nullptr;

void collectTabOrder(WindowManager& wm, HWND parent, std::vector<HWND>& out)
{
    for (HWND c : wm.Children(parent)) {
        WindowRecord* rec = wm.Find(c);
        if (!rec) continue;
        if (rec->exStyle & WS_EX_CONTROLPARENT) {
            if (rec->IsVisible() && rec->IsEnabled()) collectTabOrder(wm, c, out);
        } else {
            out.push_back(c);
        }
    }
}

// Visible and enabled itself and up to the dialog; the dialog's own state does not matter (its
// controls are walked before it is first shown).
bool canTakeFocus(WindowManager& wm, HWND h, HWND dialog)
{
    for (WindowRecord* rec = wm.Find(h); rec && rec->handle != dialog; rec = wm.Find(rec->parent)) {
        if (!rec->IsVisible() || !rec->IsEnabled()) return false;
        if (!rec->IsChild()) break;
    }
    return wm.Find(h) != nullptr;
}

bool isPushButton(HWND h)
{
    LRESULT code = ::SendMessage(h, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

unsigned char upper(unsigned char ch)
{
    // ASCII and the Latin-1 letters of Windows-1252 (not the division sign 0xF7).
    if ((ch >= 'a' && ch <= 'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7)) return static_cast<unsigned char>(ch - 0x20);
    return ch;
}

// Controls that answer to the mnemonic, in tab order from the one after `focus`.
std::vector<HWND> mnemonicTargets(WindowManager& wm, HWND dialog, HWND focus, unsigned char key)
{
    std::vector<HWND> order;
    collectTabOrder(wm, dialog, order);
    auto at = std::find(order.begin(), order.end(), focus);
    if (at != order.end()) std::rotate(order.begin(), at + 1, order.end());
    std::vector<HWND> found;
    for (HWND c : order) {
        if (!canTakeFocus(wm, c, dialog)) continue;
        LRESULT code = ::SendMessage(c, WM_GETDLGCODE, 0, 0);
        WindowRecord* rec = wm.Find(c);
        if (!rec || !(code & (DLGC_BUTTON | DLGC_STATIC))) continue;
        const bool isStatic = rec->windowClass && rec->windowClass->name.CompareNoCase("Static") == 0;
        if (isStatic && (rec->style & SS_NOPREFIX)) continue;
        if (DialogManager::Mnemonic(rec->text) == key) found.push_back(c);
    }
    return found;
}

// What the operator's mnemonic key does (see the header); false when no control has it.
bool pressMnemonic(WindowManager& wm, HWND dialog, HWND focus, unsigned char key)
{
    std::vector<HWND> targets = mnemonicTargets(wm, dialog, focus, upper(key));
    if (targets.empty()) return false;
    HWND hit = targets.front();
    if (::SendMessage(hit, WM_GETDLGCODE, 0, 0) & DLGC_STATIC) {
        if (HWND next = DialogManager::NextTabItem(dialog, hit, false)) DialogManager::FocusControl(next);
    } else if (targets.size() > 1) {
        DialogManager::FocusControl(hit);
    } else {
        ::SendMessage(hit, BM_CLICK, 0, 0);
    }
    return true;
}

} // namespace

unsigned char DialogManager::Mnemonic(const CString& text)
{
    const char* s = text;
    for (; *s; ++s) {
        if (*s != '&') continue;
        if (s[1] != '&') return upper(static_cast<unsigned char>(s[1]));
        ++s; // "&&" draws one '&'
    }
    return 0;
}

void DialogManager::SetFontMaker(FontMaker maker)
{
    g_fontMaker = maker;
}

DialogState* DialogManager::State(HWND dialog)
{
    WindowRecord* rec = WindowManager::Get().Find(dialog);
    return rec ? rec->dialog.get() : nullptr;
}

CSize DialogManager::BaseUnits(const CString&, int pointSize)
{
    if (pointSize <= 0 || pointSize == 8) return CSize(6, 13);
    return CSize(MulDiv(6, pointSize, 8), MulDiv(13, pointSize, 8));
}

CRect DialogManager::UnitsToPixels(CSize base, short x, short y, short cx, short cy)
{
    int left = MulDiv(x, base.cx, 4);
    int top = MulDiv(y, base.cy, 8);
    return CRect(left, top, left + MulDiv(cx, base.cx, 4), top + MulDiv(cy, base.cy, 8));
}

HWND DialogManager::CreateIndirect(HINSTANCE instance, const DialogTemplate& t, HWND parent, DLGPROC proc,
                                   LPARAM initParam, CWnd* attach)
{
    auto& wm = WindowManager::Get();
    if (parent && !wm.Find(parent)) {
        wm.SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    DWORD style = t.style;
    DWORD exStyle = t.exStyle;
    if (style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    if (style & DS_CONTROL) {
        style &= ~(WS_CAPTION | WS_SYSMENU);
        exStyle |= WS_EX_CONTROLPARENT;
    }
    auto state = std::make_unique<DialogState>();
    state->proc = proc;
    state->initParam = initParam;
    state->baseUnits = BaseUnits(t.fontName, t.pointSize);
    state->fontName = t.fontName;
    state->pointSize = t.pointSize;
    state->templateId = t.id;
    for (const DialogItem& item : t.items) {
        if ((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && item.className.CompareNoCase("Button") == 0) {
            state->hasDefId = true;
            state->defId = static_cast<WORD>(item.id);
            break;
        }
    }
    CSize base = state->baseUnits;

    CRect client = UnitsToPixels(base, 0, 0, t.cx, t.cy);
    CRect window = client;
    ::AdjustWindowRectEx(&window, style, FALSE, exStyle);
    int width = window.Width(), height = window.Height();
    int x = MulDiv(t.x, base.cx, 4);
    int y = MulDiv(t.y, base.cy, 8);
    bool child = (style & WS_CHILD) != 0;
    HWND realParent = parent == wm.Desktop() ? nullptr : parent;
    if (!child) {
        if (style & DS_CENTER) {
            CRect over = realParent ? CRect() : wm.ClientRectOnScreen(wm.Desktop());
            if (realParent) ::GetWindowRect(wm.Root(realParent), &over);
            x = over.left + (over.Width() - width) / 2;
            y = over.top + (over.Height() - height) / 2;
        } else if (realParent && !(style & DS_ABSALIGN)) {
            CPoint origin = wm.ClientRectOnScreen(realParent).TopLeft();
            x += origin.x;
            y += origin.y;
        }
    }

    CREATESTRUCT cs;
    cs.hInstance = instance;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style & ~WS_VISIBLE);
    cs.dwExStyle = exStyle;
    cs.lpszName = t.caption;
    cs.lpszClass = kClassName;
    HWND dlg = wm.CreateWindowEx(cs, attach, std::move(state));
    if (!dlg) return nullptr;

    HFONT font = g_fontMaker ? g_fontMaker(t.fontName, t.pointSize) : nullptr;
    if (font) ::SendMessage(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const DialogItem& item : t.items) {
        if (!wm.Find(dlg)) return nullptr;
        CRect r = UnitsToPixels(base, item.x, item.y, item.cx, item.cy);
        DWORD itemStyle = item.style | WS_CHILD;
        DWORD itemExStyle = item.exStyle;
        const bool framed = item.className.CompareNoCase("Edit") == 0 || item.className.CompareNoCase("ListBox") == 0;
        if (framed && (itemStyle & WS_BORDER)) {
            // The 3D look: a bordered edit or list box shows a sunken client edge, not a flat line.
            itemStyle &= ~WS_BORDER;
            itemExStyle |= WS_EX_CLIENTEDGE;
        }
        HWND control = ::CreateWindowEx(itemExStyle, item.className, item.text, itemStyle, r.left, r.top,
                                        r.Width(), r.Height(), dlg,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), instance, nullptr);
        if (!control) {
            if (!(style & DS_NOFAILCREATE)) {
                DWORD error = wm.LastError();
                ::DestroyWindow(dlg);
                wm.SetLastError(error);
                return nullptr;
            }
            continue;
        }
        if (font) ::SendMessage(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (!wm.Find(dlg)) return nullptr;
    HWND first = NextTabItem(dlg, nullptr, false);
    LRESULT focus = ::SendMessage(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), initParam);
    if (!wm.Find(dlg)) return nullptr;
    if (focus && first && wm.Find(first)) FocusControl(first);
    if ((t.style & WS_VISIBLE) && wm.Find(dlg)) {
        DialogState* s = State(dlg);
        if (!s || !s->ended) ::ShowWindow(dlg, SW_SHOWNORMAL);
    }
    return wm.Find(dlg) ? dlg : nullptr;
}

void DialogManager::FocusControl(HWND control)
{
    ::SetFocus(control);
    if (::GetFocus() == control && (::SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)) {
        ::SendMessage(control, EM_SETSEL, 0, -1);
    }
}

LRESULT DialogManager::DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& wm = WindowManager::Get();
    DialogState* state = State(dialog);
    if (state && state->proc) {
        INT_PTR r = state->proc(dialog, message, wParam, lParam);
        switch (message) {
        case WM_INITDIALOG:
            return r; // FALSE: the procedure placed the focus itself, or wants none
        case WM_QUERYDRAGICON:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            if (r) return r;
            break;
        default:
            if (r) return ::GetWindowLongPtr(dialog, DWLP_MSGRESULT);
            break;
        }
        state = State(dialog);
        if (!state) return 0;
    }
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_CLOSE: {
        HWND cancel = ::GetDlgItem(dialog, IDCANCEL);
        if (cancel && !::IsWindowEnabled(cancel)) {
            ::MessageBeep(0);
            return 0;
        }
        ::PostMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case DM_GETDEFID:
        if (state && state->hasDefId) return static_cast<LRESULT>(MAKELONG(state->defId, DC_HASDEFID));
        return 0;
    case DM_SETDEFID: {
        if (!state) return FALSE;
        WORD newId = LOWORD(wParam);
        if (state->hasDefId && state->defId != newId) {
            HWND old = ::GetDlgItem(dialog, static_cast<SHORT>(state->defId));
            if (old && (::SendMessage(old, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
                ::SendMessage(old, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
            }
        }
        state = State(dialog);
        if (!state) return FALSE;
        state->hasDefId = true;
        state->defId = newId;
        HWND button = ::GetDlgItem(dialog, static_cast<SHORT>(newId));
        if (button && (::SendMessage(button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON)) {
            ::SendMessage(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        }
        return TRUE;
    }
    case WM_ERASEBKGND:
        return ClassicLook::EraseDialog(dialog, reinterpret_cast<HDC>(wParam));
    default:
        return wm.DefWindowProc(dialog, message, wParam, lParam);
    }
}

BOOL DialogManager::EndDialog(HWND dialog, INT_PTR result)
{
    DialogState* state = State(dialog);
    if (!state) return FALSE;
    state->ended = true;
    state->result = result;
    ::SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

HWND DialogManager::NextTabItem(HWND dialog, HWND control, bool previous)
{
    auto& wm = WindowManager::Get();
    std::vector<HWND> order;
    collectTabOrder(wm, dialog, order);
    if (order.empty()) return nullptr;
    auto it = std::find(order.begin(), order.end(), control);
    int n = static_cast<int>(order.size());
    int start = it == order.end() ? (previous ? 0 : n - 1) : static_cast<int>(it - order.begin());
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (previous ? -step : step)) % n + n) % n;
        HWND c = order[static_cast<size_t>(i)];
        WindowRecord* rec = wm.Find(c);
        if (rec && (rec->style & WS_TABSTOP) && canTakeFocus(wm, c, dialog)) return c;
    }
    return nullptr;
}

HWND DialogManager::NextGroupItem(HWND dialog, HWND control, bool previous)
{
    auto& wm = WindowManager::Get();
    WindowRecord* rec = wm.Find(control);
    if (!rec || !rec->IsChild()) return nullptr;
    std::vector<HWND> siblings = wm.Children(rec->parent);
    auto pos = std::find(siblings.begin(), siblings.end(), control);
    if (pos == siblings.end()) return nullptr;
    // The group runs from the control with WS_GROUP at or before this one to just before the next.
    size_t first = static_cast<size_t>(pos - siblings.begin());
    while (first > 0) {
        WindowRecord* r = wm.Find(siblings[first]);
        if (r && (r->style & WS_GROUP)) break;
        --first;
    }
    size_t last = first;
    while (last + 1 < siblings.size()) {
        WindowRecord* r = wm.Find(siblings[last + 1]);
        if (r && (r->style & WS_GROUP)) break;
        ++last;
    }
    int n = static_cast<int>(last - first + 1);
    int start = static_cast<int>(static_cast<size_t>(pos - siblings.begin()) - first);
    for (int step = 1; step <= n; ++step) {
        int i = ((start + (previous ? -step : step)) % n + n) % n;
        HWND c = siblings[first + static_cast<size_t>(i)];
        if (canTakeFocus(wm, c, dialog)) return c;
    }
    return control;
}

BOOL DialogManager::PreTranslateInput(HWND dialog, MSG* msg)
{
    bool key = msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST;
    bool mouse = msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST;
    if (!key && !mouse) return FALSE;
    return IsDialogMessage(dialog, msg);
}

BOOL DialogManager::IsDialogMessage(HWND dialog, MSG* msg)
{
    auto& wm = WindowManager::Get();
    if (!msg || !wm.Find(dialog)) return FALSE;
    if (msg->hwnd != dialog && !wm.IsDescendant(dialog, msg->hwnd)) return FALSE;
    HWND focus = wm.Focus();
    if (focus && focus != dialog && !wm.IsDescendant(dialog, focus)) focus = nullptr;

    if (msg->message == WM_SYSCHAR) {
        if (!pressMnemonic(wm, dialog, focus, static_cast<unsigned char>(msg->wParam))) ::MessageBeep(0);
        return TRUE;
    }
    if (msg->message == WM_CHAR) {
        auto ch = static_cast<UINT>(msg->wParam);
        LRESULT code = msg->hwnd ? ::SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) : 0;
        if (ch != '\t' && ch != '\r' && ch != 0x1B) {
            if ((code & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)) || ch <= ' ') return FALSE;
            return pressMnemonic(wm, dialog, focus, static_cast<unsigned char>(ch)) ? TRUE : FALSE;
        }
        if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return FALSE;
        if (ch == '\t' && (code & DLGC_WANTTAB)) return FALSE;
        return TRUE; // the key itself was handled as a dialog key
    }
    if (msg->message != WM_KEYDOWN) return FALSE;

    LRESULT code = msg->hwnd ? ::SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)) : 0;
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return FALSE;
    switch (msg->wParam) {
    case VK_TAB: {
        if (code & DLGC_WANTTAB) return FALSE;
        bool back = (wm.KeyState(VK_SHIFT) & KEY_DOWN_BIT) != 0;
        HWND next = NextTabItem(dialog, focus, back);
        if (next) FocusControl(next);
        return TRUE;
    }
    case VK_RETURN: {
        if (focus && focus != dialog && isPushButton(focus) && ::IsWindowEnabled(focus)) {
            ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(::GetDlgCtrlID(focus)), BN_CLICKED),
                          reinterpret_cast<LPARAM>(focus));
            return TRUE;
        }
        LRESULT def = ::SendMessage(dialog, DM_GETDEFID, 0, 0);
        if (HIWORD(static_cast<DWORD_PTR>(def)) == DC_HASDEFID) {
            WORD id = LOWORD(static_cast<DWORD_PTR>(def));
            HWND button = ::GetDlgItem(dialog, static_cast<SHORT>(id));
            if (!button || ::IsWindowEnabled(button)) {
                ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
            }
            return TRUE;
        }
        HWND ok = ::GetDlgItem(dialog, IDOK);
        if (!ok || ::IsWindowEnabled(ok)) {
            ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
        }
        return TRUE;
    }
    case VK_ESCAPE:
        ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                      reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDCANCEL)));
        return TRUE;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        if (code & DLGC_WANTARROWS) return FALSE;
        if (!focus || focus == dialog) return TRUE;
        bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
        HWND next = NextGroupItem(dialog, focus, back);
        if (next && next != focus) {
            FocusControl(next);
            WindowRecord* rec = wm.Find(next);
            if (rec && (::SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
                (rec->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
                ::SendMessage(next, BM_CLICK, 0, 0);
            }
        }
        return TRUE;
    }
    default:
        return FALSE;
    }
}
