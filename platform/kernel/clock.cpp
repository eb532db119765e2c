// The platform clock: GetTickCount, GetLocalTime, GetSystemTime, Sleep.
//
// A live host reads the monotonic clock (ticks since the platform started) and the wall clock.
// After desktop::reset() the clock is manual: the tick count and the local time stand still
// until the driver or the window manager advances them, and then move together, so a 1500 ms
// advance from 23:59:59.000 shows 00:00:00.500 of the next day and a tick 1500 higher.
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"

#include <cerrno>
#include <cstdint>
#include <ctime>

namespace kernel {
namespace {

constexpr std::int64_t kMsPerDay = 86400000;

struct ManualClock {
    bool active = false;
    DWORD tick = 0;
    std::int64_t wallMs = 0; // local time, milliseconds since 1970-01-01 00:00
};

ManualClock& Manual() {
    static ManualClock clock;
    return clock;
}

ClockAdvanceHandler& Handler() {
    static ClockAdvanceHandler handler = nullptr;
    return handler;
}

std::int64_t MonotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// Ticks count from the platform's start, as the system's count from boot.
std::int64_t StartMs() {
    static const std::int64_t start = MonotonicMs();
    return start;
}

// Days since 1970-01-01 for a civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

SYSTEMTIME FromMs(std::int64_t ms) {
    std::int64_t days = ms >= 0 ? ms / kMsPerDay : (ms - kMsPerDay + 1) / kMsPerDay;
    std::int64_t inDay = ms - days * kMsPerDay;
    std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    t.wMonth = static_cast<WORD>(m);
    t.wDay = static_cast<WORD>(d);
    t.wDayOfWeek = static_cast<WORD>(((days % 7) + 11) % 7); // 1970-01-01 was a Thursday
    t.wHour = static_cast<WORD>(inDay / 3600000);
    t.wMinute = static_cast<WORD>(inDay / 60000 % 60);
    t.wSecond = static_cast<WORD>(inDay / 1000 % 60);
    t.wMilliseconds = static_cast<WORD>(inDay % 1000);
    return t;
}

SYSTEMTIME FromTimespec(const timespec& ts, bool local) {
    std::tm parts{};
    if (local)
        localtime_r(&ts.tv_sec, &parts);
    else
        gmtime_r(&ts.tv_sec, &parts);
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(parts.tm_year + 1900);
    t.wMonth = static_cast<WORD>(parts.tm_mon + 1);
    t.wDayOfWeek = static_cast<WORD>(parts.tm_wday);
    t.wDay = static_cast<WORD>(parts.tm_mday);
    t.wHour = static_cast<WORD>(parts.tm_hour);
    t.wMinute = static_cast<WORD>(parts.tm_min);
    t.wSecond = static_cast<WORD>(parts.tm_sec);
    t.wMilliseconds = static_cast<WORD>(ts.tv_nsec / 1000000);
    return t;
}

// The wall clock, local or UTC. The manual clock keeps one time zone, UTC, so system and local
// time agree under the driver.
void ReadWallClock(LPSYSTEMTIME time, bool local) {
    if (!time)
        return;
    if (IsManualClock()) {
        *time = FromMs(Manual().wallMs);
        return;
    }
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    *time = FromTimespec(ts, local);
}

} // namespace

DWORD CurrentTick() {
    if (Manual().active)
        return Manual().tick;
    return static_cast<DWORD>(MonotonicMs() - StartMs());
}

bool IsManualClock() {
    return Manual().active;
}

void AdvanceManualClock(DWORD milliseconds) {
    if (!Manual().active)
        return;
    Manual().tick += milliseconds; // wraps as the system's count does
    Manual().wallMs += milliseconds;
}

void SetClockAdvanceHandler(ClockAdvanceHandler handler) {
    Handler() = handler;
}

ClockAdvanceHandler GetClockAdvanceHandler() {
    return Handler();
}

// The manual clock starts at a fixed moment: tick 1,000,000 (a system up for a quarter of an
// hour, so a tick-based deadline is never 0) on Monday 2 March 2026, 09:00:00.
void UseManualClock() {
    Manual().active = true;
    Manual().tick = 1000000;
    Manual().wallMs = DaysFromCivil(2026, 3, 2) * kMsPerDay + 9 * 3600000;
}

void UseLiveClock() {
    Manual().active = false;
}

void SetManualTick(DWORD tick) {
    Manual().tick = tick;
}

void SetManualLocalTime(const SYSTEMTIME& time) {
    Manual().wallMs = DaysFromCivil(time.wYear, time.wMonth, time.wDay) * kMsPerDay +
                      time.wHour * 3600000LL + time.wMinute * 60000LL + time.wSecond * 1000LL +
                      time.wMilliseconds;
}

} // namespace kernel

DWORD WINAPI GetTickCount() {
    return kernel::CurrentTick();
}

void WINAPI GetLocalTime(LPSYSTEMTIME time) {
    kernel::ReadWallClock(time, true);
}

void WINAPI GetSystemTime(LPSYSTEMTIME time) {
    kernel::ReadWallClock(time, false);
}

// Under the driver nothing sleeps: the manual clock moves on instead.
void WINAPI Sleep(DWORD milliseconds) {
    if (kernel::IsManualClock()) {
        kernel::AdvanceManualClock(milliseconds);
        return;
    }
    timespec ts{static_cast<time_t>(milliseconds / 1000),
                static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}
