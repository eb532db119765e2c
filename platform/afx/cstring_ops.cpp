// CString searching, extraction, case, trimming, editing, formatting, resources and buffers.
#include <afxstr.h>
#include <afxmod.h>

#include <climits>
#include <cstdio>
#include <cstring>

namespace {
bool IsTrimSpace(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}
} // namespace

CString CString::Mid(int nFirst, int nCount) const {
    int nLen = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLen)
        nFirst = nLen;
    if (nCount > nLen - nFirst)
        nCount = nLen - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, INT_MAX);
}

CString CString::Left(int nCount) const {
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const {
    int nLen = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLen)
        nCount = nLen;
    return CString(m_pchData + nLen - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const {
    return Left(static_cast<int>(std::strspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const {
    return Left(static_cast<int>(std::strcspn(m_pchData, lpszCharSet ? lpszCharSet : "")));
}

void CString::MakeUpper() {
    for (char* p = m_pchData; *p; ++p) {
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<char>(*p - 'a' + 'A');
    }
}

void CString::MakeLower() {
    for (char* p = m_pchData; *p; ++p) {
        if (*p >= 'A' && *p <= 'Z')
            *p = static_cast<char>(*p - 'A' + 'a');
    }
}

void CString::MakeReverse() {
    int nLen = GetLength();
    for (int i = 0, j = nLen - 1; i < j; ++i, --j) {
        char t = m_pchData[i];
        m_pchData[i] = m_pchData[j];
        m_pchData[j] = t;
    }
}

void CString::TrimRight() {
    int nLen = GetLength();
    while (nLen > 0 && IsTrimSpace(m_pchData[nLen - 1]))
        --nLen;
    if (nLen != GetLength())
        ReleaseBuffer(nLen);
}

void CString::TrimLeft() {
    int nSkip = 0;
    while (nSkip < GetLength() && IsTrimSpace(m_pchData[nSkip]))
        ++nSkip;
    if (nSkip > 0)
        Delete(0, nSkip);
}

void CString::TrimRight(char chTarget) {
    int nLen = GetLength();
    while (nLen > 0 && m_pchData[nLen - 1] == chTarget)
        --nLen;
    if (nLen != GetLength())
        ReleaseBuffer(nLen);
}

void CString::TrimLeft(char chTarget) {
    int nSkip = 0;
    while (nSkip < GetLength() && m_pchData[nSkip] == chTarget)
        ++nSkip;
    if (nSkip > 0)
        Delete(0, nSkip);
}

int CString::Find(char ch) const {
    return Find(ch, 0);
}

int CString::Find(char ch, int nStart) const {
    if (nStart < 0 || nStart >= GetLength() || ch == 0)
        return -1;
    const char* p = std::strchr(m_pchData + nStart, ch);
    return p != NULL ? static_cast<int>(p - m_pchData) : -1;
}

int CString::Find(LPCSTR lpszSub) const {
    return Find(lpszSub, 0);
}

int CString::Find(LPCSTR lpszSub, int nStart) const {
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    const char* p = std::strstr(m_pchData + nStart, lpszSub);
    return p != NULL ? static_cast<int>(p - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const {
    if (ch == 0)
        return -1;
    const char* p = std::strrchr(m_pchData, ch);
    return p != NULL ? static_cast<int>(p - m_pchData) : -1;
}

int CString::FindOneOf(LPCSTR lpszCharSet) const {
    if (lpszCharSet == NULL)
        return -1;
    const char* p = std::strpbrk(m_pchData, lpszCharSet);
    return p != NULL ? static_cast<int>(p - m_pchData) : -1;
}

int CString::Replace(char chOld, char chNew) {
    if (chOld == 0 || chOld == chNew)
        return 0;
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_pchData[i] == chOld) {
            m_pchData[i] = chNew;
            ++nCount;
        }
    }
    if (chNew == 0) // the first replaced character now ends the text
        ReleaseBuffer(-1);
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew) {
    if (lpszOld == NULL || *lpszOld == 0)
        return 0;
    if (lpszNew == NULL)
        lpszNew = "";
    int nOldLen = static_cast<int>(std::strlen(lpszOld));
    CString result;
    int nCount = 0;
    int nPos = 0;
    for (int nHit; (nHit = Find(lpszOld, nPos)) >= 0; nPos = nHit + nOldLen) {
        result += Mid(nPos, nHit - nPos);
        result += lpszNew;
        ++nCount;
    }
    if (nCount > 0) {
        result += Mid(nPos);
        *this = static_cast<CString&&>(result);
    }
    return nCount;
}

int CString::Remove(char ch) {
    int nLen = GetLength();
    int nOut = 0;
    for (int i = 0; i < nLen; ++i) {
        if (m_pchData[i] != ch)
            m_pchData[nOut++] = m_pchData[i];
    }
    if (nOut != nLen)
        ReleaseBuffer(nOut);
    return nLen - nOut;
}

int CString::Insert(int nIndex, char ch) {
    char text[2] = {ch, 0};
    return Insert(nIndex, text);
}

int CString::Insert(int nIndex, LPCSTR pstr) {
    if (nIndex < 0)
        nIndex = 0;
    if (nIndex > GetLength())
        nIndex = GetLength();
    if (pstr != NULL && *pstr != 0) {
        CString result = Left(nIndex);
        result += pstr;
        result += Mid(nIndex);
        *this = static_cast<CString&&>(result);
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
    int nLen = GetLength();
    if (nIndex < 0)
        nIndex = 0;
    if (nCount <= 0 || nIndex >= nLen)
        return nLen;
    if (nCount > nLen - nIndex)
        nCount = nLen - nIndex;
    std::memmove(m_pchData + nIndex, m_pchData + nIndex + nCount,
                 static_cast<size_t>(nLen - nIndex - nCount) + 1);
    GetData()->nDataLength = nLen - nCount;
    return nLen - nCount;
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList) {
    if (lpszFormat == NULL) {
        Empty();
        return;
    }
    va_list measure;
    va_copy(measure, argList);
    int nLen = std::vsnprintf(NULL, 0, lpszFormat, measure);
    va_end(measure);
    if (nLen <= 0) {
        Empty();
        return;
    }
    // Format into a fresh string: an argument may be this very string's text.
    CString result;
    result.Reserve(nLen, false);
    std::vsnprintf(result.m_pchData, static_cast<size_t>(nLen) + 1, lpszFormat, argList);
    result.GetData()->nDataLength = nLen;
    *this = static_cast<CString&&>(result);
}

void CString::Format(LPCSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    FormatV(lpszFormat, args);
    va_end(args);
}

void CString::Format(UINT nFormatID, ...) {
    CString format;
    if (!format.LoadString(nFormatID)) {
        Empty();
        return;
    }
    va_list args;
    va_start(args, nFormatID);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    FormatV(format, args);
#pragma GCC diagnostic pop
    va_end(args);
}

BOOL CString::LoadString(UINT nID) {
    // String resources live in blocks of sixteen; the block's resource name locates the module.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
    // LoadStringA reports only how much it copied, so grow until the text fits with room over.
    for (int nSize = 256;; nSize *= 2) {
        int nLen = ::LoadStringA(hInst, nID, GetBuffer(nSize - 1), nSize);
        if (nLen < nSize - 1 || nSize >= (1 << 20)) {
            ReleaseBuffer(nLen > 0 ? nLen : 0);
            return nLen > 0;
        }
    }
}

LPSTR CString::GetBuffer(int nMinBufLength) {
    // GetBuffer(0) on an empty string hands out the shared empty text: room for the NUL only.
    Reserve(nMinBufLength > GetLength() ? nMinBufLength : GetLength(), true);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
    Data* data = GetData();
    if (data->nAllocLength == 0)
        return; // still the shared empty string: nothing was written
    if (nNewLength < 0) {
        const void* nul = std::memchr(m_pchData, 0, static_cast<size_t>(data->nAllocLength) + 1);
        nNewLength = nul != NULL ? static_cast<int>(static_cast<const char*>(nul) - m_pchData)
                                 : data->nAllocLength;
    }
    if (nNewLength > data->nAllocLength)
        nNewLength = data->nAllocLength;
    data->nDataLength = nNewLength;
    m_pchData[nNewLength] = 0;
}

LPSTR CString::GetBufferSetLength(int nNewLength) {
    if (nNewLength < 0)
        nNewLength = 0;
    LPSTR p = GetBuffer(nNewLength);
    if (GetData()->nAllocLength > 0) {
        if (nNewLength > GetLength())
            std::memset(p + GetLength(), 0, static_cast<size_t>(nNewLength - GetLength()));
        GetData()->nDataLength = nNewLength;
        p[nNewLength] = 0;
    }
    return p;
}

void CString::FreeExtra() {
    if (GetData()->nAllocLength > GetLength()) {
        CString copy(m_pchData, GetLength());
        *this = static_cast<CString&&>(copy);
    }
}
