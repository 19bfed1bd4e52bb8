// How the gradient bar paints what the random-bar checksums leave out: low-colour and palette devices,
// snake, brushes, borders, and the two-colour, tied and turned texts.

#include "ControlsTestSupport.h"

#include <string>
#include <tuple>

#include "platform/framework/gdi/CFont.h"

using namespace controls_test;

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Gradient : BarFixture<> {
    explicit Gradient(int width, int height = 10) : BarFixture<>(width, height)
    {
        bar.SetGradientColors(kBlack, kWhite);
        bar.SetBkColor(RGB(255, 0, 0));
    }
};

} // namespace

TEST(ProgressRendering, LowColourDevicesShowTheStartColourAndPaletteDevicesUseBrushes)
{
    Gradient f(100);
    f.bar.SetGradientColors(RGB(0, 0, 200), RGB(200, 0, 0));
    ::SendMessage(f.bar, PBM_SETPOS, 100, 0);
    CRect client;
    f.bar.GetClientRect(&client);
    {
        Canvas c(client.Width(), client.Height());
        c.dc.SetColorFormat(4, FALSE);
        f.bar.PaintInto(c.dc);
        EXPECT_EQ(c.dc.GetFillCount(), 2);
        EXPECT_EQ(boxOf(c, RGB(0, 0, 200)), CRect(0, 0, 100, 10));
    }
    {
        Canvas palette(client.Width(), client.Height());
        palette.dc.SetColorFormat(8, TRUE);
        f.bar.PaintInto(palette.dc);
        auto truecolour = f.Paint();
        EXPECT_EQ(palette.dc.GetFillCount(), 1 + 100);
        EXPECT_EQ(palette.surface(), truecolour->surface()); // the same levels, through brushes
        Canvas eight(client.Width(), client.Height());
        eight.dc.SetColorFormat(8, FALSE);
        f.bar.PaintInto(eight.dc);
        EXPECT_EQ(eight.surface(), truecolour->surface()) << "256 colours without a palette shown as one";
    }
}

TEST(ProgressRendering, BrushesBordersAndTheSnakeSpanWithNoGradientPartDrawnOutsideIt)
{
    Gradient f(100, 20);
    CBrush barBrush(RGB(0, 0, 128));
    CBrush bkBrush(RGB(0, 128, 0));
    f.bar.SetBarBrush(&barBrush);
    f.bar.SetBkBrush(&bkBrush);
    f.bar.SetBorders(CRect(10, 2, 10, 3));
    ::SendMessage(f.bar, PBM_SETPOS, 50, 0);
    auto c = f.Paint();
    EXPECT_EQ(boxOf(*c, RGB(0, 0, 128)), CRect(10, 2, 50, 17)); // half of the 80 pixels inside
    EXPECT_EQ(c->at(0, 0), RGB(0, 128, 0));
    EXPECT_EQ(c->at(99, 19), RGB(0, 128, 0));
    EXPECT_EQ(f.bar.gradients, 0);

    f.bar.SetBarBrush(nullptr);
    f.bar.SetBkBrush(nullptr);
    f.bar.SetSnake(TRUE);
    f.bar.SetGradientColors(kBlack, kBlack);
    ::SendMessage(f.bar, PBM_SETPOS, 75, 0); // tail 35
    EXPECT_EQ(boxOf(*f.Paint(), kBlack), CRect(10 + 28, 2, 10 + 60, 17));
    f.bar.SetRubberBar(FALSE); // the gradient spans the whole bar: its first of three parts ends before the tail
    f.bar.SetGradientColorsX(4, kBlack, kBlack, kBlack, kBlack);
    f.Paint();
    EXPECT_EQ(f.bar.gradients, 2) << "only the parts under the snake are drawn";

    // Borders that leave no room inside show the background only, text and all.
    f.bar.SetBorders(CRect(60, 2, 60, 3));
    f.bar.SetShowPercent(TRUE);
    f.bar.SetTextColor(kWhite);
    EXPECT_EQ(f.Paint()->dc.GetFillCount(), 1);
    EXPECT_TRUE(f.bar.texts.empty());
}

