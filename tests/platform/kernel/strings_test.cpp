// lstr*A, MulDiv and wsprintfA where the conformance tests (tests/conformance/kernel_strings.cpp)
// do not reach: counts at the edges, null pointers and their error, over-wide conversions, bad
// arguments.
#include "kernel_fixture.h"

#include <cstring>
#include <tuple>

using StringsTest = KernelTest;

TEST_F(StringsTest, CopyNCutsAndAlwaysTerminates) {
    for (const auto& [source, count, expected] :
         {std::tuple{"abc", 4, "abc"}, std::tuple{"", 5, ""}}) {
        char buffer[8];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(buffer, lstrcpynA(buffer, source, count));
        EXPECT_STREQ(expected, buffer) << source << " " << count;
        EXPECT_EQ('#', buffer[std::strlen(expected) + 1]) << "wrote past the cut";
    }
    char untouched[4] = "xyz";
    EXPECT_EQ(untouched, lstrcpynA(untouched, "abc", 0));
    EXPECT_STREQ("xyz", untouched);
}

TEST_F(StringsTest, NullPointersAreRefusedWithAnError) {
    char buffer[8] = "keep";
    EXPECT_EQ(nullptr, lstrcpynA(buffer, nullptr, 5));
    EXPECT_EQ(nullptr, lstrcpynA(nullptr, "abc", 5));
    EXPECT_STREQ("keep", buffer);
    EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());
    auto sign = [](int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
    EXPECT_EQ(-1, sign(lstrcmpiA(nullptr, "")));
    EXPECT_EQ(1, sign(lstrcmpA("", nullptr)));
    EXPECT_EQ(-1, sign(lstrcmpA("!", "1")));
    EXPECT_EQ(1, sign(lstrcmpA("ABC", "abc")));
}

TEST_F(StringsTest, MulDivRoundsAndRejects) {
    EXPECT_EQ(4, MulDiv(7, 1, 2));
    EXPECT_EQ(-4, MulDiv(-7, 1, 2));
    EXPECT_EQ(11, MulDiv(8, 96, 72)); // 10.67
    EXPECT_EQ(2000000000, MulDiv(2000000000, 3, 3));
    EXPECT_EQ(-1, MulDiv(5, 5, 0));
    EXPECT_EQ(-1, MulDiv(2000000000, 4, 1));
}

TEST_F(StringsTest, WsprintfWideConversionsAndBadArguments) {
    char buffer[1100];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(1023, wsprintfA(buffer, "%5000d", 1));
    EXPECT_EQ('#', buffer[1024]) << "wrote past 1024 bytes";
    EXPECT_EQ(0, wsprintfA(nullptr, "%d", 1));
    EXPECT_EQ(0, wsprintfA(buffer, nullptr));
    EXPECT_STREQ("", buffer);
    // An unknown conversion prints as it stands; a lone '%' at the end prints nothing.
    EXPECT_EQ(1, wsprintfA(buffer, "%q%"));
    EXPECT_STREQ("q", buffer);
}
