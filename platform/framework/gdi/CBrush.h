#pragma once
// A brush: solid colour or null (fills nothing).

#include "platform/framework/gdi/CGdiObject.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
    // The brush's colour; CLR_INVALID for a null brush or without a handle.
    COLORREF GetColor() const;
    static CBrush* FromHandle(HBRUSH handle);
};
