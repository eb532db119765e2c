// lstr*A, MulDiv and wsprintfA as a Win32 caller uses them, bad pointers included.
#include "kernel_fixture.h"

#include <cstring>

using StringsTest = KernelTest;

TEST_F(StringsTest, CopyConcatenateAndMeasure) {
    char buffer[16] = "xxxxxxxxxxxxxxx";
    EXPECT_EQ(buffer, lstrcpyA(buffer, "abc"));
    EXPECT_EQ(buffer, lstrcatA(buffer, "def"));
    EXPECT_STREQ("abcdef", buffer);
    EXPECT_EQ(6, lstrlenA(buffer));
}

TEST_F(StringsTest, CopyNCutsAndAlwaysTerminates) {
    struct Row {
        const char* source;
        int count;
        const char* expected;
    } rows[] = {{"abcdef", 4, "abc"}, {"abc", 4, "abc"}, {"abc", 1, ""}, {"", 5, ""}};
    for (const Row& row : rows) {
        char buffer[8];
        std::memset(buffer, '#', sizeof buffer);
        EXPECT_EQ(buffer, lstrcpynA(buffer, row.source, row.count));
        EXPECT_STREQ(row.expected, buffer) << row.source << " " << row.count;
        EXPECT_EQ('#', buffer[std::strlen(row.expected) + 1]) << "wrote past the cut";
    }
    char untouched[4] = "xyz";
    EXPECT_EQ(untouched, lstrcpynA(untouched, "abc", 0));
    EXPECT_STREQ("xyz", untouched);
}

TEST_F(StringsTest, NullPointersAreRefusedWithoutCrashing) {
    char buffer[8] = "keep";
    EXPECT_EQ(0, lstrlenA(nullptr));
    EXPECT_EQ(nullptr, lstrcpyA(nullptr, "abc"));
    EXPECT_EQ(nullptr, lstrcpyA(buffer, nullptr));
    EXPECT_EQ(nullptr, lstrcatA(buffer, nullptr));
    EXPECT_EQ(nullptr, lstrcatA(nullptr, "x"));
    EXPECT_EQ(nullptr, lstrcpynA(buffer, nullptr, 5));
    EXPECT_EQ(nullptr, lstrcpynA(nullptr, "abc", 5));
    EXPECT_STREQ("keep", buffer);
    EXPECT_EQ(DWORD(ERROR_INVALID_PARAMETER), GetLastError());
}

TEST_F(StringsTest, ComparisonsFollowWordSort) {
    struct Row {
        const char* a;
        const char* b;
        int sign;       // lstrcmpA
        int signIgnore; // lstrcmpiA
    } rows[] = {
        {"abc", "abc", 0, 0},      {"a", "B", -1, -1},       {"B", "a", 1, 1},
        {"abc", "ABC", -1, 0},     {"ABC", "abc", 1, 0},     {"ab", "abc", -1, -1},
        {"", "a", -1, -1},         {"1", "a", -1, -1},       {"!", "1", -1, -1},
        {"coop", "co-op", -1, -1}, {"co-op", "cop", -1, -1}, {nullptr, nullptr, 0, 0},
        {nullptr, "", -1, -1},     {"", nullptr, 1, 1},
    };
    auto sign = [](int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
    for (const Row& row : rows) {
        EXPECT_EQ(row.sign, sign(lstrcmpA(row.a, row.b)))
            << (row.a ? row.a : "(null)") << " vs " << (row.b ? row.b : "(null)");
        EXPECT_EQ(row.signIgnore, sign(lstrcmpiA(row.a, row.b)))
            << (row.a ? row.a : "(null)") << " vs " << (row.b ? row.b : "(null)");
    }
}

TEST_F(StringsTest, MulDivRoundsAndRejects) {
    EXPECT_EQ(4, MulDiv(7, 1, 2));
    EXPECT_EQ(-4, MulDiv(-7, 1, 2));
    EXPECT_EQ(11, MulDiv(8, 96, 72)); // 10.67
    EXPECT_EQ(2000000000, MulDiv(2000000000, 3, 3));
    EXPECT_EQ(-1, MulDiv(5, 5, 0));
    EXPECT_EQ(-1, MulDiv(2000000000, 4, 1));
}

TEST_F(StringsTest, WsprintfFormats) {
    struct Row {
        std::string expected;
        std::string actual;
    };
    char b[64];
    auto f = [&](auto... args) {
        wsprintfA(b, args...);
        return std::string(b);
    };
    Row rows[] = {
        {"42", f("%d", 42)},
        {"-42", f("%i", -42)},
        {"4294967295", f("%u", 0xffffffffu)},
        {"ff FF 0xff", f("%x %X %#x", 255, 255, 255)},
        {"   7|7   |007", f("%4d|%-4d|%03d", 7, 7, 7)},
        {"0042", f("%.4d", 42)},
        {"ab|  abc|abc  ", f("%.2s|%5s|%-5s", "abc", "abc", "abc")},
        {"(null)", f("%s", static_cast<const char*>(nullptr))},
        {"x%", f("%c%%", 'x')},
        {"-2147483648", f("%ld", static_cast<LONG>(-2147483647 - 1))},
        {"50%", f("%d%%", 50)},
        {"12345678901", f("%I64d", 12345678901LL)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, row.actual);
}

TEST_F(StringsTest, WsprintfReturnsCountAndStopsAt1024Bytes) {
    EXPECT_EQ(5, wsprintfA(std::string(8, '\0').data(), "%s", "hello"));
    std::string longText(3000, 'a');
    char buffer[1100];
    std::memset(buffer, '#', sizeof buffer);
    int written = wsprintfA(buffer, "%s%s", longText.c_str(), "tail");
    EXPECT_EQ(1023, written);
    EXPECT_EQ(1023u, std::strlen(buffer));
    EXPECT_EQ('#', buffer[1024]) << "wrote past 1024 bytes";
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(1023, wsprintfA(buffer, "%5000d", 1));
    EXPECT_EQ('#', buffer[1024]);
}

TEST_F(StringsTest, WsprintfBadArguments) {
    EXPECT_EQ(0, wsprintfA(nullptr, "%d", 1));
    char buffer[8] = "keep";
    EXPECT_EQ(0, wsprintfA(buffer, nullptr));
    EXPECT_STREQ("", buffer);
    // An unknown conversion prints as it stands; a lone '%' at the end prints nothing.
    EXPECT_EQ(1, wsprintfA(buffer, "%q%"));
    EXPECT_STREQ("q", buffer);
}
