#pragma once
#include "platform/framework/WinTypes.h"

class CSize;

class CPoint : public POINT {
public:
    CPoint() = default;
    CPoint(int x_, int y_) { x = x_; y = y_; }
    CPoint(POINT p) : POINT(p) {}

    void Offset(int dx, int dy) { x += dx; y += dy; }
    void SetPoint(int x_, int y_) { x = x_; y = y_; }

    bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CPoint& o) const { return !(*this == o); }
    CPoint operator+(const CPoint& o) const { return CPoint(x + o.x, y + o.y); }
    CPoint operator-(const CPoint& o) const { return CPoint(x - o.x, y - o.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint& operator+=(const CPoint& o) { x += o.x; y += o.y; return *this; }
    CPoint& operator-=(const CPoint& o) { x -= o.x; y -= o.y; return *this; }
};
