// Lines and single pixels: MoveToEx, LineTo, Polyline, SetPixel, GetPixel.
//
// A line includes its first point and leaves out its last, so that a polyline draws each
// corner once: MoveToEx(0, 0) then LineTo(4, 0) sets (0,0) to (3,0). Lines of wide pens end in
// round caps that cover both points.
#include "gdi/stroke.h"

#include <algorithm>
#include <cstdlib>

namespace gdi {

Stroke CurrentStroke(const Target& t) {
    Stroke s;
    Pen* pen = LookupPen(t.dc->state.pen);
    if (!pen || pen->style == PS_NULL)
        return s;
    s.visible = true;
    s.pixel = SurfaceColor(t, pen->color);
    s.width = pen->width < 1 ? 1 : pen->width;
    s.style = pen->style;
    if (pen->extended && (pen->extStyle & PS_TYPE_MASK) == PS_GEOMETRIC)
        s.endCap = pen->extStyle & PS_ENDCAP_MASK;
    s.rop2 = t.dc->state.rop2;
    s.opaqueGaps = t.dc->state.bkMode == OPAQUE;
    s.gapPixel = SurfaceColor(t, t.dc->state.bkColor);
    return s;
}

bool StyleOn(UINT style, int n) {
    // Dash patterns of cosmetic pens, in pixels on then off.
    static const int dash[] = {18, 6}, dot[] = {3, 3}, dashDot[] = {9, 6, 3, 6},
                     dashDotDot[] = {9, 3, 3, 3, 3, 3};
    const int* pattern;
    int count;
    switch (style) {
    case PS_DASH:
        pattern = dash, count = 2;
        break;
    case PS_DOT:
        pattern = dot, count = 2;
        break;
    case PS_DASHDOT:
        pattern = dashDot, count = 4;
        break;
    case PS_DASHDOTDOT:
        pattern = dashDotDot, count = 6;
        break;
    default:
        return true;
    }
    int period = 0;
    for (int i = 0; i < count; ++i)
        period += pattern[i];
    int at = n % period;
    for (int i = 0; i < count; ++i) {
        if (at < pattern[i])
            return i % 2 == 0;
        at -= pattern[i];
    }
    return true;
}

namespace {

void Dab(const Target& t, const Stroke& s, int x, int y, std::uint32_t pixel) {
    if (s.width == 1) {
        PlotSurfacePixel(t, x, y, pixel, s.rop2);
        return;
    }
    // A wide pen is a round dab of its width centred on the path (a square for even widths,
    // which have no centre pixel): width 3 is a plus sign, width 5 a disc of radius 2.
    const int before = (s.width - 1) / 2;
    if (s.width % 2 == 0) {
        FillSurfaceRect(t, RECT{x - before, y - before, x - before + s.width, y - before + s.width},
                        pixel, s.rop2);
        return;
    }
    const int radius = s.width / 2;
    for (int dy = -radius; dy <= radius; ++dy) {
        int half = 0;
        while ((half + 1) * (half + 1) + dy * dy <= radius * radius)
            ++half;
        FillSurfaceRect(t, RECT{x - half, y + dy, x + half + 1, y + dy + 1}, pixel, s.rop2);
    }
}

// A flat or square-capped wide pen lays a band across the path at each step: a column of its
// width on a mostly horizontal line, a row on a mostly vertical one.
void Band(const Target& t, const Stroke& s, int x, int y, bool xMajor, std::uint32_t pixel) {
    const int before = (s.width - 1) / 2;
    const RECT band = xMajor ? RECT{x, y - before, x + 1, y - before + s.width}
                             : RECT{x - before, y, x - before + s.width, y + 1};
    FillSurfaceRect(t, band, pixel, s.rop2);
}

} // namespace

void StrokeLine(const Target& t, const Stroke& s, int x0, int y0, int x1, int y1, int* counter) {
    if (!s.visible)
        return;
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    if (s.width == 1 && (s.style == PS_SOLID || s.style == PS_INSIDEFRAME) &&
        (dx == 0 || dy == 0)) {
        // The frames and rules of controls: a thin solid run along an axis is a one-pixel-wide
        // rectangle, filled as one clipped span instead of pixel by pixel. (2,5) to (6,5)
        // covers x 2..5; (6,5) to (2,5) covers x 3..6.
        RECT run = dy == 0 ? RECT{std::min(x0, x1), y0, std::max(x0, x1), y0 + 1}
                           : RECT{x0, std::min(y0, y1), x0 + 1, std::max(y0, y1)};
        if (dy == 0 && x1 < x0)
            ++run.left, ++run.right;
        if (dx == 0 && y1 < y0)
            ++run.top, ++run.bottom;
        FillSurfaceRect(t, run, s.pixel, s.rop2);
        *counter += dx + dy;
        return;
    }
    const int sx = x1 > x0 ? 1 : -1, sy = y1 > y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int steps = xMajor ? dx : dy;
    const int major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    int error = 2 * minor - major;
    int x = x0, y = y0;
    const bool banded = s.width > 1 && s.endCap != PS_ENDCAP_ROUND;
    if (banded && s.endCap == PS_ENDCAP_SQUARE) {
        // A square cap reaches half the pen's width beyond each end.
        const int reach = s.width / 2;
        for (int k = reach; k > 0; --k)
            Band(t, s, xMajor ? x0 - sx * k : x0, xMajor ? y0 : y0 - sy * k, xMajor, s.pixel);
        for (int k = 0; k <= reach; ++k)
            Band(t, s, xMajor ? x1 + sx * k : x1, xMajor ? y1 : y1 + sy * k, xMajor, s.pixel);
    }
    for (int i = 0; i < steps; ++i) {
        bool on = StyleOn(s.style, (*counter)++);
        if (banded && (on || s.opaqueGaps))
            Band(t, s, x, y, xMajor, on ? s.pixel : s.gapPixel);
        else if (on)
            Dab(t, s, x, y, s.pixel);
        else if (s.opaqueGaps)
            Dab(t, s, x, y, s.gapPixel);
        if (error > 0) {
            if (xMajor)
                y += sy;
            else
                x += sx;
            error -= 2 * major;
        }
        error += 2 * minor;
        if (xMajor)
            x += sx;
        else
            y += sy;
    }
    // Wide lines are geometric: their round caps cover the end point too.
    if (s.width > 1 && !banded && StyleOn(s.style, *counter))
        Dab(t, s, x1, y1, s.pixel);
}

} // namespace gdi

