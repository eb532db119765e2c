#include "spin/logic/value_step.h"

#include "spin/logic/days_in_month.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <vector>

using namespace ruzav::spin;

namespace {

TEST(StepWholeNumber, StopsAtTheLimits) {
    const struct {
        int value, min, max, step, n, expected;
    } cases[] = {{98, 0, 100, 5, 1, 100},
                 {100, 0, 100, 5, 1, 100},
                 {3, 0, 100, 5, -1, 0},
                 {4, 0, 100, 5, -1, 0},
                 {10, 0, 100, 5, 15, 85},
                 {50, 10, 5, 1, 1, 5},
                 {50, 10, 5, 1, -1, 5},
                 {0, 0, 0, 0, 1, 0},
                 {0, 0, 0, 0, -15, 0},
                 {250, 0, 100, 1, 0, 100},
                 {INT_MAX, INT_MIN, INT_MAX, INT_MAX, 15, INT_MAX},
                 {INT_MIN, INT_MIN, INT_MAX, INT_MAX, -15, INT_MIN},
                 {0, INT_MIN, INT_MAX, INT_MIN, -1, INT_MAX}};
    for (const auto& c : cases) {
        int value = c.value;
        StepWholeNumber(value, c.min, c.max, c.step, c.n);
        EXPECT_EQ(value, c.expected)
            << c.value << " by " << c.step << " x " << c.n << " in " << c.min << ".." << c.max;
    }
}

TEST(StepFraction, StopsAtTheLimits) {
    const struct {
        float value, min, max, step;
        int n;
        float expected;
    } cases[] = {{0.9f, 0.0f, 1.0f, 0.25f, 1, 1.0f},
                 {0.1f, 0.0f, 1.0f, 0.25f, -1, 0.0f},
                 {0.5f, 0.0f, 1.0f, 0.25f, 1, 0.75f},
                 {0.5f, 1.0f, 0.0f, 0.25f, 1, 0.0f},
                 {FLT_MAX, -FLT_MAX, FLT_MAX, FLT_MAX, 15, FLT_MAX},
                 {-FLT_MAX, -FLT_MAX, FLT_MAX, FLT_MAX, -15, -FLT_MAX}};
    for (const auto& c : cases) {
        float value = c.value;
        StepFraction(value, c.min, c.max, c.step, c.n);
        EXPECT_FLOAT_EQ(value, c.expected) << c.value << " by " << c.step << " x " << c.n;
    }
}

struct TimeStep {
    int hour, minute, focus, n;
    const char* field3;
    int eh, em;
};

TEST(StepTime, WrapsRoundTheClockAndFlipsTheDesignator) {
    const TimeStep cases[] = {
        {23, 59, 2, 1, "PM", 0, 0},   {0, 0, 2, -1, "AM", 23, 59},   {23, 0, 1, 1, "", 0, 0},
        {10, 0, 1, 15, "", 1, 0},     {0, 30, 1, -1, "", 23, 30},    {10, 50, 2, 15, "", 11, 5},
        {9, 15, 3, 1, "AM", 21, 15},  {21, 15, 3, -1, "PM", 9, 15},  {9, 15, 3, -15, "AM", 21, 15},
        {9, 15, 3, 1, "", 9, 15},     {9, 15, 3, 1, nullptr, 9, 15}, {9, 15, 3, 1, "xx", 9, 15},
        {0, 15, 3, 1, "PM", 12, 15}, // an hour typed as 0 with PM stays on the clock
        {9, 15, 0, 1, "AM", 9, 15},   {9, 15, 4, 1, "AM", 9, 15},    {5, 0, 1, INT_MAX, "", 12, 0},
        {5, 0, 2, INT_MIN, "", 2, 52}};
    const Designators designators{"AM", "PM"};
    for (const auto& c : cases) {
        tagSpinTime t{static_cast<std::uint8_t>(c.hour), static_cast<std::uint8_t>(c.minute), 30,
                      7};
        StepTime(t, c.focus, c.n, c.field3, designators);
        EXPECT_EQ(t.nHour, c.eh) << c.hour << ":" << c.minute << " focus " << c.focus << " n "
                                 << c.n;
        EXPECT_EQ(t.nMinute, c.em) << c.hour << ":" << c.minute << " focus " << c.focus;
        EXPECT_EQ(t.nSecond, 30);
        EXPECT_EQ(t.nHundredth, 7);
    }
}

struct DateStep {
    const char* name;
    int day, month, year;
    eDateFocus component;
    int n;
    int ed, em, ey;
};

// Order 16 (d, M, yy): field 1 is the day, 2 the month, 3 the year.
const DateStep kDateSteps[] = {
    {"month up to a shorter month", 31, 1, 1999, eFocusMonth, 1, 28, 2, 1999},
    {"month down into a leap February", 31, 3, 2000, eFocusMonth, -1, 29, 2, 2000},
    {"day up out of the year", 31, 12, 1998, eFocusDay, 1, 1, 1, 1999},
    {"day down into February", 1, 3, 1999, eFocusDay, -1, 28, 2, 1999},
    {"day down into a leap February", 1, 3, 2000, eFocusDay, -1, 29, 2, 2000},
    {"page up on the day", 25, 1, 1999, eFocusDay, 15, 9, 2, 1999},
    {"page down on the day", 5, 3, 1999, eFocusDay, -15, 18, 2, 1999},
    {"page down on the month", 15, 3, 1999, eFocusMonth, -15, 15, 12, 1997},
    {"page up on the month", 31, 12, 1999, eFocusMonth, 15, 31, 3, 2001},
    {"year clamp keeps day and month", 1, 1, 1980, eFocusDay, -1, 31, 12, 1980},
    {"upper year clamp", 31, 12, 2099, eFocusDay, 1, 1, 1, 2099},
    {"year step keeps the day in its month", 29, 2, 2000, eFocusYear, 1, 28, 2, 2001},
    {"year step into a leap year keeps 29 February", 29, 2, 2000, eFocusYear, 4, 29, 2, 2004},
    {"year up at the limit", 10, 6, 2099, eFocusYear, 1, 10, 6, 2099},
    {"year down at the limit", 10, 6, 1980, eFocusYear, -15, 10, 6, 1980},
    {"a typed year far below", 10, 6, 5, eFocusYear, -15, 10, 6, 1980},
    {"a typed year far above", 10, 6, 65530, eFocusYear, 15, 10, 6, 2099},
    {"day 0 steps back into the month before", 0, 3, 1999, eFocusDay, 0, 28, 2, 1999},
    {"month 0 day down: December counts as the month before", 1, 0, 2000, eFocusDay, -1, 30, 11,
     1999},
    {"month 0 month up", 10, 0, 2000, eFocusMonth, 1, 10, 1, 2000},
    {"typed month 13 month up", 10, 13, 2000, eFocusMonth, 1, 10, 2, 2001},
    {"typed day 40 day up", 40, 1, 2000, eFocusDay, 1, 10, 2, 2000},
    {"a day byte past 127 counts forward", 200, 3, 1999, eFocusDay, 0, 16, 9, 1999},
    {"a month byte past 127 counts forward", 5, 250, 2000, eFocusMonth, 0, 5, 10, 2020},
    {"day 1 page down never wraps to day 242", 1, 3, 1999, eFocusDay, -15, 14, 2, 1999},
    {"a month step leaves no day 0", 0, 5, 2000, eFocusMonth, 1, 1, 6, 2000},
    {"typed day 31 of a 30-day month, day up", 31, 4, 1999, eFocusDay, 1, 2, 5, 1999},
};

TEST(StepDate, CarriesAndClamps) {
    for (const auto& c : kDateSteps) {
        tagSpinDate d{static_cast<std::uint8_t>(c.day), static_cast<std::uint8_t>(c.month),
                      static_cast<std::uint16_t>(c.year), 3};
        StepDate(d, static_cast<eDateOrder>(16), static_cast<int>(c.component), c.n);
        EXPECT_EQ(std::vector<int>({d.nDay, d.nMonth, d.nYear, d.nDayOfWeek}),
                  std::vector<int>({c.ed, c.em, c.ey, 3}))
            << c.name;
    }
}

TEST(StepDate, StepsOfAnySizeStopAtTheYearsWithARealDate) {
    for (int n : {INT_MAX, INT_MIN, 1000000, -1000000}) {
        for (eDateFocus component : {eFocusDay, eFocusMonth, eFocusYear}) {
            tagSpinDate d{31, 1, 2000, 0};
            StepDate(d, static_cast<eDateOrder>(16), static_cast<int>(component), n);
            EXPECT_EQ(d.nYear, n > 0 ? 2099 : 1980) << n;
            EXPECT_TRUE(d.nMonth >= 1 && d.nMonth <= 12 && d.nDay >= 1 &&
                        d.nDay <= DaysInMonth(d.nMonth, d.nYear))
                << n;
        }
    }
}

TEST(StepDate, OtherFieldsChangeNothing) {
    for (int field : {0, 4, -1}) {
        tagSpinDate d{31, 12, 1990, 0};
        StepDate(d, eDateOrderFirst, field, 1);
        EXPECT_EQ(std::vector<int>({d.nDay, d.nMonth, d.nYear}), std::vector<int>({31, 12, 1990}));
    }
}

TEST(AddToDateField, AddsWithoutCarriesAndNamesTheComponent) {
    tagSpinDate d{10, 6, 2000, 0};
    // Order 47 (yyyy, MM, dd).
    const auto order = static_cast<eDateOrder>(47);
    EXPECT_EQ(AddToDateField(d, order, 1, 0), eFocusYear);
    EXPECT_EQ(AddToDateField(d, order, 2, 0), eFocusMonth);
    EXPECT_EQ(AddToDateField(d, order, 3, 0), eFocusDay);
    EXPECT_EQ(d.nDay, 10);
    EXPECT_EQ(AddToDateField(d, order, 3, 25), eFocusDay);
    EXPECT_EQ(d.nDay, 35) << "no carry here";
    EXPECT_EQ(AddToDateField(d, order, 2, -7), eFocusMonth);
    EXPECT_EQ(d.nMonth, 255) << "8-bit month";
    EXPECT_EQ(AddToDateField(d, order, 1, INT_MAX), eFocusYear);
    EXPECT_EQ(d.nYear, 65535);
    EXPECT_EQ(AddToDateField(d, order, 1, INT_MIN), eFocusYear);
    EXPECT_EQ(d.nYear, 0);
    EXPECT_EQ(AddToDateField(d, order, 0, 5), eFocusNone);
    EXPECT_EQ(AddToDateField(d, order, 4, 5), eFocusNone);
    EXPECT_EQ(d.nDay, 35);
    EXPECT_EQ(d.nMonth, 255);
}

} // namespace
