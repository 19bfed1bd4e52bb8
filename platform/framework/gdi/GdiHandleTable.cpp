#include "platform/framework/gdi/GdiHandleTable.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/CPen.h"
#include "platform/framework/gdi/CRgn.h"
#include "platform/framework/gdi/HandleSlots.h"

namespace {

struct Entry {
    GdiObjectRef data;
    CGdiObject* owner = nullptr;
    std::unique_ptr<CGdiObject> temporary;
};

struct Table {
    HandleSlots<Entry> entries;
    HGDIOBJ stock[DEFAULT_GUI_FONT + 1] = {};
};

Table& TheTable()
{
    static Table* table = new Table;  // outlives every static painting object
    return *table;
}

std::uintptr_t IdOf(HGDIOBJ handle) { return reinterpret_cast<std::uintptr_t>(handle); }

std::unique_ptr<CGdiObject> MakeWrapper(GdiObjectKind kind)
{
    switch (kind) {
    case GdiObjectKind::Pen: return std::make_unique<CPen>();
    case GdiObjectKind::Brush: return std::make_unique<CBrush>();
    case GdiObjectKind::Font: return std::make_unique<CFont>();
    case GdiObjectKind::Bitmap: return std::make_unique<CBitmap>();
    case GdiObjectKind::Region: return std::make_unique<CRgn>();
    }
    return nullptr;
}

GdiObjectRef MakeStock(int index)
{
    auto brush = [](COLORREF c, UINT style = BS_SOLID) {
        auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Brush);
        d->brushColor = c;
        d->brushStyle = style;
        return d;
    };
    auto pen = [](COLORREF c, int style = PS_SOLID) {
        auto d = std::make_shared<GdiObjectData>(GdiObjectKind::Pen);
        d->penColor = c;
        d->penStyle = style;
        return d;
    };
    GdiObjectRef d;
    switch (index) {
    case WHITE_BRUSH: d = brush(RGB(255, 255, 255)); break;
    case LTGRAY_BRUSH: d = brush(RGB(192, 192, 192)); break;
    case GRAY_BRUSH: d = brush(RGB(128, 128, 128)); break;
    case DKGRAY_BRUSH: d = brush(RGB(64, 64, 64)); break;
    case BLACK_BRUSH: d = brush(RGB(0, 0, 0)); break;
    case NULL_BRUSH: d = brush(0, BS_NULL); break;
    case WHITE_PEN: d = pen(RGB(255, 255, 255)); break;
    case BLACK_PEN: d = pen(RGB(0, 0, 0)); break;
    case NULL_PEN: d = pen(0, PS_NULL); break;
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        d = std::make_shared<GdiObjectData>(GdiObjectKind::Font);
        CFont::DefaultLogFont(d->logFont);
        break;
    default: return nullptr;
    }
    d->stock = true;
    d->stockIndex = index;
    return d;
}

}  // namespace

HGDIOBJ GdiHandleTable::Add(GdiObjectRef data, CGdiObject* owner)
{
    if (!data)
        return nullptr;
    Entry e;
    e.data = std::move(data);
    e.owner = owner;
    return reinterpret_cast<HGDIOBJ>(TheTable().entries.Add(std::move(e)));
}

GdiObjectRef GdiHandleTable::Find(HGDIOBJ handle)
{
    Entry* e = TheTable().entries.Find(IdOf(handle));
    return e ? e->data : nullptr;
}

GdiObjectData* GdiHandleTable::Peek(HGDIOBJ handle)
{
    Entry* e = TheTable().entries.Find(IdOf(handle));
    return e ? e->data.get() : nullptr;
}

BOOL GdiHandleTable::Remove(HGDIOBJ handle)
{
    Table& t = TheTable();
    Entry* e = t.entries.Find(IdOf(handle));
    if (!e || e->data->stock)
        return FALSE;
    // Destroy the wrapper after the entry is gone: its destructor must not find the handle again.
    Entry removed;
    t.entries.Remove(IdOf(handle), removed);
    if (removed.temporary)
        removed.temporary->m_hObject = nullptr;
    return TRUE;
}

CGdiObject* GdiHandleTable::ObjectFor(HGDIOBJ handle)
{
    Entry* e = TheTable().entries.Find(IdOf(handle));
    if (!e)
        return nullptr;
    if (e->owner)
        return e->owner;
    if (!e->temporary) {
        e->temporary = MakeWrapper(e->data->kind);
        e->temporary->m_hObject = handle;
        e->temporary->m_temporary = true;
    }
    return e->temporary.get();
}

void GdiHandleTable::SetOwner(HGDIOBJ handle, CGdiObject* owner)
{
    Entry* e = TheTable().entries.Find(IdOf(handle));
    if (e && !e->data->stock)
        e->owner = owner;
}

HGDIOBJ GdiHandleTable::Stock(int index)
{
    if (index < 0 || index > DEFAULT_GUI_FONT)
        return nullptr;
    Table& t = TheTable();
    if (!t.stock[index]) {
        GdiObjectRef d = MakeStock(index);
        if (!d)
            return nullptr;
        t.stock[index] = Add(std::move(d), nullptr);
    }
    return t.stock[index];
}

std::size_t GdiHandleTable::Count() { return TheTable().entries.Count(); }
