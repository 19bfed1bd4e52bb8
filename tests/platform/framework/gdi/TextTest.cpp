// Text through FreeType: colour, measurement, alignment, turned runs, character set and font files.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/CRgn.h"
#include "platform/framework/gdi/FontEngine.h"
#include "tests/platform/framework/gdi/GdiTestSupport.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(200, 16, 40);
constexpr COLORREF kBack = RGB(0, 0, 255);

LOGFONT Arial(int height, int weight = FW_NORMAL, int escapement = 0)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfEscapement = escapement;
    CFont::SetFaceName(lf, "Arial");
    return lf;
}

// Draws a string into a white square and returns the surface.
Surface Draw(const char* text, const LOGFONT& lf, CPoint at, UINT align = TA_LEFT | TA_TOP, int mode = TRANSPARENT,
             int size = 80)
{
    MemoryCanvas c(size, size, kWhite);
    CFont font;
    font.CreateFontIndirect(&lf);
    c.dc.SelectObject(&font);
    c.dc.SetTextColor(kInk);
    c.dc.SetBkColor(kBack);
    c.dc.SetBkMode(mode);
    c.dc.SetTextAlign(align);
    c.dc.TextOut(at.x, at.y, text, -1);
    c.dc.SelectStockObject(SYSTEM_FONT);
    return c.surface();
}

CSize Extent(const char* text, const LOGFONT& lf)
{
    MemoryCanvas c(1, 1);
    CFont font;
    font.CreateFontIndirect(&lf);
    c.dc.SelectObject(&font);
    const CSize s = c.dc.GetTextExtent(text, -1);
    c.dc.SelectStockObject(SYSTEM_FONT);
    return s;
}

}  // namespace

TEST(Text, SolidStemsAreExactlyTheTextColour)
{
    for (const char* glyph : {"I", "l"}) {
        const Surface s = Draw(glyph, Arial(-24, FW_BOLD), CPoint(10, 10));
        const CRect ink = InkBox(s, kWhite);
        ASSERT_FALSE(ink.IsRectEmpty()) << glyph;
        const CPoint mid = ink.CenterPoint();
        EXPECT_EQ(kInk, s.GetPixel(mid.x, mid.y)) << glyph << " ink " << RectText(ink);
        EXPECT_EQ(kWhite, s.GetPixel(ink.left - 1, mid.y)) << "transparent mode keeps the background";
    }
}

TEST(Text, OpaqueModeFillsExactlyTheTextCell)
{
    const LOGFONT lf = Arial(-16);
    const CSize ext = Extent("Hg", lf);
    const Surface s = Draw("Hg", lf, CPoint(7, 9), TA_LEFT | TA_TOP, OPAQUE);
    EXPECT_EQ(CRect(7, 9, 7 + ext.cx, 9 + ext.cy), InkBox(s, kWhite));
    EXPECT_EQ(kBack, s.GetPixel(7, 9));
    EXPECT_EQ(kBack, s.GetPixel(7 + ext.cx - 1, 9 + ext.cy - 1));
}

TEST(Text, ExtentsAreDeterministicAdditiveAndProportional)
{
    const LOGFONT lf = Arial(-11);
    const CSize hello = Extent("Hello", lf);
    EXPECT_EQ(hello, Extent("Hello", lf));
    EXPECT_GT(hello.cx, 0);
    // No kerning: a pair measures as the sum of its letters.
    EXPECT_EQ(Extent("A", lf).cx + Extent("V", lf).cx, Extent("AV", lf).cx);
    EXPECT_EQ(Extent("To", lf).cx, Extent("T", lf).cx + Extent("o", lf).cx);
    EXPECT_LT(Extent("iiii", lf).cx, Extent("WWWW", lf).cx);
    EXPECT_GT(Extent("Hello", Arial(-11, FW_BOLD)).cx, hello.cx) << "bold is wider";
    EXPECT_EQ(0, Extent("", lf).cx);
    EXPECT_EQ(hello.cy, Extent("", lf).cy) << "the height is the font's, whatever the text";

    // Twice the size measures about twice as wide (hinting rounds each advance).
    const CSize big = Extent("Hello world", Arial(-22));
    const CSize small = Extent("Hello world", lf);
    EXPECT_NEAR(2.0, static_cast<double>(big.cx) / small.cx, 0.2);

    // A positive height asks for the cell; the default (0) is the 8-point dialog size.
    EXPECT_NEAR(20, Extent("x", Arial(20)).cy, 1);
    EXPECT_EQ(Extent("Hello", Arial(-11)), Extent("Hello", Arial(0)));
    EXPECT_EQ(13, Extent("x", Arial(0)).cy);
}

