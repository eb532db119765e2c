// CString storage, assignment, concatenation and comparison. Searching, extraction, formatting
// and resources are in cstring_ops.cpp.
#include <afxstr.h>

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
// The shared empty string: capacity 0, so anything that writes first makes its own buffer.
struct EmptyString {
    int nDataLength = 0;
    int nAllocLength = 0;
    char text[1] = {0};
};
EmptyString g_empty;

char* EmptyChars() {
    return g_empty.text;
}

int BoundedLength(LPCSTR lpsz) {
    if (lpsz == NULL)
        return 0;
    size_t n = std::strlen(lpsz);
    return n > static_cast<size_t>(INT_MAX / 2) ? INT_MAX / 2 : static_cast<int>(n);
}
} // namespace

static_assert(offsetof(EmptyString, text) == 2 * sizeof(int),
              "the empty text sits where Data puts it");

CString::CString() : m_pchData(EmptyChars()) {}

CString::CString(const CString& stringSrc) : m_pchData(EmptyChars()) {
    AssignCopy(stringSrc.m_pchData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept : m_pchData(stringSrc.m_pchData) {
    stringSrc.m_pchData = EmptyChars();
}

CString::CString(LPCSTR lpsz) : m_pchData(EmptyChars()) {
    AssignCopy(lpsz, BoundedLength(lpsz));
}

CString::CString(LPCSTR lpch, int nLength) : m_pchData(EmptyChars()) {
    if (lpch == NULL || nLength <= 0)
        return;
    const void* nul = std::memchr(lpch, 0, static_cast<size_t>(nLength));
    if (nul != NULL)
        nLength = static_cast<int>(static_cast<const char*>(nul) - lpch);
    AssignCopy(lpch, nLength);
}

CString::CString(char ch, int nRepeat) : m_pchData(EmptyChars()) {
    if (nRepeat <= 0 || ch == 0)
        return;
    Reserve(nRepeat, false);
    std::memset(m_pchData, ch, static_cast<size_t>(nRepeat));
    GetData()->nDataLength = nRepeat;
    m_pchData[nRepeat] = 0;
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::~CString() {
    Release();
}

void CString::Release() {
    if (m_pchData != EmptyChars())
        std::free(GetData());
    m_pchData = EmptyChars();
}

void CString::Reserve(int nLen, bool bKeep) {
    if (nLen < 0)
        nLen = 0;
    Data* old = GetData();
    if (nLen <= old->nAllocLength && m_pchData != EmptyChars())
        return;
    if (nLen == 0)
        return; // the shared empty string already holds zero characters
    // Grow geometrically so that repeated += stays linear.
    int nAlloc = nLen;
    if (bKeep && old->nAllocLength > 0 && nLen < INT_MAX / 2)
        nAlloc = nLen > old->nAllocLength * 2 ? nLen : old->nAllocLength * 2;
    void* mem = std::malloc(sizeof(Data) + static_cast<size_t>(nAlloc) + 1);
    if (mem == NULL)
        throw std::bad_alloc();
    Data* fresh = static_cast<Data*>(mem);
    fresh->nAllocLength = nAlloc;
    fresh->nDataLength = 0;
    fresh->chars()[0] = 0;
    if (bKeep) {
        std::memcpy(fresh->chars(), m_pchData, static_cast<size_t>(old->nDataLength) + 1);
        fresh->nDataLength = old->nDataLength;
    }
    Release();
    m_pchData = fresh->chars();
}

void CString::AssignCopy(LPCSTR lpsz, int nLen) {
    if (nLen <= 0 || lpsz == NULL) {
        Empty();
        return;
    }
    // The source may be part of this string (s = s.Mid(...) through an LPCSTR); copy first.
    if (lpsz >= m_pchData && lpsz <= m_pchData + GetLength()) {
        CString copy(lpsz, nLen);
        *this = static_cast<CString&&>(copy);
        return;
    }
    Reserve(nLen, false);
    std::memcpy(m_pchData, lpsz, static_cast<size_t>(nLen));
    m_pchData[nLen] = 0;
    GetData()->nDataLength = nLen;
}

void CString::AppendCopy(LPCSTR lpsz, int nLen) {
    if (nLen <= 0 || lpsz == NULL)
        return;
    if (lpsz >= m_pchData && lpsz <= m_pchData + GetLength()) {
        CString copy(lpsz, nLen);
        AppendCopy(copy.m_pchData, copy.GetLength());
        return;
    }
    int nOld = GetLength();
    Reserve(nOld + nLen, true);
    std::memcpy(m_pchData + nOld, lpsz, static_cast<size_t>(nLen));
    m_pchData[nOld + nLen] = 0;
    GetData()->nDataLength = nOld + nLen;
}

const CString& CString::operator=(const CString& stringSrc) {
    if (this != &stringSrc)
        AssignCopy(stringSrc.m_pchData, stringSrc.GetLength());
    return *this;
}

const CString& CString::operator=(CString&& stringSrc) noexcept {
    if (this != &stringSrc) {
        Release();
        m_pchData = stringSrc.m_pchData;
        stringSrc.m_pchData = EmptyChars();
    }
    return *this;
}

const CString& CString::operator=(LPCSTR lpsz) {
    AssignCopy(lpsz, BoundedLength(lpsz));
    return *this;
}

const CString& CString::operator=(char ch) {
    char text[2] = {ch, 0};
    AssignCopy(text, ch != 0 ? 1 : 0);
    return *this;
}

const CString& CString::operator=(const unsigned char* psz) {
    return *this = reinterpret_cast<LPCSTR>(psz);
}

const CString& CString::operator+=(const CString& string) {
    AppendCopy(string.m_pchData, string.GetLength());
    return *this;
}

const CString& CString::operator+=(LPCSTR lpsz) {
    AppendCopy(lpsz, BoundedLength(lpsz));
    return *this;
}

const CString& CString::operator+=(char ch) {
    char text[1] = {ch};
    AppendCopy(text, ch != 0 ? 1 : 0);
    return *this;
}

CString operator+(const CString& string1, const CString& string2) {
    CString s(string1);
    s += string2;
    return s;
}

CString operator+(const CString& string, LPCSTR lpsz) {
    CString s(string);
    s += lpsz;
    return s;
}

CString operator+(LPCSTR lpsz, const CString& string) {
    CString s(lpsz);
    s += string;
    return s;
}

CString operator+(const CString& string, char ch) {
    CString s(string);
    s += ch;
    return s;
}

CString operator+(char ch, const CString& string) {
    CString s(ch);
    s += string;
    return s;
}

int CString::GetLength() const {
    return GetData()->nDataLength;
}

void CString::Empty() {
    Release();
}

char CString::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetLength())
        return 0;
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch) {
    if (nIndex < 0 || nIndex >= GetLength())
        return;
    if (ch == 0) {
        // A NUL inside the text ends it; keep the length honest.
        m_pchData[nIndex] = 0;
        GetData()->nDataLength = nIndex;
        return;
    }
    m_pchData[nIndex] = ch;
}

int CString::Compare(LPCSTR lpsz) const {
    return std::strcmp(m_pchData, lpsz != NULL ? lpsz : "");
}

int CString::CompareNoCase(LPCSTR lpsz) const {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(lpsz != NULL ? lpsz : "");
    for (;; ++a, ++b) {
        int ca = (*a >= 'A' && *a <= 'Z') ? *a + ('a' - 'A') : *a;
        int cb = (*b >= 'A' && *b <= 'Z') ? *b + ('a' - 'A') : *b;
        if (ca != cb)
            return ca - cb;
        if (ca == 0)
            return 0;
    }
}

bool operator==(const CString& s1, const CString& s2) {
    return s1.Compare(s2) == 0;
}
bool operator==(const CString& s1, LPCSTR s2) {
    return s1.Compare(s2) == 0;
}
bool operator==(LPCSTR s1, const CString& s2) {
    return s2.Compare(s1) == 0;
}
bool operator!=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) != 0;
}
bool operator!=(const CString& s1, LPCSTR s2) {
    return s1.Compare(s2) != 0;
}
bool operator!=(LPCSTR s1, const CString& s2) {
    return s2.Compare(s1) != 0;
}
bool operator<(const CString& s1, const CString& s2) {
    return s1.Compare(s2) < 0;
}
bool operator<(const CString& s1, LPCSTR s2) {
    return s1.Compare(s2) < 0;
}
bool operator<(LPCSTR s1, const CString& s2) {
    return s2.Compare(s1) > 0;
}
bool operator>(const CString& s1, const CString& s2) {
    return s1.Compare(s2) > 0;
}
bool operator>(const CString& s1, LPCSTR s2) {
    return s1.Compare(s2) > 0;
}
bool operator>(LPCSTR s1, const CString& s2) {
    return s2.Compare(s1) < 0;
}
bool operator<=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) <= 0;
}
bool operator>=(const CString& s1, const CString& s2) {
    return s1.Compare(s2) >= 0;
}
