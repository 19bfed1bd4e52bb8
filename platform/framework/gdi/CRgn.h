#pragma once
// A rectangular region, in device units (clip regions are device-relative, unaffected by origins).

#include "platform/framework/CRect.h"
#include "platform/framework/gdi/CGdiObject.h"

class CRgn : public CGdiObject {
public:
    CRgn() = default;

    // The rectangle is normalised.
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    // Changes an existing region; FALSE without one.
    BOOL SetRectRgn(int left, int top, int right, int bottom);
    // NULLREGION, SIMPLEREGION, or RGN_ERROR without a region.
    int GetRgnBox(LPRECT rect) const;
    BOOL PtInRegion(int x, int y) const;

    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    static CRgn* FromHandle(HRGN handle);
};
