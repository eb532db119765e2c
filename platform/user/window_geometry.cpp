// Where windows are: frames and client areas, coordinate mapping, moving, sizing, z-order,
// showing and hiding, hit-testing points, and the menu-bar flag.
#include "user/user_internal.h"

#include <algorithm>

namespace wm {

RECT NonClientInsets(DWORD style, DWORD exStyle, bool menu) {
    RECT in{0, 0, 0, 0};
    int frame = 0;
    if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME)) == WS_DLGFRAME) {
        frame = GetSystemMetrics(SM_CXDLGFRAME);
    } else if (style & WS_THICKFRAME) {
        frame = GetSystemMetrics(SM_CXFRAME);
    } else if (style & WS_BORDER) {
        frame = GetSystemMetrics(SM_CXBORDER);
    }
    if (exStyle & WS_EX_STATICEDGE) {
        frame += GetSystemMetrics(SM_CXBORDER);
    }
    in.left = in.right = in.top = in.bottom = frame;
    if ((style & WS_CAPTION) == WS_CAPTION) {
        in.top += GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    }
    if (menu && !(style & WS_CHILD)) {
        in.top += GetSystemMetrics(SM_CYMENU);
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        int e = GetSystemMetrics(SM_CXEDGE);
        in.left += e;
        in.right += e;
        in.top += GetSystemMetrics(SM_CYEDGE);
        in.bottom += GetSystemMetrics(SM_CYEDGE);
    }
    if (style & WS_VSCROLL) {
        in.right += GetSystemMetrics(SM_CXVSCROLL);
    }
    if (style & WS_HSCROLL) {
        in.bottom += GetSystemMetrics(SM_CYHSCROLL);
    }
    return in;
}

void RecalcClient(Window* w) {
    RECT r = w->rect;
    Deliver(w, WM_NCCALCSIZE, FALSE, (LPARAM)&r);
    if (!Lookup(w->handle)) {
        return;
    }
    // Keep the client inside the window whatever the procedure answered.
    r.left = std::clamp(r.left, w->rect.left, w->rect.right);
    r.right = std::clamp(r.right, r.left, w->rect.right);
    r.top = std::clamp(r.top, w->rect.top, w->rect.bottom);
    r.bottom = std::clamp(r.bottom, r.top, w->rect.bottom);
    w->client = Offset(r, -w->rect.left, -w->rect.top);
    LayoutChanged();
}

POINT ClientOriginOnScreen(const Window* w) {
    long long x = 0;
    long long y = 0;
    const Window* d = Desktop();
    for (; w && w != d; w = w->parent) {
        x += static_cast<long long>(w->rect.left) + w->client.left;
        y += static_cast<long long>(w->rect.top) + w->client.top;
    }
    return POINT{Saturate(x), Saturate(y)};
}

RECT WindowRectOnScreen(const Window* w) {
    if (w == Desktop()) {
        return w->rect;
    }
    POINT o = ClientOriginOnScreen(w->parent);
    return Offset(w->rect, o.x, o.y);
}

RECT ClientRectOnScreen(const Window* w) {
    POINT o = ClientOriginOnScreen(w);
    return RECT{o.x, o.y, Saturate(static_cast<long long>(o.x) + w->client.right - w->client.left),
                Saturate(static_cast<long long>(o.y) + w->client.bottom - w->client.top)};
}

void ExposeInParent(Window* w) {
    if (!IsReallyVisible(w)) {
        return;
    }
    Window* p = w->parent;
    if (!p || p == Desktop()) {
        ExposeScreenArea(WindowRectOnScreen(w), w);
        return;
    }
    RECT inParent = Offset(w->rect, 0, 0);
    // Invalidate the parent's client there, and the siblings that were beneath.
    Invalidate(p, &inParent, true, false);
    for (Window* s : p->children) {
        if (s != w && (s->style & WS_VISIBLE)) {
            RECT i = Intersect(s->rect, inParent);
            if (!Empty(i)) {
                RECT local =
                    Offset(i, -s->rect.left - s->client.left, -s->rect.top - s->client.top);
                Invalidate(s, &local, true, true);
                InvalidateFrame(s);
            }
        }
    }
}

} // namespace wm

