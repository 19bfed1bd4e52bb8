#include "platform/framework/WinUser.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/framework/Automation.h"
#include "platform/framework/DialogManager.h"
#include "platform/framework/DialogState.h"
#include "platform/framework/MenuManager.h"
#include "platform/framework/ResourceChain.h"
#include "platform/framework/VirtualClock.h"
#include "platform/framework/WindowManager.h"
#include "platform/framework/gdi/PaintManager.h"

namespace {

WindowManager& wm()
{
    return WindowManager::Get();
}

WindowRecord* record(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec) wm().SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return rec;
}

bool extraRange(const WindowRecord& rec, int index, size_t size)
{
    return index >= 0 && static_cast<size_t>(index) + size <= rec.extra.size();
}

} // namespace

// --- classes ----------------------------------------------------------------------------------------

ATOM RegisterClass(const WNDCLASS* wc)
{
    return wc ? wm().RegisterClass(*wc) : 0;
}

BOOL UnregisterClass(LPCTSTR className, HINSTANCE)
{
    return wm().UnregisterClass(className);
}

BOOL GetClassInfo(HINSTANCE, LPCTSTR className, WNDCLASS* wc)
{
    const WindowClassInfo* info = wm().FindClass(className);
    if (!info || !wc) return FALSE;
    wc->style = info->style;
    wc->lpfnWndProc = info->proc;
    wc->cbClsExtra = info->classExtra;
    wc->cbWndExtra = info->windowExtra;
    wc->hInstance = info->instance;
    wc->hIcon = info->icon;
    wc->lpszClassName = info->name;
    return TRUE;
}