TEST(Text, DefaultFontIsTheEightPointDialogFont)
{
    MemoryCanvas c(1, 1);
    TEXTMETRIC tm;
    ASSERT_TRUE(c.dc.GetTextMetrics(&tm));
    EXPECT_EQ(13, tm.tmHeight);
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_EQ(tm.tmHeight, c.dc.GetTextExtent("Ay", 2).cy);
    EXPECT_EQ(2, tm.tmInternalLeading) << "11-pixel characters in a 13-pixel cell";

    CFont point;
    ASSERT_TRUE(point.CreatePointFont(80, "MS Shell Dlg", &c.dc));
    LOGFONT lf;
    ASSERT_EQ(static_cast<int>(sizeof(LOGFONT)), point.GetLogFont(&lf));
    EXPECT_EQ(-11, lf.lfHeight);
    EXPECT_STREQ("MS Shell Dlg", lf.lfFaceName);
    const CSize byDefault = c.dc.GetTextExtent("Dialog", 6);
    c.dc.SelectObject(&point);
    EXPECT_EQ(byDefault, c.dc.GetTextExtent("Dialog", 6)) << "8 points is the default size";
    CFont stock;
    stock.CreateStockObject(DEFAULT_GUI_FONT);
    LOGFONT stockLf;
    stock.GetLogFont(&stockLf);
    EXPECT_EQ(-11, stockLf.lfHeight);
    c.dc.SelectStockObject(SYSTEM_FONT);
}

TEST(Text, InkLiesInsideTheTextBox)
{
    const LOGFONT lf = Arial(-14);
    const CSize ext = Extent("Hello", lf);
    const CRect ink = InkBox(Draw("Hello", lf, CPoint(10, 20)), kWhite);
    const CRect box(10, 20, 10 + ext.cx, 20 + ext.cy);
    EXPECT_EQ(box, ink | box) << "ink " << RectText(ink) << " box " << RectText(box);
    EXPECT_GE(ink.Width(), ext.cx - 3);
}

TEST(Text, TurnedRunsAreTheLevelRunTurnedAboutTheReferencePoint)
{
    const CPoint ref(40, 40);
    const Surface level = Draw("Fg7", Arial(-15), ref);
    const CSize ext = Extent("Fg7", Arial(-15));
    for (int escapement : {900, 1800, 2700}) {
        const Surface turned = Draw("Fg7", Arial(-15, FW_NORMAL, escapement), ref);
        Surface expected(80, 80, kWhite);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                const int u = x - ref.x, v = y - ref.y;
                CPoint to;
                switch (escapement) {
                case 900: to = CPoint(ref.x + v, ref.y - u - 1); break;
                case 1800: to = CPoint(ref.x - u - 1, ref.y - v - 1); break;
                default: to = CPoint(ref.x - v - 1, ref.y + u); break;
                }
                expected.SetPixel(to.x, to.y, level.GetPixel(x, y));
            }
        EXPECT_TRUE(SurfacesEqual(turned, expected, "turned-" + std::to_string(escapement)));

        // The ink of a run turned a quarter lies in a box as tall as the run is wide.
        if (escapement == 900) {
            const CRect ink = InkBox(turned, kWhite);
            const CRect box(ref.x, ref.y - ext.cx, ref.x + ext.cy, ref.y);
            EXPECT_EQ(box, ink | box) << RectText(ink);
            EXPECT_GE(ink.Height(), ext.cx - 3);
            EXPECT_LT(ink.Width(), ext.cy + 1);
        }
    }
}

TEST(Text, CentreBottomAnchorCentresTheCellAtEveryQuarterTurn)
{
    // The progress bar's anchor: text box on the screen w x h (level) or h x w (turned), reference
    // point at ((W + x offset) / 2, (H + y offset) / 2) with offsets (0, h), (h, 0), (0, -h), (-h, 0).
    const int W = 80, H = 80;
    const CSize ext = Extent("42 %", Arial(-13));
    const int w = ext.cx, h = ext.cy;
    struct Case {
        int escapement, xOffset, yOffset, boxW, boxH;
    } cases[] = {{0, 0, h, w, h}, {900, h, 0, h, w}, {1800, 0, -h, w, h}, {2700, -h, 0, h, w}};
    for (const Case& k : cases) {
        const CPoint anchor((W + k.xOffset) / 2, (H + k.yOffset) / 2);
        const Surface s = Draw("42 %", Arial(-13, FW_NORMAL, k.escapement), anchor, TA_CENTER | TA_BOTTOM, OPAQUE);
        const CRect cell = InkBox(s, kWhite);
        EXPECT_EQ(k.boxW, cell.Width()) << k.escapement;
        EXPECT_EQ(k.boxH, cell.Height()) << k.escapement;
        EXPECT_NEAR((W - k.boxW) / 2.0, cell.left, 1.0) << k.escapement << " " << RectText(cell);
        EXPECT_NEAR((H - k.boxH) / 2.0, cell.top, 1.0) << k.escapement << " " << RectText(cell);
    }
    // Level: the cell ends exactly on the reference line and straddles the reference column.
    const Surface level = Draw("42 %", Arial(-13), CPoint(40, 50), TA_CENTER | TA_BOTTOM, OPAQUE);
    EXPECT_EQ(CRect(40 - w / 2, 50 - h, 40 - w / 2 + w, 50), InkBox(level, kWhite));
}

