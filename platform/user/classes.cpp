// Window classes: registration per instance or global, lookup in Win32 order, class longs.
#include "user/user_internal.h"

#include <cstring>
#include <memory>
#include <strings.h>

namespace wm {
namespace {

std::vector<std::unique_ptr<WindowClass>> g_classes;
bool g_registeringSystem = false;
ATOM g_nextAtom = 0xC000;

bool NameMatches(const WindowClass& c, LPCSTR name) {
    if (IS_INTRESOURCE(name)) {
        return c.atom == (ATOM)(ULONG_PTR)name;
    }
    return strcasecmp(c.name.c_str(), name) == 0;
}

HINSTANCE Normalised(HINSTANCE instance) {
    return instance ? instance : GetModuleHandleA(nullptr);
}

// The class of this name that `instance` owns itself (local or global), for UnregisterClassA.
WindowClass* FindOwned(LPCSTR name, HINSTANCE instance) {
    for (auto& c : g_classes) {
        if (!c->system && c->instance == instance && NameMatches(*c, name)) {
            return c.get();
        }
    }
    return nullptr;
}

} // namespace

WindowClass* FindClass(LPCSTR name, HINSTANCE instance) {
    EnsureStarted();
    if (!name || (!IS_INTRESOURCE(name) && !*name)) {
        return nullptr;
    }
    HINSTANCE inst = Normalised(instance);
    for (auto& c : g_classes) {
        if (!c->global && !c->system && c->instance == inst && NameMatches(*c, name)) {
            return c.get();
        }
    }
    for (auto& c : g_classes) {
        if (c->global && !c->system && NameMatches(*c, name)) {
            return c.get();
        }
    }
    for (auto& c : g_classes) {
        if (c->system && NameMatches(*c, name)) {
            return c.get();
        }
    }
    return nullptr;
}

void SetRegisteringSystemClasses(bool on) {
    g_registeringSystem = on;
}

void ClearClasses() {
    g_classes.clear();
    g_nextAtom = 0xC000;
}

} // namespace wm

using namespace wm;

