#include "platform/framework/ResourceId.h"

#include "platform/framework/WinUser.h"

ResourceId::ResourceId(LPCTSTR nameOrId)
{
    if (IS_INTRESOURCE(nameOrId)) {
        m_id = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(nameOrId));
        return;
    }
    *this = ResourceId(CString(nameOrId));
}

ResourceId::ResourceId(const CString& name) : m_isName(true), m_name(name), m_key(name)
{
    m_key.MakeUpper();
}

CString ResourceId::Describe() const
{
    CString s;
    if (m_isName) {
        s.Format("\"%s\"", m_name.GetString());
    } else {
        s.Format("%u", m_id);
    }
    return s;
}

bool operator==(const ResourceId& a, const ResourceId& b)
{
    if (a.m_isName != b.m_isName) return false;
    return a.m_isName ? a.m_key == b.m_key : a.m_id == b.m_id;
}

bool operator<(const ResourceId& a, const ResourceId& b)
{
    if (a.m_isName != b.m_isName) return !a.m_isName; // numbers first
    return a.m_isName ? a.m_key < b.m_key : a.m_id < b.m_id;
}
