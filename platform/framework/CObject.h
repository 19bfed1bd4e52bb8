#pragma once
// Root of the framework's classes: run-time class information (GetRuntimeClass, IsKindOf).

#include "platform/framework/CRuntimeClass.h"

class CObject {
public:
    virtual ~CObject() = default;
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// The object as T when it is one (by run-time class), else null.
#define DYNAMIC_DOWNCAST(class_name, object)                                                                         \
    ((object) && (object)->IsKindOf(RUNTIME_CLASS(class_name)) ? static_cast<class_name*>(object) : nullptr)
