#pragma once
// The standard static ("Static"): a label, a frame or an icon. It is transparent to the mouse
// unless it has SS_NOTIFY, in which case a press sends STN_CLICKED to its parent. An SS_ICON
// static whose text is "#<id>" shows that icon from the resource chain.

#include "platform/framework/WinUser.h"

class StaticControl {
public:
    static LRESULT WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static constexpr int kExtraBytes = sizeof(void*);

private:
    HICON m_icon = nullptr;
};
