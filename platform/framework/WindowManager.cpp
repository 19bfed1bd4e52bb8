#include "platform/framework/WindowManager.h"

#include <algorithm>
#include <cstring>

#include "platform/framework/ClassicLook.h"
#include "platform/framework/CWnd.h"
#include "platform/framework/DialogState.h"
#include "platform/framework/FrameworkError.h"
#include "platform/framework/MenuManager.h"
#include "platform/framework/StandardControls.h"
#include "platform/framework/VirtualClock.h"

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
constexpr int kDefaultWidth = 400;
constexpr int kDefaultHeight = 300;

CString classKey(LPCTSTR name)
{
    CString key(name ? name : "");
    key.MakeUpper();
    return key;
}

// Keeps the dispatch depth right however a window procedure returns.
struct DepthGuard {
    int& depth;
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
};

} // namespace

WindowRecord::WindowRecord() = default;

WindowRecord::~WindowRecord()
{
    // Normally deleted with the window; the desktop's lives as long as the process.
    if (temporary) CWnd::DeleteTemporary(temporary);
}

WindowManager& WindowManager::make()
{
    s_instance = new WindowManager;
    return *s_instance;
}

WindowManager::WindowManager()
{
    // The desktop: the screen, always there, parent of nothing but listing the top-level windows.
    auto rec = std::make_unique<WindowRecord>();
    m_desktop = newHandle();
    rec->handle = m_desktop;
    rec->style = WS_VISIBLE | WS_POPUP;
    rec->rect = CRect(0, 0, kScreenWidth, kScreenHeight);
    m_windows.emplace(m_desktop, std::move(rec));
    registerStandardClasses();
    m_windows[m_desktop]->windowClass = FindClass("#32769");
    m_windows[m_desktop]->proc = m_windows[m_desktop]->windowClass->proc;
}

HWND WindowManager::newHandle()
{
    // Multiples of 16 from 0x10000 up: far from the small values that mean HWND_TOPMOST and
    // friends, and from integer resource names.
    ++m_nextSerial;
    return reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x10000 + m_nextSerial * 16));
}

void WindowManager::registerStandardClasses()
{
    // Replacing, so that a test that registered its own procedure under a standard name does not
    // leave it to the next one; classes of other names stay registered.
    WNDCLASS desktop;
    desktop.lpszClassName = "#32769";
    desktop.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        return WindowManager::Get().DefWindowProc(h, m, w, l);
    };
    RegisterClass(desktop, nullptr, true);
    WNDCLASS plain;
    plain.lpszClassName = "AfxWnd";
    plain.lpfnWndProc = desktop.lpfnWndProc;
    RegisterClass(plain, nullptr, true);
    StandardControls::Register(*this);
}

void WindowManager::Reset()
{
    // Windows first (their handlers may still look at classes, focus or the queue).
    for (int guard = 0; !m_topLevel.empty() && guard < 100000; ++guard) {
        HWND h = m_topLevel.front();
        try {
            DestroyWindow(h);
        } catch (...) {
            // Cleanup must finish; a handler failing while everything is torn down is not news.
        }
        if (!m_topLevel.empty() && m_topLevel.front() == h) {
            // The window refused to go (cannot happen unless a record is corrupt): drop it.
            m_topLevel.erase(m_topLevel.begin());
        }
    }
    m_queue.clear();
    m_current.clear();
    m_focus = m_active = m_capture = m_lockout = nullptr;
    m_keys.fill(false);
    m_lastError = 0;
    if (m_depth == 0) m_graveyard.clear();
    m_windows[m_desktop]->children.clear();
    registerStandardClasses();
}

// --- classes ----------------------------------------------------------------------------------------

ATOM WindowManager::RegisterClass(const WNDCLASS& wc, CWnd* (*makeTemporary)(), bool replace)
{
    if (!wc.lpszClassName || !*wc.lpszClassName || !wc.lpfnWndProc) {
        m_lastError = ERROR_INVALID_PARAMETER;
        return 0;
    }
    CString key = classKey(wc.lpszClassName);
    auto it = m_classes.find(key);
    if (it != m_classes.end() && !replace) {
        m_lastError = ERROR_CLASS_ALREADY_EXISTS;
        return 0;
    }
    auto info = std::make_unique<WindowClassInfo>();
    info->name = wc.lpszClassName;
    info->proc = wc.lpfnWndProc;
    info->style = wc.style;
    info->classExtra = std::max(0, wc.cbClsExtra);
    info->windowExtra = std::max(0, wc.cbWndExtra);
    info->instance = wc.hInstance;
    info->icon = wc.hIcon;
    info->background = wc.hbrBackground;
    info->makeTemporary = makeTemporary;
    if (it != m_classes.end()) {
        // Live windows point at the old record: update it in place.
        *it->second = *info;
    } else {
        m_classes.emplace(key, std::move(info));
    }
    return static_cast<ATOM>(0xC000 + std::distance(m_classes.begin(), m_classes.find(key)));
}

