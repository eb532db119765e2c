#include "spin/logic/value_normalise.h"

#include <gtest/gtest.h>

using namespace ruzav::spin;

namespace {

struct TimeCase {
    int h, m, s, hs;
    int eh, em, es;
};

TEST(NormaliseTime, CarriesSecondsAndMinutesAndWrapsTheHour) {
    const TimeCase cases[] = {{10, 59, 75, 7, 11, 0, 15}, {23, 59, 60, 0, 0, 0, 0},
                              {12, 30, 0, 99, 12, 30, 0}, {0, 120, 0, 0, 2, 0, 0},
                              {24, 0, 0, 0, 0, 0, 0},     {255, 255, 255, 255, 19, 19, 15},
                              {23, 59, 119, 0, 0, 0, 59}};
    for (const auto& c : cases) {
        tagSpinTime t{static_cast<std::uint8_t>(c.h), static_cast<std::uint8_t>(c.m),
                      static_cast<std::uint8_t>(c.s), static_cast<std::uint8_t>(c.hs)};
        NormaliseTime(t);
        EXPECT_EQ(t.nHour, c.eh) << c.h << ":" << c.m << ":" << c.s;
        EXPECT_EQ(t.nMinute, c.em) << c.h << ":" << c.m << ":" << c.s;
        EXPECT_EQ(t.nSecond, c.es) << c.h << ":" << c.m << ":" << c.s;
        EXPECT_EQ(t.nHundredth, c.hs) << "hundredths pass through";
    }
}

struct DateCase {
    const char* name;
    int d, mo, y;
    int ed, emo, ey;
};

const DateCase kDates[] = {
    {"31 April", 31, 4, 1999, 1, 5, 1999},
    {"32 January", 32, 1, 1999, 1, 2, 1999},
    {"62 January", 62, 1, 1999, 1, 3, 1999},
    {"60 January 1999, two rounds", 60, 1, 1999, 1, 3, 1999},
    {"month 13", 15, 13, 1999, 15, 1, 2000},
    {"month 24", 15, 24, 1999, 15, 1, 2001},
    {"29 February 2001", 29, 2, 2001, 1, 3, 2001},
    {"30 February 2000", 30, 2, 2000, 1, 3, 2000},
    {"29 February 2000", 29, 2, 2000, 29, 2, 2000},
    {"32 December carries out of the year", 32, 12, 1998, 1, 1, 1999},
    {"31 December stays", 31, 12, 1998, 31, 12, 1998},
    {"year is not range-checked", 1, 1, 3000, 1, 1, 3000},
    {"day 0 is left for Get to refuse", 0, 5, 1999, 0, 5, 1999},
    {"month 0 is December of the year before", 10, 0, 2000, 10, 12, 1999},
    {"month 0 with too many days", 40, 0, 2000, 9, 1, 2000},
    {"the largest bytes", 255, 255, 2000, 7, 11, 2021},
    {"year 0, month 0 stays at year 0", 1, 0, 0, 1, 12, 0},
    {"the largest year carried", 1, 24, 65535, 1, 1, 65535},
};

TEST(NormaliseDate, KeepsTheDocumentedCarries) {
    for (const auto& c : kDates) {
        tagSpinDate d{static_cast<std::uint8_t>(c.d), static_cast<std::uint8_t>(c.mo),
                      static_cast<std::uint16_t>(c.y), 5};
        NormaliseDate(d);
        EXPECT_EQ(d.nDay, c.ed) << c.name;
        EXPECT_EQ(d.nMonth, c.emo) << c.name;
        EXPECT_EQ(d.nYear, c.ey) << c.name;
        EXPECT_EQ(d.nDayOfWeek, 5) << c.name;
    }
}

} // namespace
