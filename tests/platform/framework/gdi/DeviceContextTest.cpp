// Fills, origins, clipping, block transfers, state save/restore, selection and capabilities of the
// device context, checked pixel by pixel on tiny bitmaps.

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

constexpr COLORREF kWhite = RGB(255, 255, 255);
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

TEST(DeviceContext, FillsCoverExactlyTheRectangleWithRightAndBottomExcluded)
{
    MemoryCanvas c(8, 6);
    c.dc.FillSolidRect(CRect(1, 2, 4, 5), kRed);
    EXPECT_EQ(CRect(1, 2, 4, 5), PaintedBox(c.surface(), kRed));
    EXPECT_EQ(kRed, c.dc.GetBkColor()) << "solid fills leave the background colour set";

    CBrush blue(kBlue);
    c.dc.FillRect(CRect(5, 0, 7, 1), &blue);
    EXPECT_EQ(CRect(5, 0, 7, 1), PaintedBox(c.surface(), kBlue));

    // Inverted rectangles fill nothing with a brush; a null brush fills nothing at all.
    c.dc.FillRect(CRect(7, 5, 6, 4), &blue);
    CBrush hollow;
    hollow.CreateStockObject(NULL_BRUSH);
    c.dc.FillRect(CRect(0, 0, 8, 6), &hollow);
    EXPECT_EQ(CRect(5, 0, 7, 1), PaintedBox(c.surface(), kBlue));

    // Fills off the bitmap are cut, not wrapped or out of bounds.
    c.dc.FillSolidRect(-100, -100, 102, 101, kGreen);
    EXPECT_EQ(CRect(0, 0, 2, 1), PaintedBox(c.surface(), kGreen));
}

TEST(DeviceContext, OriginsMapLogicalToDevice)
{
    MemoryCanvas c(10, 10);
    c.dc.SetWindowOrg(10, 20);
    c.dc.FillSolidRect(10, 20, 2, 2, kRed);
    EXPECT_EQ(CRect(0, 0, 2, 2), PaintedBox(c.surface(), kRed));

    c.dc.SetViewportOrg(3, 1);
    c.dc.FillSolidRect(10, 20, 2, 2, kBlue);
    EXPECT_EQ(CRect(3, 1, 5, 3), PaintedBox(c.surface(), kBlue));
    EXPECT_EQ(CPoint(10, 20), c.dc.GetWindowOrg());
    EXPECT_EQ(CPoint(3, 1), c.dc.GetViewportOrg());

    CPoint p(12, 25);
    c.dc.LPtoDP(&p);
    EXPECT_EQ(CPoint(5, 6), p);
    c.dc.DPtoLP(&p);
    EXPECT_EQ(CPoint(12, 25), p);
    EXPECT_EQ(CPoint(3, 1), c.dc.OffsetViewportOrg(1, 1));
    EXPECT_EQ(kBlue, c.dc.GetPixel(9, 19)) << "logical (9, 19) is device (4, 1) now";
}

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
}

TEST(DeviceContext, SurfaceContextPaintsOnlyInsideItsArea)
{
    auto surface = std::make_shared<Surface>(12, 10, kWhite);
    CDC dc;
    ASSERT_TRUE(dc.AttachSurface(surface, CRect(2, 3, 8, 7)));
    dc.FillSolidRect(-20, -20, 100, 100, kRed);
    EXPECT_EQ(CRect(2, 3, 8, 7), PaintedBox(*surface, kRed));
    CRect box;
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(0, 0, 6, 4), box) << RectText(box);

    // Device (0, 0) is the area's corner; a clip region cannot reach past the area.
    CRgn rgn;
    rgn.CreateRectRgn(4, 2, 40, 40);
    dc.SelectClipRgn(&rgn);
    dc.FillSolidRect(0, 0, 100, 100, kBlue);
    EXPECT_EQ(CRect(6, 5, 8, 7), PaintedBox(*surface, kBlue));
    EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CBitmap*>(nullptr)));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, 2, 2);
    EXPECT_EQ(nullptr, dc.SelectObject(&bitmap)) << "bitmaps go into memory contexts only";
}

