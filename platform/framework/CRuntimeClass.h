#pragma once
// Run-time class information of framework objects: the class name, its base and, for classes that
// can be made by name, a factory. DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC give a class its record;
// DECLARE_DYNCREATE / IMPLEMENT_DYNCREATE add the factory. The macros mark their members
// `override`, so classes using them mark their other overrides `override` too.

#include "platform/framework/WinTypes.h"

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName = nullptr;
    int m_nObjectSize = 0;
    CRuntimeClass* m_pBaseClass = nullptr;
    CObject* (*m_pfnCreateObject)() = nullptr;

    // Null for classes without a factory.
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    BOOL IsDerivedFrom(const CRuntimeClass* base) const
    {
        for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass) {
            if (c == base) return TRUE;
        }
        return FALSE;
    }

    // The class of that name among the classes of the program that have run-time class information
    // (IMPLEMENT_DYNAMIC, IMPLEMENT_DYNCREATE); null when there is none.
    static CRuntimeClass* FromName(LPCSTR className);
    // A new object of the class of that name; null when the name is unknown or the class has no
    // factory.
    static CObject* CreateObject(LPCSTR className);
};

// Records a class for FromName when the program starts (one per IMPLEMENT_ macro).
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* newClass);
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                                  \
public:                                                                                                              \
    static CRuntimeClass* GetThisClass();                                                                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                                \
    DECLARE_DYNAMIC(class_name)                                                                                      \
    static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, factory)                                             \
    CRuntimeClass* class_name::GetThisClass()                                                                        \
    {                                                                                                                \
        static CRuntimeClass info{#class_name, static_cast<int>(sizeof(class_name)), base_class_name::GetThisClass(), \
                                  factory};                                                                          \
        return &info;                                                                                                \
    }                                                                                                                \
    CRuntimeClass* class_name::GetRuntimeClass() const { return GetThisClass(); }                                    \
    static const AFX_CLASSINIT _init_##class_name(class_name::GetThisClass());

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                             \
    CObject* class_name::CreateObject() { return new class_name; }                                                   \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, &class_name::CreateObject)
