#pragma once
// The name of a resource: a number (most templates, all strings and icons) or a string (a few
// templates are known by name). Names compare without regard to case, as the resource loader does.

#include "platform/framework/CString.h"
#include "platform/framework/WinTypes.h"

class ResourceId {
public:
    ResourceId() = default;
    ResourceId(UINT id) : m_id(id) {}
    ResourceId(int id) : m_id(static_cast<UINT>(id)) {}
    // Accepts MAKEINTRESOURCE values as numbers; a null pointer is the number 0.
    ResourceId(LPCTSTR nameOrId);
    ResourceId(const CString& name);

    bool IsNumeric() const { return !m_isName; }
    UINT Id() const { return m_id; }
    const CString& Name() const { return m_name; }
    // "14146" or "\"Maldi MS Scan\"", for messages.
    CString Describe() const;

    friend bool operator==(const ResourceId& a, const ResourceId& b);
    friend bool operator!=(const ResourceId& a, const ResourceId& b) { return !(a == b); }
    friend bool operator<(const ResourceId& a, const ResourceId& b);

private:
    bool m_isName = false;
    UINT m_id = 0;
    CString m_name;     // as given
    CString m_key;      // upper case, for comparison
};
