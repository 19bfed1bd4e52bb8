#pragma once
// Root of the framework's classes: run-time class information (GetRuntimeClass, IsKindOf) and
// serialisation through an archive (Serialize). The virtual functions keep the framework's slot
// order: the run-time class query, the destructor, then Serialize.

#include "platform/framework/CRuntimeClass.h"

class CArchive;

class CObject {
public:
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    // Stores the object into the archive or loads it, as the archive's direction says. An object
    // without a stored form writes and reads nothing.
    virtual void Serialize(CArchive& ar);
    BOOL IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// The object as T when it is one (by run-time class), else null.
#define DYNAMIC_DOWNCAST(class_name, object)                                                                         \
    ((object) && (object)->IsKindOf(RUNTIME_CLASS(class_name)) ? static_cast<class_name*>(object) : nullptr)
