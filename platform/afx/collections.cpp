// Run-time class records of the collections and the out-of-line parts of the pointer map.
#include <afxcoll.h>

IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_DYNAMIC(CDWordArray, CObject)
IMPLEMENT_DYNAMIC(CUIntArray, CObject)
IMPLEMENT_DYNAMIC(CWordArray, CObject)
IMPLEMENT_DYNAMIC(CByteArray, CObject)
IMPLEMENT_DYNAMIC(CStringArray, CObject)
IMPLEMENT_DYNAMIC(CObArray, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)

BOOL CMapPtrToPtr::Lookup(void* key, void*& rValue) const {
    auto it = m_map.find(key);
    if (it == m_map.end())
        return FALSE;
    rValue = it->second;
    return TRUE;
}
