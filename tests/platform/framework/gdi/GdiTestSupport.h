#pragma once
// Small fixtures for pixel tests: a memory context over a tiny bitmap, the ink box of what was drawn,
// and a gtest assertion over the shared surface comparison.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/SurfaceDiff.h"

// A memory context drawing into a width x height bitmap filled with a background colour.
struct MemoryCanvas {
    CDC dc;
    CBitmap bitmap;
    CBitmap* previous = nullptr;

    MemoryCanvas(int width, int height, COLORREF background = RGB(255, 255, 255))
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        previous = dc.SelectObject(&bitmap);
        bitmap.GetSurface()->Fill(background);
    }
    ~MemoryCanvas() { dc.SelectObject(previous); }

    Surface& surface() { return *bitmap.GetSurface(); }
    COLORREF at(int x, int y) { return surface().GetPixel(x, y); }
};

// Bounding box of the pixels that differ from the background; empty when none do.
inline CRect InkBox(const Surface& s, COLORREF background)
{
    CRect box(s.Width(), s.Height(), 0, 0);
    bool any = false;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.GetPixel(x, y) != background) {
                any = true;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return any ? box : CRect();
}

inline ::testing::AssertionResult SurfacesEqual(const Surface& actual, const Surface& expected, const std::string& name)
{
    const std::string report = SurfaceDiff::Compare(actual, expected, name);
    if (report.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << report;
}

// Readable failure messages for the geometry types.
inline void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const CPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const CSize& s, std::ostream* os) { *os << s.cx << " x " << s.cy; }
