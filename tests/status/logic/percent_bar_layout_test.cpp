#include "status/logic/percent_bar_layout.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using ruzav::status::Box;
using ruzav::status::ClampPercent;
using ruzav::status::LayoutPercentBar;
using ruzav::status::PercentBarLayout;

TEST(PercentBarLayout, StoredValuesAreClamped) {
    const int rows[][2] = {{INT_MIN, 0}, {-5, 0},    {0, 0},        {37, 37},
                           {100, 100},   {250, 100}, {INT_MAX, 100}};
    for (const auto& r : rows)
        EXPECT_EQ(ClampPercent(r[0]), r[1]) << r[0];
}

struct Row {
    int percent;
    int filledRight;
    bool fillEmpty;
};

// A 100 x 20 client area: interior (2,2)-(99,18), W 97, H 16, text at (50, 2).
TEST(PercentBarLayout, TheBoundaryIsTheTruncatedShareOfA97PixelInterior) {
    const Row rows[] = {{0, 2, true},   {1, 2, true},     {2, 3, true},     {50, 50, true},
                        {99, 98, true}, {100, 99, false}, {101, 99, false}, {-1, 2, true}};
    for (const Row& r : rows) {
        const PercentBarLayout l = LayoutPercentBar(Box{0, 0, 100, 20}, r.percent);
        EXPECT_EQ(l.interior.left, 2);
        EXPECT_EQ(l.interior.top, 2);
        EXPECT_EQ(l.interior.right, 99);
        EXPECT_EQ(l.interior.bottom, 18);
        EXPECT_EQ(l.filled.left, 2);
        EXPECT_EQ(l.filled.right, r.filledRight) << r.percent;
        EXPECT_EQ(l.empty.left, r.filledRight) << r.percent;
        EXPECT_EQ(l.empty.right, 99);
        EXPECT_EQ(l.fillEmpty, r.fillEmpty) << r.percent;
        EXPECT_EQ(l.text.x, 50);
        EXPECT_EQ(l.text.y, 2);
    }
}

TEST(PercentBarLayout, TheTextTopCountsFromTheClientTopNotTheInterior) {
    const PercentBarLayout l = LayoutPercentBar(Box{10, 40, 110, 100}, 50);
    EXPECT_EQ(l.text.x, 12 + 97 / 2);
    EXPECT_EQ(l.text.y, 56 / 6);
}

TEST(PercentBarLayout, TinyClientAreasGiveAnEmptyInteriorNotAnInvertedOne) {
    const Box clients[] = {{0, 0, 0, 0}, {0, 0, 1, 1}, {0, 0, 3, 3}};
    for (const Box& c : clients) {
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

} // namespace
