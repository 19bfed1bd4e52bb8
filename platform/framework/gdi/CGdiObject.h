#pragma once
// Base of the painting objects: owns one handle of the handle table and deletes it when destroyed.
//
// Creating into an object that already holds a handle fails (FALSE) and leaves it unchanged.

#include "platform/framework/gdi/GdiObjectData.h"
#include "platform/framework/gdi/GdiTypes.h"

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }
    // Takes ownership of a live handle; FALSE when this object already has one or the handle is dead.
    BOOL Attach(HGDIOBJ handle);
    HGDIOBJ Detach();
    // Deletes the handle (stock objects are only detached). TRUE when a live handle was deleted.
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    // OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_REGION; 0 without a live handle.
    UINT GetObjectType() const;

    static CGdiObject* FromHandle(HGDIOBJ handle);

    // The record behind the handle; null without a live handle.
    GdiObjectRef Data() const;

protected:
    // Gives this object a new handle for the record. FALSE when it already has one.
    BOOL CreateFromData(GdiObjectRef data);

private:
    friend class GdiHandleTable;
    bool m_temporary = false;  // a FromHandle wrapper: never deletes its handle
};
