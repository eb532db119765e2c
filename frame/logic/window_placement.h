// Where a dialog or property sheet goes on screen, worked out on plain rectangles.
//
// This is the arithmetic behind PlaceWindow, kept apart from any window so that every rule and
// clamp can be checked directly. The window-facing side reads the work area, the metrics and the
// rectangles from the system, calls PlaceRect, and moves the window to the point it returns.
#pragma once

#include <cstdint>

namespace placement {

// The same values as eWindowPositions; anything other than CenterScreen and Cascade centres on
// the parent.
enum Rule : std::int32_t {
    CenterParent = 0,
    CenterScreen = 1,
    Cascade = 2,
};

// A rectangle in screen pixels, laid out as the system's RECT.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The system metrics that shape the cascade offsets and the margin kept inside the work area.
struct Metrics {
    std::int32_t cyCaption = 0;
    std::int32_t cyMenu = 0;
    std::int32_t cxFrame = 0;
    std::int32_t cyFrame = 0;
};

struct Request {
    Rect workArea;
    Rect window;
    bool hasParent = false;
    Rect parent;                // read only when hasParent
    bool parentHasMenu = false; // a menu bar pushes the cascade further down, not right
    std::int32_t rule = CenterParent;
    Metrics metrics;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// The cascade offsets from the parent's top-left corner: one and a half captions plus a frame
// across, the same plus a menu bar down when the parent has one.
Point CascadeOffset(const Metrics& metrics, bool parentHasMenu);

// The top-left corner for the window; it keeps its own size. Rules, in order:
//  - no parent: centre in the work area, whatever was asked;
//  - a parent too short to hold the window below the cascade offset: cascade, whatever was
//    asked;
//  - then pull the window back inside the work area, right, bottom, left, top, leaving a frame's
//    width at the edge it crossed. The left and top tests come last, so a window larger than the
//    work area sticks out on the right or at the bottom.
// Halves truncate toward zero, each on its own: work width 1023 and window width 301 give
// work.left + 511 - 150.
Point PlaceRect(const Request& request);

} // namespace placement