int GetClassName(HWND hwnd, LPTSTR buffer, int size)
{
    WindowRecord* rec = record(hwnd);
    if (!rec || !rec->windowClass || !buffer || size <= 0) return 0;
    const CString& name = rec->windowClass->name;
    int n = std::min(name.GetLength(), size - 1);
    std::memcpy(buffer, name.GetString(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

// --- creation ---------------------------------------------------------------------------------------

HWND CreateWindowEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param)
{
    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menuOrId;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    return wm().CreateWindowEx(cs);
}

HWND CreateWindow(LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                  HMENU menuOrId, HINSTANCE instance, LPVOID param)
{
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menuOrId, instance, param);
}

BOOL DestroyWindow(HWND hwnd)
{
    return wm().DestroyWindow(hwnd);
}

BOOL IsWindow(HWND hwnd)
{
    return wm().Find(hwnd) ? TRUE : FALSE;
}

HWND GetDesktopWindow()
{
    return wm().Desktop();
}

// --- messages ---------------------------------------------------------------------------------------

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return wm().Send(hwnd, message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return wm().Post(hwnd, message, wParam, lParam);
}

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return wm().DefWindowProc(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

namespace {

// The character a key gives on a US keyboard, 0 for keys without one.
char keyCharacter(WPARAM vk, bool shift)
{
    if (vk >= 'A' && vk <= 'Z') return static_cast<char>(shift ? vk : vk - 'A' + 'a');
    if (vk >= '0' && vk <= '9') {
        static const char shifted[] = ")!@#$%^&*(";
        return shift ? shifted[vk - '0'] : static_cast<char>(vk);
    }
    switch (vk) {
    case VK_SPACE: return ' ';
    case VK_RETURN: return '\r';
    case VK_ESCAPE: return 0x1B;
    case VK_TAB: return '\t';
    case VK_BACK: return '\b';
    case VK_OEM_PERIOD: return shift ? '>' : '.';
    case VK_OEM_COMMA: return shift ? '<' : ',';
    case VK_OEM_MINUS: return shift ? '_' : '-';
    case VK_OEM_PLUS: return shift ? '+' : '=';
    default: return 0;
    }
}

} // namespace

BOOL TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
    bool shift = (wm().KeyState(VK_SHIFT) & KEY_DOWN_BIT) != 0;
    bool control = (wm().KeyState(VK_CONTROL) & KEY_DOWN_BIT) != 0;
    char ch = keyCharacter(msg->wParam, shift);
    if (!ch || control) return FALSE;
    MSG c = *msg;
    c.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    c.wParam = static_cast<unsigned char>(ch);
    wm().PostFront(c);
    return TRUE;
}

LRESULT DispatchMessage(const MSG* msg)
{
    if (!msg) return 0;
    if (msg->message == WM_TIMER && msg->lParam) {
        auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
        proc(msg->hwnd, WM_TIMER, msg->wParam, msg->time);
        return 0;
    }
    if (!msg->hwnd) return 0;
    return wm().Send(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PeekMessage(MSG* msg, HWND, UINT, UINT, UINT remove)
{
    if (!msg) return FALSE;
    return wm().Peek(*msg, remove & PM_REMOVE) ? TRUE : FALSE;
}

void PostQuitMessage(int exitCode)
{
    wm().Post(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

DWORD GetMessageTime()
{
    auto& current = wm().CurrentMessages();
    return current.empty() ? static_cast<DWORD>(VirtualClock::Get().Now()) : current.back().time;
}

// --- window state -----------------------------------------------------------------------------------

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return 0;
    switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(rec->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(rec->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(rec->IsChild() ? rec->parent : rec->owner);
    case GWLP_ID: return static_cast<LONG_PTR>(static_cast<int>(rec->id));
    case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(rec->style));
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(rec->exStyle));
    case GWLP_USERDATA: return rec->userData;
    default:
        break;
    }
    if (!extraRange(*rec, index, sizeof(LONG_PTR))) {
        wm().SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    LONG_PTR value;
    std::memcpy(&value, rec->extra.data() + index, sizeof value);
    return value;
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWLP_WNDPROC:
        if (value) rec->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_HINSTANCE:
        rec->instance = reinterpret_cast<HINSTANCE>(value);
        return old;
    case GWLP_HWNDPARENT:
        if (!rec->IsChild()) rec->owner = reinterpret_cast<HWND>(value);
        return old;
    case GWLP_ID:
        rec->id = static_cast<UINT>(value);
        return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(static_cast<LONG>(wm().SetStyle(hwnd, index, static_cast<DWORD>(value))));
    case GWLP_USERDATA:
        rec->userData = value;
        return old;
    default:
        break;
    }
    if (!extraRange(*rec, index, sizeof(LONG_PTR))) {
        wm().SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    std::memcpy(rec->extra.data() + index, &value, sizeof value);
    return old;
}

LONG GetWindowLong(HWND hwnd, int index)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return 0;
    if (index >= 0) {
        if (!extraRange(*rec, index, sizeof(LONG))) {
            wm().SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG value;
        std::memcpy(&value, rec->extra.data() + index, sizeof value);
        return value;
    }
    return static_cast<LONG>(GetWindowLongPtr(hwnd, index));
}

LONG SetWindowLong(HWND hwnd, int index, LONG value)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return 0;
    if (index >= 0) {
        if (!extraRange(*rec, index, sizeof(LONG))) {
            wm().SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG old;
        std::memcpy(&old, rec->extra.data() + index, sizeof old);
        std::memcpy(rec->extra.data() + index, &value, sizeof value);
        return old;
    }
    LONG_PTR v = (index == GWL_STYLE || index == GWL_EXSTYLE) ? static_cast<LONG_PTR>(static_cast<DWORD>(value))
                                                              : static_cast<LONG_PTR>(value);
    return static_cast<LONG>(SetWindowLongPtr(hwnd, index, v));
}

BOOL SetWindowText(HWND hwnd, LPCTSTR text)
{
    if (!record(hwnd)) return FALSE;
    return static_cast<BOOL>(wm().Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : "")));
}

int GetWindowText(HWND hwnd, LPTSTR buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    if (!record(hwnd)) return 0;
    return static_cast<int>(wm().Send(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd)
{
    if (!record(hwnd)) return 0;
    return static_cast<int>(wm().Send(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL ShowWindow(HWND hwnd, int command)
{
    return wm().ShowWindow(hwnd, command);
}

BOOL IsWindowVisible(HWND hwnd)
{
    return wm().IsEffectivelyVisible(hwnd) ? TRUE : FALSE;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    return wm().EnableWindow(hwnd, enable);
}

BOOL IsWindowEnabled(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    return rec && rec->IsEnabled() ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    return rec && (rec->style & WS_MINIMIZE) ? TRUE : FALSE;
}

BOOL IsZoomed(HWND hwnd)
{
    WindowRecord* rec = wm().Find(hwnd);
    return rec && (rec->style & WS_MAXIMIZE) ? TRUE : FALSE;
}

BOOL IsChild(HWND parent, HWND hwnd)
{
    return wm().IsDescendant(parent, hwnd) ? TRUE : FALSE;
}

HWND GetParent(HWND hwnd)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return nullptr;
    if (rec->IsChild()) return rec->parent;
    return (rec->style & WS_POPUP) ? rec->owner : nullptr;
}

HWND SetParent(HWND hwnd, HWND newParent)
{
    WindowRecord* rec = record(hwnd);
    if (!rec || !rec->IsChild()) return nullptr;
    WindowRecord* np = wm().Find(newParent);
    if (!np || newParent == hwnd || wm().IsDescendant(hwnd, newParent)) return nullptr;
    HWND old = rec->parent;
    if (WindowRecord* op = wm().Find(old)) {
        op->children.erase(std::remove(op->children.begin(), op->children.end(), hwnd), op->children.end());
    }
    CPoint rel = rec->rect.TopLeft() - wm().ClientRectOnScreen(old).TopLeft();
    rec->parent = newParent;
    np->children.push_back(hwnd);
    // Same position relative to the new parent's client area as it had in the old one's.
    wm().SetWindowPos(hwnd, nullptr, rel.x, rel.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return old;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return nullptr;
    switch (flags) {
    case GA_PARENT:
        return rec->IsChild() ? rec->parent : wm().Desktop();
    case GA_ROOT:
        return wm().Root(hwnd);
    case GA_ROOTOWNER: {
        HWND h = wm().Root(hwnd);
        while (WindowRecord* r = wm().Find(h)) {
            if (!r->owner) break;
            h = r->owner;
        }
        return h;
    }
    default:
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT command)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return nullptr;
    if (command == GW_OWNER) return rec->IsChild() ? nullptr : rec->owner;
    if (command == GW_CHILD) {
        std::vector<HWND> children = wm().Children(hwnd);
        return children.empty() ? nullptr : children.front();
    }
    std::vector<HWND> siblings = rec->IsChild() ? wm().Children(rec->parent) : wm().TopLevelWindows();
    auto it = std::find(siblings.begin(), siblings.end(), hwnd);
    if (it == siblings.end()) return nullptr;
    switch (command) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == siblings.begin() ? nullptr : *(it - 1);
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd)
{
    std::vector<HWND> children = wm().Children(hwnd ? hwnd : wm().Desktop());
    return children.empty() ? nullptr : children.front();
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    if (!proc) return FALSE;
    for (HWND c : wm().Children(parent)) {
        if (!wm().Find(c)) continue;
        if (!proc(c, lParam)) return FALSE;
        if (!EnumChildWindows(c, proc, lParam)) return FALSE;
    }
    return TRUE;
}

HWND GetDlgItem(HWND dialog, int id)
{
    if (!record(dialog)) return nullptr;
    HWND h = wm().FindChildById(dialog, id);
    if (!h) wm().SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
    return h;
}

int GetDlgCtrlID(HWND hwnd)
{
    WindowRecord* rec = record(hwnd);
    return rec && rec->IsChild() ? static_cast<int>(rec->id) : 0;
}

// --- geometry ---------------------------------------------------------------------------------------

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    WindowRecord* rec = record(hwnd);
    if (!rec || !rect) return FALSE;
    *rect = rec->rect;
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    if (!record(hwnd) || !rect) return FALSE;
    *rect = wm().ClientRect(hwnd);
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return wm().SetWindowPos(hwnd, insertAfter, x, y, cx, cy, flags);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return wm().SetWindowPos(hwnd, nullptr, x, y, width, height,
                             SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point)
{
    if (!point || (hwnd != wm().Desktop() && !record(hwnd))) return FALSE;
    CPoint origin = wm().ClientRectOnScreen(hwnd).TopLeft();
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point)
{
    if (!point || (hwnd != wm().Desktop() && !record(hwnd))) return FALSE;
    CPoint origin = wm().ClientRectOnScreen(hwnd).TopLeft();
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    CPoint a = wm().ClientRectOnScreen(from ? from : wm().Desktop()).TopLeft();
    CPoint b = wm().ClientRectOnScreen(to ? to : wm().Desktop()).TopLeft();
    int dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle)
{
    if (!rect) return FALSE;
    CRect in = WindowManager::NonClientInsets(style, exStyle);
    rect->left -= in.left;
    rect->top -= in.top + (menu ? 19 : 0);
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

BOOL AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu)
{
    return AdjustWindowRectEx(rect, style, menu, 0);
}

namespace {

HWND hitTest(HWND hwnd, POINT p)
{
    WindowRecord* rec = wm().Find(hwnd);
    if (!rec || !rec->IsVisible() || !rec->rect.PtInRect(p)) return nullptr;
    if ((rec->style & WS_MINIMIZE) && !rec->IsChild()) return hwnd; // an icon
    for (HWND c : rec->children) {
        if (HWND hit = hitTest(c, p)) {
            WindowRecord* r = wm().Find(hit);
            if (r && wm().Send(hit, WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y))) != HTTRANSPARENT) {
                return hit;
            }
        }
    }
    return hwnd;
}

} // namespace

HWND WindowFromPoint(POINT point)
{
    for (HWND t : wm().TopLevelWindows()) {
        if (HWND hit = hitTest(t, point)) return hit;
    }
    return nullptr;
}

// --- painting requests ------------------------------------------------------------------------------

BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL erase)
{
    if (!hwnd) return FALSE;
    if (!record(hwnd)) return FALSE;
    wm().Invalidate(hwnd, rect, erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND hwnd, LPCRECT rect)
{
    if (!record(hwnd)) return FALSE;
    wm().Validate(hwnd, rect);
    return TRUE;
}

BOOL UpdateWindow(HWND hwnd)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return FALSE;
    if (rec->invalid && wm().IsEffectivelyVisible(hwnd)) {
        wm().Send(hwnd, WM_PAINT, 0, 0);
        if (WindowRecord* r = wm().Find(hwnd)) {
            ++r->paintCount;
            wm().Validate(hwnd, nullptr);
        }
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND hwnd, LPRECT rect, BOOL)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return FALSE;
    if (rect) *rect = rec->invalid ? rec->updateRect : CRect();
    return rec->invalid ? TRUE : FALSE;
}

BOOL RedrawWindow(HWND hwnd, LPCRECT rect, void*, UINT flags)
{
    if (!record(hwnd)) return FALSE;
    if (flags & RDW_INVALIDATE) {
        wm().Invalidate(hwnd, rect, (flags & RDW_ERASE) != 0);
        if (flags & RDW_FRAME) PaintManager::Get().InvalidateFrame(hwnd);
        if (flags & RDW_ALLCHILDREN) {
            for (HWND c : wm().Children(hwnd)) RedrawWindow(c, nullptr, nullptr, flags & ~RDW_UPDATENOW);
        }
    }
    if (flags & RDW_VALIDATE) wm().Validate(hwnd, rect);
    if (flags & RDW_UPDATENOW) {
        UpdateWindow(hwnd);
        if (flags & RDW_ALLCHILDREN) {
            // The children now too, after their parent, bottom of the z-order first.
            std::vector<HWND> children = wm().Children(hwnd);
            for (auto it = children.rbegin(); it != children.rend(); ++it) {
                if (record(*it)) RedrawWindow(*it, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            }
        }
    }
    return TRUE;
}

// --- focus, activation, capture, keys ---------------------------------------------------------------

HWND SetFocus(HWND hwnd)
{
    return wm().SetFocus(hwnd);
}

HWND GetFocus()
{
    return wm().Focus();
}

HWND SetActiveWindow(HWND hwnd)
{
    return wm().Activate(hwnd);
}

HWND GetActiveWindow()
{
    return wm().Active();
}

BOOL SetForegroundWindow(HWND hwnd)
{
    if (!record(hwnd)) return FALSE;
    wm().Activate(hwnd);
    return TRUE;
}

HWND GetForegroundWindow()
{
    return wm().Active();
}

HWND SetCapture(HWND hwnd)
{
    return wm().SetCapture(hwnd);
}

HWND GetCapture()
{
    return wm().Capture();
}

BOOL ReleaseCapture()
{
    return wm().ReleaseCapture();
}

SHORT GetKeyState(int virtualKey)
{
    return wm().KeyState(virtualKey);
}

SHORT GetAsyncKeyState(int virtualKey)
{
    return wm().KeyState(virtualKey);
}

// --- timers -----------------------------------------------------------------------------------------

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    return VirtualClock::Get().SetTimer(hwnd, id, elapse, proc);
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    return VirtualClock::Get().KillTimer(hwnd, id);
}

DWORD GetTickCount()
{
    return static_cast<DWORD>(VirtualClock::Get().Now());
}

ULONGLONG GetTickCount64()
{
    return VirtualClock::Get().Now();
}

// --- dialogs ----------------------------------------------------------------------------------------

HWND CreateDialogIndirectParam(HINSTANCE instance, const DialogTemplate* dialogTemplate, HWND parent, DLGPROC proc,
                               LPARAM initParam)
{
    if (!dialogTemplate) return nullptr;
    return DialogManager::CreateIndirect(instance, *dialogTemplate, parent, proc, initParam);
}

HWND CreateDialogParam(HINSTANCE instance, LPCTSTR templateName, HWND parent, DLGPROC proc, LPARAM initParam)
{
    ResourceId id(templateName);
    const DialogTemplate* t = nullptr;
    if (ResourceModule* module = ResourceModule::FromHandle(instance)) {
        t = module->FindDialog(id);
    } else {
        t = ResourceChain::Get().FindDialog(id);
    }
    if (!t) {
        wm().SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return DialogManager::CreateIndirect(instance, *t, parent, proc, initParam);
}

BOOL EndDialog(HWND dialog, INT_PTR result)
{
    return DialogManager::EndDialog(dialog, result);
}

LRESULT DefDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DialogManager::DefDlgProc(dialog, message, wParam, lParam);
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg)
{
    return DialogManager::IsDialogMessage(dialog, msg);
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    return DialogManager::NextTabItem(dialog, control, previous != FALSE);
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    return DialogManager::NextGroupItem(dialog, control, previous != FALSE);
}

BOOL MapDialogRect(HWND dialog, LPRECT rect)
{
    DialogState* state = DialogManager::State(dialog);
    if (!state || !rect) return FALSE;
    CSize b = state->baseUnits;
    rect->left = MulDiv(rect->left, b.cx, 4);
    rect->right = MulDiv(rect->right, b.cx, 4);
    rect->top = MulDiv(rect->top, b.cy, 8);
    rect->bottom = MulDiv(rect->bottom, b.cy, 8);
    return TRUE;
}

LONG GetDialogBaseUnits()
{
    return static_cast<LONG>(MAKELONG(6, 13));
}

BOOL SetDlgItemText(HWND dialog, int id, LPCTSTR text)
{
    HWND h = GetDlgItem(dialog, id);
    return h ? SetWindowText(h, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, LPTSTR buffer, int size)
{
    HWND h = GetDlgItem(dialog, id);
    if (!h) {
        if (buffer && size > 0) buffer[0] = '\0';
        return 0;
    }
    return static_cast<UINT>(GetWindowText(h, buffer, size));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    CString s;
    if (isSigned) {
        s.Format("%d", static_cast<int>(value));
    } else {
        s.Format("%u", value);
    }
    return SetDlgItemText(dialog, id, s);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    if (translated) *translated = FALSE;
    HWND h = GetDlgItem(dialog, id);
    if (!h) return 0;
    CString text;
    int n = GetWindowTextLength(h);
    GetWindowText(h, text.GetBuffer(n + 1), n + 1);
    text.ReleaseBuffer();
    text.Trim();
    if (text.IsEmpty()) return 0;
    const char* p = text.GetString();
    char* end = nullptr;
    long long v = std::strtoll(p, &end, 10);
    if (!end || *end != '\0') return 0;
    if (isSigned ? (v < INT32_MIN || v > INT32_MAX) : (v < 0 || v > UINT32_MAX)) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(v);
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND h = GetDlgItem(dialog, id);
    return h ? SendMessage(h, message, wParam, lParam) : 0;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check)
{
    HWND h = GetDlgItem(dialog, id);
    if (!h) return FALSE;
    SendMessage(h, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    HWND h = GetDlgItem(dialog, id);
    return h ? static_cast<UINT>(SendMessage(h, BM_GETCHECK, 0, 0)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId)
{
    if (!record(dialog)) return FALSE;
    for (int id = firstId; id <= lastId; ++id) {
        if (HWND h = wm().FindChildById(dialog, id)) {
            SendMessage(h, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    return TRUE;
}

// --- menus ------------------------------------------------------------------------------------------

HMENU GetSystemMenu(HWND hwnd, BOOL revert)
{
    WindowRecord* rec = record(hwnd);
    if (!rec) return nullptr;
    if (revert) {
        if (rec->systemMenu) MenuManager::Get().Destroy(rec->systemMenu);
        rec->systemMenu = nullptr;
        return nullptr;
    }
    if (!(rec->style & WS_SYSMENU)) return nullptr;
    if (!rec->systemMenu) rec->systemMenu = MenuManager::Get().CreateSystemMenu();
    return rec->systemMenu;
}

HMENU CreateMenu()
{
    return MenuManager::Get().Create(false);
}

HMENU CreatePopupMenu()
{
    return MenuManager::Get().Create(true);
}

BOOL DestroyMenu(HMENU menu)
{
    return MenuManager::Get().Destroy(menu);
}

BOOL IsMenu(HMENU menu)
{
    return MenuManager::Get().IsMenu(menu) ? TRUE : FALSE;
}

BOOL AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCTSTR text)
{
    return MenuManager::Get().Append(menu, flags, idNewItem, text);
}

BOOL ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCTSTR text)
{
    return MenuManager::Get().Modify(menu, position, flags, idNewItem, text);
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags)
{
    return MenuManager::Get().Remove(menu, position, flags);
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags)
{
    return MenuManager::Get().Remove(menu, position, flags);
}

UINT EnableMenuItem(HMENU menu, UINT idEnableItem, UINT enable)
{
    return MenuManager::Get().Enable(menu, idEnableItem, enable);
}

UINT GetMenuState(HMENU menu, UINT id, UINT flags)
{
    return MenuManager::Get().State(menu, id, flags);
}

int GetMenuItemCount(HMENU menu)
{
    return MenuManager::Get().Count(menu);
}

UINT GetMenuItemID(HMENU menu, int position)
{
    if (position < 0) return 0xFFFFFFFF;
    const MenuManager::Item* item = MenuManager::Get().FindItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (!item || (item->flags & MF_POPUP)) return 0xFFFFFFFF;
    return static_cast<UINT>(item->id);
}

int GetMenuString(HMENU menu, UINT id, LPTSTR buffer, int size, UINT flags)
{
    const MenuManager::Item* item = MenuManager::Get().FindItem(menu, id, flags);
    if (!item) return 0;
    int n = item->text.GetLength();
    if (buffer && size > 0) {
        n = std::min(n, size - 1);
        std::memcpy(buffer, item->text.GetString(), static_cast<size_t>(n));
        buffer[n] = '\0';
    }
    return n;
}

// --- system values ----------------------------------------------------------------------------------

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return 1280;
    case SM_CYSCREEN: return 1024;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 17;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXFIXEDFRAME:
    case SM_CYFIXEDFRAME: return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CYMENU: return 19;
    case SM_CXFULLSCREEN: return 1280;
    case SM_CYFULLSCREEN: return 1024 - 19;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CXSIZEFRAME:
    case SM_CYSIZEFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
    case SM_CYSMCAPTION: return 16;
    case SM_CXMINIMIZED: return 160;
    case SM_CYMINIMIZED: return 24;
    default: return 0;
    }
}

DWORD GetSysColor(int index)
{
    switch (index) {
    case COLOR_SCROLLBAR: return RGB(192, 192, 192);
    case COLOR_BACKGROUND: return RGB(0, 128, 128);
    case COLOR_ACTIVECAPTION: return RGB(0, 0, 128);
    case COLOR_INACTIVECAPTION: return RGB(128, 128, 128);
    case COLOR_MENU: return RGB(192, 192, 192);
    case COLOR_WINDOW: return RGB(255, 255, 255);
    case COLOR_WINDOWFRAME: return RGB(0, 0, 0);
    case COLOR_MENUTEXT: return RGB(0, 0, 0);
    case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
    case COLOR_CAPTIONTEXT: return RGB(255, 255, 255);
    case COLOR_ACTIVEBORDER: return RGB(192, 192, 192);
    case COLOR_INACTIVEBORDER: return RGB(192, 192, 192);
    case COLOR_APPWORKSPACE: return RGB(128, 128, 128);
    case COLOR_HIGHLIGHT: return RGB(0, 0, 128);
    case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
    case COLOR_BTNFACE: return RGB(192, 192, 192);
    case COLOR_BTNSHADOW: return RGB(128, 128, 128);
    case COLOR_GRAYTEXT: return RGB(128, 128, 128);
    case COLOR_BTNTEXT: return RGB(0, 0, 0);
    case COLOR_INACTIVECAPTIONTEXT: return RGB(192, 192, 192);
    case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
    case COLOR_3DDKSHADOW: return RGB(0, 0, 0);
    case COLOR_3DLIGHT: return RGB(223, 223, 223);
    case COLOR_INFOTEXT: return RGB(0, 0, 0);
    case COLOR_INFOBK: return RGB(255, 255, 225);
    case COLOR_HOTLIGHT: return RGB(0, 0, 255);
    case COLOR_GRADIENTACTIVECAPTION: return RGB(16, 132, 208);
    case COLOR_GRADIENTINACTIVECAPTION: return RGB(181, 181, 181);
    default: return 0;
    }
}

// --- message boxes and resources --------------------------------------------------------------------

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type)
{
    return Automation::Get().ShowMessageBox(owner, text ? text : "", caption ? caption : "Error", type);
}

BOOL MessageBeep(UINT type)
{
    Automation::Get().Beep(type);
    return TRUE;
}

HICON LoadIcon(HINSTANCE instance, LPCTSTR name)
{
    ResourceId id(name);
    if (!instance) return ResourceChain::Get().FrameworkModule().FindIcon(id);
    ResourceModule* module = ResourceModule::FromHandle(instance);
    return module ? module->FindIcon(id) : nullptr;
}

int LoadString(HINSTANCE instance, UINT id, LPTSTR buffer, int size)
{
    const CString* s = nullptr;
    if (ResourceModule* module = ResourceModule::FromHandle(instance)) {
        s = module->FindString(id);
    } else {
        s = ResourceChain::Get().FindString(id);
    }
    if (!s || !buffer || size <= 0) {
        if (buffer && size > 0) buffer[0] = '\0';
        return 0;
    }
    int n = std::min(s->GetLength(), size - 1);
    std::memcpy(buffer, s->GetString(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

BOOL DestroyIcon(HICON icon)
{
    // Icons belong to their resource modules; destroying a shared icon is a no-op, as documented.
    return icon ? TRUE : FALSE;
}

DWORD GetLastError()
{
    return wm().LastError();
}

void SetLastError(DWORD error)
{
    wm().SetLastError(error);
}
