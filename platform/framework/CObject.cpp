#include "platform/framework/CObject.h"

#include <cstring>
#include <vector>

CRuntimeClass* CObject::GetThisClass()
{
    static CRuntimeClass info{"CObject", static_cast<int>(sizeof(CObject)), nullptr, nullptr};
    return &info;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return GetThisClass();
}

void CObject::Serialize(CArchive&) {}

namespace {

std::vector<CRuntimeClass*>& classRegistry()
{
    // Never destroyed: classes register during static initialisation, in any order.
    static auto* classes = new std::vector<CRuntimeClass*>;
    return *classes;
}

} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* newClass)
{
    if (newClass) classRegistry().push_back(newClass);
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR className)
{
    if (!className) return nullptr;
    if (std::strcmp(className, "CObject") == 0) return CObject::GetThisClass();
    for (CRuntimeClass* c : classRegistry()) {
        if (c->m_lpszClassName && std::strcmp(c->m_lpszClassName, className) == 0) return c;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(LPCSTR className)
{
    CRuntimeClass* c = FromName(className);
    return c ? c->CreateObject() : nullptr;
}
