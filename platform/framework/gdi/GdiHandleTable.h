#pragma once
// The table behind every painting object handle (pens, brushes, fonts, bitmaps, regions).
//
// A handle is an id, never an address, so a stale handle finds nothing instead of freed memory.
// Each live handle may have an owner (the C++ object that created or attached it) and, on demand,
// a temporary wrapper object: FromHandle returns the owner when there is one, else the wrapper,
// which lives until the handle is deleted. Stock objects are created on first use and never deleted.

#include <cstddef>

#include "platform/framework/gdi/GdiObjectData.h"

class CGdiObject;

class GdiHandleTable {
public:
    static HGDIOBJ Add(GdiObjectRef data, CGdiObject* owner);
    static GdiObjectRef Find(HGDIOBJ handle);
    // The same without holding the object: for a look at it while the handle stays open (no count
    // of its users taken and given back).
    static GdiObjectData* Peek(HGDIOBJ handle);
    // FALSE for unknown handles and stock objects. Destroys the handle's temporary wrapper.
    static BOOL Remove(HGDIOBJ handle);
    // Null for unknown handles.
    static CGdiObject* ObjectFor(HGDIOBJ handle);
    static void SetOwner(HGDIOBJ handle, CGdiObject* owner);
    static HGDIOBJ Stock(int index);
    // Live handles, stock objects included: tests use it to find leaks.
    static std::size_t Count();
};
