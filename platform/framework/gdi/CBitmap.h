#pragma once
// A bitmap: a 32-bit pixel surface that memory contexts draw into.
//
// Every bitmap is 32 bits per pixel whatever the context it was made compatible with (a context set
// to 4 bits or a palette only reports those capabilities). A new bitmap is black. A zero width or
// height gives a 1 x 1 bitmap, as the window system does. A bitmap compatible with a context that
// draws at a larger scale has that scale: its surface has scale x scale pixels per unit of its size.

#include <memory>

#include "platform/framework/CSize.h"
#include "platform/framework/gdi/CGdiObject.h"
#include "platform/framework/gdi/Surface.h"

class CDC;

class CBitmap : public CGdiObject {
public:
    CBitmap() = default;

    // FALSE for negative sizes, sizes above Surface::kMaxDimension, or when a bitmap is already held.
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    // Wraps an existing surface (screenshots, images read from files) without copying it; scale 1.
    BOOL CreateFromSurface(std::shared_ptr<Surface> surface);

    int GetBitmap(BITMAP* info) const;
    CSize GetSize() const;
    // The pixels; null without a bitmap.
    std::shared_ptr<Surface> GetSurface() const;

    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP handle);
};
