#pragma once
// The window system: window records, the class registry, the posted-message queue, focus,
// activation, capture and the keyboard state. One instance per process (Get); Reset returns it to
// a fresh start (no windows but the desktop, the standard classes, empty queue).
//
// Handles are serial numbers never reused, so a handle kept after its window died is reliably
// "not a window". Records of destroyed windows are kept until no window procedure is running, so
// code unwinding from a message never touches freed memory.
//
// Geometry: a window's rectangle is in screen pixels and includes its non-client area (see the
// metrics in WinUser.h); its client rectangle is what remains inside the frame, caption, edges and
// scroll bars. Moving a window moves its children with it.
//
// Minimised (iconic) top-level windows become their icon on the desktop, as in the classic look:
// the window moves to the first free icon cell along the bottom of the screen, left to right
// (kIconCell: the 32 x 32 icon is its client area, the caption text in a strip below it), its
// children are neither painted nor hit by the pointer, and restoring (SW_RESTORE, SW_SHOWNORMAL,
// SC_RESTORE) puts it back where it was, maximised again if it was. Topmost windows (WS_EX_TOPMOST)
// form a band above the others; activating a window brings it to the top of its band.

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/framework/DialogState.h"
#include "platform/framework/WindowRecord.h"

class WindowManager {
public:
    // Made on first use and never destroyed: framework objects with static storage (the z-order
    // placeholders of CWnd, a host's application window) may be destroyed after any other static
    // object and still ask. Asked for everywhere, so the question is inline.
    static WindowManager& Get() { return s_instance ? *s_instance : make(); }

    // Destroys every window (handlers run as for DestroyWindow), empties the queue and clears focus,
    // capture and keyboard state. Registered classes stay (a library registers its own once); the
    // standard ones get their standard procedures back.
    void Reset();

    // --- classes ----------------------------------------------------------------------------------
    // Registering an existing name fails (ERROR_CLASS_ALREADY_EXISTS) unless `replace` is set.
    ATOM RegisterClass(const WNDCLASS& wc, CWnd* (*makeTemporary)() = nullptr, bool replace = false);
    BOOL UnregisterClass(LPCTSTR name);
    const WindowClassInfo* FindClass(LPCTSTR name) const;

    // --- windows ----------------------------------------------------------------------------------
    WindowRecord* Find(HWND hwnd) const
    {
        const Found& slot = m_found[foundSlot(hwnd)];
        return slot.hwnd == hwnd && hwnd ? slot.record : findRecord(hwnd);
    }
    HWND Desktop() const { return m_desktop; }
    // `attach` is the framework object to hook to the new window before its first message (as the
    // framework's creation hook does); `dialog` becomes the record's dialog state.
    HWND CreateWindowEx(const CREATESTRUCT& cs, CWnd* attach = nullptr,
                        std::unique_ptr<DialogState> dialog = nullptr);
    BOOL DestroyWindow(HWND hwnd);
    // Top-level windows in z-order, topmost first.
    const std::vector<HWND>& TopLevelWindows() const { return m_topLevel; }
    // Children of a window in z-order (top-level windows for the desktop); empty for a non-window.
    std::vector<HWND> Children(HWND hwnd) const;
    HWND Root(HWND hwnd) const;             // the top-level window containing hwnd
    bool IsDescendant(HWND ancestor, HWND hwnd) const;
    // Visible (enabled) itself and all its ancestors.
    bool IsEffectivelyVisible(HWND hwnd) const;
    bool IsEffectivelyEnabled(HWND hwnd) const;
    HWND FindChildById(HWND parent, int id) const;

