// Set operations on lists of rectangles: the arithmetic under regions and DC clipping.
#pragma once

#include <windows.h>

#include <vector>

namespace gdi {

// Combines two rectangle lists (each may hold overlapping or empty rectangles) with RGN_AND,
// RGN_OR, RGN_XOR or RGN_DIFF. The result is disjoint, free of empty rectangles, sorted by top
// then left, and merges vertically adjacent rows of equal extent.
std::vector<RECT> CombineRects(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode);
// The same list in that canonical form.
std::vector<RECT> NormalizeRects(const std::vector<RECT>& rects);
// Both into a list the caller keeps (which may be a or b): once it has grown to the sizes in
// use, combining allocates nothing.
void CombineRectsInto(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode,
                      std::vector<RECT>* out);
void NormalizeRectsInto(const std::vector<RECT>& rects, std::vector<RECT>* out);
// The smallest rectangle holding them all; the null rectangle for an empty list.
RECT BoundingBox(const std::vector<RECT>& rects);
// NULLREGION, SIMPLEREGION or COMPLEXREGION for a canonical list.
int RegionType(const std::vector<RECT>& rects);
void OffsetRects(std::vector<RECT>& rects, int dx, int dy);
// Inline: every fill, glyph and clip test of every drawing call goes through these two.
inline bool RectEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}
// The common part of two rectangles; false (and an empty result) when they do not meet.
inline bool IntersectRects(const RECT& a, const RECT& b, RECT* out) {
    const RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                 a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (RectEmpty(r)) {
        *out = RECT{0, 0, 0, 0};
        return false;
    }
    *out = r;
    return true;
}

} // namespace gdi
