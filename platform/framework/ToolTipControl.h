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
#include "platform/framework/WinUser.h"

#define TOOLTIPS_CLASS "tooltips_class32"

// Styles.
constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;

// Tool flags.
constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_CENTERTIP = 0x0002;
constexpr UINT TTF_RTLREADING = 0x0004;
constexpr UINT TTF_SUBCLASS = 0x0010;
constexpr UINT TTF_TRACK = 0x0020;
constexpr UINT TTF_ABSOLUTE = 0x0080;
constexpr UINT TTF_TRANSPARENT = 0x0100;

// Delays (TTM_SETDELAYTIME, TTM_GETDELAYTIME).
constexpr DWORD TTDT_AUTOMATIC = 0;
constexpr DWORD TTDT_RESHOW = 1;
constexpr DWORD TTDT_AUTOPOP = 2;
constexpr DWORD TTDT_INITIAL = 3;

// Messages.
constexpr UINT TTM_ACTIVATE = WM_USER + 1;
constexpr UINT TTM_SETDELAYTIME = WM_USER + 3;
constexpr UINT TTM_ADDTOOL = WM_USER + 4;
constexpr UINT TTM_DELTOOL = WM_USER + 5;
constexpr UINT TTM_NEWTOOLRECT = WM_USER + 6;
constexpr UINT TTM_RELAYEVENT = WM_USER + 7;
constexpr UINT TTM_GETTOOLINFO = WM_USER + 8;
constexpr UINT TTM_SETTOOLINFO = WM_USER + 9;
constexpr UINT TTM_GETTEXT = WM_USER + 11;
constexpr UINT TTM_UPDATETIPTEXT = WM_USER + 12;
constexpr UINT TTM_GETTOOLCOUNT = WM_USER + 13;
constexpr UINT TTM_ENUMTOOLS = WM_USER + 14;
constexpr UINT TTM_GETDELAYTIME = WM_USER + 21;
constexpr UINT TTM_POP = WM_USER + 28;

// Notifications.
constexpr UINT TTN_FIRST = 0u - 520u;
constexpr UINT TTN_GETDISPINFO = TTN_FIRST - 0;
constexpr UINT TTN_NEEDTEXT = TTN_GETDISPINFO;
constexpr UINT TTN_SHOW = TTN_FIRST - 1;
constexpr UINT TTN_POP = TTN_FIRST - 2;

#define LPSTR_TEXTCALLBACK (reinterpret_cast<LPSTR>(static_cast<INT_PTR>(-1)))

struct TOOLINFO {
    UINT cbSize = sizeof(TOOLINFO);
    UINT uFlags = 0;
    HWND hwnd = nullptr;
    UINT_PTR uId = 0;
    RECT rect{};
    HINSTANCE hinst = nullptr;
    LPSTR lpszText = nullptr;
    LPARAM lParam = 0;
    void* lpReserved = nullptr;
};
using TTTOOLINFO = TOOLINFO;
using LPTOOLINFO = TOOLINFO*;

// The smallest TOOLINFO accepted: everything up to and including lpszText.
constexpr UINT TTTOOLINFO_V1_SIZE = static_cast<UINT>(offsetof(TOOLINFO, lParam));

// TTN_GETDISPINFO: the tool's window sets lpszText (or fills szText, or sets hinst and a string
// id in lpszText).
struct NMTTDISPINFO {
    NMHDR hdr;
    LPSTR lpszText = nullptr;
    char szText[80] = {};
    HINSTANCE hinst = nullptr;
    UINT uFlags = 0;
    LPARAM lParam = 0;
};

class CDC;

class ToolTipControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr int kExtraBytes = sizeof(void*);
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
