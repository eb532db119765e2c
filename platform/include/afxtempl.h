// CArray: the framework's growable array of values.
//
// Indexes are zero-based. Out-of-range access is a caller's error that is reported by ASSERT
// and answered safely: reads give a default value, writes are ignored, removal is clamped to the
// elements that exist, and InsertAt past the end grows the array first.
#pragma once

#include "afxobj.h"

#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    // New elements take the default value; nGrowBy is accepted for compatibility.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
        (void)nGrowBy;
        m_data.resize(nNewSize > 0 ? static_cast<size_t>(nNewSize) : 0);
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    TYPE GetAt(INT_PTR nIndex) const {
        if (!IsValid(nIndex))
            return TYPE();
        return m_data[static_cast<size_t>(nIndex)];
    }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) {
        if (IsValid(nIndex))
            m_data[static_cast<size_t>(nIndex)] = newElement;
    }
    TYPE& ElementAt(INT_PTR nIndex) {
        if (!IsValid(nIndex)) {
            m_scratch = TYPE();
            return m_scratch;
        }
        return m_data[static_cast<size_t>(nIndex)];
    }
    const TYPE* GetData() const { return m_data.empty() ? NULL : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? NULL : m_data.data(); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
        if (nIndex < 0) {
            ASSERT(FALSE);
            return;
        }
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[static_cast<size_t>(nIndex)] = newElement;
    }
    INT_PTR Add(ARG_TYPE newElement) {
        m_data.push_back(newElement);
        return GetSize() - 1;
    }
    INT_PTR Append(const CArray& src) {
        INT_PTR nOldSize = GetSize();
        if (&src == this) {
            std::vector<TYPE> copy(src.m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return nOldSize;
    }
    void Copy(const CArray& src) {
        if (&src != this)
            m_data = src.m_data;
    }

    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
        if (nIndex < 0 || nCount < 0) {
            ASSERT(FALSE);
            return;
        }
        TYPE value = newElement; // may refer into this array
        if (nIndex > GetSize())
            SetSize(nIndex);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
        if (pNewArray == NULL || nStartIndex < 0) {
            ASSERT(FALSE);
            return;
        }
        std::vector<TYPE> copy(pNewArray->m_data);
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        if (!IsValid(nIndex) || nCount <= 0)
            return;
        INT_PTR nEnd = nIndex + nCount > GetSize() ? GetSize() : nIndex + nCount;
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nEnd);
    }

private:
    BOOL IsValid(INT_PTR nIndex) const {
        BOOL bValid = nIndex >= 0 && nIndex < GetSize();
        ASSERT(bValid);
        return bValid;
    }

    std::vector<TYPE> m_data;
    TYPE m_scratch{};
};
