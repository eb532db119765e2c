// The paint cycle: update regions (kept as one bounding rectangle per window), what a window may
// draw on, WM_PAINT/WM_ERASEBKGND/WM_NCPAINT, BeginPaint/EndPaint and the window DCs.
//
// Windows paint into the one screen framebuffer. A window draws only where it is visible:
// inside its ancestors' client areas, not under top-level windows above it, not under siblings
// above it when it has WS_CLIPSIBLINGS, not over its children when it has WS_CLIPCHILDREN.
// Parents paint before their children, so a child's pixels end up on top either way.
#include "user/user_internal.h"

#include "gdi/gdi_internal.h"

namespace wm {
namespace {

// In place: the list keeps its storage.
void ClipTo(std::vector<RECT>& rects, const RECT& bound) {
    if (rects.size() == 1) {
        // Most windows are one rectangle on the screen: no list to compact.
        const RECT i = Intersect(rects[0], bound);
        if (Empty(i)) {
            rects.clear();
        } else {
            rects[0] = i;
        }
        return;
    }
    std::size_t kept = 0;
    for (const RECT& r : rects) {
        RECT i = Intersect(r, bound);
        if (!Empty(i)) {
            rects[kept++] = i;
        }
    }
    rects.resize(kept);
}

// The list a new window DC is made from, kept from call to call (DCs are made for every paint).
std::vector<RECT>& DcClipScratch() {
    static std::vector<RECT>& rects = *new std::vector<RECT>; // outlives static destructors
    return rects;
}

// How many windows have something to paint (an update region, a frame, an internal paint),
// shown or not. The queue asks for a window to paint whenever it runs dry, which is after
// every input message; with nothing pending anywhere it need not walk the windows at all.
// Every change to those three fields goes through NotePaintState.
int g_windowsWithPaint = 0;
// The window that last came to have something to paint. While it is the only one (a control
// repainting as it is typed into), the queue finds it without walking the windows; a window
// being destroyed stops being it (ForgetPaintState).
Window* g_lastToNeedPaint = nullptr;

bool HasPaintState(const Window* w) {
    return !Empty(w->update) || w->ncPaint || w->internalPaint;
}

void NotePaintState(Window* w, bool before) {
    const bool after = HasPaintState(w);
    if (after != before) {
        g_windowsWithPaint += after ? 1 : -1;
        if (after) {
            g_lastToNeedPaint = w;
        }
    }
}

bool HasFrame(const Window* w) {
    return w->client.left != 0 || w->client.top != 0 ||
           w->client.right != w->rect.right - w->rect.left ||
           w->client.bottom != w->rect.bottom - w->rect.top;
}

void UpdateTree(Window* w) {
    HWND h = w->handle;
    if (NeedsPaint(w)) {
        Deliver(w, WM_PAINT, 0, 0);
    }
    w = Lookup(h);
    if (!w) {
        return;
    }
    // The children by handle (a paint handler may destroy some), on one stack shared by all
    // levels of the walk: each level pushes its own above the levels below and takes them off
    // again, so a repaint needs no list of its own.
    static std::vector<HWND>& stack = *new std::vector<HWND>;
    const std::size_t base = stack.size();
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        stack.push_back((*it)->handle);
    }
    const std::size_t end = stack.size();
    for (std::size_t i = base; i < end; ++i) {
        if (Window* c = Lookup(stack[i])) {
            UpdateTree(c);
        }
    }
    stack.resize(base);
}

Window* FindIn(Window* w) {
    if (!(w->style & WS_VISIBLE)) {
        return nullptr;
    }
    if (NeedsPaint(w)) {
        return w;
    }
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) {
        if (Window* f = FindIn(*it)) {
            return f;
        }
    }
    return nullptr;
}

} // namespace

std::vector<RECT> VisibleRects(const Window* w, bool wholeWindow) {
    std::vector<RECT> rects;
    VisibleRectsInto(w, wholeWindow, &rects);
    return rects;
}

