#pragma once
// The table of window classes the window system starts with: the standard controls, each a window
// procedure, plus the framework wrapper type that CWnd::FromHandle makes for it. Adding a control
// is adding its window procedure (a class with a static WndProc) and one line to the table in
// StandardControls.cpp. Classes not yet implemented are plain windows (default procedure).

class WindowManager;

class StandardControls {
public:
    static void Register(WindowManager& manager);
};
