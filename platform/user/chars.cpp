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
} // namespace

DWORD WINAPI CharUpperBuffA(LPSTR text, DWORD length) {
    if (!text) {
        return 0;
    }
    for (DWORD i = 0; i < length; ++i) {
        if (Lower((unsigned char)text[i])) {
            text[i] = (char)(text[i] - 'a' + 'A');
        }
    }
    return length;
}

DWORD WINAPI CharLowerBuffA(LPSTR text, DWORD length) {
    if (!text) {
        return 0;
    }
    for (DWORD i = 0; i < length; ++i) {
        if (Upper((unsigned char)text[i])) {
            text[i] = (char)(text[i] - 'A' + 'a');
        }
    }
    return length;
}

// As in Win32, a pointer whose high bits are zero is a single character to convert.
LPSTR WINAPI CharUpperA(LPSTR text) {
    if (IS_INTRESOURCE(text)) {
        unsigned char c = (unsigned char)(ULONG_PTR)text;
        return (LPSTR)(ULONG_PTR)(Lower(c) ? c - 'a' + 'A' : c);
    }
    char* p = text;
    for (; *p; ++p) {
        CharUpperBuffA(p, 1);
    }
    return text;
}

LPSTR WINAPI CharLowerA(LPSTR text) {
    if (IS_INTRESOURCE(text)) {
        unsigned char c = (unsigned char)(ULONG_PTR)text;
        return (LPSTR)(ULONG_PTR)(Upper(c) ? c - 'A' + 'a' : c);
    }
    char* p = text;
    for (; *p; ++p) {
        CharLowerBuffA(p, 1);
    }
    return text;
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
