#pragma once
// The tuning library's message box: shows text and caption with the platform's message-box flags
// (MB_...) and returns the button pressed (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7). The box is owned
// by the active window, so it stays in front of the dialog that asked.

#include "platform/framework/WinTypes.h"

int HostMessageBox(LPCTSTR text, LPCTSTR caption, UINT flags);