using namespace wm;

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect) {
    Window* w = Lookup(hwnd);
    if (!w || !rect) {
        SetLastErrorValue(w ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *rect = WindowRectOnScreen(w);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect) {
    Window* w = Lookup(hwnd);
    if (!w || !rect) {
        SetLastErrorValue(w ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    *rect = ClientBounds(w);
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point) {
    Window* w = Lookup(hwnd);
    if (!w || !point) {
        return FALSE;
    }
    POINT o = ClientOriginOnScreen(w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point) {
    Window* w = Lookup(hwnd);
    if (!w || !point) {
        return FALSE;
    }
    POINT o = ClientOriginOnScreen(w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count) {
    Window* a = from ? Lookup(from) : Desktop();
    Window* b = to ? Lookup(to) : Desktop();
    if (!a || !b) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    POINT oa = ClientOriginOnScreen(a);
    POINT ob = ClientOriginOnScreen(b);
    int dx = oa.x - ob.x;
    int dy = oa.y - ob.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG((WORD)(short)dx, (WORD)(short)dy);
}

BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle) {
    if (!rect) {
        return FALSE;
    }
    // Scroll bars are not part of the adjustment, as in Win32.
    RECT in = NonClientInsets(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, menu != FALSE);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu) {
    return AdjustWindowRectEx(rect, style, menu, 0);
}

#define SWP_NOCLIENTSIZE 0x0800
#define SWP_NOCLIENTMOVE 0x1000

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = Lookup(hwnd);
    if (!w || w == Desktop()) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        wp.x = w->rect.left;
        wp.y = w->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        wp.cx = w->rect.right - w->rect.left;
        wp.cy = w->rect.bottom - w->rect.top;
    }
    if (wp.cx < 0) {
        wp.cx = 0;
    }
    if (wp.cy < 0) {
        wp.cy = 0;
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        Deliver(w, WM_WINDOWPOSCHANGING, 0, (LPARAM)&wp);
        if (!Lookup(hwnd)) {
            return FALSE;
        }
    }
    flags = wp.flags;
    RECT newRect{wp.x, wp.y, Saturate(static_cast<long long>(wp.x) + std::max(0, wp.cx)),
                 Saturate(static_cast<long long>(wp.y) + std::max(0, wp.cy))};
    bool moved = newRect.left != w->rect.left || newRect.top != w->rect.top;
    bool sized = (newRect.right - newRect.left) != (w->rect.right - w->rect.left) ||
                 (newRect.bottom - newRect.top) != (w->rect.bottom - w->rect.top);
    bool show = (flags & SWP_SHOWWINDOW) && !(w->style & WS_VISIBLE);
    bool hide = (flags & SWP_HIDEWINDOW) && (w->style & WS_VISIBLE);
    bool zorder = !(flags & SWP_NOZORDER) && w->parent;
    bool redraw = !(flags & SWP_NOREDRAW);

    if ((moved || sized || hide || zorder) && redraw) {
        ExposeInParent(w);
    }
    if (hide) {
        w->style &= ~WS_VISIBLE;
    }
    RECT oldClient = w->client;
    w->rect = newRect;
    LayoutChanged();
    if (zorder) {
        LinkChild(w->parent, w, wp.hwndInsertAfter);
    }
    if (sized || (flags & SWP_FRAMECHANGED)) {
        RecalcClient(w);
        if (!Lookup(hwnd)) {
            return FALSE;
        }
    }
    if (show) {
        w->style |= WS_VISIBLE;
        LayoutChanged();
    }
    if (redraw && IsReallyVisible(w) &&
        (moved || sized || show || zorder || (flags & SWP_FRAMECHANGED))) {
        Invalidate(w, nullptr, true, true);
        InvalidateFrame(w);
    }
    UINT changed = flags;
    if (!(moved || sized) ||
        (oldClient.left == w->client.left && oldClient.top == w->client.top && !moved)) {
        changed |= SWP_NOCLIENTMOVE;
    }
    if ((oldClient.right - oldClient.left) == (w->client.right - w->client.left) &&
        (oldClient.bottom - oldClient.top) == (w->client.bottom - w->client.top)) {
        changed |= SWP_NOCLIENTSIZE;
    }
    wp.flags = changed;
    wp.x = w->rect.left;
    wp.y = w->rect.top;
    wp.cx = w->rect.right - w->rect.left;
    wp.cy = w->rect.bottom - w->rect.top;
    Deliver(w, WM_WINDOWPOSCHANGED, 0, (LPARAM)&wp);
    if (!Lookup(hwnd)) {
        return TRUE;
    }
    if (hide) {
        MoveFocusOff(w);
    }
    if (show && !(w->style & WS_CHILD) && !(flags & SWP_NOACTIVATE)) {
        SetActiveWindow(hwnd);
    }
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow) {
    Window* w = Lookup(hwnd);
    if (!w || w == Desktop()) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    BOOL wasVisible = (w->style & WS_VISIBLE) != 0;
    bool child = (w->style & WS_CHILD) != 0;
    switch (cmdShow) {
    case SW_HIDE:
        if (!wasVisible) {
            return FALSE;
        }
        Deliver(w, WM_SHOWWINDOW, FALSE, 0);
        if (Lookup(hwnd)) {
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return wasVisible;
    case SW_MAXIMIZE: {
        w->style = (w->style & ~WS_MINIMIZE) | WS_MAXIMIZE;
        LayoutChanged();
        RECT area{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        if (!wasVisible) {
            Deliver(w, WM_SHOWWINDOW, TRUE, 0);
        }
        if (Lookup(hwnd)) {
            SetWindowPos(hwnd, HWND_TOP, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_SHOWWINDOW | SWP_FRAMECHANGED);
        }
        return wasVisible;
    }
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        w->style = (w->style & ~WS_MAXIMIZE) | WS_MINIMIZE;
        LayoutChanged();
        if (!wasVisible) {
            Deliver(w, WM_SHOWWINDOW, TRUE, 0);
        }
        if (Lookup(hwnd)) {
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (Lookup(hwnd) && FocusWindow() &&
            (FocusWindow() == w || IsDescendant(w, FocusWindow()))) {
            SetFocus(nullptr);
        }
        return wasVisible;
    default:
        break;
    }
    bool activate = !child && cmdShow != SW_SHOWNA && cmdShow != SW_SHOWNOACTIVATE;
    if (cmdShow == SW_RESTORE || cmdShow == SW_SHOWNORMAL) {
        w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        LayoutChanged();
    }
    if (!wasVisible) {
        Deliver(w, WM_SHOWWINDOW, TRUE, 0);
        if (!Lookup(hwnd)) {
            return FALSE;
        }
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE |
                         (child || !activate ? SWP_NOZORDER | SWP_NOACTIVATE : 0));
    } else if (activate && ActiveWindow() != w) {
        SetActiveWindow(hwnd);
    }
    return wasVisible;
}

namespace {

// The deepest visible, enabled window at a screen point below `w` (which contains it), asking
// each candidate's WM_NCHITTEST; transparent ones let the point through to what lies beneath.
Window* HitTest(Window* w, POINT screen, int* hit) {
    RECT client = ClientRectOnScreen(w);
    if (PtInRect(&client, screen)) {
        for (Window* c : std::vector<Window*>(w->children)) {
            if (!(c->style & WS_VISIBLE) || !Lookup(c->handle)) {
                continue;
            }
            RECT r = WindowRectOnScreen(c);
            if (!PtInRect(&r, screen)) {
                continue;
            }
            if (c->style & WS_DISABLED) {
                break; // a disabled child keeps the point from its siblings beneath
            }
            int h = (int)(LRESULT)Deliver(c, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
            if (!Lookup(c->handle) || h == HTTRANSPARENT) {
                continue;
            }
            *hit = h;
            return HitTest(c, screen, hit);
        }
    }
    return w;
}

} // namespace

namespace wm {
// The window a mouse message at a screen point goes to, and its hit-test code.
Window* WindowAtPoint(POINT screen, int* hit) {
    *hit = HTNOWHERE;
    for (Window* t : std::vector<Window*>(Desktop()->children)) {
        if (!(t->style & WS_VISIBLE) || !Lookup(t->handle)) {
            continue;
        }
        RECT r = WindowRectOnScreen(t);
        if (!PtInRect(&r, screen)) {
            continue;
        }
        int h = (int)(LRESULT)Deliver(t, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (!Lookup(t->handle)) {
            continue;
        }
        *hit = h;
        if (t->style & WS_DISABLED) {
            return t;
        }
        return HitTest(t, screen, hit);
    }
    return nullptr;
}
} // namespace wm

HWND WINAPI WindowFromPoint(POINT point) {
    int hit = 0;
    Window* w = WindowAtPoint(point, &hit);
    return w ? w->handle : nullptr;
}

HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point) {
    Window* p = Lookup(parent);
    if (!p) {
        return nullptr;
    }
    RECT client{0, 0, p->client.right - p->client.left, p->client.bottom - p->client.top};
    if (!PtInRect(&client, point)) {
        return nullptr;
    }
    for (Window* c : p->children) {
        if (PtInRect(&c->rect, point)) {
            return c->handle;
        }
    }
    return parent;
}

HMENU WINAPI GetMenu(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && !(w->style & WS_CHILD) ? w->menu : nullptr;
}

BOOL WINAPI SetMenu(HWND hwnd, HMENU menu) {
    Window* w = Lookup(hwnd);
    if (!w || (w->style & WS_CHILD)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    w->menu = menu;
    return SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL WINAPI DrawMenuBar(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (!w) {
        return FALSE;
    }
    InvalidateFrame(w);
    return TRUE;
}
