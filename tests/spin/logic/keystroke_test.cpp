#include "spin/logic/keystroke.h"

#include <gtest/gtest.h>

#include <string>

using namespace ruzav::spin;

namespace {

// A field as the user sees it: text, and the selection as [start, end).
struct Field {
    const char* text;
    long start;
    long end;
};

// Field "T" with the caret at its end / at `pos`.
Field AtEnd(const char* t) {
    return {t, static_cast<long>(std::string(t).size()), static_cast<long>(std::string(t).size())};
}
Field At(const char* t, long pos) {
    return {t, pos, pos};
}

struct TimeRow {
    const char* name;
    int clock;
    int lead;
    int field;
    Field f;
    const char* accepted; // every digit accepted, in order
    bool trim;            // accepted digits need the padding removed first
};

const TimeRow kTimeRows[] = {
    {"12h empty hour", 0, 1, 1, AtEnd(""), "0123456789", false},
    {"12h hour 1 at end", 0, 1, 1, AtEnd("1"), "012", false},
    {"12h hour 2 at end", 0, 1, 1, AtEnd("2"), "0123456789", false},
    {"24h hour 2 at end", 1, 1, 1, AtEnd("2"), "0123", false},
    {"24h hour 1 at end", 1, 1, 1, AtEnd("1"), "0123456789", false},
    {"hour 3 at end", 1, 1, 1, AtEnd("3"), "", false},
    {"padded hour at end", 1, 0, 1, AtEnd("  5"), "", false},
    {"24h padded hour before digit", 1, 0, 1, At("  5", 2), "1", true},
    {"12h padded hour before digit", 0, 1, 1, At("  5", 2), "0", true},
    {"12h hour 2 in front", 0, 1, 1, At("2", 0), "01", false},
    {"24h hour 3 in front", 1, 1, 1, At("3", 0), "012", false},
    {"24h hour 4 in front", 1, 1, 1, At("4", 0), "01", false},
    {"no leading zero: 0 refused in front", 1, 0, 1, At("3", 0), "12", false},
    {"minute accepts 0 in front", 1, 0, 2, At("5", 0), "012345", false},
    {"minute 6 at end", 0, 1, 2, AtEnd("6"), "", false},
    {"minute 5 at end", 0, 1, 2, AtEnd("5"), "0123456789", false},
    {"clock 2 applies neither clock's rules", 2, 1, 1, AtEnd("2"), "0123456789", false},
    {"designator holding a text", 0, 1, 3, AtEnd("AM"), "", false},
    {"empty designator field", 1, 1, 3, AtEnd(""), "0123456789", false},
    {"whole text selected by mouse", 1, 1, 2, {"12", 0, 2}, "", false},
    {"padded text selected up to its end", 1, 1, 1, {" 5", 1, 2}, "", false},
    {"selection before the last digit", 1, 1, 2, {"12", 0, 1}, "012345", true},
};

TEST(TimeDigitRules, AcceptExactlyTheListedDigits) {
    for (const TimeRow& r : kTimeRows) {
        std::string got;
        for (char c = '0'; c <= '9'; ++c) {
            const DigitVerdict v = CheckTimeDigit(
                r.clock, r.lead, r.field, static_cast<unsigned>(c), r.f.text, r.f.start, r.f.end);
            if (v.accepted) {
                got += c;
                EXPECT_EQ(v.trimFirst, r.trim) << r.name << " digit " << c;
            } else {
                EXPECT_FALSE(v.trimFirst) << r.name << " digit " << c;
            }
        }
        EXPECT_EQ(got, r.accepted) << r.name;
    }
}

struct DateRow {
    const char* name;
    int component;
    Field f;
    const char* accepted;
};

const DateRow kDateRows[] = {
    {"empty day", kComponentDay, AtEnd(""), "0123456789"},
    {"empty month", kComponentMonth, AtEnd(""), "0123456789"},
    {"day 3 at end", kComponentDay, AtEnd("3"), "01"},
    {"day 4 at end", kComponentDay, AtEnd("4"), ""},
    {"day 2 at end", kComponentDay, AtEnd("2"), "0123456789"},
    {"padded day before digit", kComponentDay, At(" 5", 1), "012"},
    {"padded day before digit, caret at 0", kComponentDay, At(" 5", 0), "012"},
    {"day 1 in front", kComponentDay, At("1", 0), "0123"},
    {"day 2 in front", kComponentDay, At("2", 0), "012"},
    {"month 1 at end", kComponentMonth, AtEnd("1"), "012"},
    {"month 2 at end", kComponentMonth, AtEnd("2"), ""},
    {"month 2 in front", kComponentMonth, At("2", 0), "01"},
    {"month 3 in front", kComponentMonth, At("3", 0), "0"},
    {"a full day takes no third digit", kComponentDay, At("19", 0), ""},
    {"nor does a full month", kComponentMonth, At("10", 0), ""},
    {"the whole text counts, not its first number", kComponentDay, At("1 2", 0), ""},
    {"year takes anything", kComponentYear, AtEnd("199"), "0123456789"},
    {"year in front", kComponentYear, At("98", 0), "0123456789"},
    {"no component", kComponentNone, AtEnd("1"), ""},
    {"selection to the end", kComponentYear, {"1998", 0, 4}, ""},
};

TEST(DateDigitRules, AcceptExactlyTheListedDigits) {
    for (const DateRow& r : kDateRows) {
        std::string got;
        for (char c = '0'; c <= '9'; ++c) {
            if (CheckDateDigit(r.component, static_cast<unsigned>(c), r.f.text, r.f.start, r.f.end)
                    .accepted) {
                got += c;
            }
        }
        EXPECT_EQ(got, r.accepted) << r.name;
    }
}

TEST(DigitRules, NonDigitsAreNeverAccepted) {
    for (unsigned ch : {0u, 9u, 32u, 97u, 47u, 58u, 127u, 0xB2u, 0x660u}) {
        EXPECT_FALSE(CheckTimeDigit(1, 1, 1, ch, "", 0, 0).accepted) << ch;
        EXPECT_FALSE(CheckDateDigit(kComponentYear, ch, "", 0, 0).accepted) << ch;
    }
}

TEST(DigitRules, LongAndOddTextsAreJudgedWithoutOverflow) {
    const std::string digits(5000, '9');
    EXPECT_FALSE(CheckTimeDigit(1, 1, 1, '1', digits.c_str(), 5000, 5000).accepted);
    EXPECT_TRUE(CheckDateDigit(kComponentYear, '1', digits.c_str(), 0, 0).accepted);
    EXPECT_TRUE(CheckTimeDigit(1, 1, 2, '1', "-7", 2, 2).accepted);
    EXPECT_TRUE(CheckTimeDigit(1, 1, 2, '1', nullptr, 0, 0).accepted);
    EXPECT_FALSE(CheckDateDigit(kComponentDay, '1', "\xE9", 0, 0).accepted);
}

TEST(Designators, PickedFromOneLetter) {
    struct Row {
        unsigned ch;
        const char* am;
        const char* pm;
        Designator want;
    } rows[] = {
        {'p', "AM", "PM", Designator::Afternoon},    {'P', "AM", "PM", Designator::Afternoon},
        {'a', "AM", "PM", Designator::Morning},      {'m', "AM", "PM", Designator::Morning},
        {'M', "AM", "PM", Designator::Morning},      {'x', "AM", "PM", Designator::None},
        {'5', "AM", "PM", Designator::None},         {'n', "vorm", "nachm", Designator::Afternoon},
        {'m', "vorm", "nachm", Designator::Morning}, {'N', "vorm", "nachm", Designator::Afternoon},
        {0, "AM", "PM", Designator::None},           {'a', nullptr, "PM", Designator::None},
        {0xE4, "\xE4M", "PM", Designator::Morning},  {0x1E4, "\xE4M", "PM", Designator::None}};
    for (const Row& r : rows) {
        EXPECT_EQ(ChooseDesignator(r.ch, r.am, r.pm), r.want) << r.ch << " " << (r.am ? r.am : "");
    }
}

} // namespace
