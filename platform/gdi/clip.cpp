// The clip of a DC. It is kept in device coordinates, so later origin changes do not move it,
// as on Windows; the calls take logical coordinates and convert them when they are made.
#include "gdi/gdi_objects.h"
#include "gdi/region_ops.h"
#include "gdi/surface.h"

#include <algorithm>

using namespace gdi;

namespace {

// What the DC can touch at all, in device coordinates.
void DeviceArea(const Dc& dc, std::vector<RECT>* area) {
    if (dc.memory) {
        Bitmap* bitmap = LookupBitmap(dc.state.bitmap);
        area->assign(1, RECT{0, 0, bitmap ? bitmap->width : 0, bitmap ? bitmap->height : 0});
        return;
    }
    NormalizeRectsInto(dc.visible, area);
    OffsetRects(*area, -dc.surfaceOrigin.x, -dc.surfaceOrigin.y);
}

// The clip as it stands, in device coordinates, in a list reused from call to call (clip calls
// come with every paint, and should not go to the heap each time).
const std::vector<RECT>& CurrentClip(const Dc& dc) {
    static std::vector<RECT>& clip = *new std::vector<RECT>; // never destroyed: see Scratch
    DeviceArea(dc, &clip);
    if (dc.state.hasClip)
        CombineRectsInto(clip, dc.state.clip, RGN_AND, &clip);
    return clip;
}

RECT DeviceRect(const Dc& dc, int left, int top, int right, int bottom) {
    POINT d = LogicalToDevice(dc.state);
    return RECT{std::min(left, right) + d.x, std::min(top, bottom) + d.y,
                std::max(left, right) + d.x, std::max(top, bottom) + d.y};
}

// The DC's clip becomes the scratch list's rectangles, kept in the DC's own storage.
int SetClip(Dc* dc, const std::vector<RECT>& clip) {
    dc->state.clip.assign(clip.begin(), clip.end());
    dc->state.hasClip = true;
    InvalidateClip(dc);
    return RegionType(CurrentClip(*dc));
}

std::vector<RECT>& Scratch() {
    // Never destroyed: DCs may still be released from other static destructors at exit.
    static std::vector<RECT>& scratch = *new std::vector<RECT>;
    return scratch;
}

} // namespace

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    static std::vector<RECT>& rect = *new std::vector<RECT>(1);
    rect[0] = DeviceRect(*dc, left, top, right, bottom);
    std::vector<RECT>& clip = Scratch();
    if (dc->state.hasClip)
        CombineRectsInto(dc->state.clip, rect, RGN_AND, &clip);
    else
        NormalizeRectsInto(rect, &clip);
    return SetClip(dc, clip);
}

int WINAPI ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return ERROR;
    static std::vector<RECT>& rect = *new std::vector<RECT>(1);
    rect[0] = DeviceRect(*dc, left, top, right, bottom);
    std::vector<RECT>& clip = Scratch();
    if (dc->state.hasClip)
        clip.assign(dc->state.clip.begin(), dc->state.clip.end());
    else
        DeviceArea(*dc, &clip);
    CombineRectsInto(clip, rect, RGN_DIFF, &clip);
    return SetClip(dc, clip);
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

int WINAPI GetClipRgn(HDC hdc, HRGN hrgn) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return -1;
    if (!dc->state.hasClip)
        return 0;
    Region* region = LookupRegion(hrgn);
    if (!region)
        return -1;
    region->rects.assign(dc->state.clip.begin(), dc->state.clip.end());
    return 1;
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !rect)
        return ERROR;
    const std::vector<RECT>& clip = CurrentClip(*dc);
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
