// CString: the framework's 8-bit string.
//
// The object is one pointer to characters that are always terminated, so it passes anywhere an
// LPCSTR does. The length and capacity live just before the characters. Every operation bounds
// its writes by the capacity; a null LPCSTR counts as the empty string.
//
//   construction, assignment, concatenation - comparison - access - extraction (Left/Mid/Right)
//   - case and trimming - searching - formatting and resources - buffer access
#pragma once

#include <windows.h>

#include "afxobj.h"

#include <cstdarg>

#ifndef _T
#define _T(x) x
#endif
#ifndef _TEXT
#define _TEXT(x) x
#endif
typedef char TCHAR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;

class AFX_API CString {
public:
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(LPCSTR lpsz);              // NULL gives an empty string
    CString(LPCSTR lpch, int nLength); // the first nLength characters; NUL ends them early
    CString(char ch, int nRepeat = 1); // nRepeat copies of ch; none when nRepeat <= 0
    CString(const unsigned char* psz);
    ~CString();

    const CString& operator=(const CString& stringSrc);
    const CString& operator=(CString&& stringSrc) noexcept;
    const CString& operator=(LPCSTR lpsz);
    const CString& operator=(char ch);
    const CString& operator=(const unsigned char* psz);

    const CString& operator+=(const CString& string);
    const CString& operator+=(LPCSTR lpsz);
    const CString& operator+=(char ch);

    friend AFX_API CString operator+(const CString& string1, const CString& string2);
    friend AFX_API CString operator+(const CString& string, LPCSTR lpsz);
    friend AFX_API CString operator+(LPCSTR lpsz, const CString& string);
    friend AFX_API CString operator+(const CString& string, char ch);
    friend AFX_API CString operator+(char ch, const CString& string);

    int GetLength() const;
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();

    // Out-of-range indexes are a caller's error; they read the terminating NUL and write nothing
    // rather than touching memory outside the string.
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    // Any integer type indexes the string; without this, s[i] with an unsigned i would be
    // ambiguous between this operator and subscripting the LPCSTR conversion.
    template <class Index> char operator[](Index nIndex) const {
        return GetAt(static_cast<int>(nIndex));
    }
    operator LPCSTR() const { return m_pchData; }

    // Comparison: Compare is case-sensitive by character code, CompareNoCase folds ASCII case.
    // Both return <0, 0 or >0.
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const { return Compare(lpsz); }

    // Extraction: counts and starts are clamped to the string.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Trimming removes spaces, tabs and line ends (isspace in the "C" locale).
    void TrimRight();
    void TrimLeft();
    void TrimRight(char chTarget);
    void TrimLeft(char chTarget);

    // Searching: a zero-based index, or -1 when not found.
    int Find(char ch) const;
    int Find(LPCSTR lpszSub) const;
    int Find(char ch, int nStart) const;
    int Find(LPCSTR lpszSub, int nStart) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // printf-style formatting of any length. A NULL format empties the string.
    void Format(LPCSTR lpszFormat, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCSTR lpszFormat, va_list argList) __attribute__((format(printf, 2, 0)));
    void Format(UINT nFormatID, ...);

    // Loads string resource nID from the module of the host's resource chain that holds it
    // (AfxFindResourceHandle). FALSE, and the string left empty, when there is none.
    BOOL LoadString(UINT nID);

    // Buffer access. GetBuffer gives room for at least nMinBufLength characters plus the NUL
    // and keeps the current text; ReleaseBuffer(-1) takes the length up to the first NUL (never
    // beyond the room given), ReleaseBuffer(n) cuts the text to n characters.
    LPSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    LPSTR GetBufferSetLength(int nNewLength);
    void FreeExtra();
    LPSTR LockBuffer() { return GetBuffer(0); }
    void UnlockBuffer() {}

private:
    struct Data {
        int nDataLength;
        int nAllocLength;
        char* chars() { return reinterpret_cast<char*>(this + 1); }
    };
    Data* GetData() const { return reinterpret_cast<Data*>(m_pchData) - 1; }
    void Release();
    // Makes room for nLen characters (contents not kept) or, with bKeep, keeps the current text.
    void Reserve(int nLen, bool bKeep);
    void AssignCopy(LPCSTR lpsz, int nLen);
    void AppendCopy(LPCSTR lpsz, int nLen);

    char* m_pchData;
};

AFX_API bool operator==(const CString& s1, const CString& s2);
AFX_API bool operator==(const CString& s1, LPCSTR s2);
AFX_API bool operator==(LPCSTR s1, const CString& s2);
AFX_API bool operator!=(const CString& s1, const CString& s2);
AFX_API bool operator!=(const CString& s1, LPCSTR s2);
AFX_API bool operator!=(LPCSTR s1, const CString& s2);
AFX_API bool operator<(const CString& s1, const CString& s2);
AFX_API bool operator<(const CString& s1, LPCSTR s2);
AFX_API bool operator<(LPCSTR s1, const CString& s2);
AFX_API bool operator>(const CString& s1, const CString& s2);
AFX_API bool operator>(const CString& s1, LPCSTR s2);
AFX_API bool operator>(LPCSTR s1, const CString& s2);
AFX_API bool operator<=(const CString& s1, const CString& s2);
AFX_API bool operator>=(const CString& s1, const CString& s2);
