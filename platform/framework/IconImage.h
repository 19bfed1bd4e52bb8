#pragma once
// An icon's picture: what a HICON refers to. Pixels are 0xAARRGGBB, row by row from the top, so a
// resources file can write an icon as plain data and a device context can blend it.

#include <cstdint>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

#include "platform/framework/WinTypes.h"

struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
    // The same picture drawn at twice the size, for contexts that draw at scale 2 or more (icons
    // drawn in code have one); without it such a context enlarges these pixels.
    std::shared_ptr<const IconImage> large;

    // An image of one colour, handy for resources that only need to be told apart.
    static IconImage Solid(int width, int height, std::uint32_t argb);
    std::uint32_t Pixel(int x, int y) const;
};

// The object behind a HICON. Icons belong to the resource module that loaded them and live as long
// as it does; the handle can be read directly by the painting code.
struct HICON__ : IconImage {
    explicit HICON__(IconImage image) : IconImage(std::move(image)) {}
    // Pictures fitted to other sizes, kept by the painting code so that a repaint does not
    // resample them again: (from the large picture, width, height) -> pixels.
    mutable std::map<std::tuple<bool, int, int>, std::vector<std::uint32_t>> fitted;
};
