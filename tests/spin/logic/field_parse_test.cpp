#include "spin/logic/field_parse.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

using namespace ruzav::spin;

namespace {

TEST(ReadWholeNumber, ReadsAsAtoiWithoutOverflow) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"42", 42},
                 {"  -12x", -12},
                 {"+7", 7},
                 {"x", 0},
                 {"", 0},
                 {" \t\n 9", 9},
                 {"2147483647", 2147483647},
                 {"2147483648", 2147483647},
                 {"99999999999999999999999", 2147483647},
                 {"-2147483648", -2147483647 - 1},
                 {"-99999999999", -2147483647 - 1},
                 {"- 5", 0},
                 {"0012", 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadWholeNumber(c.text), c.value) << '"' << c.text << '"';
    }
    EXPECT_EQ(ReadWholeNumber(nullptr), 0);
    EXPECT_EQ(ReadWholeNumber(std::string(10000, '7').c_str()), 2147483647);
}

TEST(ReadFraction, ReadsDecimalTextsOnly) {
    const struct {
        const char* text;
        float value;
    } cases[] = {{"3.5", 3.5f},       {"3,5", 3.0f},
                 {"  -0.25", -0.25f}, {"+.5", 0.5f},
                 {".5", 0.5f},        {"-.5", -0.5f},
                 {"1e3", 1000.0f},    {"abc", 0.0f},
                 {"inf", 0.0f},       {"nan", 0.0f},
                 {"0x10", 0.0f},      {"", 0.0f},
                 {"1e40", FLT_MAX},   {"-1e40", -FLT_MAX},
                 {"1e400", FLT_MAX},  {"-1e999999999999", -FLT_MAX},
                 {"1e-400", 0.0f},    {"0.0001e400", FLT_MAX}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReadFraction(c.text), c.value) << '"' << c.text << '"';
    }
    const std::string tiny = "0." + std::string(500, '0') + "1";
    EXPECT_EQ(ReadFraction(tiny.c_str()), 0.0f);
    EXPECT_EQ(ReadFraction(std::string(10000, '9').c_str()), FLT_MAX);
}

TEST(ParseNumberFields, EmptyOrBlankFieldOneFails) {
    int n = 17;
    float f = 1.5f;
    for (const char* text : {static_cast<const char*>(nullptr), "", "   ", "\t"}) {
        EXPECT_FALSE(ParseIntField(text, n));
        EXPECT_FALSE(ParseFloatField(text, f));
    }
    EXPECT_EQ(n, 17);
    EXPECT_EQ(f, 1.5f);
    EXPECT_TRUE(ParseIntField(" 250", n));
    EXPECT_EQ(n, 250);
    EXPECT_TRUE(ParseFloatField("3,5", f));
    EXPECT_EQ(f, 3.0f);
    EXPECT_TRUE(ParseIntField("abc", n)) << "not blank, so read as atoi reads it";
    EXPECT_EQ(n, 0);
}

struct TimeRead {
    const char* f1;
    const char* f2;
    const char* f3;
    int clock;
    bool ok;
    int hour, minute;
};

TEST(ParseTimeFields, DesignatorsCarriesAndFailures) {
    const TimeRead cases[] = {
        {"12", "30", "AM", 0, true, 0, 30},
        {"12", "30", "PM", 0, true, 12, 30},
        {"11", "30", "PM", 0, true, 23, 30},
        {"13", "00", "AM", 0, true, 1, 0},
        {"0", "15", "PM", 0, true, 0, 15},
        {"9", "15", "am", 0, true, 9, 15}, // case-sensitive
        {"15", "30", "", 1, true, 15, 30},
        {"10", "75", "", 1, true, 11, 15},
        {"25", "00", "", 1, true, 1, 0},
        {"  9", "  ", "AM", 0, true, 9, 0},
        {"300", "00", "", 1, true, 20, 0}, // kept as 8 bits: 44, then the clock wraps
        {"-1", "-1", "", 1, true, 19, 15}, // 255:255 -> 259 hours 15 minutes
        {"", "30", "AM", 0, false, 0, 0},
        {"  ", "30", "AM", 0, false, 0, 0},
        {"10", "", "AM", 0, false, 0, 0},
        {"10", "30", "", 0, false, 0, 0},
        {"10", nullptr, "AM", 0, false, 0, 0},
        {"10", "30", nullptr, 1, false, 0, 0},
        {nullptr, "30", "AM", 0, false, 0, 0},
        {"10", "30", "", 2, true, 10, 30}, // any clock but 0 is the 24-hour clock here
    };
    const Designators designators{"AM", "PM"};
    for (const auto& c : cases) {
        tagSpinTime t{7, 7, 0, 42};
        const char* fields[3] = {c.f1, c.f2, c.f3};
        EXPECT_EQ(ParseTimeFields(fields, c.clock, designators, t), c.ok)
            << (c.f1 ? c.f1 : "(null)") << " " << (c.f2 ? c.f2 : "(null)");
        const int hour = c.ok ? c.hour : 7, minute = c.ok ? c.minute : 7;
        EXPECT_EQ(t.nHour, hour) << (c.f1 ? c.f1 : "(null)") << " " << (c.f2 ? c.f2 : "(null)");
        EXPECT_EQ(t.nMinute, minute) << (c.f1 ? c.f1 : "(null)");
        EXPECT_EQ(t.nHundredth, 42);
    }
}

