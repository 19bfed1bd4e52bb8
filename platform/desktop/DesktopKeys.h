#pragma once
// Desktop key codes as the window system's virtual keys (a US keyboard).

#include "platform/framework/WinTypes.h"

class DesktopKeys {
public:
    // The virtual key of a desktop key code; 0 for a key the window system has no code for.
    static UINT VirtualKey(int sym);
    // VK_SHIFT, VK_CONTROL or VK_MENU for a modifier key, else 0.
    static UINT ModifierKey(int sym);
    // Keys whose characters arrive as typed text.
    static bool TypesText(int sym);
};
