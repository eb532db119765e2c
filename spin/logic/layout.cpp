#include "spin/logic/layout.h"

#include <cstdint>

namespace ruzav::spin {

namespace {

// Widths of field 1, separator 1, field 2 and separator 2 of a date, and where field 1 starts,
// by the position of the four-digit year (if any) in the regional order.
struct DateWidths {
    long long field1;
    long long sep1;
    long long field2;
    long long sep2;
    long long indent;
};

// Every edge is worked out in 64 bits, where a client area of any 32-bit size cannot overflow,
// and saturated into the 32-bit rectangle at the end, as the system keeps coordinates in range.
std::int32_t Saturate(long long value) {
    return value < INT32_MIN ? INT32_MIN
                             : (value > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(value));
}

struct WideRect {
    long long left = 0;
    long long top = 0;
    long long right = 0;
    long long bottom = 0;
};

DateWidths DateWidthsFor(int order, long long width) {
    const long long narrow = width / 5;
    const long long year = width * 17 / 45;
    const long long sep = width / 9;
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
    const long long aL = client.left + 2LL;
    const long long aT = client.top + 2LL;
    long long aR = client.right - static_cast<long long>(kArrowWidth + kArrowGap);
    long long aB = client.bottom - 2LL;
    // A control too small for its frame still gets well-formed (empty) rectangles rather than
    // ones whose right edge lies left of their left edge.
    if (aR < aL) {
        aR = aL;
    }
    if (aB < aT) {
        aB = aT;
    }

    WideRect field1, sep1, field2, sep2, field3;
    field1.left = aL;
    const long long width = aR - aL;

    switch (LaidOutKind(kind)) {
    case kLayoutInt:
    case kLayoutFloat:
        field1.right = aR;
        break;
    case kLayoutDate: {
        const DateWidths w = DateWidthsFor(dateOrder, width);
        field1.left = aL + w.indent;
        field1.right = field1.left + w.field1;
        sep1.left = field1.right;
        sep1.right = sep1.left + w.sep1;
        field2.left = sep1.right;
        field2.right = field2.left + w.field2;
        sep2.left = field2.right;
        sep2.right = sep2.left + w.sep2;
        field3.left = sep2.right;
        field3.right = aR;
        break;
    }
    default: {
        const long long quarter = width / 4;
        const auto sep = static_cast<long long>(static_cast<double>(width) / 8.5);
        // On the 24-hour clock there is no designator: the hour and minute move right so the
        // pair sits where a 12-hour control shows its minute and designator.
        if (clock == 1) {
            field1.left = aL + quarter + sep;
        }
        field1.right = field1.left + quarter;
        sep1.left = field1.right;
        sep1.right = sep1.left + sep;
        field2.left = sep1.right;
        field2.right = field2.left + quarter;
        sep2.left = field2.right;
        if (clock == 0) {
            sep2.right = sep2.left + 2 > aR ? aR : sep2.left + 2;
            field3.left = sep2.right;
            field3.right = aR;
        } else {
            sep2.right = aR;
            field3.left = aR;
            field3.right = aR;
        }
        break;
    }
    }

    SpinLayout out;
    const WideRect* wide[] = {&field1, &sep1, &field2, &sep2, &field3};
    LayoutRect* narrow[] = {&out.field1, &out.sep1, &out.field2, &out.sep2, &out.field3};
    for (int i = 0; i < 5; ++i) {
        narrow[i]->left = Saturate(wide[i]->left);
        narrow[i]->right = Saturate(wide[i]->right);
        narrow[i]->top = Saturate(aT);
        narrow[i]->bottom = Saturate(aB);
    }
    return out;
}

} // namespace ruzav::spin
