// DrawEdge: the classic three-dimensional borders, in the window manager's system colours.
//
// An edge is up to two one-pixel borders, outer then inner. Each border draws its top and left
// lines in one colour, then its bottom and right lines in another over the corners they share,
// so the top-right and bottom-left corner pixels take the bottom-right colour.
#include "gdi/gdi_internal.h"
#include "gdi/region_ops.h"
#include "gdi/surface.h"

using namespace gdi;

namespace {

enum : int {
    kWindow = 5,
    kWindowFrame = 6,
    kFace = 15,
    kShadow = 16,
    kHighlight = 20,
    kDarkShadow = 21,
    kLight = 22,
};

struct Border {
    int topLeft = -1; // system colour indexes; -1 draws nothing
    int bottomRight = -1;
};

Border OuterBorder(UINT edge, UINT flags) {
    if (flags & BF_MONO)
        return {kWindowFrame, kWindowFrame};
    if (flags & BF_FLAT)
        return {kShadow, kShadow};
    switch (edge & BDR_OUTER) {
    case BDR_RAISEDOUTER:
        return {(flags & BF_SOFT) ? kHighlight : kLight, kDarkShadow};
    case BDR_SUNKENOUTER:
        return {(flags & BF_SOFT) ? kDarkShadow : kShadow, kHighlight};
    default:
        return {};
    }
}

Border InnerBorder(UINT edge, UINT flags) {
    if (flags & BF_MONO)
        return (edge & BDR_INNER) ? Border{kWindow, kWindow} : Border{};
    if (flags & BF_FLAT)
        return (edge & BDR_INNER) ? Border{kFace, kFace} : Border{};
    switch (edge & BDR_INNER) {
    case BDR_RAISEDINNER:
        return {(flags & BF_SOFT) ? kLight : kHighlight, kShadow};
    case BDR_SUNKENINNER:
        return {(flags & BF_SOFT) ? kShadow : kDarkShadow, kLight};
    default:
        return {};
    }
}

// Draws one border around r (surface coordinates) on the sides in `flags`; returns the
// rectangle inside it.
RECT DrawBorder(const Target& t, RECT r, Border b, UINT flags) {
    if (b.topLeft < 0 && b.bottomRight < 0)
        return r;
    if (b.topLeft >= 0) {
        const std::uint32_t p = SurfaceColor(t, gdi_internal::SysColor(b.topLeft));
        if (flags & BF_TOP)
            FillSurfaceRect(t, RECT{r.left, r.top, r.right, r.top + 1}, p);
        if (flags & BF_LEFT)
            FillSurfaceRect(t, RECT{r.left, r.top, r.left + 1, r.bottom}, p);
    }
    if (b.bottomRight >= 0) {
        const std::uint32_t p = SurfaceColor(t, gdi_internal::SysColor(b.bottomRight));
        if (flags & BF_BOTTOM)
            FillSurfaceRect(t, RECT{r.left, r.bottom - 1, r.right, r.bottom}, p);
        if (flags & BF_RIGHT)
            FillSurfaceRect(t, RECT{r.right - 1, r.top, r.right, r.bottom}, p);
    }
    if (flags & BF_TOP)
        ++r.top;
    if (flags & BF_LEFT)
        ++r.left;
    if (flags & BF_BOTTOM)
        --r.bottom;
    if (flags & BF_RIGHT)
        --r.right;
    return r;
}

} // namespace

BOOL WINAPI DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags) {
    Target t;
    if (!rect || !LookupDc(hdc))
        return FALSE;
    const bool drawable = GetTarget(hdc, &t);
    if (!drawable)
        t.offsetX = t.offsetY = 0;
    RECT r{rect->left + t.offsetX, rect->top + t.offsetY, rect->right + t.offsetX,
           rect->bottom + t.offsetY};
    // Diagonal edges are not drawn by this platform; the rectangle sides are.
    if (drawable) {
        r = DrawBorder(t, r, OuterBorder(edge, flags), flags);
        r = DrawBorder(t, r, InnerBorder(edge, flags), flags);
        if ((flags & BF_MIDDLE) && !RectEmpty(r))
            FillSurfaceRect(
                t, r, SurfaceColor(t, gdi_internal::SysColor((flags & BF_MONO) ? kWindow : kFace)));
    } else {
        Border outer = OuterBorder(edge, flags), inner = InnerBorder(edge, flags);
        int widths = (outer.topLeft >= 0 || outer.bottomRight >= 0) +
                     (inner.topLeft >= 0 || inner.bottomRight >= 0);
        r = RECT{r.left + ((flags & BF_LEFT) ? widths : 0), r.top + ((flags & BF_TOP) ? widths : 0),
                 r.right - ((flags & BF_RIGHT) ? widths : 0),
                 r.bottom - ((flags & BF_BOTTOM) ? widths : 0)};
    }
    if (flags & BF_ADJUST)
        *rect =
            RECT{r.left - t.offsetX, r.top - t.offsetY, r.right - t.offsetX, r.bottom - t.offsetY};
    return TRUE;
}