TEST(DeviceContext, BitBltCopiesBetweenMemoryContextsWithOriginsAndClip)
{
    MemoryCanvas src(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            src.surface().SetPixel(x, y, RGB(x * 60, y * 60, 7));
    MemoryCanvas dst(6, 6);
    src.dc.SetWindowOrg(1, 0);  // logical (2, 1) of the source is its device (1, 1)
    dst.dc.SetViewportOrg(1, 0);
    ASSERT_TRUE(dst.dc.BitBlt(0, 1, 3, 3, &src.dc, 2, 1, SRCCOPY));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 4 && y >= 1 && y < 4;
            const COLORREF want = inside ? RGB(x * 60, y * 60, 7) : kWhite;
            EXPECT_EQ(want, dst.at(x, y)) << "at " << x << ", " << y;
        }

    // Source pixels beyond the source bitmap are not copied; the destination clip holds.
    MemoryCanvas dst2(6, 6);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 6, 2);
    dst2.dc.SelectClipRgn(&rgn);
    src.dc.SetWindowOrg(0, 0);
    dst2.dc.BitBlt(0, 0, 6, 6, &src.dc, 2, 0, SRCCOPY);
    EXPECT_EQ(RGB(120, 0, 7), dst2.at(0, 0));
    EXPECT_EQ(RGB(180, 60, 7), dst2.at(1, 1));
    EXPECT_EQ(kWhite, dst2.at(2, 0)) << "beyond the source's right edge";
    EXPECT_EQ(kWhite, dst2.at(0, 2)) << "outside the destination clip";

    EXPECT_FALSE(dst2.dc.BitBlt(0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(dst2.dc.BitBlt(0, 0, 1, 1, &src.dc, 0, 0, 0x00123456)) << "unknown raster operation";
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

TEST(DeviceContext, SaveAndRestoreBringBackTheWholeState)
{
    MemoryCanvas c(10, 10);
    CFont font;
    LOGFONT lf;
    lf.lfHeight = -20;
    font.CreateFontIndirect(&lf);
    CBrush brush(kGreen);
    CFont* oldFont = c.dc.GetCurrentFont();
    CBrush* oldBrush = c.dc.GetCurrentBrush();
    const CSize defaultExtent = c.dc.GetTextExtent("Wide", 4);

    const int level = c.dc.SaveDC();
    EXPECT_EQ(1, level);
    c.dc.SetWindowOrg(5, 5);
    c.dc.SetViewportOrg(1, 2);
    c.dc.IntersectClipRect(5, 5, 6, 6);
    c.dc.SetTextColor(kRed);
    c.dc.SetBkColor(kBlue);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
    c.dc.SelectObject(&font);
    c.dc.SelectObject(&brush);
    EXPECT_NE(defaultExtent, c.dc.GetTextExtent("Wide", 4));
    EXPECT_EQ(2, c.dc.SaveDC());
    c.dc.SetTextColor(kGreen);
    EXPECT_TRUE(c.dc.RestoreDC(-1));
    EXPECT_EQ(kRed, c.dc.GetTextColor()) << "the last save";

    EXPECT_TRUE(c.dc.RestoreDC(level));
    EXPECT_EQ(CPoint(0, 0), c.dc.GetWindowOrg());
    EXPECT_EQ(CPoint(0, 0), c.dc.GetViewportOrg());
    EXPECT_EQ(RGB(0, 0, 0), c.dc.GetTextColor());
    EXPECT_EQ(kWhite, c.dc.GetBkColor());
    EXPECT_EQ(OPAQUE, c.dc.GetBkMode());
    EXPECT_EQ(TA_LEFT | TA_TOP, c.dc.GetTextAlign());
    EXPECT_EQ(oldFont, c.dc.GetCurrentFont());
    EXPECT_EQ(oldBrush, c.dc.GetCurrentBrush());
    EXPECT_EQ(defaultExtent, c.dc.GetTextExtent("Wide", 4));
    CRect box;
    c.dc.GetClipBox(&box);
    EXPECT_EQ(CRect(0, 0, 10, 10), box);

    EXPECT_FALSE(c.dc.RestoreDC(1)) << "nothing saved any more";
    EXPECT_FALSE(c.dc.RestoreDC(-1));
    EXPECT_FALSE(c.dc.RestoreDC(0));
    EXPECT_EQ(CPoint(0, 0), c.dc.GetWindowOrg());
}

TEST(DeviceContext, StateSaverRestoresOnScopeExit)
{
    MemoryCanvas c(4, 4);
    {
        DCStateSaver saver(c.dc);
        c.dc.SetViewportOrg(2, 2);
        c.dc.SetTextColor(kRed);
        {
            DCStateSaver inner(c.dc);
            c.dc.SetViewportOrg(3, 3);
        }
        EXPECT_EQ(CPoint(2, 2), c.dc.GetViewportOrg());
    }
    EXPECT_EQ(CPoint(0, 0), c.dc.GetViewportOrg());
    EXPECT_EQ(RGB(0, 0, 0), c.dc.GetTextColor());
    EXPECT_FALSE(c.dc.RestoreDC(-1));
}

TEST(DeviceContext, SelectObjectReturnsThePreviousObject)
{
    for (int i = 0; i <= DEFAULT_GUI_FONT; ++i)
        GdiHandleTable::Stock(i);
    const std::size_t handlesBefore = GdiHandleTable::Count();
    {
        MemoryCanvas c(4, 4);
        CBrush red(kRed), blue(kBlue);
        CBrush* stock = c.dc.SelectObject(&red);
        ASSERT_NE(nullptr, stock);
        EXPECT_EQ(kWhite, stock->GetColor()) << "a new context has the white stock brush";
        EXPECT_EQ(&red, c.dc.SelectObject(&blue));
        EXPECT_EQ(&blue, c.dc.SelectObject(stock));
        EXPECT_EQ(stock, c.dc.GetCurrentBrush());

        // An object of the wrong kind behind a typed pointer is refused and changes nothing.
        CPen pen(PS_SOLID, 1, kRed);
        EXPECT_EQ(nullptr, c.dc.SelectObject(reinterpret_cast<CBrush*>(static_cast<CGdiObject*>(&pen))));
        EXPECT_EQ(stock, c.dc.GetCurrentBrush());

        // Generic selection and stock selection.
        EXPECT_NE(nullptr, c.dc.SelectObject(static_cast<CGdiObject*>(&red)));
        EXPECT_EQ(&red, c.dc.SelectStockObject(BLACK_BRUSH));
        EXPECT_EQ(RGB(0, 0, 0), c.dc.GetCurrentBrush()->GetColor());

        // Deleting a selected font does not break the context: it paints on with it.
        CFont big;
        LOGFONT lf;
        lf.lfHeight = -30;
        big.CreateFontIndirect(&lf);
        c.dc.SelectObject(&big);
        const CSize extent = c.dc.GetTextExtent("M", 1);
        big.DeleteObject();
        EXPECT_EQ(extent, c.dc.GetTextExtent("M", 1));
        EXPECT_EQ(nullptr, c.dc.SelectStockObject(DEFAULT_GUI_FONT)) << "the previous font's handle is gone";

        // Creating into an object that holds a handle fails and keeps it.
        EXPECT_FALSE(red.CreateSolidBrush(kGreen));
        EXPECT_EQ(kRed, red.GetColor());
    }
    EXPECT_EQ(handlesBefore, GdiHandleTable::Count()) << "every handle of the contexts and objects is gone";
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

TEST(DeviceContext, CapabilitiesCanBeMadePaletteOrFourBit)
{
    MemoryCanvas c(2, 2);
    EXPECT_EQ(32, c.dc.GetDeviceCaps(BITSPIXEL) * c.dc.GetDeviceCaps(PLANES));
    EXPECT_EQ(0, c.dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    EXPECT_EQ(96, c.dc.GetDeviceCaps(LOGPIXELSX));
    EXPECT_EQ(96, c.dc.GetDeviceCaps(LOGPIXELSY));

    c.dc.SetColorFormat(4, FALSE);
    EXPECT_EQ(4, c.dc.GetDeviceCaps(BITSPIXEL) * c.dc.GetDeviceCaps(PLANES));
    EXPECT_EQ(0, c.dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    CDC compatible;
    compatible.CreateCompatibleDC(&c.dc);
    EXPECT_EQ(4, compatible.GetDeviceCaps(BITSPIXEL)) << "memory contexts take the format they are made from";

    c.dc.SetColorFormat(8, TRUE);
    EXPECT_EQ(RC_PALETTE, c.dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    EXPECT_EQ(256, c.dc.GetDeviceCaps(SIZEPALETTE));

    CDC::SetScreenColorFormat(8, TRUE);
    CDC screenCompatible;
    screenCompatible.CreateCompatibleDC(nullptr);
    CDC::SetScreenColorFormat(32, FALSE);
    EXPECT_EQ(RC_PALETTE, screenCompatible.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);

    EXPECT_FALSE(c.dc.IsPrinting());
    c.dc.SetPrinting(TRUE);
    EXPECT_TRUE(c.dc.IsPrinting());
    EXPECT_EQ(DT_RASPRINTER, c.dc.GetDeviceCaps(TECHNOLOGY));
}

TEST(DeviceContext, CountsFillOperations)
{
    MemoryCanvas c(4, 4);
    const long long totalBefore = CDC::GetTotalFillCount();
    CBrush b(kRed);
    c.dc.FillSolidRect(0, 0, 1, 1, kRed);
    c.dc.FillRect(CRect(0, 0, 2, 2), &b);
    c.dc.FillSolidRect(100, 100, 1, 1, kRed);  // clipped away, still asked for
    EXPECT_EQ(3, c.dc.GetFillCount());
    EXPECT_EQ(totalBefore + 3, CDC::GetTotalFillCount());
    c.dc.ResetFillCount();
    EXPECT_EQ(0, c.dc.GetFillCount());
}

TEST(DeviceContext, ClassicEdgesAndFrames)
{
    MemoryCanvas c(6, 5);
    c.dc.Draw3dRect(CRect(0, 0, 6, 5), kWhite - 1, kBlue);
    EXPECT_EQ(kWhite - 1, c.at(0, 0));
    EXPECT_EQ(kWhite - 1, c.at(4, 0));
    EXPECT_EQ(kBlue, c.at(5, 0)) << "the bottom-right colour owns the top-right corner";
    EXPECT_EQ(kBlue, c.at(0, 4)) << "and the bottom-left one";
    EXPECT_EQ(kWhite, c.at(1, 1));

    MemoryCanvas e(6, 6);
    CRect r(0, 0, 6, 6);
    EXPECT_TRUE(e.dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
    EXPECT_EQ(CRect(2, 2, 4, 4), r);
    EXPECT_EQ(RGB(128, 128, 128), e.at(0, 0));  // outer shadow
    EXPECT_EQ(RGB(255, 255, 255), e.at(5, 5));  // outer highlight
    EXPECT_EQ(RGB(0, 0, 0), e.at(1, 1));        // inner dark shadow
    EXPECT_EQ(kWhite, e.at(2, 2));

    MemoryCanvas f(4, 4);
    CBrush red(kRed);
    f.dc.FrameRect(CRect(0, 0, 4, 4), &red);
    EXPECT_EQ(kRed, f.at(3, 3));
    EXPECT_EQ(kRed, f.at(0, 2));
    EXPECT_EQ(kWhite, f.at(1, 1));
}

TEST(DeviceContext, LinesAndRectanglesWithPenAndBrush)
{
    MemoryCanvas c(8, 8);
    CPen pen(PS_SOLID, 1, kRed);
    c.dc.SelectObject(&pen);
    c.dc.MoveTo(1, 1);
    c.dc.LineTo(5, 1);
    EXPECT_EQ(CRect(1, 1, 5, 2), PaintedBox(c.surface(), kRed)) << "the end point is not drawn";
    EXPECT_EQ(CPoint(5, 1), c.dc.GetCurrentPosition());
    c.dc.LineTo(5, 5);
    EXPECT_EQ(kRed, c.at(5, 4));
    EXPECT_EQ(kWhite, c.at(5, 5));

    MemoryCanvas r(8, 8);
    CBrush blue(kBlue);
    r.dc.SelectObject(&pen);
    r.dc.SelectObject(&blue);
    r.dc.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(CRect(1, 1, 6, 5), PaintedBox(r.surface(), kRed) | PaintedBox(r.surface(), kBlue));
    EXPECT_EQ(CRect(2, 2, 5, 4), PaintedBox(r.surface(), kBlue));

    MemoryCanvas n(8, 8);
    n.dc.SelectStockObject(NULL_PEN);
    n.dc.SelectObject(&blue);
    n.dc.Rectangle(1, 1, 6, 5);
    EXPECT_EQ(CRect(1, 1, 5, 4), PaintedBox(n.surface(), kBlue)) << "null pen: one pixel smaller";
}

TEST(DeviceContext, IconImagesBlendByAlpha)
{
    MemoryCanvas c(4, 2, RGB(0, 0, 0));
    const std::uint32_t icon[4] = {0xFFFF0000u, 0x00FFFFFFu, 0x80FFFFFFu, 0xFF0000FFu};
    c.dc.DrawIconImage(2, 0, 2, 2, icon);  // half of it falls off the right edge
    EXPECT_EQ(RGB(255, 0, 0), c.at(2, 0));
    EXPECT_EQ(RGB(0, 0, 0), c.at(3, 0)) << "fully transparent";
    EXPECT_EQ(RGB(128, 128, 128), c.at(2, 1)) << "half transparent white over black";
    EXPECT_EQ(RGB(0, 0, 255), c.at(3, 1));
    EXPECT_EQ(CLR_INVALID, c.dc.GetPixel(4, 0));
}

TEST(DeviceContext, UncreatedContextDoesNothing)
{
    CDC dc;
    EXPECT_EQ(nullptr, dc.GetSafeHdc());
    dc.FillSolidRect(0, 0, 10, 10, kRed);
    EXPECT_FALSE(dc.BitBlt(0, 0, 1, 1, &dc, 0, 0, SRCCOPY));
    EXPECT_EQ(CLR_INVALID, dc.GetPixel(0, 0));
    EXPECT_EQ(RGN_ERROR, dc.GetClipBox(nullptr));
    EXPECT_EQ(0, dc.SaveDC());
    EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr)) << "already created";
    EXPECT_EQ(&dc, CDC::FromHandle(dc.GetSafeHdc()));
    HDC h = dc.GetSafeHdc();
    EXPECT_TRUE(dc.DeleteDC());
    EXPECT_EQ(nullptr, CDC::FromHandle(h));
}

TEST(DeviceContext, HandleLevelCalls)
{
    MemoryCanvas c(4, 4);
    HBRUSH red = ::CreateSolidBrush(kRed);
    EXPECT_EQ(OBJ_BRUSH, ::GetObjectType(red));
    HGDIOBJ old = ::SelectObject(c.dc.GetSafeHdc(), red);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), old);
    c.dc.PatBlt(0, 0, 2, 2, PATCOPY);
    EXPECT_EQ(kRed, c.at(1, 1));
    EXPECT_EQ(kWhite, c.at(2, 2));
    ::SelectObject(c.dc.GetSafeHdc(), old);
    EXPECT_TRUE(::DeleteObject(red));
    EXPECT_FALSE(::DeleteObject(red)) << "already gone";
    EXPECT_FALSE(::DeleteObject(::GetStockObject(WHITE_BRUSH))) << "stock objects stay";
    EXPECT_EQ(0u, ::GetObjectType(red));

    LOGFONT lf;
    lf.lfHeight = -17;
    lf.lfEscapement = 900;
    HFONT font = ::CreateFontIndirect(&lf);
    LOGFONT back;
    EXPECT_EQ(static_cast<int>(sizeof(LOGFONT)), ::GetObject(font, sizeof back, &back));
    EXPECT_EQ(900, back.lfEscapement);
    EXPECT_EQ(0, ::GetObject(font, 4, &back)) << "buffer too small";
    LOGFONT viaWrapper;
    CFont::FromHandle(font)->GetLogFont(&viaWrapper);
    EXPECT_EQ(-17, viaWrapper.lfHeight);
    EXPECT_TRUE(::DeleteObject(font));
    EXPECT_EQ(nullptr, CFont::FromHandle(font));
    EXPECT_EQ(0, ::GetDeviceCaps(nullptr, BITSPIXEL));
    EXPECT_EQ(32, ::GetDeviceCaps(c.dc.GetSafeHdc(), BITSPIXEL));
}
