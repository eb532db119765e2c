// Case mapping and classification of the 8-bit character set: ASCII letters change, every other
// byte stays as it is, and a "pointer" below 0x10000 is one character passed by value.
#include "user_fixture.h"

#include <string>

namespace user_test {
namespace {

using CharsTest = UserTest;

TEST_F(CharsTest, StringsChangeOnlyTheirAsciiLetters) {
    const std::string mixed = "Mixed 1-2_z\xe9\xc9!";
    std::string upper = mixed, lower = mixed;
    EXPECT_EQ(CharUpperA(&upper[0]), &upper[0]);
    EXPECT_EQ(CharLowerA(&lower[0]), &lower[0]);
    EXPECT_EQ(upper, "MIXED 1-2_Z\xe9\xc9!");
    EXPECT_EQ(lower, "mixed 1-2_z\xe9\xc9!");
}

TEST_F(CharsTest, BuffersChangeExactlyTheirLengthPastAnyNul) {
    char text[] = "ab\0cd";
    EXPECT_EQ(CharUpperBuffA(text, 4), 4u);
    EXPECT_EQ(std::string(text, 5), std::string("AB\0Cd", 5));
    EXPECT_EQ(CharLowerBuffA(text, 2), 2u);
    EXPECT_EQ(std::string(text, 5), std::string("ab\0Cd", 5));
    EXPECT_EQ(CharUpperBuffA(nullptr, 3), 0u);
    EXPECT_EQ(CharLowerBuffA(nullptr, 3), 0u);
}

TEST_F(CharsTest, ASmallValueIsOneCharacterConvertedByValue) {
    const struct {
        char in, upper, lower;
    } rows[] = {{'q', 'Q', 'q'}, {'Q', 'Q', 'q'}, {'7', '7', '7'}, {'\xe9', '\xe9', '\xe9'}};
    for (const auto& row : rows) {
        const ULONG_PTR in = static_cast<unsigned char>(row.in);
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(in))),
                  static_cast<unsigned char>(row.upper))
            << row.in;
        EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CharLowerA(reinterpret_cast<LPSTR>(in))),
                  static_cast<unsigned char>(row.lower))
            << row.in;
    }
}

TEST_F(CharsTest, ClassificationKnowsOnlyAsciiLettersAndDigits) {
    EXPECT_TRUE(IsCharAlphaA('g') && IsCharAlphaA('G'));
    EXPECT_FALSE(IsCharAlphaA('5') || IsCharAlphaA('\xe9'));
    EXPECT_TRUE(IsCharAlphaNumericA('5') && IsCharAlphaNumericA('x'));
    EXPECT_FALSE(IsCharAlphaNumericA('-'));
    EXPECT_TRUE(IsCharUpperA('Z') && IsCharLowerA('z'));
    EXPECT_FALSE(IsCharUpperA('z') || IsCharLowerA('Z'));
}

} // namespace
} // namespace user_test
