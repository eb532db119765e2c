// Run-time class records: derivation, dynamic creation and the registry that finds a class by
// name across every loaded module.
#include <afxobj.h>

#include <cstring>

namespace {
// Records enrol themselves while their module's static objects are built; the list head is
// zero-initialised before any of that runs, so the order modules load in does not matter.
AFX_CLASSINIT* g_firstClass = NULL;
} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
    : m_pClass(pNewClass), m_pNext(g_firstClass) {
    g_firstClass = this;
}

AFX_CLASSINIT::~AFX_CLASSINIT() {
    // A module being unloaded takes its records with it; FromName must not hand them out later.
    for (AFX_CLASSINIT** link = &g_firstClass; *link != NULL; link = &(*link)->m_pNext) {
        if (*link == this) {
            *link = m_pNext;
            break;
        }
    }
}

CObject* CRuntimeClass::CreateObject() const {
    if (m_pfnCreateObject == NULL)
        return NULL;
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    if (pBaseClass == NULL)
        return FALSE;
    for (const CRuntimeClass* pClass = this; pClass != NULL; pClass = pClass->m_pBaseClass) {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (lpszClassName == NULL)
        return NULL;
    for (AFX_CLASSINIT* p = g_firstClass; p != NULL; p = p->m_pNext) {
        if (std::strcmp(p->m_pClass->m_lpszClassName, lpszClassName) == 0)
            return p->m_pClass;
    }
    return NULL;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != NULL ? pClass->CreateObject() : NULL;
}
