#include "spin/logic/valid_char.h"

#include <gtest/gtest.h>

using namespace ruzav::spin;

namespace {

TEST(IsValidSpinChar, PunctuationDigitsSeparatorsAndDesignators) {
    const struct {
        char c;
        eSpinValueTypes kind;
        bool valid;
    } cases[] = {{' ', eSpinInt, true},
                 {'-', eSpinDate, true},
                 {'.', eSpinFloat, true},
                 {':', eSpinInt, true},
                 {'7', eSpinInt, true},
                 {'x', eSpinTime, false},
                 {'A', eSpinTime, true},
                 {'A', eSpinDate, false},
                 {'M', eSpinInt, false},
                 {'/', eSpinDate, true}, // the first character of the date separator
                 {'h', eSpinTime, true}, // the first character of the time separator
                 {'g', eSpinDate, false},
                 {',', eSpinFloat, false},
                 {'\0', eSpinTime, false},
                 {static_cast<char>(0xE9), eSpinDate, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidSpinChar(c.c, c.kind, "AM", "PM", "/", "hg"), c.valid)
            << "'" << c.c << "' kind " << c.kind;
    }
}

TEST(IsValidSpinChar, EmptyTextsOfferNoCharacter) {
    // An empty separator or designator must not make the terminating zero a valid character.
    EXPECT_FALSE(IsValidSpinChar('\0', eSpinTime, "", "", "", ""));
    EXPECT_FALSE(IsValidSpinChar('\0', eSpinDate, nullptr, nullptr, nullptr, nullptr));
    EXPECT_TRUE(IsValidSpinChar('5', eSpinDate, nullptr, nullptr, nullptr, nullptr));
}

} // namespace
