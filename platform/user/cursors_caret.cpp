// System cursors and icons as opaque handles, the current cursor, the caret (state only: the
// controls draw their own caret, so nothing blinks), and the beep.
#include "user/user_internal.h"

namespace wm {
namespace {

// One byte per system cursor or icon: its address is the handle, distinct and never freed.
char g_cursorIds[32];
char g_iconIds[16];
HCURSOR g_cursor = nullptr;

struct Caret {
    HWND hwnd = nullptr;
    int width = 0;
    int height = 0;
    POINT pos{};
    int hideCount = 1;
};
Caret g_caret;

HANDLE SystemHandle(char* table, int size, int base, LPCSTR name) {
    if (!IS_INTRESOURCE(name)) {
        return nullptr;
    }
    int id = (int)(ULONG_PTR)name - base;
    if (id < 0 || id >= size) {
        return nullptr;
    }
    return (HANDLE)&table[id];
}

} // namespace

void ResetCursorAndCaret() {
    g_cursor = nullptr;
    g_caret = Caret{};
}

} // namespace wm

using namespace wm;

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    // Cursors from module resources are not kept; the system ones (IDC_*) are.
    if (instance) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    HCURSOR c = nullptr;
    if (IS_INTRESOURCE(name)) {
        int id = (int)(ULONG_PTR)name;
        c = (HCURSOR)SystemHandle(g_cursorIds, 16, 32512, name);
        if (!c && id >= 32640 && id < 32640 + 16) {
            c = (HCURSOR)&g_cursorIds[16 + id - 32640];
        }
    }
    if (!c) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return c;
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (instance) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    HICON i = (HICON)SystemHandle(g_iconIds, 16, 32512, name);
    if (!i) {
        SetLastErrorValue(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return i;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    HCURSOR old = g_cursor;
    g_cursor = cursor;
    return old;
}

HCURSOR WINAPI GetCursor() {
    return g_cursor;
}

BOOL WINAPI DestroyCursor(HCURSOR cursor) {
    return cursor != nullptr;
}
BOOL WINAPI DestroyIcon(HICON icon) {
    return icon != nullptr;
}

BOOL WINAPI MessageBeep(UINT) {
    return TRUE;
}

BOOL WINAPI CreateCaret(HWND hwnd, HBITMAP, int width, int height) {
    if (!Lookup(hwnd)) {
        return FALSE;
    }
    g_caret = Caret{};
    g_caret.hwnd = hwnd;
    g_caret.width = width ? width : GetSystemMetrics(SM_CXBORDER);
    g_caret.height = height ? height : GetSystemMetrics(SM_CYBORDER);
    return TRUE;
}

BOOL WINAPI DestroyCaret() {
    if (!g_caret.hwnd) {
        return FALSE;
    }
    g_caret = Caret{};
    return TRUE;
}

BOOL WINAPI ShowCaret(HWND hwnd) {
    if (!g_caret.hwnd || (hwnd && hwnd != g_caret.hwnd) || g_caret.hideCount == 0) {
        return FALSE;
    }
    --g_caret.hideCount;
    return TRUE;
}

BOOL WINAPI HideCaret(HWND hwnd) {
    if (!g_caret.hwnd || (hwnd && hwnd != g_caret.hwnd)) {
        return FALSE;
    }
    ++g_caret.hideCount;
    return TRUE;
}

BOOL WINAPI SetCaretPos(int x, int y) {
    if (!g_caret.hwnd) {
        return FALSE;
    }
    g_caret.pos = POINT{x, y};
    return TRUE;
}

BOOL WINAPI GetCaretPos(LPPOINT point) {
    if (!point || !g_caret.hwnd) {
        return FALSE;
    }
    *point = g_caret.pos;
    return TRUE;
}

UINT WINAPI GetCaretBlinkTime() {
    return 500;
}