TEST(ProgressRendering, TextChangesColourExactlyAtTheBarsEndAndTail)
{
    Gradient f(100, 20);
    const COLORREF barColour = RGB(0, 128, 0);
    f.bar.SetGradientColors(barColour, barColour);
    f.bar.SetBkColor(kWhite);
    f.bar.SetTextColor(RGB(255, 0, 0), RGB(0, 0, 255));
    f.bar.SetShowPercent(TRUE);
    ::SendMessage(f.bar, PBM_SETPOS, 50, 0);
    f.Paint();
    ASSERT_EQ(f.bar.texts.size(), 2u);
    EXPECT_EQ(f.bar.texts[0].text, "50%");
    EXPECT_EQ(f.bar.texts[0].clip, CRect(0, 0, 50, 0));
    EXPECT_EQ(f.bar.texts[0].color, RGB(255, 0, 0));
    EXPECT_EQ(f.bar.texts[1].clip, CRect(50, 0, 100, 0));
    EXPECT_EQ(f.bar.texts[1].color, RGB(0, 0, 255));

    // A snake has background on both sides: its tail is a colour change too.
    f.bar.SetSnake(TRUE);
    ::SendMessage(f.bar, PBM_SETPOS, 60, 0);
    f.Paint();
    ASSERT_EQ(f.bar.texts.size(), 3u);
    EXPECT_EQ(f.bar.texts[0].clip, CRect(20, 0, 60, 0));
    EXPECT_EQ(f.bar.texts[2].clip, CRect(0, 0, 20, 0));
    EXPECT_EQ(f.bar.texts[2].color, RGB(0, 0, 255));
    ::SendMessage(f.bar, PBM_SETPOS, 41, 0); // a tail one pixel from the start
    f.Paint();
    ASSERT_EQ(f.bar.texts.size(), 3u) << "the text left of a tail at 1 not drawn";
    EXPECT_EQ(f.bar.texts[2].clip, CRect(0, 0, 1, 0));

    // One colour: drawn once over the whole span.
    f.bar.SetTextColor(kBlack);
    f.Paint();
    ASSERT_EQ(f.bar.texts.size(), 1u);
    EXPECT_EQ(f.bar.texts[0].clip, CRect(0, 0, 100, 0));
}

TEST(ProgressRendering, TextFormats)
{
    Gradient f(100, 20);
    ::SendMessage(f.bar, PBM_SETRANGE32, 0, 200);
    ::SendMessage(f.bar, PBM_SETPOS, 33, 0);
    f.bar.SetTextColor(kBlack);
    auto drawn = [&f]() {
        f.Paint();
        return f.bar.texts.empty() ? CString("(none)") : f.bar.texts[0].text;
    };
    EXPECT_EQ(drawn(), "(none)");
    f.bar.SetShowPercent(TRUE);
    EXPECT_EQ(drawn(), "16%"); // 16.5 truncated
    ::SetWindowText(f.bar, ""); // percent mode with no text of its own
    EXPECT_EQ(drawn(), "16%");
    f.bar.SetTextFormat("Position %d", PBS_SHOW_POSITION);
    EXPECT_EQ(drawn(), "Position 33");
    f.bar.SetTextFormat("%d", PBS_SHOW_POSITION);
    ::SetWindowText(f.bar, ""); // position mode with no text of its own
    EXPECT_EQ(drawn(), "33");
    f.bar.SetTextFormat("100%% done", PBS_SHOW_TEXTONLY);
    EXPECT_EQ(drawn(), "100% done");
    f.bar.SetTextFormat("%d items", PBS_SHOW_TEXTONLY); // text only: the value is 0
    EXPECT_EQ(drawn(), "0 items");
    f.bar.SetTextFormat("%s at %n %5.2f %03d%%", PBS_SHOW_TEXTONLY); // no argument is ever read
    EXPECT_EQ(drawn(), "%s at %n %5.2f 000%");
    f.bar.SetTextFormat("%256d|%257d", PBS_SHOW_TEXTONLY); // wider than 256: drawn as written
    EXPECT_EQ(drawn(), CString((std::string(255, ' ') + "0|%257d").c_str()));
    ::SetWindowText(f.bar, ""); // text only with no text: nothing
    EXPECT_EQ(drawn(), "(none)");
    f.bar.SetShowPercent(TRUE);
    f.bar.HideText();
    EXPECT_EQ(drawn(), "(none)") << "hidden text still drawn";
}

