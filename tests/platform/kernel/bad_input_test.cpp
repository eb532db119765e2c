// Arguments a careless Win32 caller could pass: nothing crashes, nothing is written out of bounds,
// and each call answers with its documented failure or default.
#include "kernel_fixture.h"

#include <cstring>

using BadInputTest = KernelTest;

TEST_F(BadInputTest, ProfileCallsWithNullNames) {
    WriteProfileStringA("Intl", "sDate", ".");
    char buffer[32];
    std::memset(buffer, '#', sizeof buffer);
    // Null section or key lists names; null file is the user profile.
    DWORD n = GetPrivateProfileStringA(nullptr, "key", "d", buffer, sizeof buffer, nullptr);
    EXPECT_EQ(std::string("Intl\0\0", 6), std::string(buffer, n + 1));
    n = GetProfileStringA("Intl", nullptr, "d", buffer, sizeof buffer);
    EXPECT_EQ(std::string("sDate\0\0", 7), std::string(buffer, n + 1));
    EXPECT_EQ(9u, GetProfileIntA(nullptr, "x", 9));
    EXPECT_EQ(9u, GetProfileIntA("Intl", nullptr, 9));
    EXPECT_EQ(9u, GetPrivateProfileIntA("S", nullptr, 9, "C:\\X.INI"));
    EXPECT_EQ(9u, GetPrivateProfileIntA("S", "K", 9, nullptr));
    EXPECT_FALSE(WriteProfileStringA(nullptr, "K", "V"));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, "K", "V", "C:\\X.INI"));
    EXPECT_EQ(0u, GetProfileStringA("Intl", "sDate", "", nullptr, 10));
    // An empty file name names no file: the default.
    EXPECT_EQ(1u, GetPrivateProfileStringA("S", "K", "D", buffer, 8, ""));
    EXPECT_STREQ("D", buffer);
}

TEST_F(BadInputTest, OverlongProfileNamesAreCut) {
    std::string section(1000, 's'), key(1000, 'k');
    EXPECT_TRUE(WriteProfileStringA(section.c_str(), key.c_str(), "v"));
    char buffer[2];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(1u, GetProfileStringA(section.c_str(), key.c_str(), "", buffer, 2));
    EXPECT_STREQ("v", buffer);
    char list[8];
    std::memset(list, '#', sizeof list);
    EXPECT_EQ(6u, GetProfileStringA(nullptr, nullptr, "", list, sizeof list));
    EXPECT_EQ(std::string("ssssss\0\0", 8), std::string(list, 8));
}

TEST_F(BadInputTest, ModuleFolderAndSearchQueries) {
    EXPECT_EQ(nullptr, GetModuleHandleA(""));
    std::string longName(5000, 'm');
    EXPECT_EQ(nullptr, GetModuleHandleA(longName.c_str()));
    EXPECT_EQ(11u, GetWindowsDirectoryA(nullptr, 100)); // nothing to write to: the size needed
    WIN32_FIND_DATAA data;
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA("", &data));
    GetSystemTime(nullptr); // ignored
}
