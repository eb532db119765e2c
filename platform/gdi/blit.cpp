// Bit-block transfers: BitBlt, StretchBlt and PatBlt with any ternary raster operation.
//
// A raster operation's third byte is its truth table over (pattern, source, destination) bits:
// bit (4 P + 2 S + D) is the result. SRCCOPY is 0xCC = 11001100b: set exactly where S is 1.
//
// Between depths: a monochrome source draws its black pixels in the destination DC's text
// colour and its white pixels in its background colour; a colour source drawn onto monochrome
// becomes white where it matches the source DC's background colour and black elsewhere.
#include "gdi/region_ops.h"
#include "gdi/surface.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace gdi;

namespace {

bool UsesSource(DWORD rop) {
    return (((rop >> 2) ^ rop) & 0x330000) != 0;
}
bool UsesPattern(DWORD rop) {
    return (((rop >> 4) ^ rop) & 0x0F0000) != 0;
}

std::uint32_t Rop3(unsigned table, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    switch (table) {
    case 0xCC:
        return s;
    case 0xF0:
        return p;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    default:
        break;
    }
    std::uint32_t out = 0;
    for (unsigned k = 0; k < 8; ++k)
        if (table & (1u << k))
            out |= ((k & 4) ? p : ~p) & ((k & 2) ? s : ~s) & ((k & 1) ? d : ~d);
    return out & 0xFFFFFF;
}

// Source pixel as the destination sees it.
struct SourceConversion {
    bool monoToColor = false;
    bool colorToMono = false;
    std::uint32_t foreground = 0; // destination text colour, for black source pixels
    std::uint32_t background = 0; // destination background colour, for white source pixels
    std::uint32_t sourceBk = 0;   // source background colour, the white of a colour source

    std::uint32_t operator()(std::uint32_t s) const {
        if (monoToColor)
            return s == 0xFFFFFF ? background : foreground;
        if (colorToMono)
            return s == sourceBk ? 0xFFFFFF : 0;
        return s;
    }
};

SourceConversion MakeConversion(const Target& dst, const Target& src) {
    SourceConversion c;
    c.monoToColor = src.mono && !dst.mono;
    c.colorToMono = !src.mono && dst.mono;
    c.foreground = ToPixel(dst.dc->state.textColor);
    c.background = ToPixel(dst.dc->state.bkColor);
    c.sourceBk = ToPixel(src.dc->state.bkColor);
    return c;
}

bool PatternPixel(const Target& t, std::uint32_t* pixel) {
    COLORREF color;
    if (!BrushColor(t.dc->state.brush, &color))
        return false;
    *pixel = SurfaceColor(t, color);
    return true;
}

// Normalises a negative extent to a positive one at the other corner.
void Normalize(int& x, int& w) {
    if (w < 0) {
        x += w;
        w = -w;
    }
}

} // namespace

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    Target t;
    if (!LookupDc(hdc) || UsesSource(rop))
        return FALSE;
    if (!GetTarget(hdc, &t))
        return TRUE;
    Normalize(x, width);
    Normalize(y, height);
    BrushPaint pattern;
    if (UsesPattern(rop) && !GetBrushPaint(t, t.dc->state.brush, &pattern))
        return TRUE; // a null brush paints nothing
    const unsigned table = (rop >> 16) & 0xFF;
    const RECT area{x + t.offsetX, y + t.offsetY, x + t.offsetX + width, y + t.offsetY + height};
    for (const RECT& c : *t.clip) {
        RECT part;
        if (!IntersectRects(area, c, &part))
            continue;
        for (LONG py = part.top; py < part.bottom; ++py) {
            std::uint32_t* row = t.pixels + static_cast<std::size_t>(py) * t.width;
            for (LONG px = part.left; px < part.right; ++px) {
                std::uint32_t p = 0;
                if (pattern.At(px, py, &p) || !pattern.tiled)
                    row[px] = Rop3(table, p, 0, row[px]);
            }
        }
    }
    return TRUE;
}

