#include "platform/framework/gdi/CGdiObject.h"

#include "platform/framework/gdi/GdiFunctions.h"
#include "platform/framework/gdi/GdiHandleTable.h"

CGdiObject::~CGdiObject()
{
    if (!m_temporary)
        DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (m_hObject || !GdiHandleTable::Peek(handle))
        return FALSE;
    m_hObject = handle;
    GdiHandleTable::SetOwner(handle, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h && !m_temporary)
        GdiHandleTable::SetOwner(h, nullptr);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    HGDIOBJ h = m_hObject;
    if (!h)
        return FALSE;
    // A wrapper is destroyed by Remove: touch no member after it.
    if (!m_temporary)
        m_hObject = nullptr;
    return GdiHandleTable::Remove(h);
}

BOOL CGdiObject::CreateStockObject(int index)
{
    if (m_hObject)
        return FALSE;
    HGDIOBJ h = GdiHandleTable::Stock(index);
    if (!h)
        return FALSE;
    m_hObject = h;
    return TRUE;
}

UINT CGdiObject::GetObjectType() const { return m_hObject ? ::GetObjectType(m_hObject) : 0; }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ handle) { return GdiHandleTable::ObjectFor(handle); }

GdiObjectRef CGdiObject::Data() const { return m_hObject ? GdiHandleTable::Find(m_hObject) : nullptr; }

BOOL CGdiObject::CreateFromData(GdiObjectRef data)
{
    if (m_hObject || !data)
        return FALSE;
    m_hObject = GdiHandleTable::Add(std::move(data), m_temporary ? nullptr : this);
    return TRUE;
}
