// The status folder's framework-free rules: the percent bar's layout and the tip's placement.
#include "status/logic/percent_bar_layout.h"
#include "status/logic/tip_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using namespace ruzav::status;

// A 100 x 20 client area: interior (2,2)-(99,18), 97 pixels wide, the text at (50, 2); at
// (10,40)-(110,100) the text's top is 56 / 6, counted from the client's top, not the interior's.
TEST(PercentBarLayout, TheBoundaryIsTheTruncatedShareOfA97PixelInterior) {
    const int rows[][3] = {{0, 2, 1},   {1, 2, 1},    {2, 3, 1},    {50, 50, 1},
                           {99, 98, 1}, {100, 99, 0}, {101, 99, 0}, {-1, 2, 1}};
    for (const auto& r : rows) {
        const PercentBarLayout l = LayoutPercentBar(Box{0, 0, 100, 20}, r[0]);
        EXPECT_EQ(std::vector<int>({l.filled.left, l.filled.right, l.empty.left, l.empty.right,
                                    l.fillEmpty, l.text.x, l.text.y}),
                  std::vector<int>({2, r[1], r[1], 99, r[2], 50, 2}))
            << r[0];
        EXPECT_EQ(l.filled.top, 2);
        EXPECT_EQ(l.empty.bottom, 18);
    }
    const PercentBarLayout moved = LayoutPercentBar(Box{10, 40, 110, 100}, 50);
    EXPECT_EQ(moved.text.x, 12 + 97 / 2);
    EXPECT_EQ(moved.text.y, 56 / 6);
}

TEST(PercentBarLayout, TinyClientAreasGiveAnEmptyInteriorNotAnInvertedOne) {
    for (const Box& c : {Box{0, 0, 0, 0}, Box{0, 0, 1, 1}, Box{0, 0, 3, 3}}) {
        for (int p : {0, 50, 100}) {
            const PercentBarLayout l = LayoutPercentBar(c, p);
            EXPECT_LE(l.interior.left, l.interior.right);
            EXPECT_LE(l.interior.top, l.interior.bottom);
            EXPECT_LE(l.filled.right, l.interior.right);
            EXPECT_GE(l.empty.left, l.interior.left);
            EXPECT_FALSE(l.fillEmpty);
        }
    }
}

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
