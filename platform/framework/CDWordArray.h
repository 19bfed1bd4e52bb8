#pragma once
// Growable array of DWORDs. Indexes outside the array are ignored on write and read as 0, so a bad
// index coming from an operator action can never touch memory it does not own.

#include <algorithm>
#include <vector>

#include "platform/framework/WinTypes.h"

class CDWordArray {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_a.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_a.empty(); }
    // Grows with zeros or cuts; a negative size empties the array.
    void SetSize(INT_PTR size) { m_a.resize(size > 0 ? static_cast<size_t>(size) : 0); }
    void RemoveAll() { m_a.clear(); }

    DWORD GetAt(INT_PTR i) const { return valid(i) ? m_a[static_cast<size_t>(i)] : 0; }
    void SetAt(INT_PTR i, DWORD v) { if (valid(i)) m_a[static_cast<size_t>(i)] = v; }
    // Sets the element, growing the array with zeros when the index lies beyond its end.
    void SetAtGrow(INT_PTR i, DWORD v)
    {
        if (i < 0) return;
        if (i >= GetSize()) SetSize(i + 1);
        m_a[static_cast<size_t>(i)] = v;
    }
    DWORD operator[](INT_PTR i) const { return GetAt(i); }
    INT_PTR Add(DWORD v) { m_a.push_back(v); return GetSize() - 1; }
    void InsertAt(INT_PTR i, DWORD v, INT_PTR count = 1)
    {
        if (i < 0 || count <= 0) return;
        if (i > GetSize()) SetSize(i);
        m_a.insert(m_a.begin() + i, static_cast<size_t>(count), v);
    }
    void RemoveAt(INT_PTR i, INT_PTR count = 1)
    {
        if (!valid(i) || count <= 0) return;
        auto end = std::min<INT_PTR>(GetSize(), i + count);
        m_a.erase(m_a.begin() + i, m_a.begin() + end);
    }
    INT_PTR Append(const CDWordArray& o)
    {
        auto first = GetSize();
        m_a.insert(m_a.end(), o.m_a.begin(), o.m_a.end());
        return first;
    }
    void Copy(const CDWordArray& o) { m_a = o.m_a; }
    const DWORD* GetData() const { return m_a.data(); }
    DWORD* GetData() { return m_a.data(); }

    bool operator==(const CDWordArray& o) const { return m_a == o.m_a; }

private:
    bool valid(INT_PTR i) const { return i >= 0 && i < GetSize(); }
    std::vector<DWORD> m_a;
};
