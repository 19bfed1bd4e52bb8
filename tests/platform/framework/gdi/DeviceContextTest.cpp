// Fills off the clip or the bitmap, overlapping block transfers and handle lifetimes of the device
// context, checked pixel by pixel on tiny bitmaps. How windows look (and so how fills and clipping
// cover their rectangles) is checked by the golden images.

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

// Clipping with origins is what the progress bars and every child window paint through, and their
// pixel tests and the golden images show it; here painting that lands nowhere.
TEST(DeviceContext, FillsOutsideTheClipOrTheBitmapWriteNothingOutOfBounds)
{
    MemoryCanvas c(10, 10);
    CRgn far;
    far.CreateRectRgn(20, 20, 30, 30);
    EXPECT_EQ(NULLREGION, c.dc.SelectClipRgn(&far));
    CRect box;
    EXPECT_EQ(NULLREGION, c.dc.GetClipBox(&box));
    const long long written = CDC::GetTotalPixelsWritten();
    c.dc.FillSolidRect(-50, -50, 100, 100, kGreen);
    EXPECT_TRUE(PaintedBox(c.surface(), kGreen).IsRectEmpty());

    c.dc.SelectClipRgn(nullptr);
    c.dc.FillSolidRect(-100, -100, 102, 101, kGreen);
    EXPECT_EQ(CRect(0, 0, 2, 1), PaintedBox(c.surface(), kGreen));
    // What the paint benchmarks weigh a repaint's pixel work by: only the pixels that landed.
    const RECT strips[] = {{3, 2, 4, 5}, {4, 2, 6, 5}, {8, 8, 20, 9}};
    const COLORREF colours[] = {kRed, kBlue, kRed};
    c.dc.FillSolidRects(strips, colours, 3);
    c.dc.BitBlt(0, 9, 30, 1, &c.dc, 0, 0, SRCCOPY);
    EXPECT_EQ(written + 2 + 9 + 2 + 10, CDC::GetTotalPixelsWritten());
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
    CBrush owner(kBlue);  // takes the place the stale handle's brush left
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(stale)) << "a stale handle named the next brush";
    HDC staleContext = nullptr;
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        staleContext = dc.GetSafeHdc();
    }
    CDC next;
    next.CreateCompatibleDC(nullptr);
    EXPECT_EQ(nullptr, CDC::FromHandle(staleContext));
    EXPECT_EQ(&next, CDC::FromHandle(next.GetSafeHdc()));
    HGDIOBJ h = owner.Detach();
    CBrush* wrapper = CBrush::FromHandle(static_cast<HBRUSH>(h));
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(kBlue, wrapper->GetColor());
    CBrush again;
    EXPECT_TRUE(again.Attach(h));
    EXPECT_EQ(&again, CBrush::FromHandle(static_cast<HBRUSH>(h)));
    EXPECT_EQ(nullptr, CFont::FromHandle(static_cast<HFONT>(h))) << "a brush is not a font";

    // A context deleted and made again starts afresh, whatever it had selected.
    next.SelectObject(&again);
    EXPECT_EQ(&again, next.SelectObject(&again));
    next.DeleteDC();
    EXPECT_EQ(nullptr, next.GetCurrentBrush());
    next.CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, next.GetCurrentBrush());
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), next.GetCurrentBrush()->m_hObject);
}

TEST(Surface, ACopyWrittenLeavesTheOriginalAndAMovedFromSurfaceIsEmpty)
{
    const Surface original(4, 3, RGB(1, 2, 3));
    Surface copy = original;
    copy.SetPixel(0, 0, RGB(9, 9, 9));
    EXPECT_EQ(original.GetPixel(0, 0), RGB(1, 2, 3));
    const Surface moved = std::move(copy);
    EXPECT_TRUE(copy.IsEmpty() && copy.Pixels().empty() && copy.GetPixel(0, 0) == CLR_INVALID);
    EXPECT_EQ(moved.GetPixel(0, 0), RGB(9, 9, 9));
}
