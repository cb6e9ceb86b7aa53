// CObject and run-time class information: DECLARE_DYNAMIC / IMPLEMENT_DYNAMIC, RUNTIME_CLASS,
// IsKindOf and DYNAMIC_DOWNCAST, with MFC's names. A CRuntimeClass is constant data, so the
// chain of base classes is complete before any constructor runs.
#pragma once

#include "platform/crt/wintypes.h"

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    CRuntimeClass* m_pBaseClass;

    // This class or one of its bases is pClass.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    constinit CRuntimeClass class_name::class##class_name = {                                      \
        #class_name, static_cast<int>(sizeof(class_name)), RUNTIME_CLASS(base_class_name)};        \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                           \
        return RUNTIME_CLASS(class_name);                                                          \
    }

class CObject {
public:
    static CRuntimeClass classCObject;

    virtual ~CObject() = default;
    virtual CRuntimeClass* GetRuntimeClass() const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// nullptr when p is null or not of the class (or one derived from it).
#define DYNAMIC_DOWNCAST(class_name, object)                                                       \
    (mw::mfc::DynamicDowncast<class_name>(RUNTIME_CLASS(class_name), (object)))

namespace mw::mfc {
template <class T>
T* DynamicDowncast(const CRuntimeClass* pClass, CObject* p) {
    return (p != nullptr && p->IsKindOf(pClass)) ? static_cast<T*>(p) : nullptr;
}
template <class T>
const T* DynamicDowncast(const CRuntimeClass* pClass, const CObject* p) {
    return (p != nullptr && p->IsKindOf(pClass)) ? static_cast<const T*>(p) : nullptr;
}
} // namespace mw::mfc