BOOL WindowManager::UnregisterClass(LPCTSTR name)
{
    auto it = m_classes.find(classKey(name));
    if (it == m_classes.end()) {
        m_lastError = ERROR_CLASS_DOES_NOT_EXIST;
        return FALSE;
    }
    for (auto& [h, rec] : m_windows) {
        if (rec->windowClass == it->second.get()) return FALSE; // still in use, as documented
    }
    m_classes.erase(it);
    return TRUE;
}

const WindowClassInfo* WindowManager::FindClass(LPCTSTR name) const
{
    auto it = m_classes.find(classKey(name));
    return it == m_classes.end() ? nullptr : it->second.get();
}

// --- windows ----------------------------------------------------------------------------------------

WindowRecord* WindowManager::findRecord(HWND hwnd) const
{
    if (!hwnd) return nullptr;
    Found& slot = m_found[foundSlot(hwnd)];
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return nullptr;
    slot = {hwnd, it->second.get()};
    return slot.record;
}

std::vector<HWND> WindowManager::Children(HWND hwnd) const
{
    if (hwnd == m_desktop) return m_topLevel;
    WindowRecord* rec = Find(hwnd);
    return rec ? rec->children : std::vector<HWND>{};
}

HWND WindowManager::Root(HWND hwnd) const
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || hwnd == m_desktop) return nullptr;
    while (rec->IsChild() && rec->parent) {
        WindowRecord* up = Find(rec->parent);
        if (!up) break;
        rec = up;
    }
    return rec->handle;
}

bool WindowManager::IsDescendant(HWND ancestor, HWND hwnd) const
{
    WindowRecord* rec = Find(hwnd);
    while (rec && rec->IsChild() && rec->parent) {
        if (rec->parent == ancestor) return true;
        rec = Find(rec->parent);
    }
    return false;
}

bool WindowManager::IsEffectivelyVisible(HWND hwnd) const
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) return false;
    while (rec) {
        if (!rec->IsVisible()) return false;
        if (!rec->IsChild()) return true;
        rec = Find(rec->parent);
    }
    return true;
}

bool WindowManager::IsEffectivelyEnabled(HWND hwnd) const
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) return false;
    while (rec) {
        if (!rec->IsEnabled()) return false;
        if (!rec->IsChild()) return true;
        rec = Find(rec->parent);
    }
    return true;
}

HWND WindowManager::FindChildById(HWND parent, int id) const
{
    WindowRecord* rec = Find(parent);
    if (!rec) return nullptr;
    for (HWND c : rec->children) {
        WindowRecord* child = Find(c);
        if (child && static_cast<int>(child->id) == id) return c;
    }
    return nullptr;
}

