#include "spin/logic/layout.h"

#include <initializer_list>

namespace ruzav::spin {

namespace {

// Widths of field 1, separator 1, field 2 and separator 2 of a date, and where field 1 starts,
// by the position of the four-digit year (if any) in the regional order.
struct DateWidths {
    int field1;
    int sep1;
    int field2;
    int sep2;
    int indent;
};

DateWidths DateWidthsFor(int order, int width) {
    const int narrow = width / 5;
    const int year = width * 17 / 45;
    const int sep = width / 9;
    if (order >= 40 && order <= 47) {
        return {year, sep, narrow, sep, 0};
    }
    switch (order) {
    case 6:
    case 7:
    case 14:
    case 15:
    case 22:
    case 23:
    case 30:
    case 31:
        return {narrow, sep, year, sep, 0};
    case 1:
    case 3:
    case 9:
    case 11:
    case 17:
    case 19:
    case 25:
    case 27:
        return {narrow, sep, narrow, sep, 0};
    default:
        // No four-digit year anywhere: the narrow fields are pushed right to centre them.
        return {narrow, sep, narrow, sep, narrow - 5};
    }
}

} // namespace

SpinLayout CalculateSpinLayout(const LayoutRect& client, int kind, int dateOrder, int clock) {
    const int aL = client.left + 2;
    const int aT = client.top + 2;
    int aR = client.right - (kArrowWidth + kArrowGap);
    int aB = client.bottom - 2;
    // A control too small for its frame still gets well-formed (empty) rectangles rather than
    // ones whose right edge lies left of their left edge.
    if (aR < aL) {
        aR = aL;
    }
    if (aB < aT) {
        aB = aT;
    }

    SpinLayout out;
    for (LayoutRect* r : {&out.field1, &out.sep1, &out.field2, &out.sep2, &out.field3}) {
        r->top = aT;
        r->bottom = aB;
    }
    out.field1.left = aL;
    const int width = aR - aL;

    switch (LaidOutKind(kind)) {
    case kLayoutInt:
    case kLayoutFloat:
        out.field1.right = aR;
        return out;
    case kLayoutDate: {
        const DateWidths w = DateWidthsFor(dateOrder, width);
        out.field1.left = aL + w.indent;
        out.field1.right = out.field1.left + w.field1;
        out.sep1.left = out.field1.right;
        out.sep1.right = out.sep1.left + w.sep1;
        out.field2.left = out.sep1.right;
        out.field2.right = out.field2.left + w.field2;
        out.sep2.left = out.field2.right;
        out.sep2.right = out.sep2.left + w.sep2;
        out.field3.left = out.sep2.right;
        out.field3.right = aR;
        return out;
    }
    default: {
        const int quarter = width / 4;
        const int sep = static_cast<int>(width / 8.5);
        // On the 24-hour clock there is no designator: the hour and minute move right so the
        // pair sits where a 12-hour control shows its minute and designator.
        if (clock == 1) {
            out.field1.left = aL + quarter + sep;
        }
        out.field1.right = out.field1.left + quarter;
        out.sep1.left = out.field1.right;
        out.sep1.right = out.sep1.left + sep;
        out.field2.left = out.sep1.right;
        out.field2.right = out.field2.left + quarter;
        out.sep2.left = out.field2.right;
        if (clock == 0) {
            out.sep2.right = out.sep2.left + 2 > aR ? aR : out.sep2.left + 2;
            out.field3.left = out.sep2.right;
            out.field3.right = aR;
        } else {
            out.sep2.right = aR;
            out.field3.left = aR;
            out.field3.right = aR;
        }
        return out;
    }
    }
}

} // namespace ruzav::spin
