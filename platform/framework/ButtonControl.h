#pragma once
// The standard button ("Button"): push buttons, check boxes, radio buttons and group boxes.
//
// A mouse press pushes the button and captures the mouse; the release over the button clicks it:
// an automatic check box toggles (three-state cycles), an automatic radio button checks itself and
// unchecks the other automatic radio buttons of its group, then the parent receives BN_CLICKED.
// The space key does the same from the keyboard. BM_CLICK is a press and release (nothing when the
// button is disabled). BM_GETSTATE reports BST_PUSHED while the button is held down. A radio
// button takes WS_TABSTOP when checked and loses it when unchecked. Group boxes ignore the mouse.

#include "platform/framework/WinUser.h"

class ButtonControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr int kExtraBytes = sizeof(void*);

private:
    static ButtonControl* from(HWND hwnd);
    static void click(HWND hwnd);

    int m_check = BST_UNCHECKED;
    bool m_pushed = false;
    bool m_tracking = false;   // mouse pressed on it, not yet released
    bool m_spaceDown = false;
    bool m_focused = false;
    HICON m_icon = nullptr;
};
