#include "platform/framework/gdi/CWindowDC.h"

#include "platform/framework/CWnd.h"
#include "platform/framework/gdi/PaintManager.h"

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->GetSafeHwnd() : nullptr)
{
    if (!PaintManager::Get().OpenWindowDC(*this, m_hWnd, true)) CreateCompatibleDC(nullptr);
}

CWindowDC::~CWindowDC() = default;
