#pragma once
// One file dialog as the automation log keeps it: what the program asked for and what the operator
// chose.

#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

struct FileDialogRecord {
    // --- asked for ---
    bool open = true;         // an Open dialog; false: Save As
    HWND owner = nullptr;
    CString title;            // empty: the dialog's standard title ("Open" / "Save As")
    CString filter;           // as the program wrote it, '|' separated ("Text (*.txt)|*.txt||")
    DWORD flags = 0;          // OFN_...
    CString initialFolder;    // empty: none given
    CString initialName;      // empty: none given
    CString defaultExtension; // without the dot; empty: none
    // --- answered ---
    bool ok = false;          // the operator chose a file (false: cancelled, or unanswered)
    CString path;             // the chosen full path (empty when not ok)
    bool scripted = false;    // answered from the queue rather than by the responder
};
