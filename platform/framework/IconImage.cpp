#include "platform/framework/IconImage.h"

IconImage IconImage::Solid(int width, int height, std::uint32_t argb)
{
    IconImage image;
    image.width = width > 0 ? width : 0;
    image.height = height > 0 ? height : 0;
    image.argb.assign(static_cast<size_t>(image.width) * static_cast<size_t>(image.height), argb);
    return image;
}

std::uint32_t IconImage::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    size_t i = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x);
    return i < argb.size() ? argb[i] : 0;
}
