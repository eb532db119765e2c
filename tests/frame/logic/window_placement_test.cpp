// The placement arithmetic: each rule with and without a parent and a menu bar, the forced
// cascade, each clamp, the separate truncation of halves, and rectangles at the 32-bit limits.
#include "frame/logic/window_placement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

using placement::Metrics;
using placement::PlaceRect;
using placement::Point;
using placement::Rect;
using placement::Request;

// Caption 18, menu bar 19, frames 4 and 5: the cascade goes 18 + 9 + 5 = 32 across and down,
// 51 down below a menu bar. Distinct frame widths show which one each clamp uses.
constexpr Metrics kMetrics{18, 19, 4, 5};
constexpr Rect kScreen{0, 0, 1024, 768};
constexpr Rect kWorkArea{0, 0, 1024, 738}; // task bar at the bottom

Rect Sized(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return Rect{left, top, left + width, top + height};
}

struct Case {
    const char* name;
    Rect work;
    Rect window;
    bool hasParent;
    Rect parent;
    bool menu;
    std::int32_t rule;
    Point expected;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class PlaceRectTest : public ::testing::TestWithParam<Case> {};

TEST_P(PlaceRectTest, LandsWhereTheRuleSays) {
    const Case& c = GetParam();
    Request request;
    request.workArea = c.work;
    request.window = c.window;
    request.hasParent = c.hasParent;
    request.parent = c.parent;
    request.parentHasMenu = c.menu;
    request.rule = c.rule;
    request.metrics = kMetrics;

    const Point at = PlaceRect(request);
    EXPECT_EQ(c.expected.x, at.x);
    EXPECT_EQ(c.expected.y, at.y);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

const Rect kParent = Sized(100, 100, 600, 500);
const Rect kDialog = Sized(5, 7, 200, 100); // where it was created does not matter
const Rect kShortParent = Sized(100, 100, 600, 200);
const Rect kNone{};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, PlaceRectTest, ::testing::Values(
    // name                                     work       window   parent?  parent  menu  rule  at
    // 100 + (300 - 100), 100 + (250 - 50)
    Case{"CenterParent",                          kWorkArea, kDialog, true,  kParent, false, 0, {300, 300}},
    Case{"CenterParentIgnoresMenuBar",            kWorkArea, kDialog, true,  kParent, true,  0, {300, 300}},
    // 0 + 512 - 100, 0 + 369 - 50
    Case{"CenterScreenUsesWorkArea",              kWorkArea, kDialog, true,  kParent, false, 1, {412, 319}},
    Case{"CenterScreenOnWholeScreen",             kScreen,   kDialog, false, kNone,   false, 1, {412, 334}},
    Case{"Cascade",                               kWorkArea, kDialog, true,  kParent, false, 2, {132, 132}},
    Case{"CascadeBelowMenuBarGoesDownOnly",       kWorkArea, kDialog, true,  kParent, true,  2, {132, 151}},
    Case{"NoParentCenterParentCentresInWorkArea", kWorkArea, kDialog, false, kNone,   false, 0, {412, 319}},
    Case{"NoParentCascadeCentresInWorkArea",      kWorkArea, kDialog, false, kNone,   true,  2, {412, 319}},
    Case{"UnknownRuleCentresOnParent",            kWorkArea, kDialog, true,  kParent, false, 7, {300, 300}},
    Case{"NegativeRuleCentresOnParent",           kWorkArea, kDialog, true,  kParent, false, -1, {300, 300}}),
    CaseName);

// The parent's height less the cascade offset (32, or 51 below a menu bar) must hold the
// window's height; one pixel short forces the cascade whatever was asked.
INSTANTIATE_TEST_SUITE_P(ForcedCascade, PlaceRectTest, ::testing::Values(
    Case{"FitsExactly",             kWorkArea, Sized(0, 0, 200, 168), true, kShortParent, false, 0, {300, 116}},
    Case{"OnePixelTooTall",         kWorkArea, Sized(0, 0, 200, 169), true, kShortParent, false, 0, {132, 132}},
    Case{"OverridesCenterScreen",   kWorkArea, Sized(0, 0, 200, 169), true, kShortParent, false, 1, {132, 132}},
    Case{"MenuBarCountsInTheTest",  kWorkArea, Sized(0, 0, 200, 150), true, kShortParent, true,  0, {132, 151}},
    Case{"MenuBarFitsExactly",      kWorkArea, Sized(0, 0, 200, 149), true, kShortParent, true,  0, {300, 126}},
    Case{"ParentShorterThanOffset", kWorkArea, Sized(0, 0, 10, 1), true, Sized(100, 100, 600, 20), false, 1, {132, 132}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Clamps, PlaceRectTest, ::testing::Values(
    // Centred on the parent its right edge would be at 1034: ends at 1024 - 4.
    Case{"RightEdge",  kWorkArea, Sized(0, 0, 200, 100), true, Sized(734, 100, 400, 400), false, 0, {820, 250}},
    // Bottom edge would be 748 > 738: ends at 738 - 5.
    Case{"BottomEdge", kWorkArea, Sized(0, 0, 200, 100), true, Sized(100, 498, 400, 400), false, 0, {200, 633}},
    Case{"LeftEdge",   kWorkArea, Sized(0, 0, 200, 100), true, Sized(-300, 100, 400, 400), false, 0, {4, 250}},
    // Task bar at the top: the work area starts at 28.
    Case{"TopEdge", Rect{0, 28, 1024, 768}, Sized(0, 0, 200, 100), true, Sized(100, -100, 400, 300), false, 0, {200, 33}},
    Case{"WiderThanWorkArea",  kWorkArea, Sized(0, 0, 1100, 100), false, kNone, false, 1, {4, 319}},
    Case{"TallerThanWorkArea", kWorkArea, Sized(0, 0, 200, 800), false, kNone, false, 1, {412, 5}},
    Case{"WorkAreaOffsetLeftAndTop", Rect{50, 40, 1024, 768}, Sized(0, 0, 1100, 900), false, kNone, false, 1, {54, 45}},
    Case{"CascadePulledBackFromCorner", kWorkArea, Sized(0, 0, 300, 200), true, Sized(900, 600, 300, 150), false, 2, {720, 533}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Truncation, PlaceRectTest, ::testing::Values(
    // The example of the rule itself: 511 - 150.
    Case{"OddWidths", Rect{0, 0, 1023, 767}, Sized(0, 0, 301, 101), false, kNone, false, 1, {361, 333}},
    // An even work area and an odd window tell the two ways apart: 512 - 150 = 362, where
    // halving the difference would give 361.
    Case{"HalvesTruncateSeparately", kScreen, Sized(0, 0, 301, 101), false, kNone, false, 1, {362, 334}},
    Case{"ParentHalvesTruncateSeparately", kWorkArea, Sized(0, 0, 301, 101), true, Sized(10, 20, 600, 400), false, 0, {160, 170}},
    // An inverted window rectangle has a negative width; its half truncates toward zero.
    Case{"InvertedWindowTruncatesTowardZero", kWorkArea, Rect{0, 0, -3, -3}, false, kNone, false, 1, {513, 370}}),
    CaseName);
// clang-format on

TEST(CascadeOffset, MenuBarAddsToTheVerticalOffsetOnly) {
    const Point plain = placement::CascadeOffset(kMetrics, false);
    const Point menu = placement::CascadeOffset(kMetrics, true);
    EXPECT_EQ(32, plain.x);
    EXPECT_EQ(32, plain.y);
    EXPECT_EQ(plain.x, menu.x);
    EXPECT_EQ(plain.y + kMetrics.cyMenu, menu.y);
}

TEST(PlaceRectLimits, ExtremeRectanglesDoNotOverflow) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    Request request;
    request.metrics = Metrics{hi, hi, hi, hi};
    request.workArea = Rect{lo, lo, hi, hi};
    request.window = Rect{lo, lo, hi, hi};
    request.hasParent = true;
    request.parent = Rect{hi, hi, lo, lo};
    request.parentHasMenu = true;

    for (std::int32_t rule : {0, 1, 2}) {
        request.rule = rule;
        const Point at = PlaceRect(request);
        // Too tall for the inverted parent, so cascaded; too large for the work area, so back
        // at its left and top edges plus a frame: lo + hi.
        EXPECT_EQ(-1, at.x) << "rule " << rule;
        EXPECT_EQ(-1, at.y) << "rule " << rule;
    }
}

TEST(PlaceRectLimits, PositionPastTheLargestCoordinateIsHeldThere) {
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    Request request;
    request.metrics = Metrics{18, 19, hi, hi};
    request.workArea = Rect{hi - 1, hi - 1, hi, hi};
    request.window = Sized(0, 0, 10, 10);
    request.rule = placement::CenterScreen;

    const Point at = PlaceRect(request);
    EXPECT_EQ(hi, at.x);
    EXPECT_EQ(hi, at.y);
}

} // namespace
