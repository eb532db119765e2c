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

// Working lists reused from call to call: clipping runs for every DC and every paint, and
// should not go to the heap once the lists have grown to the sizes in use.
struct Scratch {
    std::vector<LONG> ys, xs;
    std::vector<Interval> spans, bandA, bandB, combined, previous;
    std::vector<RECT> out;
};

Scratch& TheScratch() {
    // Never destroyed: regions may still be combined from other static destructors at exit.
    static Scratch& scratch = *new Scratch;
    return scratch;
}

// The merged x intervals of the rectangles that cover the whole band [top, bottom).
void BandIntervals(const std::vector<RECT>& rects, LONG top, LONG bottom,
                   std::vector<Interval>* spans, std::vector<Interval>* merged) {
    spans->clear();
    for (const RECT& r : rects)
        if (!RectEmpty(r) && r.top <= top && r.bottom >= bottom)
            spans->push_back({r.left, r.right});
    std::sort(spans->begin(), spans->end(),
              [](const Interval& x, const Interval& y) { return x.left < y.left; });
    merged->clear();
    for (const Interval& s : *spans) {
        if (!merged->empty() && s.left <= merged->back().right)
            merged->back().right = std::max(merged->back().right, s.right);
        else
            merged->push_back(s);
    }
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

void CombineIntervals(const std::vector<Interval>& a, const std::vector<Interval>& b, int mode,
                      std::vector<LONG>* xs, std::vector<Interval>* out) {
    xs->clear();
    for (const Interval& s : a) {
        xs->push_back(s.left);
        xs->push_back(s.right);
    }
    for (const Interval& s : b) {
        xs->push_back(s.left);
        xs->push_back(s.right);
    }
    std::sort(xs->begin(), xs->end());
    xs->erase(std::unique(xs->begin(), xs->end()), xs->end());
    out->clear();
    for (std::size_t i = 0; i + 1 < xs->size(); ++i) {
        LONG x = (*xs)[i], next = (*xs)[i + 1];
        if (!Keep(Covered(a, x), Covered(b, x), mode))
            continue;
        if (!out->empty() && out->back().right == x)
            out->back().right = next;
        else
            out->push_back({x, next});
    }
}

// The combination into the scratch's output list.
void Combine(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode, Scratch& w) {
    w.ys.clear();
    for (const auto* list : {&a, &b})
        for (const RECT& r : *list)
            if (!RectEmpty(r)) {
                w.ys.push_back(r.top);
                w.ys.push_back(r.bottom);
            }
    std::sort(w.ys.begin(), w.ys.end());
    w.ys.erase(std::unique(w.ys.begin(), w.ys.end()), w.ys.end());

    w.out.clear();
    w.previous.clear();
    std::size_t previousStart = 0;
    LONG previousBottom = 0;
    for (std::size_t i = 0; i + 1 < w.ys.size(); ++i) {
        LONG top = w.ys[i], bottom = w.ys[i + 1];
        BandIntervals(a, top, bottom, &w.spans, &w.bandA);
        BandIntervals(b, top, bottom, &w.spans, &w.bandB);
        CombineIntervals(w.bandA, w.bandB, mode, &w.xs, &w.combined);
        const std::vector<Interval>& spans = w.combined;
        bool sameAsAbove = !spans.empty() && previousBottom == top &&
                           spans.size() == w.previous.size() &&
                           std::equal(spans.begin(), spans.end(), w.previous.begin(),
                                      [](const Interval& x, const Interval& y) {
                                          return x.left == y.left && x.right == y.right;
                                      });
        if (sameAsAbove) {
            for (std::size_t k = previousStart; k < w.out.size(); ++k)
                w.out[k].bottom = bottom;
        } else {
            previousStart = w.out.size();
            for (const Interval& s : spans)
                w.out.push_back(RECT{s.left, top, s.right, bottom});
        }
        if (!spans.empty())
            previousBottom = bottom;
        w.previous.swap(w.combined);
    }
}

} // namespace

std::vector<RECT> CombineRects(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode) {
    std::vector<RECT> out;
    CombineRectsInto(a, b, mode, &out);
    return out;
}

void CombineRectsInto(const std::vector<RECT>& a, const std::vector<RECT>& b, int mode,
                      std::vector<RECT>* out) {
    // The common case of clipping: two single rectangles.
    if (mode == RGN_AND && a.size() == 1 && b.size() == 1) {
        RECT common;
        bool meet = IntersectRects(a[0], b[0], &common);
        out->clear();
        if (meet)
            out->push_back(common);
        return;
    }
    Scratch& w = TheScratch();
    Combine(a, b, mode, w);
    out->assign(w.out.begin(), w.out.end());
}

void NormalizeRectsInto(const std::vector<RECT>& rects, std::vector<RECT>* out) {
    if (rects.size() == 1) {
        RECT only = rects[0];
        out->clear();
        if (!RectEmpty(only))
            out->push_back(only);
        return;
    }
    static const std::vector<RECT> kNone;
    CombineRectsInto(rects, kNone, RGN_OR, out);
}

std::vector<RECT> NormalizeRects(const std::vector<RECT>& rects) {
    std::vector<RECT> out;
    NormalizeRectsInto(rects, &out);
    return out;
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
