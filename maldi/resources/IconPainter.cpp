#include "maldi/resources/IconPainter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kSamples = 4; // per pixel and axis

double distanceToSegment(double px, double py, IconPainter::Point a, IconPainter::Point b)
{
    double dx = b.x - a.x;
    double dy = b.y - a.y;
    double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? std::clamp(((px - a.x) * dx + (py - a.y) * dy) / length2, 0.0, 1.0) : 0.0;
    double ex = a.x + t * dx - px;
    double ey = a.y + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

} // namespace

IconPainter::IconPainter(int size)
    : m_image(IconImage::Solid(size, size, 0)), m_large(IconImage::Solid(2 * size, 2 * size, 0))
{
}

IconImage IconPainter::Image() const
{
    IconImage image = m_image;
    image.large = std::make_shared<IconImage>(m_large);
    return image;
}

template <class Inside>
void IconPainter::cover(double left, double top, double right, double bottom, const Inside& inside, std::uint32_t rgb)
{
    cover(m_image, 1, left, top, right, bottom, inside, rgb);
    cover(m_large, 2, left, top, right, bottom, inside, rgb);
}

// Pixels of the image at `scale` pixels per icon unit; `inside` speaks icon units.
template <class Inside>
void IconPainter::cover(IconImage& image, int scale, double left, double top, double right, double bottom,
                        const Inside& inside, std::uint32_t rgb)
{
    int x0 = std::max(0, static_cast<int>(std::floor(left * scale)));
    int y0 = std::max(0, static_cast<int>(std::floor(top * scale)));
    int x1 = std::min(image.width, static_cast<int>(std::ceil(right * scale)));
    int y1 = std::min(image.height, static_cast<int>(std::ceil(bottom * scale)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (inside((x + (sx + 0.5) / kSamples) / scale, (y + (sy + 0.5) / kSamples) / scale)) ++hits;
                }
            }
            if (!hits) continue;
            // Source over: the shape's coverage is its alpha.
            std::uint32_t& dst = image.argb[static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)];
            double a = static_cast<double>(hits) / (kSamples * kSamples);
            double da = ((dst >> 24) & 0xFF) / 255.0;
            double oa = a + da * (1 - a);
            auto channel = [&](int shift) {
                double s = ((rgb >> shift) & 0xFF);
                double d = ((dst >> shift) & 0xFF);
                return static_cast<std::uint32_t>(std::lround((s * a + d * da * (1 - a)) / oa)) & 0xFF;
            };
            dst = (static_cast<std::uint32_t>(std::lround(oa * 255)) << 24) | (channel(16) << 16) | (channel(8) << 8) |
                  channel(0);
        }
    }
}

void IconPainter::FillRect(double left, double top, double right, double bottom, std::uint32_t rgb)
{
    cover(left, top, right, bottom, [&](double x, double y) { return x >= left && x < right && y >= top && y < bottom; },
          rgb);
}

void IconPainter::FillEllipse(double cx, double cy, double rx, double ry, std::uint32_t rgb)
{
    if (rx <= 0 || ry <= 0) return;
    cover(cx - rx, cy - ry, cx + rx, cy + ry,
          [&](double x, double y) {
              double u = (x - cx) / rx;
              double v = (y - cy) / ry;
              return u * u + v * v <= 1.0;
          },
          rgb);
}

void IconPainter::FillPolygon(const std::vector<Point>& points, std::uint32_t rgb)
{
    if (points.size() < 3) return;
    double left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    cover(left, top, right, bottom,
          [&](double x, double y) {
              bool in = false;
              for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
                  const Point& a = points[i];
                  const Point& b = points[j];
                  if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
              }
              return in;
          },
          rgb);
}

void IconPainter::Line(Point from, Point to, double width, std::uint32_t rgb)
{
    double r = width / 2;
    cover(std::min(from.x, to.x) - r, std::min(from.y, to.y) - r, std::max(from.x, to.x) + r, std::max(from.y, to.y) + r,
          [&](double x, double y) { return distanceToSegment(x, y, from, to) <= r; }, rgb);
}

void IconPainter::Polyline(const std::vector<Point>& points, double width, std::uint32_t rgb, bool closed)
{
    if (points.empty()) return;
    double r = width / 2;
    double left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    // Each segment's box, widened by the half width: a point outside it is farther than that from
    // the segment (the margin keeps rounding in the distance from ever mattering).
    struct Box {
        double left, top, right, bottom;
    };
    const size_t n = points.size();
    const size_t segments = n == 1 ? 1 : (closed ? n : n - 1);
    std::vector<Box> boxes(segments);
    const double reach = r + 1e-6;
    for (size_t i = 0; i < segments; ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % n];
        boxes[i] = {std::min(a.x, b.x) - reach, std::min(a.y, b.y) - reach, std::max(a.x, b.x) + reach,
                    std::max(a.y, b.y) + reach};
    }
    // One pass over the union, so that joints are not painted twice.
    cover(left - r, top - r, right + r, bottom + r,
          [&](double x, double y) {
              for (size_t i = 0; i < segments; ++i) {
                  const Box& box = boxes[i];
                  if (x < box.left || x > box.right || y < box.top || y > box.bottom) continue;
                  if (distanceToSegment(x, y, points[i], points[(i + 1) % n]) <= r) return true;
              }
              return false;
          },
          rgb);
}

void IconPainter::Arc(Point centre, double radius, double width, double fromDegrees, double toDegrees, std::uint32_t rgb)
{
    double r = width / 2;
    double lo = std::min(fromDegrees, toDegrees);
    double hi = std::max(fromDegrees, toDegrees);
    auto angleIn = [&](double degrees) {
        for (double a = degrees - 720; a <= degrees + 720; a += 360) {
            if (a >= lo && a <= hi) return true;
        }
        return false;
    };
    auto endPoint = [&](double degrees) {
        double rad = degrees * std::numbers::pi / 180.0;
        return Point{centre.x + radius * std::cos(rad), centre.y - radius * std::sin(rad)};
    };
    Point a = endPoint(fromDegrees);
    Point b = endPoint(toDegrees);
    cover(centre.x - radius - r, centre.y - radius - r, centre.x + radius + r, centre.y + radius + r,
          [&](double x, double y) {
              double dx = x - centre.x;
              double dy = centre.y - y;
              double d = std::sqrt(dx * dx + dy * dy);
              double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
              if (std::abs(d - radius) <= r && angleIn(degrees)) return true;
              return distanceToSegment(x, y, a, a) <= r || distanceToSegment(x, y, b, b) <= r; // round ends
          },
          rgb);
}

void IconPainter::Shape(const std::vector<Point>& points, std::uint32_t fill, std::uint32_t outline, double width)
{
    FillPolygon(points, fill);
    Polyline(points, width, outline, true);
}
