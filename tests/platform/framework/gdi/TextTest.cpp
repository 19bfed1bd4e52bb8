// Text through FreeType: measurement, character set, font files and absurd sizes.

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

TEST(Text, MissingFontFileIsAClearErrorNamingThePackage)
{
    MemoryCanvas c(4, 4);
    const int width = c.dc.GetTextExtent("x", 1).cx;  // realised before its file goes
    const std::string saved = FontEngine::Get().FontDirectory();
    FontEngine::Get().SetFontDirectory("/nonexistent/fonts");
    try {
        c.dc.GetTextExtent("x", 1);
        ADD_FAILURE() << "no error for a missing font file";
    } catch (const FontError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("fonts-liberation2")) << e.what();
        EXPECT_NE(std::string::npos, std::string(e.what()).find("/nonexistent/fonts/LiberationSans")) << e.what();
    }
    FontEngine::Get().SetFontDirectory(saved);
    EXPECT_EQ(c.dc.GetTextExtent("x", 1).cx, width) << "back to normal";
}

TEST(Text, AbsurdSizesAreBounded)
{
    EXPECT_LE(Extent("M", Arial(-2000000000)).cy, 2 * FontEngine::kMaxPixels);
    EXPECT_LE(Extent("M", Arial(-2147483647 - 1)).cy, 2 * FontEngine::kMaxPixels);
    EXPECT_GT(Extent("M", Arial(1)).cy, 0);
}

// Every pixel of a glyph is the ink laid over the background by the glyph's coverage, rounded to
// nearest: whether it is drawn four at a time, alone, or (fully covered) stored without blending.
TEST(Text, GlyphPixelsAreTheInkBlendedByCoverage)
{
    const LOGFONT lf = Arial(-40, FW_BOLD);
    FontInstance& font = FontEngine::Get().Instance(lf);
    const GlyphImage& g = font.Glyph(U'T');
    const CPoint at(10, 10);
    const Surface s = Draw("T", lf, at);
    auto blend = [](int ink, int back, int a) { return (ink * a + back * (255 - a) + 127) / 255; };
    int solid = 0;
    for (int row = 0; row < g.rows; ++row)
        for (int col = 0; col < g.width; ++col) {
            const int a = g.coverage[static_cast<std::size_t>(row) * g.width + col];
            solid += a == 255;
            const COLORREF expected = RGB(blend(GetRValue(kInk), 255, a), blend(GetGValue(kInk), 255, a),
                                          blend(GetBValue(kInk), 255, a));
            ASSERT_EQ(expected, s.GetPixel(at.x + g.left + col, at.y + font.Ascent() - g.top + row))
                << "column " << col << ", row " << row << ", coverage " << a;
        }
    EXPECT_GT(solid, 40) << "the bar of a bold T is fully covered";
}