ATOM WINAPI RegisterClassA(const WNDCLASSA* wc) {
    EnsureStarted();
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc || wc->cbClsExtra < 0 || wc->cbWndExtra < 0 ||
        wc->cbClsExtra > 40 * 1024 || wc->cbWndExtra > 40 * 1024 ||
        (!IS_INTRESOURCE(wc->lpszClassName) && !*wc->lpszClassName)) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (IS_INTRESOURCE(wc->lpszClassName)) {
        // Registering under a bare atom needs an atom table entry we do not keep.
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return 0;
    }
    bool system = g_registeringSystem;
    bool global = system || (wc->style & CS_GLOBALCLASS) != 0;
    HINSTANCE inst = system ? wc->hInstance : Normalised(wc->hInstance);
    for (auto& c : g_classes) {
        if (!NameMatches(*c, wc->lpszClassName)) {
            continue;
        }
        // A local class may share its name with classes of other instances; a global one
        // may not share it with another global class.
        bool clash =
            system ? c->system : (!c->system && ((global && c->global) || c->instance == inst));
        if (clash) {
            SetLastErrorValue(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    }
    auto c = std::make_unique<WindowClass>();
    c->name = wc->lpszClassName;
    c->atom = (c->name == "#32770") ? (ATOM)0x8002 : g_nextAtom++;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->clsExtra = wc->cbClsExtra;
    c->wndExtra = wc->cbWndExtra;
    c->instance = inst;
    c->icon = wc->hIcon;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    if (wc->lpszMenuName && IS_INTRESOURCE(wc->lpszMenuName)) {
        c->menuNameIsId = true;
        c->menuId = (WORD)(ULONG_PTR)wc->lpszMenuName;
    } else if (wc->lpszMenuName) {
        c->menuName = wc->lpszMenuName;
    }
    c->global = global && !system;
    c->system = system;
    c->extra.assign((size_t)wc->cbClsExtra, 0);
    ATOM atom = c->atom;
    g_classes.push_back(std::move(c));
    return atom;
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE instance) {
    if (!className) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    WindowClass* c = FindOwned(className, Normalised(instance));
    if (!c) {
        SetLastErrorValue(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (c->windows > 0) {
        SetLastErrorValue(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    for (auto it = g_classes.begin(); it != g_classes.end(); ++it) {
        if (it->get() == c) {
            g_classes.erase(it);
            break;
        }
    }
    return TRUE;
}

namespace {

// The class GetClassInfoA describes: the instance's own (or a global one), and for a null
// instance the platform's classes and global ones, as Win32 does.
WindowClass* FindForInfo(HINSTANCE instance, LPCSTR className) {
    if (instance) {
        return FindClass(className, instance);
    }
    WindowClass* c = nullptr;
    for (auto& k : g_classes) {
        if ((k->system || k->global) && NameMatches(*k, className) &&
            (!c || (c->system && !k->system))) {
            c = k.get();
        }
    }
    return c;
}

} // namespace

BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR className, LPWNDCLASSA wc) {
    EnsureStarted();
    if (!className || !wc) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    WindowClass* c = FindForInfo(instance, className);
    if (!c) {
        SetLastErrorValue(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->clsExtra;
    wc->cbWndExtra = c->wndExtra;
    wc->hInstance = c->instance;
    wc->hIcon = c->icon;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = c->menuNameIsId ? MAKEINTRESOURCEA(c->menuId)
                                       : (c->menuName.empty() ? nullptr : c->menuName.c_str());
    wc->lpszClassName = className;
    return TRUE;
}

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wcx) {
    if (!wcx || wcx->cbSize != sizeof(WNDCLASSEXA)) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSA wc{wcx->style,        wcx->lpfnWndProc,  wcx->cbClsExtra, wcx->cbWndExtra,
                 wcx->hInstance,    wcx->hIcon,        wcx->hCursor,    wcx->hbrBackground,
                 wcx->lpszMenuName, wcx->lpszClassName};
    ATOM atom = RegisterClassA(&wc);
    if (atom) {
        g_classes.back()->smallIcon = wcx->hIconSm;
    }
    return atom;
}

// Answers the class atom, as Win32 does. A class registered without a small icon reports its
// large one, which Windows shrinks for the caption.
BOOL WINAPI GetClassInfoExA(HINSTANCE instance, LPCSTR className, LPWNDCLASSEXA wcx) {
    WNDCLASSA wc{};
    if (!wcx || !GetClassInfoA(instance, className, &wc)) {
        if (!wcx) {
            SetLastErrorValue(ERROR_INVALID_PARAMETER);
        }
        return FALSE;
    }
    const WindowClass* c = FindForInfo(instance, className);
    wcx->style = wc.style;
    wcx->lpfnWndProc = wc.lpfnWndProc;
    wcx->cbClsExtra = wc.cbClsExtra;
    wcx->cbWndExtra = wc.cbWndExtra;
    wcx->hInstance = wc.hInstance;
    wcx->hIcon = wc.hIcon;
    wcx->hCursor = wc.hCursor;
    wcx->hbrBackground = wc.hbrBackground;
    wcx->lpszMenuName = wc.lpszMenuName;
    wcx->lpszClassName = wc.lpszClassName;
    wcx->hIconSm = c->smallIcon ? c->smallIcon : c->icon;
    return c->atom;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR className, int maxCount) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (!className || maxCount <= 0) {
        SetLastErrorValue(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    int n = (int)w->cls->name.size();
    if (n > maxCount - 1) {
        n = maxCount - 1;
    }
    w->cls->name.copy(className, (size_t)n);
    className[n] = 0;
    return n;
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hwnd, int index) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    WindowClass* c = w->cls;
    switch (index) {
    case GCLP_HBRBACKGROUND:
        return (ULONG_PTR)c->background;
    case GCLP_HCURSOR:
        return (ULONG_PTR)c->cursor;
    case GCLP_HICON:
        return (ULONG_PTR)c->icon;
    case GCLP_HMODULE:
        return (ULONG_PTR)c->instance;
    case GCL_CBWNDEXTRA:
        return (ULONG_PTR)c->wndExtra;
    case GCL_CBCLSEXTRA:
        return (ULONG_PTR)c->clsExtra;
    case GCLP_WNDPROC:
        return (ULONG_PTR)c->proc;
    case GCL_STYLE:
        return c->style;
    case GCW_ATOM:
        return c->atom;
    case GCLP_MENUNAME:
        return c->menuNameIsId ? (ULONG_PTR)c->menuId
                               : (c->menuName.empty() ? 0 : (ULONG_PTR)c->menuName.c_str());
    default:
        break;
    }
    if (index >= 0 && (size_t)index + sizeof(ULONG_PTR) <= c->extra.size()) {
        ULONG_PTR v = 0;
        memcpy(&v, c->extra.data() + index, sizeof v);
        return v;
    }
    SetLastErrorValue(ERROR_INVALID_INDEX);
    return 0;
}

ULONG_PTR WINAPI SetClassLongPtrA(HWND hwnd, int index, LONG_PTR value) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    WindowClass* c = w->cls;
    ULONG_PTR old = GetClassLongPtrA(hwnd, index);
    switch (index) {
    case GCLP_HBRBACKGROUND:
        c->background = (HBRUSH)value;
        return old;
    case GCLP_HCURSOR:
        c->cursor = (HCURSOR)value;
        return old;
    case GCLP_HICON:
        c->icon = (HICON)value;
        return old;
    case GCLP_WNDPROC:
        c->proc = (WNDPROC)value;
        return old;
    case GCL_STYLE:
        c->style = (UINT)value;
        return old;
    default:
        break;
    }
    if (index >= 0 && (size_t)index + sizeof(LONG_PTR) <= c->extra.size()) {
        memcpy(c->extra.data() + index, &value, sizeof value);
        return old;
    }
    SetLastErrorValue(ERROR_INVALID_INDEX);
    return 0;
}

DWORD WINAPI GetClassLongA(HWND hwnd, int index) {
    return (DWORD)GetClassLongPtrA(hwnd, index);
}
