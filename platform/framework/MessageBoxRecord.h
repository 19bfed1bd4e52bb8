#pragma once
// One message box as the automation log keeps it.

#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

struct MessageBoxRecord {
    HWND owner = nullptr;
    CString text;
    CString caption;
    UINT flags = 0;
    int answer = 0;        // 0: nobody answered (the box failed)
    bool scripted = false; // answered from the queue rather than by the responder
};

// The buttons a message box of these flags offers, left to right (MB_OK when the type is unknown).
std::vector<int> MessageBoxButtons(UINT flags);
