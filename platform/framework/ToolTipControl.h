#pragma once
// The standard tooltip ("tooltips_class32"): a hidden top-level popup that holds tools (a window,
// or a rectangle of a window's client area, each with a text) and shows the text of the tool under
// the mouse after a delay.
//
// A tool is known by its window and id (TOOLINFO::hwnd and uId; with TTF_IDISHWND the id is the
// tool's own window handle and the tool covers that window's whole client area). Adding a tool a
// second time, or with a null TOOLINFO or too small a cbSize, fails (FALSE). A text may be a
// string, a string id (MAKEINTRESOURCE, loaded from TOOLINFO::hinst, or through the resource
// chain when that is null) or LPSTR_TEXTCALLBACK, which asks the tool's window with
// TTN_GETDISPINFO each time the text is needed.
//
// The mouse reaches the tooltip only through TTM_RELAYEVENT (the owner relays its mouse messages,
// usually from PreTranslateMessage). When a relayed WM_MOUSEMOVE enters a tool, the tip appears
// after the initial delay (500 ms of the virtual clock; the reshow delay, 100 ms, when moving from
// one shown tip to another tool) just below the mouse, and disappears after
// the auto-pop delay (5000 ms), when the mouse leaves the tool, on any relayed button message (it
// then stays away until the mouse leaves that tool), on TTM_POP and when deactivated. A tooltip is
// active when created; an inactive one (TTM_ACTIVATE FALSE) keeps its tools but shows nothing.
// The tooltip's window text is the text on show. Tips appear whether or not the owner is active.

#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/CommCtrl.h"

class CDC;

class ToolTipControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr UINT kDefaultInitial = 500;
    static constexpr UINT kDefaultAutoPop = 5000;
    static constexpr UINT kDefaultReshow = 100;

    // Inspection (the automation interface reads through these). All are safe on any handle.
    static bool IsToolTip(HWND hwnd);
    static bool IsActive(HWND tooltip);
    // The tool's text as it would be shown; empty for an unknown tool. Id 0 names the tool that is
    // the window itself (TTF_IDISHWND).
    static CString ToolText(HWND tooltip, HWND toolWindow, UINT_PTR id);
    // The first tooltip window holding a tool whose window (or, with TTF_IDISHWND, id) is `tool`.
    static HWND FindFor(HWND tool);

    static void Paint(HWND hwnd, CDC& dc);

private:
    static LRESULT handle(HWND hwnd, ToolTipControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    struct Tool {
        UINT flags = 0;
        HWND hwnd = nullptr;
        UINT_PTR id = 0;
        CRect rect;
        CString text;
        bool callback = false;
        LPARAM lParam = 0;
    };

    static ToolTipControl* from(HWND hwnd);
    Tool* find(HWND hwnd, UINT_PTR id);
    Tool* find(const TOOLINFO* info);
    static bool setText(Tool& tool, const TOOLINFO& info);
    static CString resolve(HWND tooltip, const Tool& tool);
    static void copyOut(const Tool& tool, TOOLINFO& info, int bufferSize);
    // The tool under a relayed mouse message; -1 when none.
    int hitTest(const MSG& msg) const;
    void relay(HWND hwnd, const MSG& msg);
    void show(HWND hwnd);
    void pop(HWND hwnd);

    std::vector<Tool> m_tools;
    bool m_active = true;
    bool m_shown = false;
    int m_current = -1;          // tool under the mouse, by index
    bool m_suppressed = false;   // clicked: no tip until the mouse leaves the tool
    POINT m_mouse{};             // last relayed mouse position, screen coordinates
    UINT m_initial = kDefaultInitial;
    UINT m_autoPop = kDefaultAutoPop;
    UINT m_reshow = kDefaultReshow;
};
