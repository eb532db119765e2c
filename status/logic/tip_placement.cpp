#include "status/logic/tip_placement.h"

#include <climits>

namespace ruzav::status {
namespace {

int Held(long long v) {
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

} // namespace

TipRect PlaceTip(int x, int y, int textWidth, int textHeight, int screenWidth) {
    TipRect r;
    r.width = Held(static_cast<long long>(textWidth) + 2);
    r.height = Held(static_cast<long long>(textHeight) + textHeight / 4 + 2);
    r.x = x;
    r.y = y;
    const long long limit = static_cast<long long>(screenWidth) - 6;
    if (static_cast<long long>(x) + r.width > limit)
        r.x = Held(limit - r.width);
    return r;
}

unsigned TipShape(unsigned shape) {
    return shape > 1 ? 0 : shape;
}

} // namespace ruzav::status
