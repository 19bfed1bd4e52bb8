#pragma once
// The context of a paint cycle: BeginPaint on construction, EndPaint on destruction. Its clip is
// the update rectangle (m_ps.rcPaint, client coordinates) within the window's visible part.

#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/PaintFunctions.h"

class CWnd;

class CPaintDC : public CDC {
public:
    // A null or windowless CWnd gives a context that paints nothing.
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;
    HWND m_hWnd = nullptr;
};