TEST(ProgressRendering, APartialRepaintDrawsTheInvalidPartInPlaceNotTheBarsStart)
{
    Gradient f(100);
    ::SendMessage(f.bar, PBM_SETPOS, 100, 0);
    f.a.Render(f.bar);
    f.bar.SetGradientColors(RGB(0, 0, 200), RGB(200, 0, 0));
    const CRect right(60, 0, 100, 10);
    ::InvalidateRect(f.bar, &right, FALSE); // only the right part is repainted
    const Surface partial = f.a.Render(f.bar);
    ::InvalidateRect(f.bar, nullptr, FALSE);
    const Surface whole = f.a.Render(f.bar);
    for (int x = 61; x <= 100; x += 3) EXPECT_EQ(partial.GetPixel(x, 5), whole.GetPixel(x, 5)) << x; // 1: the border
}

TEST(ProgressRendering, TiedTextTravelsWithTheBarAndIsLeftOutWhenLonger)
{
    Gradient f(200, 20);
    f.bar.SetGradientColors(kBlack, kBlack);
    f.bar.SetBkColor(kWhite);
    f.bar.SetTextColor(RGB(255, 255, 0), RGB(0, 0, 255));
    f.bar.SetTextFormat("%d%%", PBS_SHOW_PERCENT);
    f.bar.ModifyStyle(0, PBS_SMOOTH);
    f.bar.SetTiedText(TRUE);
    EXPECT_TRUE(f.bar.GetStyle() & PBS_SMOOTH) << "tying the text dropped another style";
    ::SendMessage(f.bar, PBM_SETPOS, 5, 0); // a 10-pixel bar: "5%" does not fit
    auto c = f.Paint();
    EXPECT_TRUE(f.bar.texts.empty());
    EXPECT_EQ(boxOf(*c, kBlack), CRect(0, 0, 10, 20));

    ::SendMessage(f.bar, PBM_SETPOS, 60, 0);
    c = f.Paint();
    ASSERT_EQ(f.bar.texts.size(), 1u);
    EXPECT_EQ(f.bar.texts[0].clip, CRect(0, 0, 120, 0));
    EXPECT_EQ(f.bar.texts[0].color, RGB(255, 255, 0)); // the colour on the bar only
    CSize extent;
    {
        Canvas m(10, 10);
        m.dc.SelectObject(f.bar.GetFont());
        extent = m.dc.GetTextExtent("60%");
    }
    EXPECT_EQ(f.bar.texts[0].viewportOrg, CPoint(120 / 2, (20 + extent.cy) / 2)); // centred on the bar

    // Along a vertical bar it is the text's height that must fit: "Spot 10" is wider than the
    // 20-pixel bar but not as tall.
    f.bar.ModifyStyle(0, PBS_VERTICAL);
    f.Resize(20, 200);
    f.bar.SetTextFormat("Spot %d", PBS_SHOW_POSITION);
    ::SendMessage(f.bar, PBM_SETPOS, 10, 0);
    f.Paint();
    ASSERT_EQ(f.bar.texts.size(), 1u);
    EXPECT_EQ(f.bar.texts[0].clip, CRect(0, 0, 20, 0));
}

TEST(ProgressRendering, TurnedTextIsAnchoredByItsTurnedBox)
{
    Gradient f(100, 60);
    f.bar.SetTextColor(kBlack);
    f.bar.SetTextFormat("Up", PBS_SHOW_TEXTONLY);
    auto anchorAt = [&f](int escapement) {
        LOGFONT lf;
        lf.lfHeight = -12;
        lf.lfEscapement = escapement;
        CFont::SetFaceName(lf, "Arial");
        CFont font;
        font.CreateFontIndirect(&lf);
        f.bar.SetFont(&font, FALSE);
        Canvas m(10, 10);
        m.dc.SelectObject(&font);
        CSize extent = m.dc.GetTextExtent("Up");
        f.Paint();
        f.bar.SetFont(static_cast<CFont*>(nullptr), FALSE);
        EXPECT_EQ(f.bar.texts.size(), 1u);
        return std::make_pair(f.bar.texts.empty() ? CPoint() : f.bar.texts[0].viewportOrg, extent);
    };
    // The anchor is the centre moved by half the text's height along x or y (dx, dy); other
    // angles have no extents.
    for (auto [escapement, dx, dy] : {std::tuple{0, 0, 1}, {900, 1, 0}, {1800, 0, -1}, {2700, -1, 0}, {450, 0, 0}}) {
        auto [at, extent] = anchorAt(escapement);
        EXPECT_EQ(at, CPoint((100 + dx * extent.cy) / 2, (60 + dy * extent.cy) / 2)) << escapement;
    }
}
