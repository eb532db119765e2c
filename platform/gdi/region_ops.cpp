// Region arithmetic by horizontal bands: every distinct top and bottom edge of either list cuts
// the plane into bands; inside a band each list is a set of x intervals, which combine like bits.
//
// Example: A = {(0,0,10,10)}, B = {(5,5,15,15)}, RGN_OR gives three bands:
// (0,0,10,5), (0,5,15,10), (5,10,15,15).
#include "gdi/region_ops.h"

#include <algorithm>

namespace gdi {
namespace {

struct Interval {
    LONG left, right;
};

// The merged x intervals of the rectangles that cover the whole band [top, bottom).
std::vector<Interval> BandIntervals(const std::vector<RECT>& rects, LONG top, LONG bottom) {
    std::vector<Interval> spans;
    for (const RECT& r : rects)
        if (!RectEmpty(r) && r.top <= top && r.bottom >= bottom)
            spans.push_back({r.left, r.right});
    std::sort(spans.begin(), spans.end(),
              [](const Interval& x, const Interval& y) { return x.left < y.left; });
    std::vector<Interval> merged;
    for (const Interval& s : spans) {
        if (!merged.empty() && s.left <= merged.back().right)
            merged.back().right = std::max(merged.back().right, s.right);
        else
            merged.push_back(s);
    }
    return merged;
}

bool Covered(const std::vector<Interval>& spans, LONG x) {
    for (const Interval& s : spans)
        if (x >= s.left && x < s.right)
            return true;
    return false;
}

bool Keep(bool inA, bool inB, int mode) {
    switch (mode) {
    case RGN_AND:
        return inA && inB;
    case RGN_OR:
        return inA || inB;
    case RGN_XOR:
        return inA != inB;
    case RGN_DIFF:
        return inA && !inB;
    default:
        return inA;
    }
}

std::vector<Interval> CombineIntervals(const std::vector<Interval>& a,
                                       const std::vector<Interval>& b, int mode) {
    std::vector<LONG> xs;
    for (const Interval& s : a) {
        xs.push_back(s.left);
        xs.push_back(s.right);
    }
    for (const Interval& s : b) {
        xs.push_back(s.left);
        xs.push_back(s.right);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<Interval> out;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        if (!Keep(Covered(a, xs[i]), Covered(b, xs[i]), mode))
            continue;
        if (!out.empty() && out.back().right == xs[i])
            out.back().right = xs[i + 1];
        else
            out.push_back({xs[i], xs[i + 1]});
    }
    return out;
}

} // namespace

bool RectEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

bool IntersectRects(const RECT& a, const RECT& b, RECT* out) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (RectEmpty(r)) {
        *out = RECT{0, 0, 0, 0};
        return false;
    }
    *out = r;
    return true;
}

std::vector<RECT> CombineRects(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode) {
    std::vector<LONG> ys;
    for (const auto* list : {&a, &b})
        for (const RECT& r : *list)
            if (!RectEmpty(r)) {
                ys.push_back(r.top);
                ys.push_back(r.bottom);
            }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    std::vector<RECT> out;
    std::vector<Interval> previous;
    std::size_t previousStart = 0;
    LONG previousBottom = 0;
    for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
        LONG top = ys[i], bottom = ys[i + 1];
        std::vector<Interval> spans =
            CombineIntervals(BandIntervals(a, top, bottom), BandIntervals(b, top, bottom), mode);
        bool sameAsAbove = !spans.empty() && previousBottom == top &&
                           spans.size() == previous.size() &&
                           std::equal(spans.begin(), spans.end(), previous.begin(),
                                      [](const Interval& x, const Interval& y) {
                                          return x.left == y.left && x.right == y.right;
                                      });
        if (sameAsAbove) {
            for (std::size_t k = previousStart; k < out.size(); ++k)
                out[k].bottom = bottom;
        } else {
            previousStart = out.size();
            for (const Interval& s : spans)
                out.push_back(RECT{s.left, top, s.right, bottom});
        }
        if (!spans.empty())
            previousBottom = bottom;
        previous = std::move(spans);
    }
    return out;
}

std::vector<RECT> NormalizeRects(const std::vector<RECT>& rects) {
    return CombineRects(rects, {}, RGN_OR);
}

RECT BoundingBox(const std::vector<RECT>& rects) {
    if (rects.empty())
        return RECT{0, 0, 0, 0};
    RECT box = rects.front();
    for (const RECT& r : rects) {
        box.left = std::min(box.left, r.left);
        box.top = std::min(box.top, r.top);
        box.right = std::max(box.right, r.right);
        box.bottom = std::max(box.bottom, r.bottom);
    }
    return box;
}

int RegionType(const std::vector<RECT>& rects) {
    if (rects.empty())
        return NULLREGION;
    return rects.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void OffsetRects(std::vector<RECT>& rects, int dx, int dy) {
    for (RECT& r : rects) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

} // namespace gdi
