// The drawing calls windows paint with: formatted text, icons, focus rectangles and system brushes,
// checked on small memory surfaces.

#include <gtest/gtest.h>

#include <memory>

#include "platform/framework/IconImage.h"
#include "platform/framework/WinUser.h"
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/GdiFunctions.h"
#include "platform/framework/gdi/PaintFunctions.h"
#include "tests/platform/framework/paint/PaintTestSupport.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Canvas {
    CDC dc;
    CBitmap bitmap;
    Canvas(int width, int height)
    {
        dc.CreateCompatibleDC(nullptr);
        bitmap.CreateCompatibleBitmap(&dc, width, height);
        dc.SelectObject(&bitmap);
        bitmap.GetSurface()->Fill(kWhite);
        dc.SetBkMode(TRANSPARENT);
    }
    const Surface& surface() { return *bitmap.GetSurface(); }
    // Bounding box of everything drawn.
    CRect ink()
    {
        CRect box;
        const Surface& s = surface();
        for (int y = 0; y < s.Height(); ++y)
            for (int x = 0; x < s.Width(); ++x)
                if (s.GetPixel(x, y) != kWhite) box = box | CRect(x, y, x + 1, y + 1);
        return box;
    }
};

TEST(DrawText, PlacesASingleLineLeftCentredOrRightAndVertically)
{
    Canvas c(200, 60);
    const CSize extent = c.dc.GetTextExtent("Wavelength");
    CRect r(10, 10, 190, 50);
    c.dc.DrawText("Wavelength", &r, DT_LEFT | DT_SINGLELINE | DT_TOP);
    CRect ink = c.ink();
    EXPECT_LE(ink.left - 10, 1);
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 10 + extent.cy);

    Canvas right(200, 60);
    right.dc.DrawText("Wavelength", &r, DT_RIGHT | DT_SINGLELINE | DT_BOTTOM);
    ink = right.ink();
    EXPECT_LE(190 - ink.right, 2);
    EXPECT_GE(ink.top, 50 - extent.cy);
    EXPECT_LE(ink.bottom, 50);

    Canvas centre(200, 60);
    const int offset = centre.dc.DrawText("Wavelength", &r, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    ink = centre.ink();
    EXPECT_LE(std::abs((ink.left - 10) - (190 - ink.right)), 3);
    EXPECT_EQ(offset, (40 - extent.cy) / 2 + extent.cy) << "from the top to the text's bottom";
}