TEST(ParseTimeFields, HeldSecondsStillCarry) {
    tagSpinTime t{10, 0, 59, 0};
    const char* fields[3] = {"10", "59", ""};
    ASSERT_TRUE(ParseTimeFields(fields, 1, Designators{}, t));
    EXPECT_EQ(t.nHour, 10);
    EXPECT_EQ(t.nMinute, 59);
    EXPECT_EQ(t.nSecond, 59);
}

struct DateRead {
    int order;
    const char* f1;
    const char* f2;
    const char* f3;
    int heldYear;
    bool ok;
    int day, month, year;
};

// The clock stands in 1998 throughout: years before it are ones Get moves a century on.
TEST(ParseDateFields, FieldsByOrderTwoDigitYearsAndOnlyRealDates) {
    const DateRead cases[] = {
        {0, " 3", " 5", "98", 1998, true, 5, 3, 1998},
        {0, "3", "5", "05", 1998, true, 5, 3, 1905}, // the century held before; Get gives 2005
        {0, "3", "5", "98", 2005, true, 5, 3, 2098},
        {1, "3", "5", "2005", 1998, true, 5, 3, 2005},
        {47, "1998", "03", "05", 2000, true, 5, 3, 1998},
        {20, " 5", "98", "3", 1900, true, 5, 3, 1998},
        {36, "99", "12", "31", 2000, true, 31, 12, 2099},
        {0, "2", "29", "2000", 1998, true, 29, 2, 2000},
        {0, "2", "28", "  98", 1998, true, 28, 2, 1998}, // blanks before the year are skipped
        {0, "4", "31", "81", 2081, false, 0, 0, 0},      // 31 April
        {0, "2", "29", "2001", 1998, false, 0, 0, 0},
        {0, "2", "29", "00", 1998, true, 29, 2, 1900}, // 1900 is read as 2000, a leap year
        {16, "219", "3", "81", 2081, false, 0, 0, 0},  // never narrowed to 8 bits
        {16, "19", "310", "81", 2081, false, 0, 0, 0},
        {0, "3", "5", "5", 1998, false, 0, 0, 0}, // one character: the year 5
        {0, "3", "5", "2100", 1998, false, 0, 0, 0},
        {0, "3", "5", "1997", 1998, true, 5, 3, 1997}, // Get gives 2097
        {0, "3", "5", "1879", 1998, false, 0, 0, 0},   // 1979 after the move
        {0, "0", "5", "98", 1998, false, 0, 0, 0},
        {0, "3", "0", "98", 1998, false, 0, 0, 0},
        {0, "", "5", "98", 1998, false, 0, 0, 0},
        {0, "3", "  ", "98", 1998, false, 0, 0, 0},
        {0, "3", "5", "", 1998, false, 0, 0, 0},
        {0, "3", nullptr, "98", 1998, false, 0, 0, 0},
        {0, "3", "5", nullptr, 1998, false, 0, 0, 0}};
    for (const auto& c : cases) {
        tagSpinDate d{1, 1, static_cast<std::uint16_t>(c.heldYear), 6};
        const char* fields[3] = {c.f1, c.f2, c.f3};
        EXPECT_EQ(ParseDateFields(fields, static_cast<eDateOrder>(c.order), 1998, d), c.ok);
        // A refused read-back leaves the date as it was.
        const std::vector<int> want = c.ok ? std::vector<int>{c.day, c.month, c.year, 6}
                                           : std::vector<int>{1, 1, c.heldYear, 6};
        EXPECT_EQ(std::vector<int>({d.nDay, d.nMonth, d.nYear, d.nDayOfWeek}), want)
            << "order " << c.order << " " << c.f1 << " " << (c.f2 ? c.f2 : "");
    }
}

TEST(ParseDateFields, HugeFieldsAreRefusedSafely) {
    const std::string digits(10000, '9');
    tagSpinDate d{1, 1, 2000, 0};
    const char* fields[3] = {digits.c_str(), digits.c_str(), digits.c_str()};
    EXPECT_FALSE(ParseDateFields(fields, eDateOrderFirst, 1998, d));
    EXPECT_EQ(d.nDay, 1);
}

} // namespace
