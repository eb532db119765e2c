// Where a DC draws: its pixels, the offset from logical to surface coordinates and the clip,
// plus the pixel operations every primitive shares (spans, single pixels, raster operations).
#pragma once

#include "gdi/gdi_objects.h"
#include "gdi/region_ops.h"

#include <cstdint>
#include <vector>

namespace gdi {

// COLORREF is 0x00BBGGRR; surface pixels are 0x00RRGGBB.
inline std::uint32_t ToPixel(COLORREF c) {
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline COLORREF ToColorRef(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

struct Target {
    Dc* dc = nullptr;
    std::uint32_t* pixels = nullptr; // rows of `width` pixels
    int width = 0;
    int height = 0;
    bool mono = false;
    int offsetX = 0; // logical x + offsetX = surface x
    int offsetY = 0;
    const std::vector<RECT>* clip = nullptr; // surface coordinates, inside the surface
};

// The DC's drawing target; false when the handle is no DC or the DC has nothing to draw on.
bool GetTarget(HDC hdc, Target* target);
// The same for a DC already looked up.
bool GetDcTarget(Dc* dc, Target* target);
// The clip of a DC changed (clip calls, origin changes, a new bitmap, a moved window).
void InvalidateClip(Dc* dc);
// Device coordinates = logical + (viewport origin - window origin).
POINT LogicalToDevice(const DcState& state);

// The pixel value a colour takes on this target (black or white on monochrome surfaces).
// Inline: every fill and text draw asks for one or two.
inline std::uint32_t SurfaceColor(const Target& t, COLORREF color) {
    color &= 0x00FFFFFF;
    return t.mono ? ToMonochrome(color) : ToPixel(color);
}
std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dst);

// Calls paint(row, y, part) for each row of each part of r (surface coordinates) inside the clip;
// row points at the surface row, part is the clipped rectangle.
template <class Paint> void ForEachClippedRow(const Target& t, const RECT& r, Paint paint) {
    for (const RECT& c : *t.clip) {
        RECT part;
        if (!IntersectRects(r, c, &part))
            continue;
        for (LONG y = part.top; y < part.bottom; ++y)
            paint(t.pixels + static_cast<std::size_t>(y) * t.width, y, part);
    }
}

// Fills a rectangle given in surface coordinates, clipped, with a binary raster operation.
void FillSurfaceRect(const Target& t, RECT r, std::uint32_t pixel, int rop2 = R2_COPYPEN);
// Sets one pixel in surface coordinates if the clip allows it.
void PlotSurfacePixel(const Target& t, int x, int y, std::uint32_t pixel, int rop2 = R2_COPYPEN);
bool SurfacePointVisible(const Target& t, int x, int y);

// The colour a brush handle paints with: a solid brush's colour, or for a small integer the
// system colour it names (Win32 accepts COLOR_WINDOW + 1 as a brush). False for a null brush or
// an invalid handle.
// `object`, when given, receives the brush object (nullptr for a system colour). Inline: every
// FillRect asks.
inline bool BrushColor(HBRUSH handle, COLORREF* color, const Brush** object = nullptr) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (object)
        *object = nullptr;
    if (value >= 1 && value <= 31) {
        *color = gdi_internal::SysColor(static_cast<int>(value) - 1);
        return true;
    }
    const Brush* brush = LookupBrush(handle);
    if (!brush || brush->style == BS_NULL)
        return false;
    *color = brush->color;
    if (object)
        *object = brush;
    return true;
}

// What a brush paints on one target: one pixel everywhere, or a tile repeated from the device
// origin (hatched and pattern brushes). A hatched brush under TRANSPARENT leaves the pixels
// between its lines alone.
struct BrushPaint {
    bool tiled = false;
    std::uint32_t pixel = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> tile;
    std::vector<bool> paints; // per tile pixel, false where the pixel is left alone
    int originX = 0;          // the device origin in surface coordinates
    int originY = 0;
    bool At(int x, int y, std::uint32_t* pixel) const;
};
// False for a null brush or an invalid handle.
bool GetBrushPaint(const Target& t, HBRUSH brush, BrushPaint* paint);
// Fills a rectangle in surface coordinates, clipped, with a brush's paint.
void FillSurfaceBrush(const Target& t, RECT r, const BrushPaint& paint, int rop2 = R2_COPYPEN);

// The screen framebuffer (framebuffer.cpp).
struct Screen {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
// Both inline, since every drawing call on a window asks: the screen (made on first use) and
// whether the live display is tracking changes.
extern Screen* g_screen __attribute__((visibility("hidden")));
Screen& MakeScreen();
inline Screen& TheScreen() {
    return g_screen ? *g_screen : MakeScreen();
}
struct ScreenChanges {
    bool tracking = false;
    RECT bounds{0, 0, 0, 0}; // empty when nothing changed
};
extern ScreenChanges g_screenChanges __attribute__((visibility("hidden")));
void NoteTrackedScreenChange(const std::vector<RECT>& areas);
// A DC is about to draw on the screen within these rectangles (surface coordinates). Counted
// only while the live display asks for changes; any screen DC that is used is taken to change
// all of its visible area, which is cheap to note and never misses a pixel.
inline void NoteScreenChange(const std::vector<RECT>& areas) {
    if (g_screenChanges.tracking)
        NoteTrackedScreenChange(areas);
}

} // namespace gdi