namespace {

// A client rectangle on the screen given its origin there (what ClientRectOnScreen answers).
RECT ClientRectAt(const Window* w, POINT origin) {
    return RECT{origin.x, origin.y,
                Saturate(static_cast<long long>(origin.x) + w->client.right - w->client.left),
                Saturate(static_cast<long long>(origin.y) + w->client.bottom - w->client.top)};
}

void ComputeVisibleRects(const Window* w, bool wholeWindow, std::vector<RECT>& rects,
                         POINT* clientOrigin) {
    const Window* d = Desktop();
    if (!IsReallyVisible(w)) {
        *clientOrigin = ClientOriginOnScreen(w);
        return;
    }
    // The walk goes up the tree once, each level's client origin worked out from the one below
    // it rather than by walking the rest of the chain again.
    long long x = 0;
    long long y = 0;
    for (const Window* p = w; p != d; p = p->parent) {
        x += static_cast<long long>(p->rect.left) + p->client.left;
        y += static_cast<long long>(p->rect.top) + p->client.top;
    }
    const POINT origin{Saturate(x), Saturate(y)};
    *clientOrigin = origin;
    if (wholeWindow) {
        rects.push_back(Offset(w->rect, Saturate(x - w->rect.left - w->client.left),
                               Saturate(y - w->rect.top - w->client.top)));
    } else {
        rects.push_back(ClientRectAt(w, origin));
    }
    ClipTo(rects, d->rect);
    for (const Window* p = w; p != d; p = p->parent) {
        const Window* parent = p->parent;
        x -= static_cast<long long>(p->rect.left) + p->client.left;
        y -= static_cast<long long>(p->rect.top) + p->client.top;
        const POINT parentOrigin{Saturate(x), Saturate(y)};
        if (parent != d) {
            ClipTo(rects, ClientRectAt(parent, parentOrigin));
        }
        bool clipSiblings = parent == d || (p->style & WS_CLIPSIBLINGS);
        if (clipSiblings) {
            for (const Window* s : parent->children) {
                if (s == p) {
                    break;
                }
                if (s->style & WS_VISIBLE) {
                    Subtract(rects, Offset(s->rect, parentOrigin.x, parentOrigin.y));
                }
            }
        }
    }
    if (w->style & WS_CLIPCHILDREN) {
        for (const Window* c : w->children) {
            if (c->style & WS_VISIBLE) {
                Subtract(rects, Offset(c->rect, origin.x, origin.y));
            }
        }
    }
}

} // namespace

namespace {

// Every DC is made from a visible region, and a window that repaints as it is typed into asks
// for the same one again and again: the last answer is kept until the layout changes.
struct KeptRegion {
    const Window* window = nullptr;
    bool wholeWindow = false;
    std::uint64_t generation = 0;
    POINT origin{};
    std::vector<RECT> rects;
};
const std::vector<RECT>& KeptVisibleRects(const Window* w, bool wholeWindow, POINT* clientOrigin) {
    // Made on first use (a DC may be asked for before this file's statics are set up) and
    // never freed (nor after static destructors).
    static KeptRegion& kept = *new KeptRegion;
    if (kept.generation != g_layoutGeneration || kept.window != w ||
        kept.wholeWindow != wholeWindow) {
        kept.rects.clear();
        const Window* d = Desktop();
        if (w == d) {
            kept.origin = POINT{0, 0};
            kept.rects.push_back(d->rect);
            for (const Window* t : d->children) {
                if (t->style & WS_VISIBLE) {
                    Subtract(kept.rects, WindowRectOnScreen(t));
                }
            }
        } else {
            ComputeVisibleRects(w, wholeWindow, kept.rects, &kept.origin);
        }
        kept.window = w;
        kept.wholeWindow = wholeWindow;
        kept.generation = g_layoutGeneration;
    }
    *clientOrigin = kept.origin;
    return kept.rects;
}

} // namespace

void VisibleRectsInto(const Window* w, bool wholeWindow, std::vector<RECT>* list,
                      POINT* clientOrigin) {
    POINT origin{};
    const std::vector<RECT>& kept = KeptVisibleRects(w, wholeWindow, &origin);
    list->assign(kept.begin(), kept.end());
    if (clientOrigin) {
        *clientOrigin = origin;
    }
}

void Invalidate(Window* w, const RECT* clientRect, bool erase, bool allChildren) {
    if (w == Desktop()) {
        PaintDesktop(VisibleRects(w, false));
        for (Window* t : w->children) {
            Invalidate(t, nullptr, erase, true);
            InvalidateFrame(t);
        }
        return;
    }
    if (!IsReallyVisible(w)) {
        return;
    }
    RECT bounds = ClientBounds(w);
    RECT r = clientRect ? Intersect(*clientRect, bounds) : bounds;
    if (Empty(r)) {
        return;
    }
    const bool before = HasPaintState(w);
    w->update = Union(w->update, r);
    NotePaintState(w, before);
    if (erase) {
        w->erase = true;
    }
    if (!allChildren && (w->style & WS_CLIPCHILDREN)) {
        return;
    }
    for (Window* c : w->children) {
        if (!(c->style & WS_VISIBLE)) {
            continue;
        }
        RECT i = Intersect(c->rect, r);
        if (Empty(i)) {
            continue;
        }
        RECT local = Offset(i, -c->rect.left - c->client.left, -c->rect.top - c->client.top);
        Invalidate(c, &local, erase, allChildren);
        if (HasFrame(c)) {
            InvalidateFrame(c);
        }
    }
}

