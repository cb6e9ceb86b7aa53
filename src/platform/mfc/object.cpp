#include "platform/mfc/object.h"

constinit CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)),
                                                 nullptr};

CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* p = this; p != nullptr; p = p->m_pBaseClass) {
        if (p == pBaseClass) {
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}
