#include "platform/framework/gdi/GdiFunctions.h"

#include <cstring>
#include <memory>

#include "platform/framework/gdi/CDC.h"
#include "platform/framework/gdi/GdiHandleTable.h"

HGDIOBJ GetStockObject(int index) { return GdiHandleTable::Stock(index); }

BOOL DeleteObject(HGDIOBJ handle) { return GdiHandleTable::Remove(handle); }

DWORD GetObjectType(HGDIOBJ handle)
{
    const GdiObjectData* d = GdiHandleTable::Peek(handle);
    if (!d)
        return 0;
    switch (d->kind) {
    case GdiObjectKind::Pen: return OBJ_PEN;
    case GdiObjectKind::Brush: return OBJ_BRUSH;
    case GdiObjectKind::Font: return OBJ_FONT;
    case GdiObjectKind::Bitmap: return OBJ_BITMAP;
    case GdiObjectKind::Region: return OBJ_REGION;
    }
    return 0;
}

int GetObject(HGDIOBJ handle, int size, void* buffer)
{
    const GdiObjectData* d = GdiHandleTable::Peek(handle);
    if (!d || !buffer || size <= 0)
        return 0;
    auto copy = [&](const void* from, std::size_t bytes) {
        if (static_cast<std::size_t>(size) < bytes)
            return 0;
        std::memcpy(buffer, from, bytes);
        return static_cast<int>(bytes);
    };
    switch (d->kind) {
    case GdiObjectKind::Font: return copy(&d->logFont, sizeof(LOGFONT));
    case GdiObjectKind::Brush: return copy(&d->brushColor, sizeof(COLORREF));
    case GdiObjectKind::Bitmap: {
        BITMAP bm;
        if (d->surface) {
            bm.bmWidth = d->surface->Width();
            bm.bmHeight = d->surface->Height();
            bm.bmWidthBytes = bm.bmWidth * 4;
        }
        bm.bmPlanes = 1;
        bm.bmBitsPixel = 32;
        return copy(&bm, sizeof(BITMAP));
    }
    default: return 0;
    }
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Brush);
    d->brushColor = color;
    return static_cast<HBRUSH>(GdiHandleTable::Add(std::move(d), nullptr));
}

HFONT CreateFontIndirect(const LOGFONT* logFont)
{
    if (!logFont)
        return nullptr;
    auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Font);
    d->logFont = *logFont;
    d->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(GdiHandleTable::Add(std::move(d), nullptr));
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    CDC* context = CDC::FromHandle(dc);
    return context ? context->SelectObject(object) : nullptr;
}

int GetDeviceCaps(HDC dc, int index)
{
    CDC* context = CDC::FromHandle(dc);
    return context ? context->GetDeviceCaps(index) : 0;
}