HWND WindowManager::CreateWindowEx(const CREATESTRUCT& csIn, CWnd* attach, std::unique_ptr<DialogState> dialog)
{
    const WindowClassInfo* cls = FindClass(csIn.lpszClass);
    if (!cls) {
        m_lastError = ERROR_CANNOT_FIND_WND_CLASS;
        return nullptr;
    }
    CREATESTRUCT cs = csIn;
    HWND parent = cs.hwndParent == m_desktop ? nullptr : cs.hwndParent;
    WindowRecord* parentRec = nullptr;
    if (parent) {
        parentRec = Find(parent);
        if (!parentRec) {
            m_lastError = ERROR_INVALID_WINDOW_HANDLE;
            return nullptr;
        }
    }
    bool child = (cs.style & WS_CHILD) != 0;
    if (child && !parentRec) {
        m_lastError = 1406; // ERROR_TLW_WITH_WSCHILD: a child window needs a parent
        return nullptr;
    }

    auto rec = std::make_unique<WindowRecord>();
    HWND h = newHandle();
    rec->handle = h;
    rec->windowClass = cls;
    rec->proc = cls->proc;
    rec->instance = cs.hInstance;
    bool visible = (cs.style & WS_VISIBLE) != 0;
    rec->style = static_cast<DWORD>(cs.style) & ~WS_VISIBLE;
    rec->exStyle = cs.dwExStyle;
    rec->extra.assign(static_cast<size_t>(cls->windowExtra), 0);
    rec->dialog = std::move(dialog);
    if (cs.lpszName) rec->text = cs.lpszName; // also set by WM_NCCREATE's default handling

    int x = cs.x == CW_USEDEFAULT ? 0 : cs.x;
    int y = cs.y == CW_USEDEFAULT ? 0 : cs.y;
    int cx = cs.cx == CW_USEDEFAULT ? kDefaultWidth : std::max(0, cs.cx);
    int cy = cs.cy == CW_USEDEFAULT ? kDefaultHeight : std::max(0, cs.cy);
    if (child) {
        rec->parent = parent;
        rec->id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(cs.hMenu));
        CRect pc = ClientRectOnScreen(parent);
        rec->rect = CRect(pc.left + x, pc.top + y, pc.left + x + cx, pc.top + y + cy);
    } else {
        rec->owner = parent ? Root(parent) : nullptr;
        rec->rect = CRect(x, y, x + cx, y + cy);
    }
    rec->restoreRect = rec->rect;

    WindowRecord* raw = rec.get();
    m_windows.emplace(h, std::move(rec));
    if (child) {
        parentRec->children.push_back(h); // new controls go to the bottom: creation order is tab order
    } else {
        placeInZOrder(*raw, (raw->exStyle & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP);
    }
    if (attach) CWnd::HookCreatedWindow(attach, h);

    try {
        cs.hwndParent = parent;
        if (!Send(h, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
            DestroyWindow(h);
            return nullptr;
        }
        if (!Find(h)) return nullptr;
        if (Send(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
            DestroyWindow(h);
            return nullptr;
        }
        if (!Find(h)) return nullptr;
        CRect client = ClientRect(h);
        Send(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(client.Width()), static_cast<WORD>(client.Height())));
        if (WindowRecord* r = Find(h)) {
            CPoint origin = ClientRectOnScreen(h).TopLeft();
            if (r->IsChild()) origin -= ClientRectOnScreen(r->parent).TopLeft();
            Send(h, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
        }
        if (visible && Find(h)) ShowWindow(h, SW_SHOW);
    } catch (...) {
        if (Find(h)) {
            try {
                DestroyWindow(h);
            } catch (...) {
            }
        }
        throw;
    }
    return Find(h) ? h : nullptr;
}

BOOL WindowManager::DestroyWindow(HWND hwnd)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || hwnd == m_desktop) {
        m_lastError = ERROR_INVALID_WINDOW_HANDLE;
        return FALSE;
    }
    if (rec->destroying) return TRUE;

    std::exception_ptr error;
    // Windows it owns go first.
    if (!rec->IsChild()) {
        std::vector<HWND> owned;
        for (HWND t : m_topLevel) {
            WindowRecord* r = Find(t);
            if (r && r->owner == hwnd) owned.push_back(t);
        }
        for (HWND o : owned) {
            try {
                DestroyWindow(o);
            } catch (...) {
                if (!error) error = std::current_exception();
            }
        }
    }
    rec = Find(hwnd);
    if (!rec || rec->destroying) {
        if (error) std::rethrow_exception(error);
        return TRUE;
    }

    // Hide it without messages, then let the focus, activation and capture go elsewhere.
    bool wasVisible = rec->IsVisible();
    rec->style &= ~WS_VISIBLE;
    if (wasVisible && rec->IsChild()) Invalidate(rec->parent, nullptr, true);
    if (m_capture && (m_capture == hwnd || IsDescendant(hwnd, m_capture))) m_capture = nullptr;
    if (m_focus && (m_focus == hwnd || IsDescendant(hwnd, m_focus))) {
        m_focus = nullptr;
        // A control losing the focus to its destruction hands it to its dialog, as documented.
        if (rec->IsChild()) {
            HWND root = Root(hwnd);
            if (root && root == m_active) m_focus = root;
        }
    }
    if (!rec->IsChild() && m_active == hwnd) {
        try {
            activateAnother(hwnd);
        } catch (...) {
            if (!error) error = std::current_exception();
        }
    }

    destroyTree(hwnd, error);
    flushGraveyard();
    if (error) std::rethrow_exception(error);
    return TRUE;
}

void WindowManager::destroyTree(HWND hwnd, std::exception_ptr& error)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) return;
    rec->destroying = true;
    try {
        Send(hwnd, WM_DESTROY, 0, 0);
    } catch (...) {
        if (!error) error = std::current_exception();
    }
    if (WindowRecord* r = Find(hwnd)) {
        std::vector<HWND> children = r->children;
        for (HWND c : children) destroyTree(c, error);
    }
    VirtualClock::Get().KillTimers(hwnd);
    try {
        Send(hwnd, WM_NCDESTROY, 0, 0);
    } catch (...) {
        if (!error) error = std::current_exception();
    }
    rec = Find(hwnd);
    if (!rec) return;
    for (auto& listener : m_destroyListeners) listener(hwnd);
    // An object that did not detach itself (attached without subclassing) must not keep the handle.
    if (rec->object) CWnd::ForgetDestroyedWindow(rec->object, hwnd);
    rec->object = nullptr;
    if (rec->temporary) {
        CWnd* temp = rec->temporary;
        rec->temporary = nullptr;
        CWnd::DeleteTemporary(temp);
    }
    if (rec->systemMenu) MenuManager::Get().Destroy(rec->systemMenu);
    rec->systemMenu = nullptr;
    if (m_focus == hwnd) m_focus = nullptr;
    if (m_active == hwnd) m_active = nullptr;
    if (m_capture == hwnd) m_capture = nullptr;
    if (m_lockout == hwnd) m_lockout = nullptr;
    unlink(*rec);
    bury(hwnd);
}

void WindowManager::unlink(WindowRecord& rec)
{
    auto& list = siblingList(rec);
    list.erase(std::remove(list.begin(), list.end(), rec.handle), list.end());
    for (auto& [h, r] : m_windows) {
        if (r->savedFocus == rec.handle) r->savedFocus = nullptr;
        if (r->owner == rec.handle) r->owner = nullptr;
    }
}

