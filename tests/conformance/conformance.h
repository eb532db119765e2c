// A tiny test harness for conformance tests: Win32 behaviours written once with <windows.h> only,
// run against this platform and against Wine's real Win32. No other library is used, so the same
// files build with wineg++.
//
//   CONFORMANCE_TEST(ProfileReadsTrimmedValues) {
//       CHECK_EQ(3u, GetPrivateProfileStringA("S", "K", "", buffer, 4, path));
//       CHECK_STR_EQ("abc", buffer);
//   }
//
// A failed check prints its file, line, expression and both values, and the test goes on; the
// program returns 1 when any check failed. Run it with a name fragment to run only matching tests.
#pragma once

#include <string>

namespace conformance {

using TestFunction = void (*)();

struct Registration {
    Registration(const char* name, TestFunction function);
};

void Fail(const char* file, int line, const std::string& message);

// Values shown in a failure message.
std::string Show(long long value);
std::string Show(unsigned long long value);
std::string Show(const char* value);
std::string Show(const std::string& value);
std::string Show(const void* value);
inline std::string Show(char* value) {
    return Show(static_cast<const char*>(value));
}
inline std::string Show(bool value) {
    return value ? "true" : "false";
}
inline std::string Show(char value) {
    return Show(static_cast<long long>(value));
}
inline std::string Show(int value) {
    return Show(static_cast<long long>(value));
}
inline std::string Show(long value) {
    return Show(static_cast<long long>(value));
}
inline std::string Show(short value) {
    return Show(static_cast<long long>(value));
}
inline std::string Show(unsigned value) {
    return Show(static_cast<unsigned long long>(value));
}
inline std::string Show(unsigned long value) {
    return Show(static_cast<unsigned long long>(value));
}
inline std::string Show(unsigned short value) {
    return Show(static_cast<unsigned long long>(value));
}
inline std::string Show(unsigned char value) {
    return Show(static_cast<unsigned long long>(value));
}
template <typename T> std::string Show(T* value) {
    return Show(static_cast<const void*>(value));
}

std::string SafeString(const char* text); // "(null)" for a null pointer

// A DOS path for a scratch file named name, in a folder of this run under GetTempPathA. The
// folder and every file handed out are deleted when the run ends.
std::string TempPath(const char* name);

// Writes a file with exactly these bytes (for INI files with comments, quotes and blanks).
bool WriteTextFile(const std::string& path, const std::string& contents);
// The file's bytes; empty when it cannot be read.
std::string ReadTextFile(const std::string& path);

// Dispatches every message waiting in the queue, keys translated, as a message loop would.
void Pump();

} // namespace conformance

#define CONFORMANCE_TEST(name)                                                                     \
    static void name();                                                                            \
    static ::conformance::Registration name##_registration(#name, name);                           \
    static void name()

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::conformance::Fail(__FILE__, __LINE__, "CHECK(" #condition ") failed");               \
    } while (0)

#define CHECK_EQ(expected, actual)                                                                 \
    do {                                                                                           \
        auto&& conformance_e = (expected);                                                         \
        auto&& conformance_a = (actual);                                                           \
        if (!(conformance_e == conformance_a))                                                     \
            ::conformance::Fail(__FILE__, __LINE__,                                                \
                                "CHECK_EQ(" #expected ", " #actual ") failed: expected " +         \
                                    ::conformance::Show(conformance_e) + ", actual " +             \
                                    ::conformance::Show(conformance_a));                           \
    } while (0)

#define CHECK_NE(unexpected, actual)                                                               \
    do {                                                                                           \
        auto&& conformance_u = (unexpected);                                                       \
        auto&& conformance_a = (actual);                                                           \
        if (conformance_u == conformance_a)                                                        \
            ::conformance::Fail(__FILE__, __LINE__,                                                \
                                "CHECK_NE(" #unexpected ", " #actual ") failed: both " +           \
                                    ::conformance::Show(conformance_a));                           \
    } while (0)

// Compares two 8-bit strings by content; either may be null.
#define CHECK_STR_EQ(expected, actual)                                                             \
    do {                                                                                           \
        std::string conformance_e = ::conformance::SafeString(expected);                           \
        std::string conformance_a = ::conformance::SafeString(actual);                             \
        if (conformance_e != conformance_a)                                                        \
            ::conformance::Fail(__FILE__, __LINE__,                                                \
                                "CHECK_STR_EQ(" #expected ", " #actual ") failed: expected " +     \
                                    ::conformance::Show(conformance_e) + ", actual " +             \
                                    ::conformance::Show(conformance_a));                           \
    } while (0)
