#pragma once
// Draws the library's icons in code: filled and stroked shapes on a transparent square, smoothed
// by sampling each pixel 4 x 4 times. Coordinates are pixels as doubles, (0, 0) the top-left
// corner of the top-left pixel; colours are 0xRRGGBB, painted opaque over what is there.
//
// Every shape is drawn twice: into the icon and into its large picture (twice the size, the same
// shapes at twice the coordinates, the same sampling per pixel), so that a window drawn at scale 2
// shows crisp icons instead of enlarged pixels.

#include <cstdint>
#include <vector>

#include "platform/framework/IconImage.h"

class IconPainter {
public:
    struct Point {
        double x;
        double y;
    };

    explicit IconPainter(int size = 32);

    void FillRect(double left, double top, double right, double bottom, std::uint32_t rgb);
    void FillEllipse(double cx, double cy, double rx, double ry, std::uint32_t rgb);
    // Any simple or self-crossing polygon (even-odd rule).
    void FillPolygon(const std::vector<Point>& points, std::uint32_t rgb);
    // Round-ended strokes of the given width.
    void Line(Point from, Point to, double width, std::uint32_t rgb);
    void Polyline(const std::vector<Point>& points, double width, std::uint32_t rgb, bool closed = false);
    // An arc of a circle from one angle to another, in degrees counter-clockwise from 3 o'clock.
    void Arc(Point centre, double radius, double width, double fromDegrees, double toDegrees, std::uint32_t rgb);
    // A polygon filled, then outlined.
    void Shape(const std::vector<Point>& points, std::uint32_t fill, std::uint32_t outline, double width = 1.0);

    // The icon, its large picture attached.
    IconImage Image() const;

private:
    // `inside(x, y)` tells whether a point in icon units is in the shape.
    template <class Inside>
    void cover(double left, double top, double right, double bottom, const Inside& inside, std::uint32_t rgb);
    template <class Inside>
    static void cover(IconImage& image, int scale, double left, double top, double right, double bottom,
                      const Inside& inside, std::uint32_t rgb);

    IconImage m_image;
    IconImage m_large;
};
