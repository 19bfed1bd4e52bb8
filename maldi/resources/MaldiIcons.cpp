#include "maldi/resources/MaldiIcons.h"

#include <cmath>
#include <numbers>

#include "maldi/resources/IconPainter.h"
#include "maldi/resources/MaldiResourceIds.h"

using namespace maldi::res;
using P = IconPainter::Point;

namespace {

constexpr std::uint32_t kInk = 0x202020;
constexpr std::uint32_t kBlue = 0x1F4FA0;
constexpr std::uint32_t kGreen = 0x1E9E3A;
constexpr std::uint32_t kDarkGreen = 0x0E5E1A;
constexpr std::uint32_t kRed = 0xD02020;
constexpr std::uint32_t kDarkRed = 0x901010;
constexpr std::uint32_t kYellow = 0xFFD21F;
constexpr std::uint32_t kOrange = 0xFF8000;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0xB8B8B8;
constexpr std::uint32_t kBrown = 0x8B5A2B;

std::vector<P> mirrored(std::vector<P> points)
{
    for (P& p : points) p.x = MaldiIcons::kSize - p.x;
    return points;
}

// Two chevrons pointing down (unfold the window) or up (fold it away).
IconImage chevrons(bool down)
{
    IconPainter p;
    for (double y : {7.0, 16.0}) {
        double tip = down ? y + 8 : y;
        double arms = down ? y : y + 8;
        p.Polyline({{7, arms}, {16, tip}, {25, arms}}, 4.0, kBlue);
    }
    return p.Image();
}

IconImage information()
{
    IconPainter p;
    p.FillEllipse(16, 16, 14, 14, kInk);
    p.FillEllipse(16, 16, 13, 13, kBlue);
    p.FillEllipse(16, 9.5, 2.4, 2.4, kWhite);
    p.FillRect(14, 13.5, 18, 24, kWhite);
    p.FillRect(12, 13.5, 16, 15.5, kWhite);
    p.FillRect(12, 22.5, 20, 24.5, kWhite);
    return p.Image();
}

// Icons are drawn while the library's statics are initialised: no namespace-scope tables here.
IconImage arrow(bool right)
{
    const std::vector<P> rightArrow = {{4, 12}, {16, 12}, {16, 5}, {28, 16}, {16, 27}, {16, 20}, {4, 20}};
    IconPainter p;
    p.Shape(right ? rightArrow : mirrored(rightArrow), kGreen, kDarkGreen, 1.5);
    return p.Image();
}

std::vector<P> star(P centre, double outer, double inner, int rays)
{
    std::vector<P> points;
    for (int i = 0; i < 2 * rays; ++i) {
        double angle = std::numbers::pi * i / rays - std::numbers::pi / 2;
        double r = i % 2 ? inner : outer;
        points.push_back({centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)});
    }
    return points;
}

// A beam ending in a burst.
IconImage laser()
{
    IconPainter p;
    p.Line({3, 29}, {15, 17}, 3.5, kRed);
    p.Shape(star({19, 13}, 12, 4.5, 8), kYellow, kOrange, 1.2);
    p.FillEllipse(19, 13, 3.2, 3.2, kRed);
    return p.Image();
}

IconImage pauseBars()
{
    IconPainter p;
    p.Shape({{8, 6}, {14, 6}, {14, 26}, {8, 26}}, kBlue, kInk);
    p.Shape({{18, 6}, {24, 6}, {24, 26}, {18, 26}}, kBlue, kInk);
    return p.Image();
}

// A stop sign: the whole acquisition ends.
IconImage stopSign()
{
    IconPainter p;
    std::vector<P> octagon;
    for (int i = 0; i < 8; ++i) {
        double angle = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        octagon.push_back({16 + 14 * std::cos(angle), 16 + 14 * std::sin(angle)});
    }
    p.Shape(octagon, kRed, kDarkRed, 1.5);
    p.FillRect(8, 14, 24, 18, kWhite);
    return p.Image();
}

// A square: the movement stops.
IconImage stopSquare()
{
    IconPainter p;
    p.Shape({{7, 7}, {25, 7}, {25, 25}, {7, 25}}, kDarkRed, kInk, 1.5);
    return p.Image();
}

IconImage thermometer()
{
    IconPainter p;
    p.Line({16, 6}, {16, 21}, 8, kInk);
    p.Line({16, 6}, {16, 21}, 6, kWhite);
    p.FillEllipse(16, 25, 6, 6, kInk);
    p.FillEllipse(16, 25, 5, 5, kRed);
    p.Line({16, 13}, {16, 24}, 3, kRed);
    for (double y : {8.0, 12.0, 16.0}) p.Line({22, y}, {25, y}, 1.2, kInk);
    return p.Image();
}

// A door with an arrow leading out of it.
IconImage exitDoor()
{
    IconPainter p;
    p.Shape({{5, 3}, {18, 3}, {18, 29}, {5, 29}}, kBrown, kInk);
    p.FillEllipse(15, 17, 1.4, 1.4, kYellow);
    p.Shape({{13, 13}, {21, 13}, {21, 8}, {29, 16}, {21, 24}, {21, 19}, {13, 19}}, kGreen, kDarkGreen, 1.2);
    return p.Image();
}