TEST(Text, BaselineAndRightAlignment)
{
    const LOGFONT lf = Arial(-20);
    const CRect onBaseline = InkBox(Draw("x", lf, CPoint(20, 40), TA_LEFT | TA_BASELINE), kWhite);
    EXPECT_EQ(40, onBaseline.bottom) << "an x stands on the baseline";
    const CRect right = InkBox(Draw("W", lf, CPoint(60, 10), TA_RIGHT | TA_TOP), kWhite);
    EXPECT_LE(right.right, 60);
    EXPECT_GE(right.right, 58);
}

TEST(Text, UpdateCurrentPositionContinuesTheRun)
{
    MemoryCanvas c(100, 20);
    c.dc.SetTextAlign(TA_UPDATECP);
    c.dc.MoveTo(3, 2);
    const CSize ab = c.dc.GetTextExtent("ab", 2);
    c.dc.TextOut(0, 0, "ab", 2);
    EXPECT_EQ(CPoint(3 + ab.cx, 2), c.dc.GetCurrentPosition());
}

TEST(Text, ClipRegionCutsText)
{
    MemoryCanvas c(60, 30);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 12, 30);
    c.dc.SelectClipRgn(&rgn);
    c.dc.SetBkMode(TRANSPARENT);
    c.dc.SetViewportOrg(5, 5);
    c.dc.TextOut(0, 0, "WWWWWW", 6);
    const CRect ink = InkBox(c.surface(), kWhite);
    EXPECT_FALSE(ink.IsRectEmpty());
    EXPECT_LE(ink.right, 12);
}

TEST(Text, Windows1252BytesDrawTheirUnicodeCharacters)
{
    const LOGFONT lf = Arial(-16);
    FontInstance& font = FontEngine::Get().Instance(lf);
    EXPECT_EQ(font.Advance(U'\u20AC'), Extent("\x80", lf).cx) << "0x80 is the euro sign";
    EXPECT_EQ(font.Advance(U'\u00B0'), Extent("\xB0", lf).cx) << "0xB0 is the degree sign";
    EXPECT_EQ(font.Advance(U'\u2013'), Extent("\x96", lf).cx) << "0x96 is the en dash";
    EXPECT_NE(font.Advance(U'\u2013'), font.Advance(0x96)) << "and not the control character";
    const CRect degree = InkBox(Draw("\xB0", lf, CPoint(10, 10)), kWhite);
    EXPECT_FALSE(degree.IsRectEmpty());
    EXPECT_LT(degree.bottom, 10 + font.Ascent() - 4) << "a degree sign sits high";
}

TEST(Text, FaceNamesMapToLiberationSansFiles)
{
    LOGFONT lf = Arial(-11);
    EXPECT_EQ("LiberationSans-Regular.ttf", FontEngine::FileNameFor(lf));
    lf.lfWeight = FW_BOLD;
    EXPECT_EQ("LiberationSans-Bold.ttf", FontEngine::FileNameFor(lf));
    lf.lfItalic = 1;
    EXPECT_EQ("LiberationSans-BoldItalic.ttf", FontEngine::FileNameFor(lf));
    CFont::SetFaceName(lf, "No Such Face At All");
    lf.lfWeight = FW_NORMAL;
    lf.lfItalic = 0;
    EXPECT_EQ("LiberationSans-Regular.ttf", FontEngine::FileNameFor(lf));
    // Face names longer than the record are cut, not overrun.
    CFont::SetFaceName(lf, "An extremely long face name that cannot fit in thirty-two bytes");
    EXPECT_EQ(LF_FACESIZE - 1, static_cast<int>(std::strlen(lf.lfFaceName)));
}

TEST(Text, MissingFontFileIsAClearErrorNamingThePackage)
{
    const std::string saved = FontEngine::Get().FontDirectory();
    FontEngine::Get().SetFontDirectory("/nonexistent/fonts");
    MemoryCanvas c(4, 4);
    try {
        c.dc.GetTextExtent("x", 1);
        ADD_FAILURE() << "no error for a missing font file";
    } catch (const FontError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("fonts-liberation2")) << e.what();
        EXPECT_NE(std::string::npos, std::string(e.what()).find("/nonexistent/fonts/LiberationSans")) << e.what();
    }
    FontEngine::Get().SetFontDirectory(saved);
    EXPECT_GT(c.dc.GetTextExtent("x", 1).cx, 0) << "back to normal";
}

TEST(Text, AbsurdSizesAreBounded)
{
    EXPECT_LE(Extent("M", Arial(-2000000000)).cy, 2 * FontEngine::kMaxPixels);
    EXPECT_LE(Extent("M", Arial(-2147483647 - 1)).cy, 2 * FontEngine::kMaxPixels);
    EXPECT_GT(Extent("M", Arial(1)).cy, 0);
}
