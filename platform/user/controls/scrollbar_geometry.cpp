#include "user/controls/scrollbar_geometry.h"

#include <algorithm>

namespace user_controls {
namespace {

constexpr int kMinThumb = 8;

long long Span(const ScrollRange& range) {
    return static_cast<long long>(ScrollMaxPos(range)) - range.min;
}

} // namespace

int ScrollMaxPos(const ScrollRange& range) {
    long long top = range.max;
    if (range.page > 1) {
        top -= static_cast<long long>(range.page) - 1;
    }
    return static_cast<int>(std::max<long long>(top, range.min));
}

int ClampScrollPos(const ScrollRange& range, int pos) {
    return std::clamp(pos, range.min, ScrollMaxPos(range));
}

ScrollGeometry ComputeScrollGeometry(int length, int arrowMetric, const ScrollRange& range, int pos,
                                     bool thumbAllowed) {
    ScrollGeometry geometry;
    geometry.length = std::max(0, length);
    geometry.arrow = std::max(0, arrowMetric);
    if (geometry.length < 2 * geometry.arrow) {
        geometry.arrow = geometry.length / 2;
    }
    const int shaft = geometry.length - 2 * geometry.arrow;
    const long long extent = static_cast<long long>(range.max) - range.min;
    if (!thumbAllowed || extent <= 0 || static_cast<long long>(range.page) > extent) {
        return geometry;
    }
    int thumb = geometry.arrow;
    if (range.page > 0) {
        thumb = static_cast<int>(static_cast<long long>(shaft) * range.page / (extent + 1));
        thumb = std::max(thumb, kMinThumb);
    }
    if (thumb <= 0 || thumb > shaft) {
        return geometry;
    }
    geometry.thumbLength = thumb;
    const long long span = Span(range);
    const long long travel = shaft - thumb;
    const long long along = span > 0 ? travel * (ClampScrollPos(range, pos) - range.min) / span : 0;
    geometry.thumbStart = geometry.arrow + static_cast<int>(along);
    return geometry;
}

ScrollPart HitScrollPart(const ScrollGeometry& geometry, int offset) {
    if (offset < 0 || offset >= geometry.length) {
        return ScrollPart::None;
    }
    if (offset < geometry.arrow) {
        return ScrollPart::LineUp;
    }
    if (offset >= geometry.length - geometry.arrow) {
        return ScrollPart::LineDown;
    }
    if (geometry.thumbLength == 0) {
        // Without a thumb the shaft pages towards the nearer end, as on Win32.
        return offset < geometry.length / 2 ? ScrollPart::PageUp : ScrollPart::PageDown;
    }
    if (offset < geometry.thumbStart) {
        return ScrollPart::PageUp;
    }
    if (offset >= geometry.thumbStart + geometry.thumbLength) {
        return ScrollPart::PageDown;
    }
    return ScrollPart::Thumb;
}

int ScrollPosFromThumb(const ScrollGeometry& geometry, const ScrollRange& range, int thumbStart) {
    const int travel = geometry.length - 2 * geometry.arrow - geometry.thumbLength;
    if (geometry.thumbLength == 0 || travel <= 0) {
        return range.pos;
    }
    const long long along = std::clamp(thumbStart - geometry.arrow, 0, travel);
    // Round to the nearest position, so a thumb dropped where it was drawn keeps its position.
    const long long pos = range.min + (along * Span(range) + travel / 2) / travel;
    return ClampScrollPos(range, static_cast<int>(pos));
}

} // namespace user_controls
