// The framework's collections: arrays of pointers, numbers and strings, and a pointer map.
#pragma once

#include "afxobj.h"
#include "afxstr.h"
#include "afxtempl.h"

#include <unordered_map>

class AFX_API CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
};

class AFX_API CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_DYNAMIC(CDWordArray)
};

class AFX_API CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
};

class AFX_API CWordArray : public CArray<WORD, WORD> {
    DECLARE_DYNAMIC(CWordArray)
};

class AFX_API CByteArray : public CArray<BYTE, BYTE> {
    DECLARE_DYNAMIC(CByteArray)
};

class AFX_API CStringArray : public CArray<CString, LPCSTR> {
    DECLARE_DYNAMIC(CStringArray)
};

class AFX_API CObArray : public CArray<CObject*, CObject*> {
    DECLARE_DYNAMIC(CObArray)
};

// A map from pointer to pointer. Iteration order is unspecified, as in the original.
typedef void* POSITION;

class AFX_API CMapPtrToPtr : public CObject {
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    CMapPtrToPtr() = default;

    INT_PTR GetCount() const { return static_cast<INT_PTR>(m_map.size()); }
    BOOL IsEmpty() const { return m_map.empty(); }
    BOOL Lookup(void* key, void*& rValue) const;
    void*& operator[](void* key) { return m_map[key]; }
    void SetAt(void* key, void* newValue) { m_map[key] = newValue; }
    BOOL RemoveKey(void* key) { return m_map.erase(key) != 0; }
    void RemoveAll() { m_map.clear(); }

private:
    std::unordered_map<void*, void*> m_map;
};
