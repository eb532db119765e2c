// CObject and the framework's assertion report.
#include <afxobj.h>

#include "afx/afx_internal.h"

#include <cstdio>

namespace {
int g_assertFailures = 0;
}

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                             NULL, NULL};
static const AFX_CLASSINIT _init_CObject(RUNTIME_CLASS(CObject));

CRuntimeClass* CObject::GetRuntimeClass() const {
    return RUNTIME_CLASS(CObject);
}

CObject::~CObject() = default;

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    if (pClass == NULL)
        return FALSE;
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const {
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Dump(CDumpContext&) const {}

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
    ++g_assertFailures;
    std::fprintf(stderr, "assertion failed: %s(%d)\n", lpszFileName ? lpszFileName : "?", nLine);
    return FALSE;
}

int AFXAPI AfxAssertFailureCount() {
    return g_assertFailures;
}

namespace afx_internal {
void ResetAssertFailureCount() {
    g_assertFailures = 0;
}
} // namespace afx_internal
