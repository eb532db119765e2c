// GetVersionExA and the platform clock as the driver sets them.
#include "kernel_fixture.h"

#include <cstring>

using VersionTest = KernelTest;
using ClockTest = KernelTest;

// The longer record is filled too; the sizes accepted: tests/conformance/kernel_system.cpp.
TEST_F(VersionTest, DefaultsToFourZeroOnPlatformTwo) {
    OSVERSIONINFOEXA info;
    std::memset(&info, 0xcc, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&info)));
    EXPECT_EQ(4u, info.dwMajorVersion);
    EXPECT_EQ(0u, info.dwMinorVersion);
    EXPECT_EQ(DWORD(VER_PLATFORM_WIN32_NT), info.dwPlatformId);
    EXPECT_STREQ("", info.szCSDVersion);
    EXPECT_EQ(0, info.wServicePackMajor);
    EXPECT_EQ(VER_NT_WORKSTATION, info.wProductType);
}

TEST_F(VersionTest, DriverSetsTheVersion) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_WINDOWS, 950, "B");
    OSVERSIONINFOA info;
    info.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(3u, info.dwMajorVersion);
    EXPECT_EQ(51u, info.dwMinorVersion);
    EXPECT_EQ(DWORD(VER_PLATFORM_WIN32_WINDOWS), info.dwPlatformId);
    EXPECT_EQ(950u, info.dwBuildNumber & 0xffff);
    EXPECT_STREQ("B", info.szCSDVersion);
    EXPECT_NE(0u, GetVersion() & 0x80000000u);
    desktop::reset();
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(4u, info.dwMajorVersion);
}

TEST_F(VersionTest, WrongRecordSizeIsRefusedUntouched) {
    for (DWORD size : {149u, 155u, 276u}) {
        OSVERSIONINFOA info;
        std::memset(&info, 0x5a, sizeof info);
        info.dwOSVersionInfoSize = size;
        EXPECT_FALSE(GetVersionExA(&info)) << size;
        EXPECT_EQ(0x5a5a5a5au, info.dwMajorVersion) << size;
    }
    EXPECT_FALSE(GetVersionExA(nullptr));
}

TEST_F(ClockTest, ManualClockStandsStillUntilAdvanced) {
    DWORD start = GetTickCount();
    EXPECT_EQ(start, GetTickCount());
    desktop::AdvanceClock(250);
    EXPECT_EQ(start + 250, GetTickCount());
    Sleep(1000); // under the driver, sleeping moves the clock instead of waiting
    EXPECT_EQ(start + 1250, GetTickCount());
}

TEST_F(ClockTest, LocalTimeMovesWithTheTicks) {
    SYSTEMTIME t{};
    t.wYear = 1999;
    t.wMonth = 12;
    t.wDay = 31;
    t.wHour = 23;
    t.wMinute = 59;
    t.wSecond = 59;
    desktop::SetClockTime(t);
    desktop::AdvanceClock(1500);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(2000, now.wYear);
    EXPECT_EQ(1, now.wMonth);
    EXPECT_EQ(1, now.wDay);
    EXPECT_EQ(6, now.wDayOfWeek); // a Saturday
    EXPECT_EQ(0, now.wHour);
    EXPECT_EQ(0, now.wSecond);
    EXPECT_EQ(500, now.wMilliseconds);
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    EXPECT_EQ(0, std::memcmp(&now, &utc, sizeof now));
    GetLocalTime(nullptr); // ignored, no crash
}

TEST_F(ClockTest, ResetStartsAtAFixedMoment) {
    desktop::AdvanceClock(123456);
    desktop::reset();
    EXPECT_EQ(1000000u, GetTickCount());
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(2026, now.wYear);
    EXPECT_EQ(3, now.wMonth);
    EXPECT_EQ(2, now.wDay);
    EXPECT_EQ(1, now.wDayOfWeek); // Monday
    EXPECT_EQ(9, now.wHour);
}

TEST_F(ClockTest, TickCountWrapsAsOnWindows) {
    desktop::SetTickCount(0xfffffff0u);
    desktop::AdvanceClock(0x20);
    EXPECT_EQ(0x10u, GetTickCount());
}
