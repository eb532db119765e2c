// Keyboard focus, activation of top-level windows and mouse capture.
//
// Focus changes send WM_KILLFOCUS to the old window (GetFocus already answers the new one) and
// then WM_SETFOCUS to the new, unless the old window's handler moved the focus elsewhere.
// Activation sends WM_NCACTIVATE and WM_ACTIVATE to the window losing it, then to the window
// gaining it; the focus then follows into the newly active window.
#include "user/user_internal.h"

namespace wm {
namespace {

Window* g_focus = nullptr;
Window* g_active = nullptr;
Window* g_capture = nullptr;

bool Inside(const Window* top, const Window* w) {
    return w && (w == top || IsDescendant(top, w));
}

} // namespace

Window* FocusWindow() {
    return g_focus;
}
Window* ActiveWindow() {
    return g_active;
}

void ActivateOther(Window* leaving) {
    Window* next = nullptr;
    if (leaving->owner && (leaving->owner->style & WS_VISIBLE) &&
        !(leaving->owner->style & WS_DISABLED) && !leaving->owner->destroying) {
        next = leaving->owner;
    } else {
        for (Window* t : Desktop()->children) {
            if (t != leaving && (t->style & WS_VISIBLE) && !(t->style & WS_DISABLED) &&
                !t->destroying) {
                next = t;
                break;
            }
        }
    }
    if (next) {
        SetActiveWindow(next->handle);
        return;
    }
    if (g_active == leaving) {
        HWND h = leaving->handle;
        g_active = nullptr;
        Deliver(leaving, WM_NCACTIVATE, FALSE, 0);
        if (Lookup(h)) {
            Deliver(leaving, WM_ACTIVATE, WA_INACTIVE, 0);
        }
        if (g_focus && Inside(leaving, g_focus)) {
            SetFocus(nullptr);
        }
    }
}

void MoveFocusOff(Window* w) {
    if (w->style & WS_CHILD) {
        if (g_focus && Inside(w, g_focus)) {
            Window* p = w->parent;
            if (p && p != Desktop() && !p->destroying && !(p->style & WS_DISABLED)) {
                SetFocus(p->handle);
            } else {
                SetFocus(nullptr);
            }
        }
    } else {
        if (g_active == w) {
            ActivateOther(w);
        }
        if (g_focus && Inside(w, g_focus)) {
            SetFocus(nullptr);
        }
    }
    if (g_capture && Inside(w, g_capture)) {
        ReleaseCapture();
    }
}

void ForgetWindow(Window* w) {
    if (g_focus == w) {
        g_focus = nullptr;
    }
    if (g_active == w) {
        g_active = nullptr;
    }
    if (g_capture == w) {
        g_capture = nullptr;
    }
}

void ResetFocus() {
    g_focus = nullptr;
    g_active = nullptr;
    g_capture = nullptr;
}

} // namespace wm

using namespace wm;

HWND WINAPI GetFocus() {
    return g_focus ? g_focus->handle : nullptr;
}
HWND WINAPI GetActiveWindow() {
    return g_active ? g_active->handle : nullptr;
}
HWND WINAPI GetForegroundWindow() {
    return GetActiveWindow();
}
BOOL WINAPI SetForegroundWindow(HWND hwnd) {
    return SetActiveWindow(hwnd) || GetActiveWindow() == hwnd;
}

HWND WINAPI SetFocus(HWND hwnd) {
    HWND previous = GetFocus();
    if (!hwnd) {
        Window* old = g_focus;
        g_focus = nullptr;
        if (old) {
            Deliver(old, WM_KILLFOCUS, 0, 0);
        }
        return previous;
    }
    Window* w = Lookup(hwnd);
    if (!w || w == Desktop()) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    for (Window* p = w; p && p != Desktop(); p = p->parent) {
        if (p->style & (WS_DISABLED | WS_MINIMIZE)) {
            return nullptr;
        }
    }
    if (g_focus == w) {
        return previous;
    }
    Window* top = TopLevelOf(w);
    if (top != g_active) {
        SetActiveWindow(top->handle);
        if (!Lookup(hwnd) || g_active != top) {
            return nullptr;
        }
        if (g_focus == w) {
            return previous;
        }
    }
    Window* old = g_focus;
    HWND oldHandle = old ? old->handle : nullptr;
    g_focus = w;
    if (old) {
        Deliver(old, WM_KILLFOCUS, (WPARAM)hwnd, 0);
    }
    if (g_focus == w && Lookup(hwnd)) {
        Deliver(w, WM_SETFOCUS, (WPARAM)oldHandle, 0);
    }
    return previous;
}

HWND WINAPI SetActiveWindow(HWND hwnd) {
    HWND previous = GetActiveWindow();
    Window* w = Lookup(hwnd);
    if (!w || w == Desktop()) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    Window* top = TopLevelOf(w);
    if (top == g_active) {
        return previous;
    }
    if (top->destroying) {
        return nullptr;
    }
    Window* old = g_active;
    HWND topHandle = top->handle;
    g_active = top;
    if (old) {
        HWND oh = old->handle;
        Deliver(old, WM_NCACTIVATE, FALSE, 0);
        if (Lookup(oh)) {
            Deliver(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), (LPARAM)topHandle);
        }
    }
    if (g_active != top || !Lookup(topHandle)) {
        return previous;
    }
    Deliver(top, WM_NCACTIVATE, TRUE, 0);
    if (g_active != top || !Lookup(topHandle)) {
        return previous;
    }
    Deliver(top, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), (LPARAM)previous);
    if (g_active == top && Lookup(topHandle) && !(g_focus && Inside(top, g_focus))) {
        SetFocus(topHandle);
    }
    return previous;
}

HWND WINAPI SetCapture(HWND hwnd) {
    HWND previous = GetCapture();
    Window* w = Lookup(hwnd);
    if (!w) {
        return previous;
    }
    Window* old = g_capture;
    g_capture = w;
    if (old && old != w) {
        Deliver(old, WM_CAPTURECHANGED, 0, (LPARAM)hwnd);
    }
    return previous;
}

BOOL WINAPI ReleaseCapture() {
    Window* old = g_capture;
    g_capture = nullptr;
    if (old) {
        Deliver(old, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND WINAPI GetCapture() {
    return g_capture ? g_capture->handle : nullptr;
}
