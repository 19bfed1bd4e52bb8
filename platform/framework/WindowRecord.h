#pragma once
// What the window system knows about one window. Records belong to the WindowManager; anything
// that walks the window tree (painting, screenshots, inspection) reads them through
// WindowManager::Find and follows `children`, which lists child windows in z-order, the topmost
// first (for dialog controls: template order, which is also the tab order). Paint them in reverse.

#include <memory>
#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/CString.h"
#include "platform/framework/WinUser.h"

class CWnd;
class DialogState;

struct WindowClassInfo {
    CString name;
    WNDPROC proc = nullptr;
    UINT style = 0;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    void* background = nullptr; // hbrBackground: a COLOR_ index + 1 or a brush
    // Makes the framework object that CWnd::FromHandle hands out for a window of this class that
    // has no permanent object (a CButton for a "Button"), so that casts to it are sound.
    CWnd* (*makeTemporary)() = nullptr;
};

struct WindowRecord {
    WindowRecord();
    ~WindowRecord();
    WindowRecord(const WindowRecord&) = delete;
    WindowRecord& operator=(const WindowRecord&) = delete;

    HWND handle = nullptr;
    const WindowClassInfo* windowClass = nullptr;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    HWND parent = nullptr;          // child windows only
    HWND owner = nullptr;           // top-level windows only
    std::vector<HWND> children;     // z-order, topmost first
    UINT id = 0;                    // control id of a child window
    DWORD style = 0;                // WS_VISIBLE, WS_DISABLED and WS_MINIMIZE are the window's state
    DWORD exStyle = 0;              // WS_EX_TOPMOST likewise
    CString text;
    CRect rect;                     // window rectangle in screen pixels
    CRect restoreRect;              // rectangle to return to from maximised
    CRect iconicFrom;               // rectangle to return to from minimised ...
    bool iconicFromMaximized = false; // ... and whether it was maximised then
    HFONT font = nullptr;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    HMENU systemMenu = nullptr;     // made on first request
    std::vector<unsigned char> extra; // the class's window extra bytes
    LONG_PTR userData = 0;
    CWnd* object = nullptr;         // permanent framework object (Attach, subclassing, Create)
    CWnd* temporary = nullptr;      // framework object made by FromHandle; deleted with the window
    std::unique_ptr<DialogState> dialog; // dialog manager state of a dialog window
    HWND savedFocus = nullptr;      // focus to restore when this top-level window is activated again

    bool destroying = false;
    bool invalid = false;           // has an update region waiting for WM_PAINT
    bool eraseBackground = false;
    CRect updateRect;               // client coordinates
    unsigned paintCount = 0;        // WM_PAINT messages delivered

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsVisible() const { return (style & WS_VISIBLE) != 0; }
    bool IsEnabled() const { return (style & WS_DISABLED) == 0; }
};
