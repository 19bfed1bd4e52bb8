#include "platform/framework/CSliderCtrl.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create(TRACKBAR_CLASS, nullptr, style, rect, parent, id);
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw)
{
    // Two messages, so that limits beyond 16 bits survive.
    SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(redraw), maximum);
}

void CSliderCtrl::SetSelection(int start, int end)
{
    SendMessage(TBM_SETSELSTART, FALSE, start);
    SendMessage(TBM_SETSELEND, TRUE, end);
}

void CSliderCtrl::GetSelection(int& start, int& end) const
{
    start = static_cast<int>(SendMessage(TBM_GETSELSTART));
    end = static_cast<int>(SendMessage(TBM_GETSELEND));
}
