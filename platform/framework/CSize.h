#pragma once
#include "platform/framework/WinTypes.h"

class CSize : public SIZE {
public:
    CSize() = default;
    CSize(int cx_, int cy_) { cx = cx_; cy = cy_; }
    CSize(SIZE s) : SIZE(s) {}

    void SetSize(int cx_, int cy_) { cx = cx_; cy = cy_; }
    bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
    bool operator!=(const CSize& o) const { return !(*this == o); }
    CSize operator+(const CSize& o) const { return CSize(cx + o.cx, cy + o.cy); }
    CSize operator-(const CSize& o) const { return CSize(cx - o.cx, cy - o.cy); }
};