void WindowManager::bury(HWND hwnd)
{
    auto it = m_windows.find(hwnd);
    if (it == m_windows.end()) return;
    m_graveyard.push_back(std::move(it->second));
    m_windows.erase(it);
    if (Found& slot = m_found[foundSlot(hwnd)]; slot.hwnd == hwnd) slot = Found();
}

void WindowManager::flushGraveyard()
{
    if (m_depth == 0) m_graveyard.clear();
}

std::vector<HWND>& WindowManager::siblingList(WindowRecord& rec)
{
    if (rec.IsChild()) {
        if (WindowRecord* p = Find(rec.parent)) return p->children;
    }
    return m_topLevel;
}

void WindowManager::placeInZOrder(WindowRecord& rec, HWND insertAfter)
{
    auto& list = siblingList(rec);
    list.erase(std::remove(list.begin(), list.end(), rec.handle), list.end());
    if (!rec.IsChild()) {
        if (insertAfter == HWND_TOPMOST) rec.exStyle |= WS_EX_TOPMOST;
        if (insertAfter == HWND_NOTOPMOST || insertAfter == HWND_BOTTOM) rec.exStyle &= ~WS_EX_TOPMOST;
        // Topmost windows form a band above the others.
        size_t bandStart = 0, bandEnd = 0;
        for (HWND t : list) {
            WindowRecord* r = Find(t);
            if (r && (r->exStyle & WS_EX_TOPMOST)) ++bandEnd;
        }
        if (!(rec.exStyle & WS_EX_TOPMOST)) {
            bandStart = bandEnd;
            bandEnd = list.size();
        }
        size_t pos = bandStart;
        if (insertAfter == HWND_BOTTOM) {
            pos = bandEnd;
        } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
            auto it = std::find(list.begin(), list.end(), insertAfter);
            if (it != list.end()) pos = std::clamp<size_t>(static_cast<size_t>(it - list.begin()) + 1, bandStart, bandEnd);
        }
        list.insert(list.begin() + static_cast<std::ptrdiff_t>(pos), rec.handle);
        return;
    }
    size_t pos = 0;
    if (insertAfter == HWND_BOTTOM) {
        pos = list.size();
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
        auto it = std::find(list.begin(), list.end(), insertAfter);
        if (it != list.end()) pos = static_cast<size_t>(it - list.begin()) + 1;
    }
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(pos), rec.handle);
}

// --- messages ---------------------------------------------------------------------------------------

LRESULT WindowManager::Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) {
        m_lastError = ERROR_INVALID_WINDOW_HANDLE;
        return 0;
    }
    if (m_depth >= kMaxSendDepth) {
        CString what;
        what.Format("message 0x%04X to a \"%s\" window nested %d deep: a handler keeps sending messages "
                    "that come back to it",
                    message, rec->windowClass ? rec->windowClass->name.GetString() : "?", m_depth);
        throw FrameworkError(what.str());
    }
    WNDPROC proc = rec->proc;
    LRESULT result;
    {
        DepthGuard guard(m_depth);
        result = proc(hwnd, message, wParam, lParam);
    }
    flushGraveyard();
    return result;
}

BOOL WindowManager::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd && !Find(hwnd)) {
        m_lastError = ERROR_INVALID_WINDOW_HANDLE;
        return FALSE;
    }
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(VirtualClock::Get().Now());
    m_queue.push_back(msg);
    return TRUE;
}

