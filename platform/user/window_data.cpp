// What a window keeps: window longs and extra bytes, properties, text, and the enabled state.
#include "user/user_internal.h"

#include <cstdio>
#include <cstring>

namespace wm {
namespace {

template <typename T> bool ReadExtra(const Window* w, int index, T* out) {
    if (index < 0 || (size_t)index + sizeof(T) > w->extra.size()) {
        SetLastErrorValue(ERROR_INVALID_INDEX);
        return false;
    }
    memcpy(out, w->extra.data() + index, sizeof(T));
    return true;
}

template <typename T> bool WriteExtra(Window* w, int index, T value, T* old) {
    if (!ReadExtra(w, index, old)) {
        return false;
    }
    memcpy(w->extra.data() + index, &value, sizeof(T));
    return true;
}

// The value of sizeof(T) extra bytes at index of a window, or 0 with the last error set.
template <typename T> T ExtraOf(HWND hwnd, int index) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    T value = 0;
    return ReadExtra(w, index, &value) ? value : 0;
}

// Stores value there and answers the value it replaces, or 0 with the last error set.
template <typename T> T SetExtraOf(HWND hwnd, int index, T value) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    T old = 0;
    return WriteExtra(w, index, value, &old) ? old : 0;
}

std::string PropKey(LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        return "#" + std::to_string((ULONG_PTR)name);
    }
    std::string key(name);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = (char)(c - 'a' + 'A');
        }
    }
    return key;
}

// The entry a name stands for, found without building its key: the message pump asks every
// window for a property at every message, and most windows have none.
std::map<std::string, HANDLE>::iterator FindProp(Window* w, LPCSTR name) {
    auto& props = w->props;
    if (props.empty()) {
        return props.end();
    }
    if (IS_INTRESOURCE(name)) {
        char key[24];
        std::snprintf(key, sizeof key, "#%lu", (unsigned long)(ULONG_PTR)name);
        return props.find(key);
    }
    for (auto it = props.begin(); it != props.end(); ++it) {
        const std::string& key = it->first;
        std::size_t i = 0;
        for (; i < key.size() && name[i] != 0; ++i) {
            char c = name[i];
            if (c >= 'a' && c <= 'z') {
                c = (char)(c - 'a' + 'A');
            }
            if (c != key[i]) {
                break;
            }
        }
        if (i == key.size() && name[i] == 0) {
            return it;
        }
    }
    return props.end();
}

} // namespace
} // namespace wm

using namespace wm;

LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index) {
    case GWLP_WNDPROC:
        return (LONG_PTR)w->proc;
    case GWLP_HINSTANCE:
        return (LONG_PTR)w->instance;
    case GWLP_HWNDPARENT:
        return (LONG_PTR)GetParent(hwnd);
    case GWL_STYLE:
        return (LONG_PTR)(LONG)w->style;
    case GWL_EXSTYLE:
        return (LONG_PTR)(LONG)w->exStyle;
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_ID:
        return (LONG_PTR)w->id;
    default:
        break;
    }
    LONG_PTR v = 0;
    return ReadExtra(w, index, &v) ? v : 0;
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LONG_PTR old = 0;
    switch (index) {
    case GWLP_WNDPROC:
        old = (LONG_PTR)w->proc;
        w->proc = (WNDPROC)value;
        return old;
    case GWLP_HINSTANCE:
        old = (LONG_PTR)w->instance;
        w->instance = (HINSTANCE)value;
        return old;
    case GWLP_HWNDPARENT: {
        old = (LONG_PTR)(w->owner ? w->owner->handle : nullptr);
        if (!(w->style & WS_CHILD)) {
            Window* o = Lookup((HWND)value);
            w->owner = o ? TopLevelOf(o) : nullptr;
            if (w->owner == w) {
                w->owner = nullptr;
            }
        }
        return old;
    }
    case GWL_STYLE:
    case GWL_EXSTYLE: {
        // The window hears of the change before and after, and may amend it on the way.
        DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
        old = (LONG_PTR)(LONG)field;
        STYLESTRUCT ss{field, (DWORD)value};
        Deliver(w, WM_STYLECHANGING, (WPARAM)index, (LPARAM)&ss);
        if (!Lookup(hwnd)) {
            return old;
        }
        field = ss.styleNew;
        LayoutChanged();
        Deliver(w, WM_STYLECHANGED, (WPARAM)index, (LPARAM)&ss);
        return old;
    }
    case GWLP_USERDATA:
        old = w->userData;
        w->userData = value;
        return old;
    case GWLP_ID:
        old = (LONG_PTR)w->id;
        w->id = (UINT_PTR)value;
        return old;
    default:
        break;
    }
    return WriteExtra(w, index, value, &old) ? old : 0;
}

