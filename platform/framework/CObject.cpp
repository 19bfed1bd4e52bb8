#include "platform/framework/CObject.h"

CRuntimeClass* CObject::GetThisClass()
{
    static CRuntimeClass info{"CObject", static_cast<int>(sizeof(CObject)), nullptr, nullptr};
    return &info;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return GetThisClass();
}