using namespace gdi;

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT old) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (old)
        *old = dc->state.position;
    dc->state.position = POINT{x, y};
    return TRUE;
}

BOOL WINAPI GetCurrentPositionEx(HDC hdc, LPPOINT point) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !point)
        return FALSE;
    *point = dc->state.position;
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    Target t;
    if (GetTarget(hdc, &t)) {
        int counter = 0;
        StrokeLine(t, CurrentStroke(t), dc->state.position.x + t.offsetX,
                   dc->state.position.y + t.offsetY, x + t.offsetX, y + t.offsetY, &counter);
    }
    dc->state.position = POINT{x, y};
    return TRUE;
}

BOOL WINAPI Polyline(HDC hdc, const POINT* points, int count) {
    Target t;
    if (!points || count < 2 || !GetTarget(hdc, &t))
        return FALSE;
    Stroke s = CurrentStroke(t);
    int counter = 0;
    for (int i = 1; i < count; ++i)
        StrokeLine(t, s, points[i - 1].x + t.offsetX, points[i - 1].y + t.offsetY,
                   points[i].x + t.offsetX, points[i].y + t.offsetY, &counter);
    return TRUE;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
    Target t;
    if (!GetTarget(hdc, &t))
        return CLR_INVALID;
    const int sx = x + t.offsetX, sy = y + t.offsetY;
    if (!SurfacePointVisible(t, sx, sy))
        return CLR_INVALID;
    std::uint32_t pixel = SurfaceColor(t, color);
    t.pixels[static_cast<std::size_t>(sy) * t.width + sx] = pixel;
    // The colour actually set, which on a monochrome bitmap is black or white.
    return ToColorRef(pixel);
}

BOOL WINAPI SetPixelV(HDC hdc, int x, int y, COLORREF color) {
    return SetPixel(hdc, x, y, color) != CLR_INVALID;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
    Target t;
    if (!GetTarget(hdc, &t))
        return CLR_INVALID;
    const int sx = x + t.offsetX, sy = y + t.offsetY;
    if (!SurfacePointVisible(t, sx, sy))
        return CLR_INVALID;
    return ToColorRef(t.pixels[static_cast<std::size_t>(sy) * t.width + sx]);
}
