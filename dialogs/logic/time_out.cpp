#include "dialogs/logic/time_out.h"

namespace timeout {

std::int32_t ClampSeconds(std::int32_t seconds) {
    if (seconds < 0)
        return 0;
    return seconds > kMaxSeconds ? kMaxSeconds : seconds;
}

std::uint32_t Deadline(std::uint32_t now, std::int32_t seconds) {
    return now + static_cast<std::uint32_t>(ClampSeconds(seconds)) * 1000u;
}

std::uint32_t FirstPeriod(std::int32_t seconds) {
    const std::uint32_t whole = static_cast<std::uint32_t>(ClampSeconds(seconds)) * 1000u;
    return whole < kPollMilliseconds ? whole : kPollMilliseconds;
}

Check CheckAt(std::uint32_t now, std::uint32_t deadline) {
    Check check;
    // Unsigned difference read as signed: how far the deadline lies ahead, across a wrap too.
    const std::int32_t ahead = static_cast<std::int32_t>(deadline - now);
    if (ahead <= 0) {
        check.expired = true;
        return check;
    }
    const std::uint32_t remaining = static_cast<std::uint32_t>(ahead);
    if (remaining < kPollMilliseconds)
        check.newPeriod = remaining;
    return check;
}

} // namespace timeout
