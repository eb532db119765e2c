// The arithmetic of a dialog's time-out, on plain tick counts.
//
// The tick count (milliseconds since system start) wraps to 0 after about 49.7 days, so a
// deadline is compared with the clock by the signed distance between them, never by plain
// size: with the clock at 0xFFFFF000 a 10-second time-out falls due at tick 0x00001710, and
// the clock reads as before that deadline until it gets there.
#pragma once

#include <cstdint>

namespace timeout {

// The longest time-out in seconds whose milliseconds fit in a signed 32-bit distance.
constexpr std::int32_t kMaxSeconds = 2147483;
// A long time-out is checked at this interval, and ends with one period of what is left.
constexpr std::uint32_t kPollMilliseconds = 15000;

// Seconds as the dialog keeps them: a negative count starts nothing (0); one beyond kMaxSeconds
// is cut to it.
std::int32_t ClampSeconds(std::int32_t seconds);

// The tick at which a time-out of seconds started at now expires.
std::uint32_t Deadline(std::uint32_t now, std::int32_t seconds);

// The first timer period: the whole time-out when it is shorter than the polling interval.
std::uint32_t FirstPeriod(std::int32_t seconds);

// What a timer message at now should do with a time-out that expires at deadline.
struct Check {
    bool expired = false;
    // When not expired: the period to set the timer to anew, or 0 to leave it running as is.
    std::uint32_t newPeriod = 0;
};
Check CheckAt(std::uint32_t now, std::uint32_t deadline);

} // namespace timeout