BOOL WindowManager::PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!Find(hwnd) || IsEffectivelyEnabled(hwnd)) return Post(hwnd, message, wParam, lParam);
    if (message < WM_MOUSEFIRST || message > WM_MOUSELAST) return FALSE;
    HWND target = hwnd;
    while (target && !IsEffectivelyEnabled(target)) {
        WindowRecord* rec = Find(target);
        target = rec && rec->IsChild() ? rec->parent : nullptr;
    }
    if (!target) return FALSE;
    const CPoint from = ClientRectOnScreen(hwnd).TopLeft(), to = ClientRectOnScreen(target).TopLeft();
    const int x = static_cast<SHORT>(LOWORD(static_cast<DWORD_PTR>(lParam))) + from.x - to.x;
    const int y = static_cast<SHORT>(HIWORD(static_cast<DWORD_PTR>(lParam))) + from.y - to.y;
    return Post(target, message, wParam, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

void WindowManager::PostFront(const MSG& msg)
{
    m_queue.push_front(msg);
}

bool WindowManager::Peek(MSG& msg, bool remove)
{
    if (m_queue.empty()) return false;
    msg = m_queue.front();
    if (remove) m_queue.pop_front();
    return true;
}

LRESULT WindowManager::DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) return 0;
    // The painting messages and the control colours: the classic look answers them.
    if (LRESULT painted = 0; ClassicLook::DefWindowProc(hwnd, message, wParam, lParam, painted)) return painted;
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCT*>(lParam);
        if (cs && cs->lpszName) rec->text = cs->lpszName;
        return TRUE;
    }
    case WM_SETTEXT:
        rec->text = lParam ? reinterpret_cast<LPCTSTR>(lParam) : "";
        Invalidate(hwnd, nullptr, true);
        return TRUE;
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<LPTSTR>(lParam);
        if (!buffer || wParam == 0) return 0;
        size_t n = std::min<size_t>(static_cast<size_t>(rec->text.GetLength()), static_cast<size_t>(wParam) - 1);
        std::memcpy(buffer, rec->text.GetString(), n);
        buffer[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
        return rec->text.GetLength();
    case WM_SETFONT:
        rec->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(static_cast<DWORD_PTR>(lParam))) Invalidate(hwnd, nullptr, true);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(rec->font);
    case WM_SETICON: {
        HICON old = wParam == ICON_BIG ? rec->bigIcon : rec->smallIcon;
        (wParam == ICON_BIG ? rec->bigIcon : rec->smallIcon) = reinterpret_cast<HICON>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case WM_GETICON:
        return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? rec->bigIcon : rec->smallIcon);
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE:
            Send(hwnd, WM_CLOSE, 0, 0);
            break;
        case SC_MINIMIZE:
            ShowWindow(hwnd, SW_MINIMIZE);
            break;
        case SC_MAXIMIZE:
            ShowWindow(hwnd, SW_MAXIMIZE);
            break;
        case SC_RESTORE:
            ShowWindow(hwnd, SW_RESTORE);
            break;
        default:
            break;
        }
        return 0;
    case WM_NCHITTEST: {
        // Where a screen point lies in the classic frame; a minimised window is all caption (it is
        // dragged by its icon).
        CPoint p(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        if (!rec->rect.PtInRect(p)) return HTNOWHERE;
        if (rec->style & WS_MINIMIZE) return HTCAPTION;
        if (ClientRectOnScreen(hwnd).PtInRect(p)) return HTCLIENT;
        CPoint w(p.x - rec->rect.left, p.y - rec->rect.top);
        if (ClassicLook::CloseBoxRect(hwnd).PtInRect(w)) return HTCLOSE;
        if (ClassicLook::MinimizeBoxRect(hwnd).PtInRect(w)) return HTMINBUTTON;
        if (ClassicLook::MaximizeBoxRect(hwnd).PtInRect(w)) return HTMAXBUTTON;
        if (ClassicLook::IconRect(hwnd).PtInRect(w)) return HTSYSMENU;
        if (ClassicLook::CaptionRect(hwnd).PtInRect(w)) return HTCAPTION;
        return HTBORDER;
    }
    case WM_MOUSEACTIVATE:
        return 1; // MA_ACTIVATE
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(rec->windowClass ? rec->windowClass->icon : nullptr);
    default:
        return 0;
    }
}

// --- state ------------------------------------------------------------------------------------------

void WindowManager::SetText(HWND hwnd, const CString& text)
{
    if (WindowRecord* rec = Find(hwnd)) {
        rec->text = text;
        Invalidate(hwnd, nullptr, true);
    }
}

CRect WindowManager::NonClientInsets(DWORD style, DWORD exStyle)
{
    if ((style & WS_MINIMIZE) && !(style & WS_CHILD)) {
        const int side = (kIconCellWidth - 32) / 2, top = kIconCellHeight - kIconTitleHeight - 32;
        return CRect(side, top, side, kIconTitleHeight);
    }
    int frame = 0;
    if (style & WS_THICKFRAME) {
        frame = 4;
    } else if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) {
        frame = 3;
    } else if (style & WS_BORDER) {
        frame = 1;
    }
    CRect insets(frame, frame, frame, frame);
    if ((style & WS_CAPTION) == WS_CAPTION) insets.top += (exStyle & WS_EX_TOOLWINDOW) ? 16 : 19;
    int edge = ((exStyle & WS_EX_CLIENTEDGE) ? 2 : 0) + ((exStyle & WS_EX_STATICEDGE) ? 1 : 0);
    insets.left += edge;
    insets.top += edge;
    insets.right += edge;
    insets.bottom += edge;
    if (style & WS_VSCROLL) insets.right += 17;
    if (style & WS_HSCROLL) insets.bottom += 17;
    return insets;
}

