// Geometry of a spin control's fields and separators, worked out from its client rectangle.
//
// The window side asks for five rectangles (field 1, separator 1, field 2, separator 2, field 3)
// once, when it makes its children; nothing here knows about windows.
#pragma once

#include <cstdint>

namespace ruzav::spin {

struct LayoutRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct SpinLayout {
    LayoutRect field1;
    LayoutRect sep1;
    LayoutRect field2;
    LayoutRect sep2;
    LayoutRect field3;
};

// Kinds as the control numbers them: 0 whole number, 1 two decimals, 2 time, 3 date.
constexpr int kLayoutInt = 0;
constexpr int kLayoutFloat = 1;
constexpr int kLayoutTime = 2;
constexpr int kLayoutDate = 3;

// Width kept free at the right of the client area: a 12-pixel scroll bar and a 2-pixel gap.
constexpr int kArrowWidth = 12;
constexpr int kArrowGap = 2;

// Any kind other than int, float and date is laid out as a time. `clock` is the regional
// "iTime" value (only used for a time); `dateOrder` is 0..47 (only used for a date).
// Example, a client area of 100 x 20 holding a date in order 26 (dd, MM, yy): field 1 13..29,
// separator 1 29..38, field 2 38..54, separator 2 54..63, field 3 63..86, all from y 2 to 18.
SpinLayout CalculateSpinLayout(const LayoutRect& client, int kind, int dateOrder, int clock);

// The kind a control ends up with once laid out: anything unknown becomes a time control.
inline int LaidOutKind(int kind) {
    return (kind == kLayoutInt || kind == kLayoutFloat || kind == kLayoutDate) ? kind : kLayoutTime;
}

} // namespace ruzav::spin
