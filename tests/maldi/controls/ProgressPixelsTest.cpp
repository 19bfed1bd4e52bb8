// A few hundred random bars painted through the window system, checked against the checksums of
// the pixels the painting code gave before the drawing primitives were made faster (with the
// narrower dialog face since). Any change in a fill, a copy or a glyph shows up as a changed group.

#include "ControlsTestSupport.h"

#include <random>
#include "platform/framework/gdi/FontInstance.h"

using namespace controls_test;

namespace {

// FNV-1a over the size and the pixels of each bar of a group.
constexpr std::uint64_t kGroupChecksums[] = {
    13964113200413272657u, 17845251817896879675u, 8335144622961119783u, 8572635548012979950u, 10661978660205656093u,
    18155761272078809051u, 17498747089368148816u, 17570534513412926418u, 7794096830981813819u, 15912701430818285618u,
};
constexpr int kBarsPerGroup = 30;

std::uint64_t Mix(std::uint64_t hash, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i, value >>= 8) hash = (hash ^ (value & 0xFFu)) * 0x100000001B3ull;
    return hash;
}
} // namespace

TEST(ProgressPixels, RandomBarsPaintTheSamePixelsAsBefore)
{
    BarFixture<CProgressCtrlX> f;
    std::mt19937 random(2026);  // raw outputs only: the same sequence with every standard library
    auto pick = [&](std::uint32_t n) { return static_cast<int>(random() % n); };
    auto colour = [&] { return static_cast<COLORREF>(random() & 0xFFFFFF); };
    for (std::size_t group = 0; group < std::size(kGroupChecksums); ++group) {
        std::uint64_t hash = 0xCBF29CE484222325ull;
        for (int i = 0; i < kBarsPerGroup; ++i) {
            const bool vertical = pick(4) == 0;
            f.bar.ModifyStyle(PBS_VERTICAL, vertical ? PBS_VERTICAL : 0);
            // Each draw in its own statement: the order of a call's arguments is the compiler's
            // choice. The checksums were taken drawing the last argument first.
            const int height = vertical ? 20 + pick(200) : 8 + pick(30);
            const int width = vertical ? 8 + pick(30) : 20 + pick(400);
            f.Resize(width, height);
            COLORREF colours[4];
            for (int k = 3; k >= 0; --k) colours[k] = colour();
            const int count = 2 + pick(3);
            f.bar.SetGradientColorsX(count, colours[0], colours[1], colours[2], colours[3]);
            f.bar.SetBkColor(colour());
            const COLORREF under = pick(2) ? colour() : static_cast<COLORREF>(-1);
            f.bar.SetTextColor(colour(), under);
            int borders[4];
            for (int k = 3; k >= 0; --k) borders[k] = pick(3);
            f.bar.SetBorders(CRect(borders[0], borders[1], borders[2], borders[3]));
            f.bar.SetReverse(pick(3) == 0);
            f.bar.SetRubberBar(pick(3) == 0);
            f.bar.SetTiedText(pick(3) == 0);
            const int textMode = pick(3);
            f.bar.SetTextFormat(textMode == 2 ? nullptr : textMode ? "Pos %d" : "%d%%",
                                textMode ? PBS_SHOW_POSITION : PBS_SHOW_PERCENT);
            const int lower = pick(50);
            f.bar.SetRange32(lower, lower + 1 + pick(1000));
            f.bar.SetPos(lower + pick(1100));
            const Surface pixels = f.a.Render(f.bar);
            hash = Mix(Mix(hash, static_cast<std::uint32_t>(pixels.Width())), static_cast<std::uint32_t>(pixels.Height()));
            for (std::uint32_t p : pixels.Pixels()) hash = Mix(hash, p);
        }
        EXPECT_EQ(hash, kGroupChecksums[group]) << "group " << group << " (bars " << group * kBarsPerGroup << " on)";
    }
}

// A glyph cache that misses (a font realised anew per paint, a cache keyed wrongly) would load and
// render the percent text's glyphs at every repaint.
TEST(ProgressPixels, RepaintingTheSameTextRendersNoGlyph)
{
    BarFixture<CProgressCtrlX> f(400, 24);
    f.bar.SetShowPercent(TRUE);
    f.bar.SetPos(47);
    f.a.Render(f.bar);
    const long long afterFirst = FontInstance::RenderedGlyphCount();
    for (int i = 0; i < 3; ++i) f.a.Render(f.bar);
    EXPECT_EQ(FontInstance::RenderedGlyphCount(), afterFirst);
    f.bar.SetPos(98);  // digits not drawn before are rendered once, at the first paint
    f.a.Render(f.bar);
    const long long afterNewText = FontInstance::RenderedGlyphCount();
    EXPECT_LE(afterNewText, afterFirst + 2);
    f.a.Render(f.bar);
    EXPECT_EQ(FontInstance::RenderedGlyphCount(), afterNewText);
}