CRect WindowManager::ClientRectOnScreen(HWND hwnd) const
{
    if (hwnd == m_desktop || !hwnd) return CRect(0, 0, kScreenWidth, kScreenHeight);
    WindowRecord* rec = Find(hwnd);
    if (!rec) return CRect();
    CRect in = NonClientInsets(rec->style, rec->exStyle);
    CRect r(rec->rect.left + in.left, rec->rect.top + in.top, rec->rect.right - in.right, rec->rect.bottom - in.bottom);
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

CRect WindowManager::ClientRect(HWND hwnd) const
{
    CRect r = ClientRectOnScreen(hwnd);
    return CRect(0, 0, r.Width(), r.Height());
}

void WindowManager::offsetTree(WindowRecord& rec, int dx, int dy)
{
    for (HWND c : rec.children) {
        if (WindowRecord* child = Find(c)) {
            child->rect.OffsetRect(dx, dy);
            child->restoreRect.OffsetRect(dx, dy);
            offsetTree(*child, dx, dy);
        }
    }
}

BOOL WindowManager::SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || hwnd == m_desktop) {
        m_lastError = ERROR_INVALID_WINDOW_HANDLE;
        return FALSE;
    }
    CRect old = rec->rect;
    CRect oldClient = ClientRect(hwnd);
    CRect target = old;
    if (!(flags & SWP_NOMOVE)) {
        CPoint origin(0, 0);
        if (rec->IsChild()) origin = ClientRectOnScreen(rec->parent).TopLeft();
        target.MoveToXY(origin.x + x, origin.y + y);
    }
    if (!(flags & SWP_NOSIZE)) {
        target.right = target.left + std::max(0, cx);
        target.bottom = target.top + std::max(0, cy);
    }
    bool moved = target.TopLeft() != old.TopLeft();
    bool sized = target.Size() != old.Size();
    rec->rect = target;
    if (!(rec->style & (WS_MINIMIZE | WS_MAXIMIZE))) rec->restoreRect = target;
    if (moved) offsetTree(*rec, target.left - old.left, target.top - old.top);

    if (!(flags & SWP_NOZORDER)) placeInZOrder(*rec, insertAfter);

    bool wasVisible = rec->IsVisible();
    if (flags & SWP_SHOWWINDOW) rec->style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW) rec->style &= ~WS_VISIBLE;
    bool visibilityChanged = wasVisible != rec->IsVisible();

    if (!(flags & SWP_NOREDRAW) && (moved || sized || visibilityChanged || (flags & SWP_FRAMECHANGED))) {
        if (rec->IsVisible()) Invalidate(hwnd, nullptr, true);
        if (rec->IsChild()) Invalidate(rec->parent, nullptr, true);
    }

    if (visibilityChanged && !rec->IsVisible()) {
        if (m_focus && (m_focus == hwnd || IsDescendant(hwnd, m_focus))) {
            HWND root = Root(hwnd);
            m_focus = (rec->IsChild() && root == m_active) ? root : nullptr;
        }
        if (!rec->IsChild() && m_active == hwnd) activateAnother(hwnd);
    }

    CRect client = ClientRect(hwnd);
    if (moved) {
        CPoint origin = ClientRectOnScreen(hwnd).TopLeft();
        if (rec->IsChild()) origin -= ClientRectOnScreen(rec->parent).TopLeft();
        Send(hwnd, WM_MOVE, 0, MAKELPARAM(static_cast<WORD>(origin.x), static_cast<WORD>(origin.y)));
    }
    if (Find(hwnd) && (sized || client.Size() != oldClient.Size())) {
        WindowRecord* r = Find(hwnd);
        WPARAM type = (r->style & WS_MINIMIZE) ? SIZE_MINIMIZED : (r->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
        Send(hwnd, WM_SIZE, type, MAKELPARAM(static_cast<WORD>(client.Width()), static_cast<WORD>(client.Height())));
    }
    WindowRecord* r = Find(hwnd);
    if (r && !r->IsChild() && r->IsVisible() && !(flags & SWP_NOACTIVATE) &&
        ((flags & SWP_SHOWWINDOW) || !(flags & SWP_NOZORDER))) {
        Activate(hwnd);
    }
    return TRUE;
}

