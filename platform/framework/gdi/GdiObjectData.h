#pragma once
// What a painting object handle stands for. One record type for every kind keeps the handle table
// simple; only the fields of the object's kind are meaningful.
//
// Device contexts hold these records by shared pointer, so an object deleted while still selected
// keeps painting correctly instead of leaving the context with a dangling reference.

#include <array>
#include <memory>

#include "platform/framework/CRect.h"
#include "platform/framework/gdi/GdiTypes.h"
#include "platform/framework/gdi/Surface.h"

class FontInstance;

enum class GdiObjectKind { Pen, Brush, Font, Bitmap, Region };

struct GdiObjectData {
    explicit GdiObjectData(GdiObjectKind k) : kind(k) {}

    GdiObjectKind kind;
    bool stock = false;                // stock objects survive DeleteObject
    int stockIndex = -1;
    int penStyle = PS_SOLID;           // pens
    int penWidth = 1;
    COLORREF penColor = 0;
    UINT brushStyle = BS_SOLID;        // brushes
    COLORREF brushColor = 0;
    LOGFONT logFont;                   // fonts
    struct Realised {                  // fonts: the font engine's instance at a scale, and when
        unsigned generation = 0;       // it was made (FontEngine::Generation)
        FontInstance* instance = nullptr;
    };
    std::array<Realised, 8> realised;  // by scale
    std::shared_ptr<Surface> surface;  // bitmaps: the pixels, shared by every context that selects it
    int scale = 1;                     // bitmaps: surface pixels per logical pixel, along each side
    CRect rect;                        // regions, in device units
};
using GdiObjectRef = std::shared_ptr<GdiObjectData>;
