// Painting with hatched and pattern brushes: the 8 by 8 hatch tiles and the tiling of a pattern
// brush's bitmap, aligned to the device origin so neighbouring fills join seamlessly.
#include "gdi/surface.h"

#include <algorithm>

namespace gdi {
namespace {

// The hatch rows, leftmost pixel in the high bit: HS_HORIZONTAL is the seventh row, HS_VERTICAL
// the fifth column, the diagonals run corner to corner.
const unsigned char kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00}, // HS_HORIZONTAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // HS_VERTICAL
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // HS_FDIAGONAL
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // HS_BDIAGONAL
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF, 0x08}, // HS_CROSS
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // HS_DIAGCROSS
};

int Wrap(int value, int size) {
    const int r = value % size;
    return r < 0 ? r + size : r;
}

} // namespace

bool BrushPaint::At(int x, int y, std::uint32_t* out) const {
    if (!tiled) {
        *out = pixel;
        return true;
    }
    const std::size_t i = static_cast<std::size_t>(Wrap(y - originY, height)) * width +
                          static_cast<std::size_t>(Wrap(x - originX, width));
    *out = tile[i];
    return paints[i];
}

bool GetBrushPaint(const Target& t, HBRUSH handle, BrushPaint* paint) {
    COLORREF color;
    if (!BrushColor(handle, &color))
        return false;
    *paint = BrushPaint{};
    Brush* brush = LookupBrush(handle);
    if (!brush || (brush->style != BS_HATCHED && brush->style != BS_PATTERN)) {
        paint->pixel = SurfaceColor(t, color);
        return true;
    }
    paint->tiled = true;
    paint->originX = t.dc->surfaceOrigin.x;
    paint->originY = t.dc->surfaceOrigin.y;
    const std::uint32_t foreground = SurfaceColor(t, t.dc->state.textColor);
    const std::uint32_t background = SurfaceColor(t, t.dc->state.bkColor);
    if (brush->style == BS_HATCHED) {
        const std::uint32_t line = SurfaceColor(t, brush->color);
        const bool opaque = t.dc->state.bkMode != TRANSPARENT;
        paint->width = paint->height = 8;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const bool on = (kHatches[brush->hatch][y] & (0x80 >> x)) != 0;
                paint->tile.push_back(on ? line : background);
                paint->paints.push_back(on || opaque);
            }
        }
        return true;
    }
    paint->width = brush->patternWidth;
    paint->height = brush->patternHeight;
    paint->tile.reserve(brush->pattern.size());
    for (std::uint32_t p : brush->pattern) {
        if (brush->patternMono)
            p = p != 0 ? background : foreground;
        paint->tile.push_back(t.mono ? SurfaceColor(t, ToColorRef(p)) : p);
    }
    paint->paints.assign(paint->tile.size(), true);
    return true;
}

void FillSurfaceBrush(const Target& t, RECT r, const BrushPaint& paint, int rop2) {
    if (!paint.tiled) {
        FillSurfaceRect(t, r, paint.pixel, rop2);
        return;
    }
    if (rop2 == R2_NOP)
        return;
    ForEachClippedRow(t, r, [&](std::uint32_t* row, LONG y, const RECT& part) {
        for (LONG x = part.left; x < part.right; ++x) {
            std::uint32_t p;
            if (paint.At(x, y, &p))
                row[x] = ApplyRop2(rop2, p, row[x]);
        }
    });
}

} // namespace gdi
