// lstr*A and wsprintfA as the system behaves, null pointers included.
#include "conformance.h"

#include <windows.h>

#include <cstring>

namespace {

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

} // namespace

CONFORMANCE_TEST(KernelStringCopies) {
    char buffer[16];
    CHECK(lstrcpyA(buffer, "abc") == buffer);
    CHECK(lstrcatA(buffer, "def") == buffer);
    CHECK_STR_EQ("abcdef", buffer);
    CHECK_EQ(6, lstrlenA(buffer));
    CHECK_EQ(0, lstrlenA(nullptr));
    std::memset(buffer, '#', sizeof buffer);
    CHECK(lstrcpynA(buffer, "abcdef", 4) == buffer);
    CHECK_STR_EQ("abc", buffer);
    CHECK_EQ('#', buffer[4]);
    CHECK(lstrcpynA(buffer, "xyz", 1) == buffer);
    CHECK_STR_EQ("", buffer);
}

CONFORMANCE_TEST(KernelStringNullPointers) {
    char buffer[8] = "keep";
    CHECK(lstrcpyA(buffer, nullptr) == nullptr);
    CHECK(lstrcatA(buffer, nullptr) == nullptr);
    CHECK(lstrcpyA(nullptr, "abc") == nullptr);
    CHECK_STR_EQ("keep", buffer);
    CHECK_EQ(0, lstrcmpA(nullptr, nullptr));
    CHECK_EQ(-1, Sign(lstrcmpA(nullptr, "a")));
    CHECK_EQ(1, Sign(lstrcmpA("a", nullptr)));
}

CONFORMANCE_TEST(KernelStringComparisons) {
    struct Row {
        const char* a;
        const char* b;
        int sign;
        int signIgnoringCase;
    } rows[] = {
        {"abc", "abc", 0, 0},  {"a", "B", -1, -1},        {"B", "a", 1, 1},
        {"abc", "ABC", -1, 0}, {"ab", "abc", -1, -1},     {"", "a", -1, -1},
        {"1", "a", -1, -1},    {"Zeta", "alpha", 1, 1},   {"aB", "Ab", -1, 0},
        {"_", "a", -1, -1},    {"coop", "co-op", -1, -1}, {"co-op", "cop", -1, -1},
        {"a-b", "ab", 1, 1},
    };
    for (const Row& row : rows) {
        CHECK_EQ(row.sign, Sign(lstrcmpA(row.a, row.b)));
        CHECK_EQ(row.signIgnoringCase, Sign(lstrcmpiA(row.a, row.b)));
    }
}

CONFORMANCE_TEST(KernelWsprintfFormats) {
    char b[64];
    CHECK_EQ(12, wsprintfA(b, "Ln %d, Col 1", 12));
    CHECK_STR_EQ("Ln 12, Col 1", b);
    wsprintfA(b, "%i|%u", -42, 0xffffffffu);
    CHECK_STR_EQ("-42|4294967295", b);
    wsprintfA(b, "%x %X %#x", 255, 255, 255);
    CHECK_STR_EQ("ff FF 0xff", b);
    wsprintfA(b, "%4d|%-4d|%03d|%.4d", 7, 7, 7, 42);
    CHECK_STR_EQ("   7|7   |007|0042", b);
    wsprintfA(b, "%.2s|%5s|%-5s|", "abc", "abc", "abc");
    CHECK_STR_EQ("ab|  abc|abc  |", b);
    wsprintfA(b, "%s", static_cast<const char*>(nullptr));
    CHECK_STR_EQ("(null)", b);
    wsprintfA(b, "%c%%%d%%", 'x', 50);
    CHECK_STR_EQ("x%50%", b);
    wsprintfA(b, "%ld|%lu", static_cast<LONG>(-5), static_cast<DWORD>(5));
    CHECK_STR_EQ("-5|5", b);
}

CONFORMANCE_TEST(KernelWsprintfStopsAt1024Bytes) {
    std::string longText(3000, 'a');
    char buffer[1100];
    std::memset(buffer, '#', sizeof buffer);
    int written = wsprintfA(buffer, "%s", longText.c_str());
    CHECK_EQ(static_cast<size_t>(1023), std::strlen(buffer));
    CHECK_EQ('#', buffer[1024]);
    // Windows reports the cut differently across versions (1023 or 1024); never more.
    CHECK(written == 1023 || written == 1024);
}
