#include "platform/framework/gdi/Surface.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "platform/framework/gdi/GdiTypes.h"

Surface::Surface(int width, int height, COLORREF fill)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width > kMaxDimension || height > kMaxDimension)
        throw std::length_error("surface of " + std::to_string(width) + " x " + std::to_string(height) +
                                " pixels is larger than the limit of " + std::to_string(kMaxDimension));
    m_width = width;
    m_height = height;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    m_pixels = std::make_shared<std::vector<std::uint32_t>>();
    if (ToPixel(fill) == 0)
        m_pixels->resize(count);  // zeroed in one memset: every new bitmap is black
    else
        m_pixels->assign(count, ToPixel(fill));
}

const std::shared_ptr<std::vector<std::uint32_t>>& Surface::NoPixels()
{
    static const auto* none = new std::shared_ptr<std::vector<std::uint32_t>>(
        std::make_shared<std::vector<std::uint32_t>>());  // outlives static surfaces
    return *none;
}

COLORREF Surface::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return ToColorRef(Row(y)[x]);
}

void Surface::SetPixel(int x, int y, COLORREF color)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return;
    Row(y)[x] = ToPixel(color);
}

void Surface::Fill(COLORREF color)
{
    if (m_pixels.use_count() > 1)
        m_pixels = std::make_shared<std::vector<std::uint32_t>>(m_pixels->size(), ToPixel(color));  // nothing to copy
    else
        FillRun(m_pixels->data(), m_pixels->size(), ToPixel(color));
}

void Surface::FillRect(const RECT& rect, COLORREF color)
{
    CRect r;
    const CRect bounds = Bounds();
    if (!r.IntersectRect(&rect, &bounds))
        return;
    const std::uint32_t p = ToPixel(color);
    for (int y = r.top; y < r.bottom; ++y)
        FillRun(Row(y) + r.left, static_cast<std::size_t>(r.Width()), p);
}
