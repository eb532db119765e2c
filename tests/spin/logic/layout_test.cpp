#include "spin/logic/layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>

#include <string>

using namespace ruzav::spin;

namespace {

struct Span {
    int left;
    int right;
};

struct LayoutCase {
    const char* name;
    int kind;
    int order;
    int clock;
    Span f1, s1, f2, s2, f3;
};

// A 100 x 20 client area: the field area runs from x 2 to 86 and from y 2 to 18 (W = 84).
const LayoutCase kCases[] = {
    // clang-format off
    {"date order 26 (dd MM yy)",   kLayoutDate, 26, 0, {13, 29}, {29, 38}, {38, 54}, {54, 63}, {63, 86}},
    {"date order 47 (yyyy MM dd)", kLayoutDate, 47, 0, {2, 33},  {33, 42}, {42, 58}, {58, 67}, {67, 86}},
    {"date order 6 (M yyyy d)",    kLayoutDate, 6,  0, {2, 18},  {18, 27}, {27, 58}, {58, 67}, {67, 86}},
    {"date order 3 (M dd yyyy)",   kLayoutDate, 3,  0, {2, 18},  {18, 27}, {27, 43}, {43, 52}, {52, 86}},
    {"date order 0 (M d yy)",      kLayoutDate, 0,  0, {13, 29}, {29, 38}, {38, 54}, {54, 63}, {63, 86}},
    {"12-hour time",               kLayoutTime, 0,  0, {2, 23},  {23, 32}, {32, 53}, {53, 55}, {55, 86}},
    {"24-hour time",               kLayoutTime, 0,  1, {32, 53}, {53, 62}, {62, 83}, {83, 86}, {86, 86}},
    {"time on clock 2",            kLayoutTime, 0,  2, {2, 23},  {23, 32}, {32, 53}, {53, 86}, {86, 86}},
    {"unknown kind is a time",     7,           0,  0, {2, 23},  {23, 32}, {32, 53}, {53, 55}, {55, 86}},
    {"negative kind is a time",    -1,          0,  1, {32, 53}, {53, 62}, {62, 83}, {83, 86}, {86, 86}},
    // clang-format on
};

void ExpectSpan(const LayoutRect& r, Span want, const char* what, const std::string& name) {
    EXPECT_EQ(r.left, want.left) << name << ": " << what << " left";
    EXPECT_EQ(r.right, want.right) << name << ": " << what << " right";
    EXPECT_EQ(r.top, 2) << name << ": " << what << " top";
    EXPECT_EQ(r.bottom, 18) << name << ": " << what << " bottom";
}

TEST(SpinLayout, ThreeFieldKindsOnAHundredByTwenty) {
    const LayoutRect client{0, 0, 100, 20};
    for (const LayoutCase& c : kCases) {
        const SpinLayout l = CalculateSpinLayout(client, c.kind, c.order, c.clock);
        ExpectSpan(l.field1, c.f1, "field 1", c.name);
        ExpectSpan(l.sep1, c.s1, "separator 1", c.name);
        ExpectSpan(l.field2, c.f2, "field 2", c.name);
        ExpectSpan(l.sep2, c.s2, "separator 2", c.name);
        ExpectSpan(l.field3, c.f3, "field 3", c.name);
    }
}

TEST(SpinLayout, EveryDateOrderTilesTheFieldAreaWithoutGaps) {
    for (int order = 0; order < 48; ++order) {
        const SpinLayout l = CalculateSpinLayout({0, 0, 145, 24}, kLayoutDate, order, 0);
        EXPECT_EQ(l.sep1.left, l.field1.right) << order;
        EXPECT_EQ(l.field2.left, l.sep1.right) << order;
        EXPECT_EQ(l.sep2.left, l.field2.right) << order;
        EXPECT_EQ(l.field3.left, l.sep2.right) << order;
        EXPECT_EQ(l.field3.right, 145 - 14) << order;
        EXPECT_LT(l.field3.left, l.field3.right) << order;
    }
}

TEST(SpinLayout, FollowsAClientRectangleThatDoesNotStartAtTheOrigin) {
    const SpinLayout l = CalculateSpinLayout({10, 5, 110, 25}, kLayoutTime, 0, 0);
    EXPECT_EQ(l.field1.left, 12);
    EXPECT_EQ(l.field1.top, 7);
    EXPECT_EQ(l.field3.right, 96);
    EXPECT_EQ(l.field3.bottom, 23);
}

TEST(SpinLayout, ATinyControlGetsNoInvertedRectangles) {
    for (int kind = 0; kind < 4; ++kind) {
        for (int clock : {0, 1}) {
            const SpinLayout l = CalculateSpinLayout({0, 0, 8, 3}, kind, 26, clock);
            for (const LayoutRect* r : {&l.field1, &l.sep1, &l.field2, &l.sep2, &l.field3}) {
                EXPECT_LE(r->top, r->bottom) << kind;
                if (r->left != 0 || r->right != 0) {
                    EXPECT_LE(r->left, r->right) << kind << " clock " << clock;
                }
            }
        }
    }
}

// The arithmetic is 64-bit and saturates: 200,000,000 pixels once overflowed width * 17.
TEST(SpinLayout, HugeAndFarOffControlsNeitherOverflowNorInvert) {
    const LayoutRect clients[] = {
        {0, 0, 200000000, 20}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MAX - 5, 0, INT_MAX, 20}};
    for (const LayoutRect& client : clients) {
        for (int kind = 0; kind < 4; ++kind) {
            for (int order : {0, 6, 26, 47}) {
                const SpinLayout l = CalculateSpinLayout(client, kind, order, kind == 2 ? 0 : 1);
                const LayoutRect* rects[] = {&l.field1, &l.sep1, &l.field2, &l.sep2, &l.field3};
                for (int i = 0; i < (kind < 2 ? 1 : 5); ++i) {
                    EXPECT_LE(rects[i]->left, rects[i]->right) << kind << " " << order << " " << i;
                    if (i > 0) {
                        EXPECT_LE(rects[i - 1]->right, rects[i]->left) << kind << " " << order;
                    }
                }
            }
        }
    }
    const SpinLayout l = CalculateSpinLayout(clients[0], kLayoutDate, 47, 0);
    EXPECT_EQ(l.field1.right - l.field1.left, (200000000LL - 16) * 17 / 45);
}

} // namespace
