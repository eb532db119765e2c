// The clip of a DC. It is kept in device coordinates, so later origin changes do not move it,
// as on Windows; the calls take logical coordinates and convert them when they are made.
#include "gdi/gdi_objects.h"
#include "gdi/region_ops.h"
#include "gdi/surface.h"

#include <algorithm>

using namespace gdi;

namespace {

// What the DC can touch at all, in device coordinates.
std::vector<RECT> DeviceArea(const Dc& dc) {
    if (dc.memory) {
        Bitmap* bitmap = LookupBitmap(dc.state.bitmap);
        return {RECT{0, 0, bitmap ? bitmap->width : 0, bitmap ? bitmap->height : 0}};
    }
    std::vector<RECT> area = NormalizeRects(dc.visible);
    OffsetRects(area, -dc.surfaceOrigin.x, -dc.surfaceOrigin.y);
    return area;
}

// The clip as it stands, in device coordinates.
std::vector<RECT> CurrentClip(const Dc& dc) {
    std::vector<RECT> area = DeviceArea(dc);
    return dc.state.hasClip ? CombineRects(area, dc.state.clip, RGN_AND) : area;
}

RECT DeviceRect(const Dc& dc, int left, int top, int right, int bottom) {
    POINT d = LogicalToDevice(dc.state);
    return RECT{std::min(left, right) + d.x, std::min(top, bottom) + d.y,
                std::max(left, right) + d.x, std::max(top, bottom) + d.y};
}

int SetClip(Dc* dc, std::vector<RECT> clip) {
    dc->state.clip = std::move(clip);
    dc->state.hasClip = true;
    InvalidateClip(dc);
    return RegionType(CurrentClip(*dc));
}

} // namespace

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    std::vector<RECT> rect{DeviceRect(*dc, left, top, right, bottom)};
    return SetClip(dc, dc->state.hasClip ? CombineRects(dc->state.clip, rect, RGN_AND)
                                         : NormalizeRects(rect));
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    std::vector<RECT> rect{DeviceRect(*dc, left, top, right, bottom)};
    std::vector<RECT> base = dc->state.hasClip ? dc->state.clip : DeviceArea(*dc);
    return SetClip(dc, CombineRects(base, rect, RGN_DIFF));
}

int WINAPI SelectClipRgn(HDC hdc, HRGN hrgn) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    if (!hrgn) {
        dc->state.hasClip = false;
        dc->state.clip.clear();
        InvalidateClip(dc);
        return RegionType(CurrentClip(*dc));
    }
    Region* region = LookupRegion(hrgn);
    if (!region)
        return ERROR;
    // The region is copied in device coordinates; the caller keeps and deletes its own.
    return SetClip(dc, region->rects);
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !rect)
        return ERROR;
    std::vector<RECT> clip = CurrentClip(*dc);
    RECT box = BoundingBox(clip);
    if (!clip.empty()) {
        POINT d = LogicalToDevice(dc->state);
        box.left -= d.x;
        box.right -= d.x;
        box.top -= d.y;
        box.bottom -= d.y;
    }
    *rect = box;
    return RegionType(clip);
}

BOOL WINAPI PtVisible(HDC hdc, int x, int y) {
    Target t;
    if (!GetTarget(hdc, &t))
        return FALSE;
    return SurfacePointVisible(t, x + t.offsetX, y + t.offsetY) ? TRUE : FALSE;
}

BOOL WINAPI RectVisible(HDC hdc, LPCRECT rect) {
    Target t;
    if (!rect || !GetTarget(hdc, &t))
        return FALSE;
    RECT r{std::min(rect->left, rect->right) + t.offsetX,
           std::min(rect->top, rect->bottom) + t.offsetY,
           std::max(rect->left, rect->right) + t.offsetX,
           std::max(rect->top, rect->bottom) + t.offsetY};
    RECT common;
    for (const RECT& c : *t.clip)
        if (IntersectRects(c, r, &common))
            return TRUE;
    return FALSE;
}