BOOL WINAPI BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                   DWORD rop) {
    if (!UsesSource(rop))
        return PatBlt(dest, x, y, width, height, rop);
    Target dt, st;
    if (!LookupDc(dest) || !LookupDc(src))
        return FALSE;
    if (!GetTarget(dest, &dt) || !GetTarget(src, &st))
        return TRUE;
    if (width < 0) {
        x += width;
        srcX += width;
        width = -width;
    }
    if (height < 0) {
        y += height;
        srcY += height;
        height = -height;
    }
    // The part of the source rectangle that exists, moved onto the destination.
    const RECT sourceBounds{0, 0, st.width, st.height};
    const int sx = srcX + st.offsetX, sy = srcY + st.offsetY;
    RECT source;
    if (!IntersectRects(RECT{sx, sy, sx + width, sy + height}, sourceBounds, &source))
        return TRUE;
    const int shiftX = x + dt.offsetX - sx, shiftY = y + dt.offsetY - sy;
    const RECT area{source.left + shiftX, source.top + shiftY, source.right + shiftX,
                    source.bottom + shiftY};

    std::uint32_t pattern = 0;
    if (UsesPattern(rop))
        PatternPixel(dt, &pattern);
    const unsigned table = (rop >> 16) & 0xFF;
    const SourceConversion convert = MakeConversion(dt, st);

    // Copy the source first when both rectangles share one surface, so overlapping moves work.
    std::vector<std::uint32_t> copy;
    const std::uint32_t* sourcePixels = st.pixels;
    int sourceStride = st.width, sourceLeft = 0, sourceTop = 0;
    if (st.pixels == dt.pixels) {
        const int w = source.right - source.left, h = source.bottom - source.top;
        copy.resize(static_cast<std::size_t>(w) * h);
        for (int row = 0; row < h; ++row)
            std::copy_n(st.pixels + static_cast<std::size_t>(source.top + row) * st.width +
                            source.left,
                        w, copy.data() + static_cast<std::size_t>(row) * w);
        sourcePixels = copy.data();
        sourceStride = w;
        sourceLeft = source.left;
        sourceTop = source.top;
    }

    for (const RECT& c : *dt.clip) {
        RECT part;
        if (!IntersectRects(area, c, &part))
            continue;
        for (LONG py = part.top; py < part.bottom; ++py) {
            std::uint32_t* row = dt.pixels + static_cast<std::size_t>(py) * dt.width;
            const std::uint32_t* from =
                sourcePixels + static_cast<std::size_t>(py - shiftY - sourceTop) * sourceStride -
                sourceLeft - shiftX;
            for (LONG px = part.left; px < part.right; ++px)
                row[px] = Rop3(table, pattern, convert(from[px]), row[px]);
        }
    }
    return TRUE;
}

BOOL WINAPI StretchBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                       int srcWidth, int srcHeight, DWORD rop) {
    if (!UsesSource(rop))
        return PatBlt(dest, x, y, width, height, rop);
    if (width == srcWidth && height == srcHeight && width > 0 && height > 0)
        return BitBlt(dest, x, y, width, height, src, srcX, srcY, rop);
    Target dt, st;
    if (!LookupDc(dest) || !LookupDc(src))
        return FALSE;
    if (!GetTarget(dest, &dt) || !GetTarget(src, &st) || width == 0 || height == 0 ||
        srcWidth == 0 || srcHeight == 0)
        return TRUE;
    // Nearest neighbour: each destination pixel takes the source pixel under its centre. Signs
    // that differ between the two widths (or heights) mirror the picture.
    const bool mirrorX = (width < 0) != (srcWidth < 0), mirrorY = (height < 0) != (srcHeight < 0);
    const int dw = std::abs(width), dh = std::abs(height);
    const int sw = std::abs(srcWidth), sh = std::abs(srcHeight);
    const int dLeft = std::min(x, x + width) + dt.offsetX,
              dTop = std::min(y, y + height) + dt.offsetY;
    const int sLeft = std::min(srcX, srcX + srcWidth) + st.offsetX;
    const int sTop = std::min(srcY, srcY + srcHeight) + st.offsetY;

    // Sample everything first: the source and destination may share a surface.
    std::vector<std::uint32_t> samples(static_cast<std::size_t>(dw) * dh);
    std::vector<bool> present(samples.size());
    const SourceConversion convert = MakeConversion(dt, st);
    for (int j = 0; j < dh; ++j) {
        long long fy = (2LL * j + 1) * sh / (2LL * dh);
        int syy = sTop + static_cast<int>(mirrorY ? sh - 1 - fy : fy);
        for (int i = 0; i < dw; ++i) {
            long long fx = (2LL * i + 1) * sw / (2LL * dw);
            int sxx = sLeft + static_cast<int>(mirrorX ? sw - 1 - fx : fx);
            if (sxx < 0 || syy < 0 || sxx >= st.width || syy >= st.height)
                continue;
            const std::size_t k = static_cast<std::size_t>(j) * dw + i;
            samples[k] = convert(st.pixels[static_cast<std::size_t>(syy) * st.width + sxx]);
            present[k] = true;
        }
    }
    std::uint32_t pattern = 0;
    if (UsesPattern(rop))
        PatternPixel(dt, &pattern);
    const unsigned table = (rop >> 16) & 0xFF;
    const RECT area{dLeft, dTop, dLeft + dw, dTop + dh};
    for (const RECT& c : *dt.clip) {
        RECT part;
        if (!IntersectRects(area, c, &part))
            continue;
        for (LONG py = part.top; py < part.bottom; ++py)
            for (LONG px = part.left; px < part.right; ++px) {
                const std::size_t k = static_cast<std::size_t>(py - dTop) * dw + (px - dLeft);
                if (!present[k])
                    continue;
                std::uint32_t& d = dt.pixels[static_cast<std::size_t>(py) * dt.width + px];
                d = Rop3(table, pattern, samples[k], d);
            }
    }
    return TRUE;
}
