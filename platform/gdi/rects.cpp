// The rectangle helpers: FillRect, FrameRect, InvertRect, DrawFocusRect, FillRgn, PaintRgn.
// They ignore the pen and the DC's raster operation, as their Win32 originals do, except
// PaintRgn, which paints with the selected brush like any shape.
#include "gdi/region_ops.h"
#include "gdi/surface.h"

using namespace gdi;

namespace {

RECT ToSurface(const Target& t, const RECT& r) {
    return RECT{r.left + t.offsetX, r.top + t.offsetY, r.right + t.offsetX, r.bottom + t.offsetY};
}

} // namespace

int WINAPI FillRect(HDC hdc, LPCRECT rect, HBRUSH brush) {
    Target t;
    COLORREF color;
    const Brush* solid = nullptr;
    Dc* dc = LookupDc(hdc);
    if (!rect || !dc || !BrushColor(brush, &color, &solid))
        return FALSE;
    if (!GetDcTarget(dc, &t))
        return TRUE;
    // Controls fill their backgrounds with solid brushes at every paint: one colour, no tile.
    if (!solid || (solid->style != BS_HATCHED && solid->style != BS_PATTERN)) {
        FillSurfaceRect(t, ToSurface(t, *rect), SurfaceColor(t, color));
        return TRUE;
    }
    BrushPaint paint;
    if (GetBrushPaint(t, brush, &paint))
        FillSurfaceBrush(t, ToSurface(t, *rect), paint);
    return TRUE;
}

int WINAPI FrameRect(HDC hdc, LPCRECT rect, HBRUSH brush) {
    Target t;
    COLORREF color;
    if (!rect || !LookupDc(hdc) || !BrushColor(brush, &color))
        return FALSE;
    if (!GetTarget(hdc, &t) || RectEmpty(*rect))
        return TRUE;
    const RECT r = ToSurface(t, *rect);
    const std::uint32_t pixel = SurfaceColor(t, color);
    FillSurfaceRect(t, RECT{r.left, r.top, r.right, r.top + 1}, pixel);
    FillSurfaceRect(t, RECT{r.left, r.bottom - 1, r.right, r.bottom}, pixel);
    FillSurfaceRect(t, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, pixel);
    FillSurfaceRect(t, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, pixel);
    return TRUE;
}

BOOL WINAPI InvertRect(HDC hdc, LPCRECT rect) {
    Target t;
    if (!rect || !LookupDc(hdc))
        return FALSE;
    if (GetTarget(hdc, &t))
        FillSurfaceRect(t, ToSurface(t, *rect), 0xFFFFFF, R2_XORPEN);
    return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hdc, LPCRECT rect) {
    Target t;
    if (!rect || !LookupDc(hdc))
        return FALSE;
    if (!GetTarget(hdc, &t) || RectEmpty(*rect))
        return TRUE;
    // A one-pixel frame of every other pixel, inverted, so a second call erases the first. The
    // dots sit on a checkerboard of the device, not of the rectangle: (x + y) even.
    const RECT r = ToSurface(t, *rect);
    auto dot = [&](int x, int y) {
        if (((x - t.dc->surfaceOrigin.x) + (y - t.dc->surfaceOrigin.y)) % 2 == 0)
            PlotSurfacePixel(t, x, y, 0xFFFFFF, R2_XORPEN);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
    return TRUE;
}

BOOL WINAPI FillRgn(HDC hdc, HRGN hrgn, HBRUSH brush) {
    Target t;
    COLORREF color;
    Region* region = LookupRegion(hrgn);
    if (!region || !LookupDc(hdc) || !BrushColor(brush, &color))
        return FALSE;
    BrushPaint paint;
    if (GetTarget(hdc, &t) && GetBrushPaint(t, brush, &paint)) {
        for (const RECT& r : region->rects)
            FillSurfaceBrush(t, ToSurface(t, r), paint);
    }
    return TRUE;
}

BOOL WINAPI PaintRgn(HDC hdc, HRGN hrgn) {
    Target t;
    Region* region = LookupRegion(hrgn);
    if (!region || !GetTarget(hdc, &t))
        return FALSE;
    BrushPaint paint;
    if (!GetBrushPaint(t, t.dc->state.brush, &paint))
        return TRUE;
    for (const RECT& r : region->rects)
        FillSurfaceBrush(t, ToSurface(t, r), paint, t.dc->state.rop2);
    return TRUE;
}
