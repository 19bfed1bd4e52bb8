#pragma once
// A context on a window's client area outside the paint cycle (GetDC / ReleaseDC as a scope). A
// null window gives a context on the screen.

#include "platform/framework/gdi/CDC.h"

class CWnd;

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

    HWND m_hWnd = nullptr;
};
