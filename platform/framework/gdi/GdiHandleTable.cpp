#include "platform/framework/gdi/GdiHandleTable.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "platform/framework/gdi/CBitmap.h"
#include "platform/framework/gdi/CBrush.h"
#include "platform/framework/gdi/CFont.h"
#include "platform/framework/gdi/CPen.h"
#include "platform/framework/gdi/CRgn.h"

namespace {

struct Entry {
    GdiObjectRef data;
    CGdiObject* owner = nullptr;
    std::unique_ptr<CGdiObject> temporary;
};

struct Table {
    std::unordered_map<std::uintptr_t, Entry> entries;
    std::uintptr_t nextId = 0x10;
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
    Table& t = TheTable();
    const std::uintptr_t id = t.nextId;
    t.nextId += 4;
    Entry& e = t.entries[id];
    e.data = std::move(data);
    e.owner = owner;
    return reinterpret_cast<HGDIOBJ>(id);
}

GdiObjectRef GdiHandleTable::Find(HGDIOBJ handle)
{
    Table& t = TheTable();
    auto it = t.entries.find(IdOf(handle));
    return it == t.entries.end() ? nullptr : it->second.data;
}

BOOL GdiHandleTable::Remove(HGDIOBJ handle)
{
    Table& t = TheTable();
    auto it = t.entries.find(IdOf(handle));
    if (it == t.entries.end() || it->second.data->stock)
        return FALSE;
    // Destroy the wrapper after the entry is gone: its destructor must not find the handle again.
    std::unique_ptr<CGdiObject> wrapper = std::move(it->second.temporary);
    t.entries.erase(it);
    if (wrapper)
        wrapper->m_hObject = nullptr;
    return TRUE;
}

CGdiObject* GdiHandleTable::ObjectFor(HGDIOBJ handle)
{
    Table& t = TheTable();
    auto it = t.entries.find(IdOf(handle));
    if (it == t.entries.end())
        return nullptr;
    Entry& e = it->second;
    if (e.owner)
        return e.owner;
    if (!e.temporary) {
        e.temporary = MakeWrapper(e.data->kind);
        e.temporary->m_hObject = handle;
        e.temporary->m_temporary = true;
    }
    return e.temporary.get();
}

void GdiHandleTable::SetOwner(HGDIOBJ handle, CGdiObject* owner)
{
    Table& t = TheTable();
    auto it = t.entries.find(IdOf(handle));
    if (it != t.entries.end() && !it->second.data->stock)
        it->second.owner = owner;
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

std::size_t GdiHandleTable::Count() { return TheTable().entries.size(); }
