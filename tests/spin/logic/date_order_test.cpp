#include "spin/logic/date_order.h"
#include "spin/logic/days_in_month.h"

#include <gtest/gtest.h>

using namespace ruzav::spin;

namespace {

struct PatternCase {
    const char* pattern;
    const char* delimiters;
    int order;
};

// Patterns as the profile hands them over, including ones cut by the ten-byte buffer.
const PatternCase kPatterns[] = {
    {"M\\d\\yy", "\\", 0}, // the defaults
    {"dd.MM.yy", ".", 26},
    {"DD/mm/YY", "/", 26},   // case does not matter
    {"yyyy-MM-dd", "-", 46}, // cut to yyyy-MM-d
    {"dd/MM/yyyy", "/", 26}, // cut to dd/MM/yyy: a two-digit year
    {"d/M/yyyy", "-", 17},   // the pattern's own punctuation need not match
    {"d.dd.yy", ".", 18},    // one component twice in two forms is not refused
    {"d.d.yy", ".", 0},      // the same form twice is
    {"x.M.yy", ".", 0},      // any other letter
    {"d.M.y", ".", 0},       // a lone y
    {"d.M", ".", 0},         // a missing third piece counts as unknown
    {"M/d/yy", "", 0},       // no delimiter: cut at the first /
    {"", "/", 0},
    {"12.34.56", ".", 0},           // no letters
    {"..d..M..yy", ".", 0},         // cut to ..d..M..y: a lone y
    {"dMyy", "/", 0},               // one piece
    {"d.M.yy.dd", ".", 16},         // pieces past the third are ignored
    {"d/M/yy", "/-.", 16},          // every delimiter character splits
    {"d-M-yy", "123456789012", 16}, // an over-long delimiter set is cut too
};

TEST(DateOrderFromPattern, EveryPatternGivesItsOrder) {
    for (const auto& c : kPatterns) {
        EXPECT_EQ(DateOrderFromPattern(c.pattern, c.delimiters), c.order)
            << c.pattern << " with delimiters \"" << c.delimiters << "\"";
    }
}

TEST(DateOrderFromPattern, NullTextsGiveTheFallback) {
    EXPECT_EQ(DateOrderFromPattern(nullptr, "/"), 0);
    EXPECT_EQ(DateOrderFromPattern("d/M/yy", nullptr), 0);
}

TEST(DatePiecePos, LooksOnlyAtTheFirstCharacters) {
    const struct {
        const char* piece;
        eDatePos pos;
    } cases[] = {{"d", ePosD},           {"dd", ePosDD},     {"ddd", ePosDD},
                 {"D", ePosD},           {"M", ePosM},       {"mm", ePosMM},
                 {"MMMM", ePosMM},       {"y", ePosUnknown}, {"yy", ePosYY},
                 {"yyy", ePosYY},        {"yyyy", ePosYYYY}, {"YyYy", ePosYYYY},
                 {"yyyyy", ePosYYYY},    {"x", ePosUnknown}, {"", ePosUnknown},
                 {nullptr, ePosUnknown}, {"yyx", ePosYY},    {"yyYx", ePosYY}};
    for (const auto& c : cases) {
        EXPECT_EQ(DatePiecePos(c.piece), c.pos) << (c.piece ? c.piece : "(null)");
    }
}

// Every arrangement of the three components in both forms gives each of 0..47 exactly once.
TEST(DateOrderOf, CoversEveryOrderOnce) {
    const eDatePos day[] = {ePosD, ePosDD}, month[] = {ePosM, ePosMM}, year[] = {ePosYY, ePosYYYY};
    bool seen[48] = {};
    for (eDatePos d : day) {
        for (eDatePos m : month) {
            for (eDatePos y : year) {
                const eDatePos perms[6][3] = {{m, d, y}, {m, y, d}, {d, m, y},
                                              {d, y, m}, {y, d, m}, {y, m, d}};
                for (const auto& p : perms) {
                    const int order = DateOrderOf(p[0], p[1], p[2]);
                    ASSERT_GE(order, 0);
                    ASSERT_LE(order, 47);
                    EXPECT_FALSE(seen[order]) << order;
                    seen[order] = true;
                    // The order names the same forms back, field by field.
                    for (int field = 1; field <= 3; ++field) {
                        EXPECT_EQ(DateFieldForm(static_cast<eDateOrder>(order), field),
                                  p[field - 1])
                            << "order " << order << " field " << field;
                    }
                }
            }
        }
    }
}

TEST(DateOrderOf, RefusesUnknownAndRepeatedPieces) {
    EXPECT_EQ(DateOrderOf(ePosUnknown, ePosD, ePosYY), 0);
    EXPECT_EQ(DateOrderOf(ePosD, ePosD, ePosYY), 0);
    EXPECT_EQ(DateOrderOf(ePosM, ePosD, ePosM), 0);
    EXPECT_EQ(DateOrderOf(static_cast<eDatePos>(7), ePosD, ePosYY), 0);
    EXPECT_EQ(DateOrderOf(static_cast<eDatePos>(-1), ePosD, ePosYY), 0);
}

// Every field holds the component its form shows, and DateFieldOf finds it back.
TEST(DateFieldComponent, AgreesWithTheFormOfEveryField) {
    for (int order = 0; order < 48; ++order) {
        const auto o = static_cast<eDateOrder>(order);
        for (int field = 1; field <= 3; ++field) {
            const int form = DateFieldForm(o, field);
            const eDateFocus component = form <= ePosDD   ? eFocusDay
                                         : form <= ePosMM ? eFocusMonth
                                                          : eFocusYear;
            EXPECT_EQ(DateFieldComponent(o, field), component) << order << " " << field;
            EXPECT_EQ(DateFieldOf(o, component), field) << order << " " << field;
        }
        EXPECT_EQ(DateFieldComponent(o, 0), eFocusNone);
        EXPECT_EQ(DateFieldComponent(o, 4), eFocusNone);
    }
    // An order that no pattern can give reads as order 0 instead of indexing past the table.
    EXPECT_EQ(DateFieldComponent(static_cast<eDateOrder>(48), 1), eFocusMonth);
    EXPECT_EQ(DateFieldComponent(static_cast<eDateOrder>(-1), 3), eFocusYear);
}

TEST(DaysInMonth, GregorianLengths) {
    const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(DaysInMonth(month, 1999), lengths[month - 1]) << month;
    }
    EXPECT_EQ(DaysInMonth(2, 1996), 29);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2100), 28);
}

TEST(DaysInMonth, MonthsOutsideTheYearCountOn) {
    EXPECT_EQ(DaysInMonth(13, 1999), 31);           // January 2000
    EXPECT_EQ(DaysInMonth(14, 1999), 29);           // February 2000
    EXPECT_EQ(DaysInMonth(14, 2000), 28);           // February 2001
    EXPECT_EQ(DaysInMonth(0, 2000), 31);            // December 1999
    EXPECT_EQ(DaysInMonth(-10, 2001), 29);          // February 2000
    EXPECT_EQ(DaysInMonth(255, 2000), 31);          // March 2021
    EXPECT_EQ(DaysInMonth(-2147483647 - 1, 0), 30); // April, long before
    EXPECT_EQ(DaysInMonth(2147483647, 2147483647), 31);
}

} // namespace
