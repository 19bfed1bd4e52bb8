#include "platform/framework/gdi/CPaintDC.h"

#include "platform/framework/CWnd.h"
#include "platform/framework/gdi/PaintManager.h"

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->GetSafeHwnd() : nullptr)
{
    if (!PaintManager::Get().BeginPaint(this, m_hWnd, m_ps)) {
        // Still a working context, so a handler's drawing calls are harmless; it shows nothing.
        DeleteDC();
        CreateCompatibleDC(nullptr);
        m_ps.hdc = m_hDC;
    }
}

CPaintDC::~CPaintDC()
{
    PaintManager::Get().EndPaint(m_hWnd, m_ps);
}