void InvalidateFrame(Window* w) {
    if (w != Desktop() && IsReallyVisible(w)) {
        const bool before = HasPaintState(w);
        w->ncPaint = true;
        NotePaintState(w, before);
    }
}

void ExposeScreenArea(const RECT& screenRect, const Window* except) {
    Window* d = Desktop();
    std::vector<RECT> rects{Intersect(screenRect, d->rect)};
    for (Window* t : d->children) {
        if (t != except && (t->style & WS_VISIBLE)) {
            Subtract(rects, WindowRectOnScreen(t));
        }
    }
    PaintDesktop(rects);
    for (Window* t : d->children) {
        if (t == except || !(t->style & WS_VISIBLE)) {
            continue;
        }
        RECT wr = WindowRectOnScreen(t);
        RECT i = Intersect(wr, screenRect);
        if (Empty(i)) {
            continue;
        }
        POINT o = ClientOriginOnScreen(t);
        RECT local = Offset(i, -o.x, -o.y);
        Invalidate(t, &local, true, true);
        InvalidateFrame(t);
    }
}

bool NeedsPaint(const Window* w) {
    return (w->style & WS_VISIBLE) && (!Empty(w->update) || w->ncPaint || w->internalPaint);
}

void ForgetPaintState(Window* w) {
    const bool before = HasPaintState(w);
    w->update = RECT{0, 0, 0, 0};
    w->ncPaint = false;
    w->internalPaint = false;
    NotePaintState(w, before);
    if (g_lastToNeedPaint == w) {
        g_lastToNeedPaint = nullptr;
    }
}

Window* FindPaintTarget(HWND filter) {
    if (g_windowsWithPaint == 0) {
        return nullptr;
    }
    if (!filter && g_windowsWithPaint == 1 && g_lastToNeedPaint &&
        HasPaintState(g_lastToNeedPaint)) {
        // The one window with something to paint: painted when it shows, as the walk finds it.
        Window* only = g_lastToNeedPaint;
        return only != Desktop() && IsReallyVisible(only) ? only : nullptr;
    }
    if (filter) {
        Window* w = Lookup(filter);
        return w && IsReallyVisible(w) ? FindIn(w) : nullptr;
    }
    Window* d = Desktop();
    for (auto it = d->children.rbegin(); it != d->children.rend(); ++it) {
        if (Window* f = FindIn(*it)) {
            return f;
        }
    }
    return nullptr;
}

void PaintDesktop(const std::vector<RECT>& screenRects) {
    if (screenRects.empty()) {
        return;
    }
    HDC dc = gdi_internal::CreateScreenDC(POINT{0, 0}, screenRects);
    if (!dc) {
        return;
    }
    HBRUSH brush = GetSysColorBrush(COLOR_BACKGROUND);
    RECT all = Desktop()->rect;
    FillRect(dc, &all, brush);
    DeleteDC(dc);
}

} // namespace wm

using namespace wm;

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) {
    Window* w = hwnd ? Lookup(hwnd) : Desktop();
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    Invalidate(w, rect, erase != FALSE, false);
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = hwnd ? Lookup(hwnd) : nullptr;
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    const bool before = HasPaintState(w);
    if (!rect) {
        w->update = RECT{0, 0, 0, 0};
        w->internalPaint = false;
    } else {
        // The update region is kept as a bounding rectangle: validating a band across a whole
        // side trims it, validating all of it empties it, anything else leaves it as it is.
        RECT r{};
        SubtractRect(&r, &w->update, rect);
        w->update = r;
    }
    if (Empty(w->update)) {
        w->update = RECT{0, 0, 0, 0};
        w->erase = false;
    }
    NotePaintState(w, before);
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND hwnd, LPRECT rect, BOOL erase) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (rect) {
        *rect = w->update;
    }
    bool pending = !Empty(w->update);
    if (pending && erase && w->erase) {
        w->erase = false;
        HDC dc = GetDC(hwnd);
        Deliver(w, WM_ERASEBKGND, (WPARAM)dc, 0);
        ReleaseDC(hwnd, dc);
    }
    return pending;
}