LONG WINAPI GetWindowLongA(HWND hwnd, int index) {
    if (index < 0) {
        return (LONG)GetWindowLongPtrA(hwnd, index);
    }
    return ExtraOf<LONG>(hwnd, index);
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value) {
    if (index < 0) {
        return (LONG)SetWindowLongPtrA(
            hwnd, index,
            index == GWL_STYLE || index == GWL_EXSTYLE ? (LONG_PTR)(DWORD)value : (LONG_PTR)value);
    }
    return SetExtraOf<LONG>(hwnd, index, value);
}

WORD WINAPI GetWindowWord(HWND hwnd, int index) {
    return ExtraOf<WORD>(hwnd, index);
}

WORD WINAPI SetWindowWord(HWND hwnd, int index, WORD value) {
    return SetExtraOf<WORD>(hwnd, index, value);
}

BOOL WINAPI SetPropA(HWND hwnd, LPCSTR name, HANDLE data) {
    Window* w = Lookup(hwnd);
    if (!w || !name) {
        SetLastErrorValue(w ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    w->props[PropKey(name)] = data;
    return TRUE;
}

HANDLE WINAPI GetPropA(HWND hwnd, LPCSTR name) {
    Window* w = Lookup(hwnd);
    if (!w || !name) {
        return nullptr;
    }
    auto it = FindProp(w, name);
    return it == w->props.end() ? nullptr : it->second;
}

HANDLE WINAPI RemovePropA(HWND hwnd, LPCSTR name) {
    Window* w = Lookup(hwnd);
    if (!w || !name) {
        return nullptr;
    }
    auto it = FindProp(w, name);
    if (it == w->props.end()) {
        return nullptr;
    }
    HANDLE h = it->second;
    w->props.erase(it);
    return h;
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text) {
    if (!Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    return SendMessageA(hwnd, WM_SETTEXT, 0, (LPARAM)(text ? text : "")) ? TRUE : FALSE;
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR text, int maxCount) {
    if (!text || maxCount <= 0) {
        return 0;
    }
    text[0] = 0;
    if (!Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LRESULT n = SendMessageA(hwnd, WM_GETTEXT, (WPARAM)maxCount, (LPARAM)text);
    text[maxCount - 1] = 0; // a window procedure that ignored the size still ends in bounds
    if (n < 0) {
        n = 0;
    }
    return (int)(n > maxCount - 1 ? maxCount - 1 : n);
}

int WINAPI GetWindowTextLengthA(HWND hwnd) {
    if (!Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return (int)SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    BOOL wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        LayoutChanged();
        Deliver(w, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        Deliver(w, WM_CANCELMODE, 0, 0);
        if (!Lookup(hwnd)) {
            return FALSE;
        }
        w->style |= WS_DISABLED;
        LayoutChanged();
        Window* f = FocusWindow();
        if (f && (f == w || IsDescendant(w, f))) {
            SetFocus(nullptr);
        }
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        if (Lookup(hwnd)) {
            Deliver(w, WM_ENABLE, FALSE, 0);
        }
    }
    return wasDisabled;
}

// Every window belongs to the one thread that runs the platform's queue.
DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
    if (!Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (processId) {
        *processId = GetCurrentProcessId();
    }
    return GetCurrentThreadId();
}
