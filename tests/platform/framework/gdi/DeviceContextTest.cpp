// Clipping, fills off the bitmap, overlapping block transfers and handle lifetimes of the device
// context, checked pixel by pixel on tiny bitmaps. How windows look (and so how fills cover their
// rectangles) is checked by the golden images.

#include <gtest/gtest.h>

#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/CPen.h"
#include "platform/framework/gdi/CRgn.h"
#include "platform/framework/gdi/DCStateSaver.h"
#include "platform/framework/gdi/GdiFunctions.h"
#include "platform/framework/gdi/GdiHandleTable.h"
#include "tests/platform/framework/gdi/GdiTestSupport.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// The rectangle of pixels painted in a colour; empty when none.
CRect PaintedBox(const Surface& s, COLORREF color)
{
    CRect box;
    bool any = false;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.GetPixel(x, y) == color) {
                box = any ? CRect(std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                                  std::max<LONG>(box.bottom, y + 1))
                          : CRect(x, y, x + 1, y + 1);
                any = true;
            }
    return box;
}

}  // namespace

TEST(DeviceContext, ClipRegionsAreInDeviceUnitsWhateverTheOrigins)
{
    MemoryCanvas c(10, 10);
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(2, 3, 6, 7));
    c.dc.SetWindowOrg(-1, -1);
    c.dc.SetViewportOrg(2, 0);
    EXPECT_EQ(SIMPLEREGION, c.dc.SelectClipRgn(&rgn));

    // The region is copied: changing it afterwards does not move the clip.
    rgn.SetRectRgn(0, 0, 1, 1);
    c.dc.FillSolidRect(-50, -50, 100, 100, kRed);
    EXPECT_EQ(CRect(2, 3, 6, 7), PaintedBox(c.surface(), kRed));

    // The clip box comes back in logical units: device - viewport + window.
    CRect box;
    EXPECT_EQ(SIMPLEREGION, c.dc.GetClipBox(&box));
    EXPECT_EQ(CRect(-1, 2, 3, 6), box) << RectText(box);
    EXPECT_TRUE(c.dc.PtVisible(-1, 2));
    EXPECT_FALSE(c.dc.PtVisible(3, 2));

    // Clip rectangles given in logical units narrow it further.
    c.dc.IntersectClipRect(0, 0, 100, 4);
    c.dc.FillSolidRect(-50, -50, 100, 100, kBlue);
    EXPECT_EQ(CRect(3, 3, 6, 5), PaintedBox(c.surface(), kBlue));

    // Removing the clip region opens the whole bitmap again.
    c.dc.SelectClipRgn(nullptr);
    c.dc.GetClipBox(&box);
    EXPECT_EQ(CRect(-3, -1, 7, 9), box) << RectText(box);

    // A clip outside the bitmap leaves nothing visible.
    CRgn far;
    far.CreateRectRgn(20, 20, 30, 30);
    EXPECT_EQ(NULLREGION, c.dc.SelectClipRgn(&far));
    EXPECT_EQ(NULLREGION, c.dc.GetClipBox(&box));
    c.dc.FillSolidRect(-50, -50, 100, 100, kGreen);
    EXPECT_TRUE(PaintedBox(c.surface(), kGreen).IsRectEmpty());

    // Without a clip, fills off the bitmap are cut, not wrapped or written out of bounds.
    c.dc.SelectClipRgn(nullptr);
    c.dc.SetWindowOrg(0, 0);
    c.dc.SetViewportOrg(0, 0);
    c.dc.FillSolidRect(-100, -100, 102, 101, kGreen);
    EXPECT_EQ(CRect(0, 0, 2, 1), PaintedBox(c.surface(), kGreen));
}

TEST(DeviceContext, BitBltWithinOneBitmapHandlesOverlap)
{
    MemoryCanvas c(5, 1);
    for (int x = 0; x < 5; ++x)
        c.surface().SetPixel(x, 0, RGB(x, 0, 0));
    c.dc.BitBlt(1, 0, 4, 1, &c.dc, 0, 0, SRCCOPY);
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(RGB(x - 1, 0, 0), c.at(x, 0)) << x;
}

TEST(DeviceContext, HandlesOutliveNothingAndStaleHandlesFindNothing)
{
    HBRUSH stale = nullptr;
    {
        CBrush b(kRed);
        stale = b;
        EXPECT_EQ(&b, CBrush::FromHandle(stale));
    }
    EXPECT_EQ(nullptr, CBrush::FromHandle(stale));
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(stale));

    // A wrapper from FromHandle is temporary: destroying it never deletes the handle.
    CBrush owner(kBlue);
    HGDIOBJ h = owner.Detach();
    CBrush* wrapper = CBrush::FromHandle(static_cast<HBRUSH>(h));
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(kBlue, wrapper->GetColor());
    CBrush again;
    EXPECT_TRUE(again.Attach(h));
    EXPECT_EQ(&again, CBrush::FromHandle(static_cast<HBRUSH>(h)));
    EXPECT_EQ(nullptr, CFont::FromHandle(static_cast<HFONT>(h))) << "a brush is not a font";
}