BOOL WINAPI UpdateWindow(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    UpdateTree(w);
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags) {
    Window* w = hwnd ? Lookup(hwnd) : Desktop();
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    RECT area{};
    const RECT* target = rect;
    if (!rect && region) {
        for (const RECT& r : gdi_internal::RegionRects(region)) {
            area = Union(area, r);
        }
        target = &area;
    }
    if (flags & RDW_INVALIDATE) {
        bool children = (flags & RDW_ALLCHILDREN) != 0;
        if (flags & RDW_NOCHILDREN) {
            DWORD saved = w->style;
            w->style |= WS_CLIPCHILDREN;
            LayoutChanged();
            Invalidate(w, target, (flags & RDW_ERASE) != 0, false);
            w->style = saved;
            LayoutChanged();
        } else {
            Invalidate(w, target, (flags & RDW_ERASE) != 0, children);
        }
        if (flags & RDW_FRAME) {
            InvalidateFrame(w);
        }
        if (flags & RDW_INTERNALPAINT) {
            const bool before = HasPaintState(w);
            w->internalPaint = IsReallyVisible(w);
            NotePaintState(w, before);
        }
    }
    if (flags & RDW_VALIDATE) {
        ValidateRect(w->handle, target);
        if (flags & RDW_NOFRAME) {
            const bool before = HasPaintState(w);
            w->ncPaint = false;
            NotePaintState(w, before);
        }
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        UpdateTree(w);
    }
    return TRUE;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint) {
    Window* w = Lookup(hwnd);
    if (!w || !paint) {
        SetLastErrorValue(w ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (w->ncPaint) {
        const bool before = HasPaintState(w);
        w->ncPaint = false;
        NotePaintState(w, before);
        Deliver(w, WM_NCPAINT, 1, 0);
        if (!Lookup(hwnd)) {
            return nullptr;
        }
    }
    RECT update = Intersect(w->update, ClientBounds(w));
    bool erase = w->erase;
    const bool before = HasPaintState(w);
    w->update = RECT{0, 0, 0, 0};
    w->erase = false;
    w->internalPaint = false;
    NotePaintState(w, before);
    // The visible region cut to the update area, in one pass over the kept region.
    POINT origin{};
    const std::vector<RECT>& visible = KeptVisibleRects(w, false, &origin);
    const RECT bound = Offset(update, origin.x, origin.y);
    std::vector<RECT>& clip = DcClipScratch();
    clip.clear();
    for (const RECT& r : visible) {
        const RECT i = Intersect(r, bound);
        if (!Empty(i)) {
            clip.push_back(i);
        }
    }
    HDC dc = gdi_internal::CreateScreenDC(origin, clip);
    *paint = PAINTSTRUCT{};
    paint->hdc = dc;
    paint->rcPaint = update;
    if (erase && dc) {
        paint->fErase = Deliver(w, WM_ERASEBKGND, (WPARAM)dc, 0) ? FALSE : TRUE;
    }
    return dc;
}

BOOL WINAPI EndPaint(HWND hwnd, const PAINTSTRUCT* paint) {
    (void)hwnd;
    if (!paint || !paint->hdc) {
        return FALSE;
    }
    DeleteDC(paint->hdc);
    return TRUE;
}

HDC WINAPI GetDC(HWND hwnd) {
    if (!hwnd) {
        return gdi_internal::CreateWholeScreenDC();
    }
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (w == Desktop()) {
        return gdi_internal::CreateWholeScreenDC();
    }
    std::vector<RECT>& clip = DcClipScratch();
    POINT origin{};
    VisibleRectsInto(w, false, &clip, &origin);
    return gdi_internal::CreateScreenDC(origin, clip);
}

HDC WINAPI GetWindowDC(HWND hwnd) {
    if (!hwnd) {
        return gdi_internal::CreateWholeScreenDC();
    }
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    RECT r = WindowRectOnScreen(w);
    std::vector<RECT>& clip = DcClipScratch();
    VisibleRectsInto(w, true, &clip);
    return gdi_internal::CreateScreenDC(POINT{r.left, r.top}, clip);
}

int WINAPI ReleaseDC(HWND hwnd, HDC dc) {
    (void)hwnd;
    if (!dc || !gdi_internal::IsScreenDC(dc)) {
        return 0;
    }
    return DeleteDC(dc) ? 1 : 0;
}
