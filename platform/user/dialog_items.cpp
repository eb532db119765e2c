// Convenience calls on a dialog's controls by identifier.
#include "user/user_internal.h"

#include <climits>
#include <cstdio>

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        return FALSE;
    }
    SendMessageA(item, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    return item ? (UINT)SendMessageA(item, BM_GETCHECK, 0, 0) : 0;
}

BOOL WINAPI CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (!IsWindow(dialog)) {
        return FALSE;
    }
    for (int id = firstId; id <= lastId; ++id) {
        if (HWND item = GetDlgItem(dialog, id)) {
            SendMessageA(item, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
    return TRUE;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SetWindowTextA(item, text) : FALSE;
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR text, int maxCount) {
    if (text && maxCount > 0) {
        text[0] = 0;
    }
    HWND item = GetDlgItem(dialog, id);
    return item ? (UINT)GetWindowTextA(item, text, maxCount) : 0;
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[16];
    if (isSigned) {
        snprintf(text, sizeof text, "%d", (int)value);
    } else {
        snprintf(text, sizeof text, "%u", value);
    }
    return SetDlgItemTextA(dialog, id, text);
}

// Leading and trailing blanks are allowed; anything else that is not a digit, or a value out of
// range, makes the result 0 with *translated FALSE.
UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated) {
        *translated = FALSE;
    }
    char text[64];
    if (!GetDlgItemTextA(dialog, id, text, sizeof text) && !GetDlgItem(dialog, id)) {
        return 0;
    }
    const char* p = text;
    while (*p == ' ' || *p == '\t') {
        ++p;
    }
    bool negative = false;
    if (isSigned && (*p == '-' || *p == '+')) {
        negative = *p == '-';
        ++p;
    }
    if (*p < '0' || *p > '9') {
        return 0;
    }
    unsigned long long v = 0;
    while (*p >= '0' && *p <= '9') {
        v = v * 10 + (unsigned)(*p - '0');
        if (v > 0xFFFFFFFFull) {
            return 0;
        }
        ++p;
    }
    while (*p == ' ' || *p == '\t') {
        ++p;
    }
    if (*p) {
        return 0;
    }
    if (isSigned) {
        long long s = negative ? -(long long)v : (long long)v;
        if (s < INT_MIN || s > INT_MAX) {
            return 0;
        }
        if (translated) {
            *translated = TRUE;
        }
        return (UINT)(int)s;
    }
    if (translated) {
        *translated = TRUE;
    }
    return (UINT)v;
}
