#pragma once
// The standard button ("Button"): push buttons, check boxes, radio buttons and group boxes.
//
// A mouse press pushes the button and captures the mouse; the release over the button clicks it:
// an automatic check box toggles (three-state cycles), an automatic radio button checks itself and
// unchecks the other automatic radio buttons of its group, then the parent receives BN_CLICKED.
// The space key does the same from the keyboard. BM_CLICK is a press and release (nothing when the
// button is disabled). BM_GETSTATE reports BST_PUSHED while the button is held down. A radio
// button takes WS_TABSTOP when checked and loses it when unchecked. Group boxes ignore the mouse.
//
// Painting (classic look): a push button is a raised face, sunken while pushed (text moved one
// pixel), with a dark frame when it is the default button and a focus rectangle when it has the
// focus; its text is centred unless BS_LEFT / BS_RIGHT / BS_TOP / BS_BOTTOM say otherwise, or its
// BM_SETIMAGE icon is drawn centred instead. Check boxes (a sunken white box with a check mark, grey
// when indeterminate) and radio buttons (a sunken white circle with a dot) paint on the parent's
// WM_CTLCOLORSTATIC brush with the text beside the mark (BS_LEFTTEXT puts the mark on the right);
// BS_PUSHLIKE ones look like push buttons, sunken when checked. A group box is an etched frame
// whose text breaks its top line; it leaves its inside alone. Disabled text is etched.

#include "platform/framework/WinUser.h"

class CDC;

class ButtonControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Draws the button into a context set up on its client area.
    static void Paint(HWND hwnd, CDC& dc);

private:
    static LRESULT handle(HWND hwnd, ButtonControl& self, UINT message, WPARAM wParam, LPARAM lParam);
    static ButtonControl* from(HWND hwnd);
    static void click(HWND hwnd);

    int m_check = BST_UNCHECKED;
    bool m_pushed = false;
    bool m_tracking = false;   // mouse pressed on it, not yet released
    bool m_spaceDown = false;
    bool m_focused = false;
    HICON m_icon = nullptr;
};
