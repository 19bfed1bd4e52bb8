#pragma once
// A 32-bit pixel surface: what bitmaps, window images and screenshots are made of.
//
// Pixels are stored row by row from the top, each as 0x00RRGGBB (the byte order of a PNG row once
// the unused top byte is dropped). The painting interface speaks COLORREF (0x00BBGGRR); GetPixel and
// SetPixel convert, Pixels() gives the raw storage for fast loops.
//
// Copies share their pixels until one of them is written: a screenshot of a window image costs
// nothing unless the window paints while the screenshot is kept. Every non-const accessor (Row,
// Pixels, SetPixel, Fill, FillRect) makes the pixels this surface's own first, so a pointer from
// one is good for writing until the surface is copied.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/framework/CRect.h"
#include "platform/framework/WinTypes.h"

class Surface {
public:
    // Larger dimensions are refused: no window or bitmap of this system comes near it, and it keeps
    // a corrupt image file from asking for gigabytes.
    static constexpr int kMaxDimension = 16384;

    Surface() = default;
    Surface(const Surface&) = default;
    Surface& operator=(const Surface&) = default;
    // A surface moved from is left empty (0 x 0), as a new one.
    Surface(Surface&& other) noexcept { *this = std::move(other); }
    Surface& operator=(Surface&& other) noexcept
    {
        if (this != &other) {
            m_width = std::exchange(other.m_width, 0);
            m_height = std::exchange(other.m_height, 0);
            m_pixels = std::exchange(other.m_pixels, NoPixels());
        }
        return *this;
    }
    // Negative sizes are taken as 0; a side above kMaxDimension throws std::length_error.
    Surface(int width, int height, COLORREF fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    CRect Bounds() const { return CRect(0, 0, m_width, m_height); }
    bool IsEmpty() const { return m_width == 0 || m_height == 0; }

    // CLR_INVALID outside the surface; writes outside are ignored.
    COLORREF GetPixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF color);

    void Fill(COLORREF color);
    // Fills the part of the rectangle that lies on the surface.
    void FillRect(const RECT& rect, COLORREF color);

    std::uint32_t* Row(int y) { return Pixels().data() + static_cast<std::size_t>(y) * m_width; }
    const std::uint32_t* Row(int y) const { return Pixels().data() + static_cast<std::size_t>(y) * m_width; }
    std::vector<std::uint32_t>& Pixels()
    {
        if (m_pixels.use_count() > 1) m_pixels = std::make_shared<std::vector<std::uint32_t>>(*m_pixels);
        return *m_pixels;
    }
    const std::vector<std::uint32_t>& Pixels() const { return *m_pixels; }

    // Writes `count` copies of `pixel` from `out` on, sixteen bytes a store: every fill comes here.
    // (g++ -O2 makes a loop of single pixel stores of std::fill_n, four times slower.)
    static void FillRun(std::uint32_t* out, std::size_t count, std::uint32_t pixel)
    {
        if (count <= 4) {
            // A gradient's strips: one to four pixels, the count changing from strip to strip. Four
            // stores that cover them whatever the count, so no branch depends on it.
            if (count == 0)
                return;
            out[0] = pixel;
            out[count - 1] = pixel;
            out[count > 2] = pixel;
            out[2 * (count > 3)] = pixel;
            return;
        }
        // Sixty-four bytes an iteration: a loop of one store ran at half speed or full speed
        // depending on where the linker happened to place it. The last four pixels are written by
        // one store that may overlap the ones before.
        const std::uint32_t four[4] = {pixel, pixel, pixel, pixel};
        std::size_t i = 0;
        for (; i + 16 <= count; i += 16) {
            std::memcpy(out + i, four, sizeof four);
            std::memcpy(out + i + 4, four, sizeof four);
            std::memcpy(out + i + 8, four, sizeof four);
            std::memcpy(out + i + 12, four, sizeof four);
        }
        for (; i + 4 <= count; i += 4)
            std::memcpy(out + i, four, sizeof four);
        std::memcpy(out + count - 4, four, sizeof four);
    }

    static constexpr std::uint32_t ToPixel(COLORREF c)
    {
        return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    static constexpr COLORREF ToColorRef(std::uint32_t p)
    {
        return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
    }

    bool operator==(const Surface& o) const
    {
        return m_width == o.m_width && m_height == o.m_height && Pixels() == o.Pixels();
    }
    bool operator!=(const Surface& o) const { return !(*this == o); }

private:
    // The pixels every empty surface shares (written only after a copy, as any shared pixels).
    static const std::shared_ptr<std::vector<std::uint32_t>>& NoPixels();

    int m_width = 0;
    int m_height = 0;
    std::shared_ptr<std::vector<std::uint32_t>> m_pixels = NoPixels();
};
