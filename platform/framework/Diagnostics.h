#pragma once
// The window system's own diagnostics channel: what went wrong without an error to throw (a dialog
// or a property sheet page that could not be made, a control missing from a template, an error
// while destroying a window in a destructor). The framework and the libraries built on it report
// here; the automation interface reads the reports (Automation::Diagnostics), and resetting the
// window system empties the channel.

#include <vector>

#include "platform/framework/CString.h"

class Diagnostics {
public:
    static void Report(const CString& text);
    // Every report since the last Clear, oldest first.
    static const std::vector<CString>& Reports();
    static void Clear();
};
