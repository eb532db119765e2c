// The placement arithmetic: each rule with and without a parent and a menu bar, the forced
// cascade, each clamp, the separate truncation of halves, and rectangles at the 32-bit limits.
#include "frame/logic/window_placement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using placement::Point;
using placement::Rect;
using placement::Request;

constexpr Rect Sized(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return Rect{left, top, left + width, top + height};
}

// Caption 18, menu bar 19, frames 4 and 5: the cascade goes 18 + 9 + 5 = 32 across and down,
// 51 down below a menu bar. Distinct frame widths show which one each clamp uses.
constexpr placement::Metrics kMetrics{18, 19, 4, 5};
constexpr Rect kScreen{0, 0, 1024, 768};
constexpr Rect kWork{0, 0, 1024, 738}; // task bar at the bottom
constexpr Rect kTopBar{0, 28, 1024, 768};
constexpr Rect kParent = Sized(100, 100, 600, 500);
constexpr Rect kDialog = Sized(5, 7, 200, 100); // where it was created does not matter
constexpr Rect kShort = Sized(100, 100, 600, 200);
constexpr Rect kNone{};
constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
constexpr Rect kAll{lo, lo, hi, hi};
constexpr Rect kInverted{hi, hi, lo, lo};
constexpr placement::Metrics kHuge{hi, hi, hi, hi};

TEST(PlaceRect, LandsWhereTheRuleSays) {
    const struct {
        const char* name;
        Rect work, window;
        bool hasParent;
        Rect parent;
        bool menu;
        std::int32_t rule;
        Point at;
        placement::Metrics metrics = kMetrics;
    } cases[] = {
        // clang-format off
        // 100 + (300 - 100), 100 + (250 - 50); the menu bar does not matter here.
        {"centre on parent",       kWork,   kDialog,              true,  kParent, true,  0, {300, 300}},
        {"centre in work area",    kWork,   kDialog,              true,  kParent, false, 1, {412, 319}},
        {"centre on screen",       kScreen, kDialog,              false, kNone,   false, 1, {412, 334}},
        {"cascade",                kWork,   kDialog,              true,  kParent, false, 2, {132, 132}},
        {"cascade below a menu",   kWork,   kDialog,              true,  kParent, true,  2, {132, 151}},
        {"no parent: centre",      kWork,   kDialog,              false, kNone,   true,  2, {412, 319}},
        {"other rule: parent",     kWork,   kDialog,              true,  kParent, false, -1, {300, 300}},
        // The parent's height less the cascade offset (32, or 51 below a menu bar) must hold
        // the window; one pixel short forces the cascade whatever was asked.
        {"fits exactly",           kWork,   Sized(0, 0, 200, 168), true, kShort,  false, 0, {300, 116}},
        {"one pixel too tall",     kWork,   Sized(0, 0, 200, 169), true, kShort,  false, 1, {132, 132}},
        {"the menu bar counts",    kWork,   Sized(0, 0, 200, 150), true, kShort,  true,  0, {132, 151}},
        {"menu, fits exactly",     kWork,   Sized(0, 0, 200, 149), true, kShort,  true,  0, {300, 126}},
        // Clamps leave a frame's width at the edge crossed: 1024 - 4 - 200, 738 - 5 - 100.
        {"right edge",  kWork,   kDialog, true, Sized(734, 100, 400, 400),  false, 0, {820, 250}},
        {"one pixel past the right edge", kWork, kDialog, true, Sized(725, 100, 400, 400), false, 0, {820, 250}},
        {"bottom edge", kWork,   kDialog, true, Sized(100, 498, 400, 400),  false, 0, {200, 633}},
        {"left edge",   kWork,   kDialog, true, Sized(-300, 100, 400, 400), false, 0, {4, 250}},
        {"top edge",    kTopBar, kDialog, true, Sized(100, -100, 400, 300), false, 0, {200, 33}},
        {"wider than the work area",  kWork, Sized(0, 0, 1100, 100), false, kNone, false, 1, {4, 319}},
        {"taller than the work area", kWork, Sized(0, 0, 200, 800),  false, kNone, false, 1, {412, 5}},
        {"cascade pulled back", kWork, Sized(0, 0, 300, 200), true, Sized(900, 600, 300, 150), false, 2, {720, 533}},
        // Halves truncate each on its own: 511 - 150; an even work area tells it apart from
        // halving the difference (512 - 150 = 362, not 361); an inverted window's half
        // truncates toward zero.
        {"odd widths",      Rect{0, 0, 1023, 767}, Sized(0, 0, 301, 101), false, kNone, false, 1, {361, 333}},
        {"halves apart",    kScreen,               Sized(0, 0, 301, 101), false, kNone, false, 1, {362, 334}},
        {"inverted window", kWork,                 Rect{0, 0, -3, -3},    false, kNone, false, 1, {513, 370}},
        // At the 32-bit limits nothing overflows: too tall for the inverted parent, so
        // cascaded, and too large for the work area, so back at its edges plus a frame (lo + hi);
        // a position past the largest coordinate is held there.
        {"extremes, rule 0", kAll, kAll, true, kInverted, true, 0, {-1, -1}, kHuge},
        {"extremes, rule 1", kAll, kAll, true, kInverted, true, 1, {-1, -1}, kHuge},
        {"extremes, rule 2", kAll, kAll, true, kInverted, true, 2, {-1, -1}, kHuge},
        {"held at the limit", Rect{hi - 1, hi - 1, hi, hi}, Sized(0, 0, 10, 10), false, kNone, false, 1, {hi, hi}, {18, 19, hi, hi}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const Point at = placement::PlaceRect(
            Request{c.work, c.window, c.hasParent, c.parent, c.menu, c.rule, c.metrics});
        EXPECT_TRUE(c.at.x == at.x && c.at.y == at.y) << c.name << ": " << at.x << ", " << at.y;
    }
}

} // namespace
