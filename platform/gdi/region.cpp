// Rectangular regions: the update regions of the window manager and the clip of a DC.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"
#include "gdi/region_ops.h"
#include "gdi/surface.h"

#include <algorithm>

using namespace gdi;

namespace {

HRGN NewRegion(std::vector<RECT> rects) {
    auto region = MakeObject<Region>();
    if (!region)
        return nullptr;
    region->rects = NormalizeRects(rects);
    return InsertAs<HRGN>(std::move(region));
}

// Win32 orders the corners itself: CreateRectRgn(8, 8, 2, 2) is the same as (2, 2, 8, 8).
RECT Ordered(int left, int top, int right, int bottom) {
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
}

} // namespace

HRGN WINAPI CreateRectRgn(int left, int top, int right, int bottom) {
    return NewRegion({Ordered(left, top, right, bottom)});
}

HRGN WINAPI CreateRectRgnIndirect(LPCRECT rect) {
    if (!rect)
        return nullptr;
    return CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

BOOL WINAPI SetRectRgn(HRGN hrgn, int left, int top, int right, int bottom) {
    Region* region = LookupRegion(hrgn);
    if (!region)
        return FALSE;
    region->rects = NormalizeRects({Ordered(left, top, right, bottom)});
    return TRUE;
}

int WINAPI CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode) {
    Region* out = LookupRegion(dest);
    Region* a = LookupRegion(src1);
    if (!out || !a || mode < RGN_AND || mode > RGN_COPY)
        return ERROR;
    if (mode == RGN_COPY) {
        out->rects = a->rects;
        return RegionType(out->rects);
    }
    Region* b = LookupRegion(src2);
    if (!b)
        return ERROR;
    out->rects = CombineRects(a->rects, b->rects, mode);
    return RegionType(out->rects);
}

int WINAPI OffsetRgn(HRGN hrgn, int dx, int dy) {
    Region* region = LookupRegion(hrgn);
    if (!region)
        return ERROR;
    OffsetRects(region->rects, dx, dy);
    return RegionType(region->rects);
}

int WINAPI GetRgnBox(HRGN hrgn, LPRECT rect) {
    Region* region = LookupRegion(hrgn);
    if (!region || !rect)
        return ERROR;
    *rect = BoundingBox(region->rects);
    return RegionType(region->rects);
}

BOOL WINAPI PtInRegion(HRGN hrgn, int x, int y) {
    Region* region = LookupRegion(hrgn);
    if (!region)
        return FALSE;
    for (const RECT& r : region->rects)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return TRUE;
    return FALSE;
}

BOOL WINAPI RectInRegion(HRGN hrgn, LPCRECT rect) {
    Region* region = LookupRegion(hrgn);
    if (!region || !rect)
        return FALSE;
    RECT ordered = Ordered(rect->left, rect->top, rect->right, rect->bottom), common;
    for (const RECT& r : region->rects)
        if (IntersectRects(r, ordered, &common))
            return TRUE;
    return FALSE;
}

BOOL WINAPI EqualRgn(HRGN a, HRGN b) {
    Region* ra = LookupRegion(a);
    Region* rb = LookupRegion(b);
    if (!ra || !rb)
        return FALSE;
    return CombineRects(ra->rects, rb->rects, RGN_XOR).empty();
}

namespace gdi_internal {

std::vector<RECT> RegionRects(HRGN hrgn) {
    Region* region = LookupRegion(hrgn);
    return region ? region->rects : std::vector<RECT>{};
}

HRGN CreateRegionFromRects(const std::vector<RECT>& rects) {
    return NewRegion(rects);
}

bool SetRegionRects(HRGN hrgn, const std::vector<RECT>& rects) {
    Region* region = LookupRegion(hrgn);
    if (!region)
        return false;
    region->rects = NormalizeRects(rects);
    return true;
}

} // namespace gdi_internal
