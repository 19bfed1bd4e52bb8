#pragma once
// The standard tab control ("SysTabControl32"): a row of tabs along the top, one of them selected,
// over a display area (the property sheet's pages sit in it).
//
// Tabs are laid out left to right from kMargin, each as wide as its text plus 2 * kPadding (at least
// kMinTabWidth) and the font's line height + 7 high. TCM_ADJUSTRECT gives the display area of a
// window rectangle (FALSE) or the window rectangle of a display area (TRUE).
//
// Inserting the first tab selects it; deleting the selected tab leaves none selected (-1). Program
// selection (TCM_SETCURSEL) notifies nobody. The operator's press on another tab, or Left / Right
// with the focus on the control, asks the parent first (TCN_SELCHANGING: a non-zero answer keeps
// the selection), then selects it and tells the parent (TCN_SELCHANGE).
//
// Painting (classic look): a raised frame around the display area; tabs with highlight on the left
// and top, shadow on the right; the selected tab two pixels larger all round and open into the
// frame, with a focus rectangle while the control has the focus.

#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CDC;

class TabControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Paint(HWND hwnd, CDC& dc);
    static constexpr int kMargin = 2;
    static constexpr int kPadding = 6;
    static constexpr int kMinTabWidth = 40;

    // Client coordinates; empty for no such tab.
    static CRect TabRect(HWND hwnd, int index);
    // Every tab's rectangle, left to right (one measurement of each label).
    static std::vector<CRect> TabRects(HWND hwnd);
    // The tab under a point (client coordinates), -1 for none.
    static int TabAt(HWND hwnd, POINT p);
    static int TabRowHeight(HWND hwnd);

private:
    struct Tab {
        CString text;
        LPARAM param = 0;
    };
    static TabControl* from(HWND hwnd);
    static LRESULT handle(HWND hwnd, TabControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static void operatorSelect(HWND hwnd, int index);

    std::vector<Tab> m_tabs;
    int m_cursel = -1;
    bool m_focused = false;
};
