#include "platform/framework/CRect.h"

#include <algorithm>

void CRect::NormalizeRect()
{
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
}

BOOL CRect::UnionRect(LPCRECT a, LPCRECT b)
{
    CRect ra(a), rb(b);
    if (ra.IsRectEmpty()) {
        *this = rb;
    } else if (rb.IsRectEmpty()) {
        *this = ra;
    } else {
        SetRect(std::min(ra.left, rb.left), std::min(ra.top, rb.top), std::max(ra.right, rb.right),
                std::max(ra.bottom, rb.bottom));
    }
    if (IsRectEmpty()) {
        SetRectEmpty();
        return FALSE;
    }
    return TRUE;
}
