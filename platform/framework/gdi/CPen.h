#pragma once
// A pen: PS_SOLID (any width; wide lines are drawn as squares along the path) or PS_NULL.
// Other styles draw as solid.

#include "platform/framework/gdi/CGdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN handle);
};
