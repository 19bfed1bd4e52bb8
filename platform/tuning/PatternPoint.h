#pragma once
// One point of a laser pattern, in well coordinates: where the laser goes inside a sample well,
// whether it fires there and how wide its beam is. Fields in file order.

#include <type_traits>

struct PatternPoint {
    double dX = 0.0;        // well coordinates
    double dY = 0.0;
    int nLaserState = 0;    // 0 = off, non-zero = on
    int nLaserWidth = 1;

    friend bool operator==(const PatternPoint&, const PatternPoint&) = default;
};

static_assert(std::is_trivially_copyable_v<PatternPoint> && std::is_standard_layout_v<PatternPoint>);