IconImage floppy()
{
    IconPainter p;
    p.Shape({{4, 4}, {25, 4}, {28, 7}, {28, 28}, {4, 28}}, 0x2050A0, kInk);
    p.FillRect(9, 4.5, 22, 12, kGrey);
    p.FillRect(18, 5.5, 20.5, 10.5, kInk);
    p.FillRect(8, 16, 24, 27.5, kWhite);
    for (double y : {19.0, 22.0, 25.0}) p.Line({10, y}, {22, y}, 1, 0x7090D0);
    return p.Image();
}

IconImage house()
{
    IconPainter p;
    p.Shape({{20, 5}, {24, 5}, {24, 13}, {20, 13}}, kRed, kInk);
    p.Shape({{7, 15}, {25, 15}, {25, 28}, {7, 28}}, 0xF0E0B0, kInk);
    p.Shape({{13.5, 19}, {18.5, 19}, {18.5, 28}, {13.5, 28}}, kBrown, kInk);
    p.Shape({{2, 17}, {16, 3}, {30, 17}}, kRed, kInk, 1.5);
    return p.Image();
}

// A padlock: go to the lock-mass well.
IconImage padlock()
{
    IconPainter p;
    p.Arc({16, 12}, 6.5, 3.2, 0, 180, 0x606060);
    p.Line({9.5, 12}, {9.5, 16}, 3.2, 0x606060);
    p.Line({22.5, 12}, {22.5, 16}, 3.2, 0x606060);
    p.Shape({{6, 15}, {26, 15}, {26, 29}, {6, 29}}, 0xE0B000, kInk, 1.2);
    p.FillEllipse(16, 20.5, 2.2, 2.2, kInk);
    p.FillRect(15.1, 20.5, 16.9, 25.5, kInk);
    return p.Image();
}

IconImage checkMark()
{
    IconPainter p;
    p.Polyline({{6, 17}, {13, 24}, {26, 8}}, 6, kDarkGreen);
    p.Polyline({{6, 17}, {13, 24}, {26, 8}}, 4, kGreen);
    return p.Image();
}

void doubleArrow(IconPainter& p, double y)
{
    p.Line({8, y}, {24, y}, 2, kInk);
    p.FillPolygon({{3, y}, {9, y - 4}, {9, y + 4}}, kInk);
    p.FillPolygon({{29, y}, {23, y - 4}, {23, y + 4}}, kInk);
}

// One laser spot with a width arrow under it: the width of the points drawn next.
IconImage laserWidth()
{
    IconPainter p;
    p.FillEllipse(16, 12, 8, 8, kInk);
    p.FillEllipse(16, 12, 7, 7, kRed);
    p.FillEllipse(16, 12, 3, 3, kYellow);
    doubleArrow(p, 26);
    return p.Image();
}

// Three spots with a width arrow under them: every point's width.
IconImage allLaserWidths()
{
    IconPainter p;
    for (double x : {6.0, 16.0, 26.0}) {
        p.FillEllipse(x, 12, 5, 5, kInk);
        p.FillEllipse(x, 12, 4, 4, kRed);
    }
    doubleArrow(p, 26);
    return p.Image();
}

IconImage undo()
{
    IconPainter p;
    p.Arc({17, 18}, 9, 3.5, -50, 180, kBlue);
    p.FillPolygon({{2.5, 16}, {13.5, 16}, {8, 25}}, kBlue);
    return p.Image();
}

IconImage newPage()
{
    IconPainter p;
    p.Shape({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}}, kWhite, kInk);
    p.Shape({{20, 3}, {20, 9}, {26, 9}}, 0xD0D0D0, kInk);
    return p.Image();
}

} // namespace

std::vector<IconResource> MaldiIcons::Icons()
{
    return {
        {IDI_EXPAND_DIALOG, [] { return chevrons(true); }},
        {IDI_CONTRACT_DIALOG, [] { return chevrons(false); }},
        {IDI_EXPAND_INFORMATION, [] { return information(); }},
        {IDI_NEXT, [] { return arrow(true); }},
        {IDI_PREVIOUS, [] { return arrow(false); }},
        {IDI_FIRE_LASER, [] { return laser(); }},
        {IDI_PATTERN_LASER, [] { return laser(); }},
        {IDI_PAUSE, [] { return pauseBars(); }},
        {IDI_STOP_ACQUISITION, [] { return stopSign(); }},
        {IDI_STOP, [] { return stopSquare(); }},
        {IDI_THERMOMETER, [] { return thermometer(); }},
        {IDI_EXIT, [] { return exitDoor(); }},
        {IDI_PATTERN_EXIT, [] { return exitDoor(); }},
        {IDI_SAVE_POSITION, [] { return floppy(); }},
        {IDI_PATTERN_SAVE, [] { return floppy(); }},
        {IDI_HOME, [] { return house(); }},
        {IDI_LOCK_MASS, [] { return padlock(); }},
        {IDI_OK, [] { return checkMark(); }},
        {IDI_LASER_WIDTH, [] { return laserWidth(); }},
        {IDI_ALL_LASER_WIDTHS, [] { return allLaserWidths(); }},
        {IDI_UNDO, [] { return undo(); }},
        {IDI_NEW, [] { return newPage(); }},
    };
}