    // --- messages ---------------------------------------------------------------------------------
    LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Operator input, as the mouse and keyboard produce it (the automation interface posts all its
    // input through here). A disabled window takes no input: a mouse message aimed at a window that
    // is not effectively enabled goes to the nearest enabled window it lies in (its parent, else
    // the parent's parent ...), with the point in that window's client coordinates, as the window
    // under the mouse is found passing over disabled windows; when no window up to the top-level one
    // is enabled (a modal dialog's owner), the message is dropped. Keyboard messages to a disabled
    // window are dropped. The target is chosen when the input is posted, as the operator acts.
    // FALSE when the input was dropped.
    BOOL PostInput(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Puts a message at the head of the queue (the character of a translated key comes next).
    void PostFront(const MSG& msg);
    bool Peek(MSG& msg, bool remove);
    size_t QueuedCount() const { return m_queue.size(); }
    LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Nesting of SendMessage calls in progress (window procedures running).
    int DispatchDepth() const { return m_depth; }
    static constexpr int kMaxSendDepth = 1000;

    // --- state ------------------------------------------------------------------------------------
    void SetText(HWND hwnd, const CString& text); // no message, no notification
    BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ShowWindow(HWND hwnd, int command);
    BOOL EnableWindow(HWND hwnd, BOOL enable);
    // Style changes through GWL_STYLE / GWL_EXSTYLE (WM_STYLECHANGING / WM_STYLECHANGED are sent).
    DWORD SetStyle(HWND hwnd, int index, DWORD value);
    // A top-level window's frame; a minimised one's margins around its icon (kIconCell).
    static CRect NonClientInsets(DWORD style, DWORD exStyle);
    // The size of a minimised window and its icon title strip.
    static constexpr int kIconCellWidth = 76, kIconCellHeight = 52, kIconTitleHeight = 18;
    CRect ClientRect(HWND hwnd) const;       // (0, 0, width, height)
    CRect ClientRectOnScreen(HWND hwnd) const;

    // --- focus, activation, capture, keys -------------------------------------------------------------
    HWND Focus() const { return m_focus; }
    HWND SetFocus(HWND hwnd);
    HWND Active() const { return m_active; }
    HWND Activate(HWND hwnd);
    HWND Capture() const { return m_capture; }
    HWND SetCapture(HWND hwnd);
    BOOL ReleaseCapture();
    SHORT KeyState(int vk) const;
    void SetKeyDown(int vk, bool down);

    // --- painting requests ------------------------------------------------------------------------
    void Invalidate(HWND hwnd, const RECT* clientRect, bool erase);
    void Validate(HWND hwnd, const RECT* clientRect);
    // What BeginPaint needs: the update rectangle (client coordinates) and whether the background is
    // to be erased; the window is validated. FALSE for a window without an update region.
    BOOL TakeUpdate(HWND hwnd, CRect& update, bool& erase);
    // The next visible window with an update region: parents before children, top-level windows
    // back to front. Null when nothing needs painting.
    HWND NextWindowToPaint() const;

    // --- last error -------------------------------------------------------------------------------
    DWORD LastError() const { return m_lastError; }
    void SetLastError(DWORD error) { m_lastError = error; }

    // --- framework bookkeeping --------------------------------------------------------------------
    // The message each running window procedure of a framework object is handling, innermost last
    // (CWnd::Default and GetCurrentMessage read it).
    std::vector<MSG>& CurrentMessages() { return m_current; }
    // The window whose control notifications are ignored while it exchanges data (UpdateData).
    HWND LockoutWindow() const { return m_lockout; }
    void SetLockoutWindow(HWND hwnd) { m_lockout = hwnd; }
    // Called for every window about to be destroyed, after WM_NCDESTROY (timers, menus ...).
    void AddDestroyListener(std::function<void(HWND)> listener) { m_destroyListeners.push_back(std::move(listener)); }

private:
    WindowManager();
    HWND newHandle();
    void registerStandardClasses();
    void destroyTree(HWND hwnd, std::exception_ptr& error);
    void unlink(WindowRecord& rec);
    void bury(HWND hwnd);
    void flushGraveyard();
    void offsetTree(WindowRecord& rec, int dx, int dy);
    void placeInZOrder(WindowRecord& rec, HWND insertAfter);
    std::vector<HWND>& siblingList(WindowRecord& rec);
    void activateAnother(HWND leaving);
    CRect freeIconCell(HWND hwnd) const;
    void collectToPaint(HWND hwnd, HWND& found) const;
    WindowRecord* findRecord(HWND hwnd) const;  // Find when the window is not in its slot
    static WindowManager& make();
    static inline WindowManager* s_instance = nullptr;

    HWND m_desktop = nullptr;
    ULONG_PTR m_nextSerial = 0;
    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> m_windows;
    // Windows Find found, by the low bits of their serial numbers: painting asks for the records of
    // one window tree again and again. A dying window leaves its slot.
    struct Found {
        HWND hwnd = nullptr;
        WindowRecord* record = nullptr;
    };
    static constexpr size_t kFoundSlots = 64;
    static size_t foundSlot(HWND hwnd) { return (reinterpret_cast<ULONG_PTR>(hwnd) >> 4) & (kFoundSlots - 1); }
    mutable std::array<Found, kFoundSlots> m_found{};
    std::vector<std::unique_ptr<WindowRecord>> m_graveyard;
    std::vector<HWND> m_topLevel;
    std::map<CString, std::unique_ptr<WindowClassInfo>> m_classes; // key: upper-case name
    std::deque<MSG> m_queue;
    std::vector<MSG> m_current;
    HWND m_focus = nullptr;
    HWND m_active = nullptr;
    HWND m_capture = nullptr;
    HWND m_lockout = nullptr;
    std::array<bool, 256> m_keys{};
    DWORD m_lastError = 0;
    int m_depth = 0;
    std::vector<std::function<void(HWND)>> m_destroyListeners;
};