TEST(DrawText, BreaksWordsMeasuresAndShortens)
{
    Canvas c(300, 200);
    const CSize word = c.dc.GetTextExtent("pressure ");
    CRect calc(0, 0, word.cx * 2, 0);
    const int height = c.dc.DrawText("pressure pressure pressure pressure", &calc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 2 * word.cy) << "two words per line";
    EXPECT_EQ(calc.Height(), 2 * word.cy);
    EXPECT_LE(calc.Width(), word.cx * 2);
    EXPECT_TRUE(c.ink().IsRectEmpty()) << "measuring draws nothing";

    CRect lines(0, 0, 300, 0);
    EXPECT_EQ(c.dc.DrawText("one\r\ntwo\nthree", &lines, DT_CALCRECT), 3 * word.cy) << "hard breaks";
    CRect single(0, 0, 300, 0);
    EXPECT_EQ(c.dc.DrawText("one\r\ntwo", &single, DT_SINGLELINE | DT_CALCRECT), word.cy);
    CRect empty(5, 5, 50, 50);
    EXPECT_EQ(c.dc.DrawText("", &empty, DT_CALCRECT), 0);

    // Mnemonic markers are not drawn: "&Apply" is as wide as "Apply"; "&&" is one '&'.
    CRect a(0, 0, 300, 0), b(0, 0, 300, 0), amp(0, 0, 300, 0);
    c.dc.DrawText("&Apply", &a, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(a.Width(), c.dc.GetTextExtent("Apply").cx);
    c.dc.DrawText("&Apply", &b, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    EXPECT_EQ(b.Width(), c.dc.GetTextExtent("&Apply").cx);
    c.dc.DrawText("A&&B", &amp, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(amp.Width(), c.dc.GetTextExtent("A&B").cx);

    // Too long for its box: shortened to end in "...", and never drawn past the box.
    Canvas clip(300, 40);
    CRect box(10, 5, 80, 35);
    clip.dc.DrawText("Calibration of the plate stage", &box, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(clip.ink().right, 80);
    CRect measured = box;
    clip.dc.DrawText("Calibration of the plate stage", &measured, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_LE(measured.Width(), 70);
    Canvas unclipped(300, 40);
    unclipped.dc.DrawText("Calibration of the plate stage", &box, DT_SINGLELINE);
    EXPECT_LE(unclipped.ink().right, 80) << "clipped to the rectangle";
    Canvas noclip(300, 40);
    noclip.dc.DrawText("Calibration of the plate stage", &box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(noclip.ink().right, 80);
    EXPECT_EQ(c.dc.DrawText("x", -1, nullptr, 0), 0);
}

TEST(DrawIcon, DrawsAtItsSizeOrScaledAndBlendsTransparency)
{
    IconImage image = IconImage::Solid(4, 4, 0xFF00FF00u);
    image.argb[0] = 0x00000000u; // a transparent corner
    HICON__ icon(image);
    Canvas c(20, 20);
    EXPECT_TRUE(c.dc.DrawIcon(2, 3, &icon));
    EXPECT_EQ(c.ink(), CRect(2, 3, 6, 7));
    EXPECT_EQ(c.surface().GetPixel(2, 3), kWhite);
    EXPECT_EQ(c.surface().GetPixel(5, 6), RGB(0, 255, 0));
    EXPECT_FALSE(c.dc.DrawIcon(0, 0, nullptr));

    Canvas big(20, 20);
    EXPECT_TRUE(big.dc.DrawIconEx(0, 0, &icon, 8, 8));
    EXPECT_EQ(big.ink(), CRect(0, 0, 8, 8));
    EXPECT_EQ(big.surface().GetPixel(1, 1), kWhite) << "each pixel doubled, the transparent corner too";
    EXPECT_EQ(big.surface().GetPixel(2, 1), RGB(0, 255, 0));
    EXPECT_EQ(painttest::CountColor(big.surface(), big.surface().Bounds(), RGB(0, 255, 0)), 64 - 4);
    HICON__ large(IconImage::Solid(32, 32, 0xFF0000FFu));
    Canvas small(20, 20);
    ::DrawIconEx(small.dc.GetSafeHdc(), 0, 0, &large, 16, 16, 0, nullptr, 0);
    EXPECT_EQ(painttest::CountColor(small.surface(), small.surface().Bounds(), RGB(0, 0, 255)), 256);
}

TEST(DrawFocusRect, DottedOutlineThatASecondCallRemoves)
{
    Canvas c(20, 20);
    CRect r(2, 2, 12, 9);
    c.dc.DrawFocusRect(&r);
    EXPECT_EQ(c.ink(), r);
    const int inverted = painttest::CountColor(c.surface(), r, RGB(0, 0, 0));
    EXPECT_EQ(inverted, (2 * (10 + 7) - 4) / 2) << "every other pixel of the outline";
    EXPECT_EQ(c.surface().GetPixel(5, 5), kWhite) << "the inside is untouched";
    c.dc.DrawFocusRect(&r);
    EXPECT_TRUE(c.ink().IsRectEmpty());
}

TEST(SystemColours, BrushesAndEdgesUseTheOneColourTable)
{
    for (int index : {COLOR_3DFACE, COLOR_WINDOW, COLOR_HIGHLIGHT, COLOR_ACTIVECAPTION}) {
        HBRUSH brush = ::GetSysColorBrush(index);
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(brush, ::GetSysColorBrush(index)) << "one brush per colour";
        EXPECT_EQ(CBrush::FromHandle(brush)->GetColor(), ::GetSysColor(index));
        EXPECT_FALSE(::DeleteObject(brush)) << "system brushes are not the caller's to delete";
    }
    EXPECT_EQ(::GetSysColorBrush(-1), nullptr);
    EXPECT_EQ(::GetSysColorBrush(1000), nullptr);

    Canvas c(10, 10);
    CRect r(0, 0, 10, 10);
    c.dc.DrawEdge(&r, EDGE_SUNKEN, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(c.surface().GetPixel(0, 5), ::GetSysColor(COLOR_3DSHADOW));
    EXPECT_EQ(c.surface().GetPixel(9, 5), ::GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_EQ(c.surface().GetPixel(1, 5), ::GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.surface().GetPixel(8, 5), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(c.surface().GetPixel(5, 5), ::GetSysColor(COLOR_3DFACE));
}

} // namespace
