// Character classification and case mapping of the 8-bit character set (ASCII letters; other
// bytes are left as they are).
#include "user/user_internal.h"

namespace {
bool Upper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool Lower(unsigned char c) {
    return c >= 'a' && c <= 'z';
}
unsigned char ToUpper(unsigned char c) {
    return Lower(c) ? (unsigned char)(c - 'a' + 'A') : c;
}
unsigned char ToLower(unsigned char c) {
    return Upper(c) ? (unsigned char)(c - 'A' + 'a') : c;
}

using CaseMap = unsigned char (*)(unsigned char);

DWORD MapBuffer(LPSTR text, DWORD length, CaseMap map) {
    if (!text) {
        return 0;
    }
    for (DWORD i = 0; i < length; ++i) {
        text[i] = (char)map((unsigned char)text[i]);
    }
    return length;
}

// As in Win32, a pointer whose high bits are zero is a single character to convert.
LPSTR MapString(LPSTR text, CaseMap map) {
    if (IS_INTRESOURCE(text)) {
        return (LPSTR)(ULONG_PTR)map((unsigned char)(ULONG_PTR)text);
    }
    for (char* p = text; *p; ++p) {
        *p = (char)map((unsigned char)*p);
    }
    return text;
}
} // namespace

DWORD WINAPI CharUpperBuffA(LPSTR text, DWORD length) {
    return MapBuffer(text, length, ToUpper);
}

DWORD WINAPI CharLowerBuffA(LPSTR text, DWORD length) {
    return MapBuffer(text, length, ToLower);
}

LPSTR WINAPI CharUpperA(LPSTR text) {
    return MapString(text, ToUpper);
}

LPSTR WINAPI CharLowerA(LPSTR text) {
    return MapString(text, ToLower);
}

LPSTR WINAPI CharNextA(LPCSTR text) {
    if (!text) {
        return nullptr;
    }
    return (LPSTR)(*text ? text + 1 : text);
}

LPSTR WINAPI CharPrevA(LPCSTR start, LPCSTR current) {
    if (!start || !current) {
        return (LPSTR)current;
    }
    return (LPSTR)(current > start ? current - 1 : start);
}

BOOL WINAPI IsCharAlphaA(CHAR ch) {
    return Upper((unsigned char)ch) || Lower((unsigned char)ch);
}
BOOL WINAPI IsCharAlphaNumericA(CHAR ch) {
    return IsCharAlphaA(ch) || (ch >= '0' && ch <= '9');
}
BOOL WINAPI IsCharUpperA(CHAR ch) {
    return Upper((unsigned char)ch);
}
BOOL WINAPI IsCharLowerA(CHAR ch) {
    return Lower((unsigned char)ch);
}
