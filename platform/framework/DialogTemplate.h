#pragma once
// Dialog templates as plain data, so that a resources file can write each one as an initializer
// list. Rectangles are in dialog units of the template's font (see DialogManager): for the classic
// 8-point dialog font one unit is 6/4 of a pixel across and 13/8 of a pixel down.
//
// The dialog's cx and cy give its client area; x and y place the window's top-left corner relative
// to the parent's client area (the screen for a dialog on the desktop) unless DS_CENTER centres it.
// Control styles are taken as compiled: WS_CHILD is always added, but WS_VISIBLE, WS_TABSTOP and
// WS_GROUP appear only when written, as a resource compiler writes them out.

#include <vector>

#include "platform/framework/CString.h"
#include "platform/framework/ResourceId.h"
#include "platform/framework/WinTypes.h"

struct DialogItem {
    int id = 0;
    CString className;   // "Button", "Edit", "Static", "ComboBox", "msctls_progress32", ...
    CString text;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
};

struct DialogTemplate {
    ResourceId id;
    CString caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    CString fontName = "MS Sans Serif";
    int pointSize = 8;
    std::vector<DialogItem> items;
};
