#include "platform/framework/gdi/CClientDC.h"

#include "platform/framework/CWnd.h"
#include "platform/framework/gdi/PaintManager.h"

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->GetSafeHwnd() : nullptr)
{
    if (!PaintManager::Get().OpenWindowDC(*this, m_hWnd, false)) CreateCompatibleDC(nullptr);
}

CClientDC::~CClientDC() = default;
