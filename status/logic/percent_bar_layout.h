// Where a percent bar draws: its sunken frame, the filled and empty parts of its interior and
// the point of its text, worked out from the client rectangle and the value alone.
//
// Example, a 100 x 20 client area at 50 %: interior (2,2)-(99,18), W 97, H 16; filled part
// (2,2)-(50,18) since 97 * 50 / 100 = 48; empty part (50,2)-(99,18); text top centre (50, 2).
#pragma once

namespace ruzav::status {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0; // right and bottom exclusive
};

struct Point {
    int x = 0, y = 0;
};

// One line of the frame, from `from` up to but not including `to`, in a system colour.
struct FrameLine {
    int colourIndex;
    Point from;
    Point to;
};

struct PercentBarLayout {
    FrameLine frame[7]; // in drawing order: shadow, shadow, highlight, frame, frame, face, face
    Box interior;
    Box filled;
    Box empty;
    bool fillEmpty = false; // the empty part has width; the text is drawn into it either way
    Point text;             // top centre of the number
};

// Stored values are kept within 0..100.
int ClampPercent(int value);

// The layout for a client rectangle and a stored value. A value above 100 counts as 100 and
// one below 0 as 0; a client area too small for the frame gives an interior of no width or
// height rather than one turned inside out.
PercentBarLayout LayoutPercentBar(Box client, int percent);

} // namespace ruzav::status
