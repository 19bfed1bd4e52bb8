#pragma once
// A context on a whole window, frame included (GetWindowDC / ReleaseDC as a scope). A null window
// gives a context on the screen.

#include "platform/framework/gdi/CDC.h"

class CWnd;

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
    ~CWindowDC() override;

    HWND m_hWnd = nullptr;
};
