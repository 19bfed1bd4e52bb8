#pragma once
// The standard static ("Static"): a label, a frame or an icon. It is transparent to the mouse
// unless it has SS_NOTIFY, in which case a press sends STN_CLICKED to its parent. An SS_ICON
// static whose text is "#<id>" shows that icon from the resource chain.
//
// Painting: text statics fill themselves with the parent's WM_CTLCOLORSTATIC brush and draw their
// text left, centred or right (SS_LEFT / SS_CENTER / SS_RIGHT, broken into lines at the control's
// width; SS_LEFTNOWORDWRAP and SS_SIMPLE do not break; SS_CENTERIMAGE centres one line vertically;
// SS_ENDELLIPSIS shortens it; SS_NOPREFIX shows '&'), etched when disabled. SS_ICON draws the icon
// at the top left (centred with SS_CENTERIMAGE). The rectangles and frames (black, grey, white,
// etched; SS_ETCHEDHORZ / SS_ETCHEDVERT are lines) use the 3D colours; SS_SUNKEN adds a thin
// sunken edge.

#include "platform/framework/WinUser.h"

class CDC;

class StaticControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Draws the static into a context set up on its client area.
    static void Paint(HWND hwnd, CDC& dc);

private:
    static LRESULT handle(HWND hwnd, StaticControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    HICON m_icon = nullptr;
};
