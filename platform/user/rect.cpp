// Rectangle arithmetic: the Win32 calls and the window manager's own helpers.
// Rectangles exclude their right and bottom edges; an empty one has no area.
#include "user/user_internal.h"

#include <algorithm>

namespace wm {

// Each rectangle that meets `cut` is replaced by up to four bands around it.
void Subtract(std::vector<RECT>& rects, const RECT& cut) {
    if (Empty(cut)) {
        return;
    }
    // Clipping runs for every DC and paint: the working list is kept from call to call.
    static std::vector<RECT>& out = *new std::vector<RECT>; // outlives static destructors
    out.clear();
    for (const RECT& r : rects) {
        RECT i = Intersect(r, cut);
        if (Empty(i)) {
            out.push_back(r);
            continue;
        }
        if (r.top < i.top) {
            out.push_back(RECT{r.left, r.top, r.right, i.top});
        }
        if (i.bottom < r.bottom) {
            out.push_back(RECT{r.left, i.bottom, r.right, r.bottom});
        }
        if (r.left < i.left) {
            out.push_back(RECT{r.left, i.top, i.left, i.bottom});
        }
        if (i.right < r.right) {
            out.push_back(RECT{i.right, i.top, r.right, i.bottom});
        }
    }
    rects.assign(out.begin(), out.end());
}

} // namespace wm

using namespace wm;

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) {
        return FALSE;
    }
    *rect = RECT{left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
    return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT dest, const RECT* src) {
    if (!dest || !src) {
        return FALSE;
    }
    *dest = *src;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    rect->left -= dx;
    rect->right += dx;
    rect->top -= dy;
    rect->bottom += dy;
    return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
    if (!rect) {
        return FALSE;
    }
    *rect = Offset(*rect, dx, dy);
    return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT dest, const RECT* a, const RECT* b) {
    if (!dest) {
        return FALSE;
    }
    if (!a || !b) {
        *dest = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *dest = Intersect(*a, *b);
    return !Empty(*dest);
}

BOOL WINAPI UnionRect(LPRECT dest, const RECT* a, const RECT* b) {
    if (!dest) {
        return FALSE;
    }
    if (!a || !b) {
        *dest = RECT{0, 0, 0, 0};
        return FALSE;
    }
    *dest = Union(*a, *b);
    if (Empty(*dest)) {
        *dest = RECT{0, 0, 0, 0};
        return FALSE;
    }
    return TRUE;
}

// Win32 only subtracts when the result is still a rectangle: `b` must span a whole side of `a`.
BOOL WINAPI SubtractRect(LPRECT dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) {
        return FALSE;
    }
    RECT r = *a;
    RECT i = Intersect(*a, *b);
    if (!Empty(i)) {
        if (i.left == r.left && i.right == r.right) {
            if (i.top == r.top) {
                r.top = i.bottom;
            } else if (i.bottom == r.bottom) {
                r.bottom = i.top;
            }
        } else if (i.top == r.top && i.bottom == r.bottom) {
            if (i.left == r.left) {
                r.left = i.right;
            } else if (i.right == r.right) {
                r.right = i.left;
            }
        }
    }
    *dest = r;
    if (Empty(r)) {
        *dest = RECT{0, 0, 0, 0};
        return FALSE;
    }
    return TRUE;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
    if (!a || !b) {
        return FALSE;
    }
    return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
    return !rect || Empty(*rect);
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top &&
           point.y < rect->bottom;
}
