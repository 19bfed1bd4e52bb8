#include "platform/framework/StandardIcons.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/framework/WinUser.h"

namespace {

constexpr int kSize = 32;
using Shape = std::function<bool(double x, double y)>;

// Covers the parts of the icon inside the shape with an opaque colour (0xRRGGBB), blending the edge
// pixels by the share of their samples that fall inside.
void fill(IconImage& icon, std::uint32_t rgb, const Shape& inside)
{
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4);
            if (!hits) continue;
            std::uint32_t& pixel = icon.argb[static_cast<size_t>(y * kSize + x)];
            const double a = hits / 16.0, under = (pixel >> 24) / 255.0;
            const double out = a + under * (1 - a);
            std::uint32_t result = static_cast<std::uint32_t>(std::lround(out * 255)) << 24;
            for (int shift : {16, 8, 0}) {
                const double top = (rgb >> shift) & 0xFF, bottom = (pixel >> shift) & 0xFF;
                const double mixed = (top * a + bottom * under * (1 - a)) / out;
                result |= static_cast<std::uint32_t>(std::lround(mixed)) << shift;
            }
            pixel = result;
        }
    }
}

Shape disc(double cx, double cy, double r)
{
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

// A stroke of the given half width with round ends.
Shape stroke(double x0, double y0, double x1, double y1, double halfWidth)
{
    return [=](double x, double y) {
        const double dx = x1 - x0, dy = y1 - y0;
        const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double ex = x - (x0 + t * dx), ey = y - (y0 + t * dy);
        return ex * ex + ey * ey <= halfWidth * halfWidth;
    };
}

Shape triangle(double x0, double y0, double x1, double y1, double x2, double y2)
{
    return [=](double x, double y) {
        auto side = [&](double ax, double ay, double bx, double by) { return (bx - ax) * (y - ay) - (by - ay) * (x - ax); };
        const double a = side(x0, y0, x1, y1), b = side(x1, y1, x2, y2), c = side(x2, y2, x0, y0);
        return (a >= 0 && b >= 0 && c >= 0) || (a <= 0 && b <= 0 && c <= 0);
    };
}

Shape rectangle(double left, double top, double right, double bottom)
{
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

// A round badge: a dark rim around a coloured disc.
IconImage badge(std::uint32_t rim, std::uint32_t face)
{
    IconImage icon = IconImage::Solid(kSize, kSize, 0);
    fill(icon, rim, disc(16, 16, 15));
    fill(icon, face, disc(16, 16, 13.6));
    return icon;
}

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000;

IconImage stop()
{
    IconImage icon = badge(0x800000, 0xE01010);
    fill(icon, kWhite, stroke(10.5, 10.5, 21.5, 21.5, 2.2));
    fill(icon, kWhite, stroke(21.5, 10.5, 10.5, 21.5, 2.2));
    return icon;
}

IconImage question()
{
    IconImage icon = badge(0x102080, 0x2050D0);
    constexpr double cx = 16, cy = 11.5, r = 4.8, half = 1.7;
    // The hook: the upper arc from the left round to the lower right, then down to the stem.
    fill(icon, kWhite, [=](double x, double y) {
        const double d = std::hypot(x - cx, y - cy);
        const double angle = std::atan2(y - cy, x - cx) * 180 / 3.14159265358979;
        return std::fabs(d - r) <= half && (angle <= 50 || angle >= 175);
    });
    const double ex = cx + r * std::cos(50 * 3.14159265358979 / 180), ey = cy + r * std::sin(50 * 3.14159265358979 / 180);
    fill(icon, kWhite, stroke(ex, ey, 16, 18.5, half));
    fill(icon, kWhite, stroke(16, 18.5, 16, 20, half));
    fill(icon, kWhite, disc(16, 24.5, 2));
    return icon;
}

IconImage information()
{
    IconImage icon = badge(0x102080, 0x2050D0);
    fill(icon, kWhite, disc(16, 9, 2.2));
    fill(icon, kWhite, stroke(16, 14, 16, 24, 1.9));
    return icon;
}

IconImage warning()
{
    IconImage icon = IconImage::Solid(kSize, kSize, 0);
    fill(icon, 0x806000, triangle(16, 0.5, 31.5, 29.5, 0.5, 29.5));
    fill(icon, 0xF8D820, triangle(16, 3.2, 29.2, 28.2, 2.8, 28.2));
    fill(icon, kBlack, stroke(16, 10.5, 16, 19.5, 1.8));
    fill(icon, kBlack, disc(16, 24, 1.9));
    return icon;
}

IconImage application()
{
    IconImage icon = IconImage::Solid(kSize, kSize, 0);
    fill(icon, 0x404040, rectangle(2, 4, 30, 28));
    fill(icon, kWhite, rectangle(3, 9, 29, 27));
    fill(icon, 0x000080, rectangle(3, 5, 29, 9));
    return icon;
}

} // namespace

IconImage StandardIcon(LPCSTR id)
{
    if (id == IDI_APPLICATION) return application();
    if (id == IDI_HAND) return stop();
    if (id == IDI_QUESTION) return question();
    if (id == IDI_EXCLAMATION) return warning();
    if (id == IDI_ASTERISK) return information();
    return {};
}
