#include "frame/logic/window_placement.h"

#include <algorithm>
#include <limits>

namespace placement {

namespace {

// The arithmetic runs in 64 bits: rectangles anywhere in the 32-bit range must not overflow
// on the way, and only the final position is brought back into range.
using Wide = std::int64_t;

Wide Width(const Rect& r) {
    return Wide{r.right} - r.left;
}
Wide Height(const Rect& r) {
    return Wide{r.bottom} - r.top;
}

std::int32_t Narrow(Wide value) {
    const Wide lowest = std::numeric_limits<std::int32_t>::min();
    const Wide highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, lowest, highest));
}

} // namespace

Point CascadeOffset(const Metrics& metrics, bool parentHasMenu) {
    const Wide across = Wide{metrics.cyCaption} + metrics.cyCaption / 2 + metrics.cyFrame;
    const Wide down = across + (parentHasMenu ? metrics.cyMenu : 0);
    return Point{Narrow(across), Narrow(down)};
}

Point PlaceRect(const Request& request) {
    const Rect& work = request.workArea;
    const Rect& parent = request.parent;
    const Metrics& m = request.metrics;
    const Wide w = Width(request.window);
    const Wide h = Height(request.window);

    std::int32_t rule = request.hasParent ? request.rule : CenterScreen;

    const Point offset = CascadeOffset(m, request.parentHasMenu);
    if (request.hasParent && Height(parent) - offset.y < h)
        rule = Cascade;

    Wide x = 0;
    Wide y = 0;
    switch (rule) {
    case CenterScreen:
        x = work.left + Width(work) / 2 - w / 2;
        y = work.top + Height(work) / 2 - h / 2;
        break;
    case Cascade:
        x = Wide{parent.left} + offset.x;
        y = Wide{parent.top} + offset.y;
        break;
    default:
        x = parent.left + (Width(parent) / 2 - w / 2);
        y = parent.top + (Height(parent) / 2 - h / 2);
        break;
    }

    if (x + w > work.right)
        x = work.right - (w + m.cxFrame);
    if (y + h > work.bottom)
        y = work.bottom - (h + m.cyFrame);
    if (x < work.left)
        x = Wide{work.left} + m.cxFrame;
    if (y < work.top)
        y = Wide{work.top} + m.cyFrame;

    return Point{Narrow(x), Narrow(y)};
}

} // namespace placement
