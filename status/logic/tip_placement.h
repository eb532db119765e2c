// Where a pop-up tip goes and how large it is, from its text's measured extent.
//
// Example: a text measuring 100 x 16 with the appended "1" gives a 102 x 22 tip; on a screen
// 1024 wide, asked at x = 950 it moves to 916 (1024 - 102 - 6), asked at 900 it stays.
#pragma once

namespace ruzav::status {

struct TipRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// Only the right edge is kept clear; a tip wider than the screen gets a negative x and nothing
// else moves. Sums that would overflow are held at the int limits.
TipRect PlaceTip(int x, int y, int textWidth, int textHeight, int screenWidth);

// Shapes above 1 are drawn plain.
unsigned TipShape(unsigned shape);

} // namespace ruzav::status