BOOL WindowManager::ShowWindow(HWND hwnd, int command)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || hwnd == m_desktop) return FALSE;
    BOOL wasVisible = rec->IsVisible() ? TRUE : FALSE;
    bool activate = true;
    switch (command) {
    case SW_HIDE:
        if (wasVisible) {
            Send(hwnd, WM_SHOWWINDOW, FALSE, 0);
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return wasVisible;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        if (!(rec->style & WS_MINIMIZE)) {
            rec->iconicFrom = rec->rect;
            rec->iconicFromMaximized = (rec->style & WS_MAXIMIZE) != 0;
            rec->style = (rec->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
            Invalidate(hwnd, nullptr, true);
            if (!rec->IsChild()) {
                // To its icon cell (the move and the new size notify as any other would).
                CRect cell = freeIconCell(hwnd);
                SetWindowPos(hwnd, nullptr, cell.left, cell.top, cell.Width(), cell.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            } else {
                CRect c = ClientRect(hwnd);
                Send(hwnd, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(static_cast<WORD>(c.Width()), static_cast<WORD>(c.Height())));
            }
            rec = Find(hwnd);
            if (!rec) return wasVisible;
        }
        activate = command == SW_SHOWMINIMIZED;
        break;
    case SW_MAXIMIZE:
        if (!(rec->style & WS_MAXIMIZE) && !rec->IsChild()) {
            if (!(rec->style & WS_MINIMIZE)) rec->restoreRect = rec->rect;
            rec->style = (rec->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
            CRect screen = ClientRectOnScreen(m_desktop);
            SetWindowPos(hwnd, nullptr, screen.left, screen.top, screen.Width(), screen.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        if (rec->style & (WS_MINIMIZE | WS_MAXIMIZE)) {
            bool wasMax = (rec->style & WS_MAXIMIZE) != 0;
            const bool fromIcon = (rec->style & WS_MINIMIZE) && !rec->IsChild();
            rec->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            if (fromIcon && rec->iconicFromMaximized) rec->style |= WS_MAXIMIZE;
            Invalidate(hwnd, nullptr, true);
            if (fromIcon || wasMax) {
                CRect r = fromIcon ? rec->iconicFrom : rec->restoreRect;
                SetWindowPos(hwnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            } else {
                CRect c = ClientRect(hwnd);
                Send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(c.Width()), static_cast<WORD>(c.Height())));
            }
        }
        break;
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA:
        activate = false;
        break;
    default:
        break;
    }
    rec = Find(hwnd);
    if (!rec) return wasVisible;
    if (!rec->IsVisible()) {
        Send(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!Find(hwnd)) return wasVisible;
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    rec = Find(hwnd);
    if (rec && activate && !rec->IsChild()) Activate(hwnd);
    if (rec && command == SW_MINIMIZE && m_active == hwnd) activateAnother(hwnd);
    return wasVisible;
}

BOOL WindowManager::EnableWindow(HWND hwnd, BOOL enable)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) return FALSE;
    BOOL wasDisabled = rec->IsEnabled() ? FALSE : TRUE;
    if (static_cast<bool>(enable) == rec->IsEnabled()) return wasDisabled;
    if (enable) {
        rec->style &= ~WS_DISABLED;
    } else {
        rec->style |= WS_DISABLED;
        // The window itself cannot keep the focus; a control inside keeps it (a modal dialog's
        // owner remembers where the operator was).
        if (m_focus == hwnd) SetFocus(nullptr);
        if (m_capture && (m_capture == hwnd || IsDescendant(hwnd, m_capture))) ReleaseCapture();
    }
    // Whatever looks different when disabled repaints itself on WM_ENABLE.
    Send(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

DWORD WindowManager::SetStyle(HWND hwnd, int index, DWORD value)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) return 0;
    DWORD& field = index == GWL_EXSTYLE ? rec->exStyle : rec->style;
    DWORD old = field;
    if (old == value) return old;
    STYLESTRUCT ss{old, value};
    Send(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
    rec = Find(hwnd);
    if (!rec) return old;
    DWORD& f = index == GWL_EXSTYLE ? rec->exStyle : rec->style;
    bool wasVisible = rec->IsVisible();
    bool wasEnabled = rec->IsEnabled();
    f = ss.styleNew;
    if (index == GWL_EXSTYLE && ((old ^ f) & WS_EX_TOPMOST) && !rec->IsChild()) {
        placeInZOrder(*rec, (f & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST);
    }
    if (index == GWL_STYLE && wasVisible && !rec->IsVisible()) {
        if (m_focus && (m_focus == hwnd || IsDescendant(hwnd, m_focus))) m_focus = nullptr;
    }
    if (index == GWL_STYLE && wasEnabled && !rec->IsEnabled() && m_focus == hwnd) m_focus = nullptr;
    Send(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
    return old;
}

// --- focus, activation, capture ---------------------------------------------------------------------

HWND WindowManager::SetFocus(HWND hwnd)
{
    HWND old = m_focus;
    if (!hwnd) {
        m_focus = nullptr;
        if (old && Find(old)) Send(old, WM_KILLFOCUS, 0, 0);
        return old;
    }
    WindowRecord* rec = Find(hwnd);
    if (!rec || hwnd == m_desktop) {
        m_lastError = ERROR_INVALID_WINDOW_HANDLE;
        return nullptr;
    }
    if (hwnd == m_focus) return old;
    HWND root = Root(hwnd);
    if (root && root != m_active) {
        Activate(root);
        if (m_focus == hwnd) return old;
        old = m_focus;
    }
    m_focus = hwnd;
    if (old && Find(old)) Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (m_focus == hwnd && Find(hwnd)) Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND WindowManager::Activate(HWND hwnd)
{
    HWND old = m_active;
    WindowRecord* rec = Find(hwnd);
    if (!rec || hwnd == m_desktop) return old;
    HWND root = Root(hwnd);
    if (root != hwnd) {
        hwnd = root;
        rec = Find(hwnd);
    }
    if (hwnd == m_active) return old;
    if (WindowRecord* o = Find(old)) {
        if (m_focus && (m_focus == old || IsDescendant(old, m_focus))) o->savedFocus = m_focus;
        Send(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hwnd));
    }
    if (!Find(hwnd)) return old;
    m_active = hwnd;
    placeInZOrder(*Find(hwnd), HWND_TOP);
    Send(hwnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
    rec = Find(hwnd);
    if (rec && m_active == hwnd && !(m_focus && (m_focus == hwnd || IsDescendant(hwnd, m_focus)))) {
        HWND target = rec->savedFocus && IsDescendant(hwnd, rec->savedFocus) ? rec->savedFocus : hwnd;
        SetFocus(target);
    }
    return old;
}

CRect WindowManager::freeIconCell(HWND hwnd) const
{
    const CRect screen = ClientRectOnScreen(m_desktop);
    const int perRow = std::max(1, screen.Width() / kIconCellWidth);
    for (int cell = 0;; ++cell) {
        CRect r(0, 0, kIconCellWidth, kIconCellHeight);
        r.OffsetRect(screen.left + (cell % perRow) * kIconCellWidth, screen.bottom - (1 + cell / perRow) * kIconCellHeight);
        bool taken = false;
        for (HWND t : m_topLevel) {
            WindowRecord* other = Find(t);
            taken = taken || (t != hwnd && other && other->IsVisible() && (other->style & WS_MINIMIZE) && other->rect == r);
        }
        if (!taken || r.top < screen.top) return r;
    }
}

void WindowManager::activateAnother(HWND leaving)
{
    WindowRecord* rec = Find(leaving);
    HWND next = nullptr;
    if (rec && rec->owner && IsEffectivelyVisible(rec->owner) && IsEffectivelyEnabled(rec->owner)) next = rec->owner;
    if (!next) {
        for (HWND t : m_topLevel) {
            if (t != leaving && IsEffectivelyVisible(t) && IsEffectivelyEnabled(t)) {
                WindowRecord* r = Find(t);
                if (r && !(r->style & WS_MINIMIZE)) {
                    next = t;
                    break;
                }
            }
        }
    }
    if (next) {
        Activate(next);
        return;
    }
    if (m_active == leaving) {
        if (m_focus && (m_focus == leaving || IsDescendant(leaving, m_focus))) {
            if (rec) rec->savedFocus = m_focus;
            SetFocus(nullptr);
        }
        m_active = nullptr;
        if (Find(leaving)) Send(leaving, WM_ACTIVATE, WA_INACTIVE, 0);
    }
}

HWND WindowManager::SetCapture(HWND hwnd)
{
    HWND old = m_capture;
    if (hwnd && !Find(hwnd)) return old;
    m_capture = hwnd;
    if (old && old != hwnd && Find(old)) Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL WindowManager::ReleaseCapture()
{
    HWND old = m_capture;
    m_capture = nullptr;
    if (old && Find(old)) Send(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

SHORT WindowManager::KeyState(int vk) const
{
    if (vk < 0 || vk > 255) return 0;
    return m_keys[static_cast<size_t>(vk)] ? KEY_DOWN_BIT : static_cast<SHORT>(0);
}

void WindowManager::SetKeyDown(int vk, bool down)
{
    if (vk >= 0 && vk <= 255) m_keys[static_cast<size_t>(vk)] = down;
}

// --- painting requests ------------------------------------------------------------------------------

void WindowManager::Invalidate(HWND hwnd, const RECT* clientRect, bool erase)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || hwnd == m_desktop) return;
    CRect client = ClientRect(hwnd);
    CRect r = clientRect ? CRect(clientRect) & client : client;
    if (r.IsRectEmpty()) {
        if (clientRect) return;
        r = client; // a window without a client area still gets its WM_PAINT
    }
    rec->updateRect = rec->invalid ? (rec->updateRect | r) : r;
    rec->invalid = true;
    rec->eraseBackground = rec->eraseBackground || erase;
}

void WindowManager::Validate(HWND hwnd, const RECT* clientRect)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec) return;
    if (clientRect) {
        CRect r(clientRect);
        CRect covered = rec->updateRect & r;
        if (covered != rec->updateRect) return; // partly validated: the rest still needs painting
    }
    rec->invalid = false;
    rec->eraseBackground = false;
    rec->updateRect.SetRectEmpty();
}

BOOL WindowManager::TakeUpdate(HWND hwnd, CRect& update, bool& erase)
{
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rec->invalid) {
        update.SetRectEmpty();
        erase = false;
        return FALSE;
    }
    update = rec->updateRect;
    erase = rec->eraseBackground;
    Validate(hwnd, nullptr);
    return TRUE;
}

void WindowManager::collectToPaint(HWND hwnd, HWND& found) const
{
    if (found) return;
    WindowRecord* rec = Find(hwnd);
    if (!rec || !rec->IsVisible()) return;
    if (rec->invalid) {
        found = hwnd;
        return;
    }
    if ((rec->style & WS_MINIMIZE) && !rec->IsChild()) return; // an icon: its children wait
    for (auto it = rec->children.rbegin(); it != rec->children.rend() && !found; ++it) collectToPaint(*it, found);
}

HWND WindowManager::NextWindowToPaint() const
{
    HWND found = nullptr;
    for (auto it = m_topLevel.rbegin(); it != m_topLevel.rend() && !found; ++it) collectToPaint(*it, found);
    return found;
}
