#include "status/logic/tip_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using ruzav::status::PlaceTip;
using ruzav::status::TipRect;
using ruzav::status::TipShape;

struct Row {
    int x, textWidth, textHeight;
    TipRect expected;
    const char* what;
};

TEST(TipPlacement, SizedFromTheTextAndKeptClearOfTheRightEdge) {
    const Row rows[] = {
        {900, 100, 16, {900, 5, 102, 22}, "1002 is not beyond 1018: stays"},
        {950, 100, 16, {916, 5, 102, 22}, "moved to 1024 - 102 - 6"},
        {916, 100, 16, {916, 5, 102, 22}, "exactly at the limit stays"},
        {917, 100, 16, {916, 5, 102, 22}, "one past the limit moves"},
        {-40, 100, 16, {-40, 5, 102, 22}, "the left edge is not clamped"},
        {10, 2000, 16, {1024 - 2002 - 6, 5, 2002, 22}, "wider than the screen: negative x"},
        {10, 7, 13, {10, 5, 9, 18}, "13 / 4 truncates to 3"},
        {10, 0, 0, {10, 5, 2, 2}, "nothing measured"},
    };
    for (const Row& r : rows) {
        const TipRect t = PlaceTip(r.x, 5, r.textWidth, r.textHeight, 1024);
        EXPECT_EQ(
            std::vector<int>({t.x, t.y, t.width, t.height}),
            std::vector<int>({r.expected.x, r.expected.y, r.expected.width, r.expected.height}))
            << r.what;
    }
}

TEST(TipPlacement, ExtremeExtentsDoNotOverflow) {
    const TipRect t = PlaceTip(INT_MAX, INT_MIN, INT_MAX, INT_MAX, 1024);
    EXPECT_EQ(t.width, INT_MAX);
    EXPECT_EQ(t.height, INT_MAX);
    EXPECT_LT(t.x, 0);
    EXPECT_EQ(t.y, INT_MIN);
}

} // namespace
