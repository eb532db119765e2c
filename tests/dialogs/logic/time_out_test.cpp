// Time-out arithmetic where window tests cannot reach: the longest time-out, and a deadline
// across the tick count's wrap-around (the periods are checked on the manual clock in
// dlg_time_out_test.cpp).
#include "dialogs/logic/time_out.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(TimeOut, HugeIsCutAndDeadlinesHoldAcrossTheWrap) {
    EXPECT_EQ(0, timeout::ClampSeconds(INT32_MIN));
    EXPECT_EQ(timeout::kMaxSeconds, timeout::ClampSeconds(INT32_MAX));
    const std::uint32_t longest = timeout::Deadline(123, timeout::kMaxSeconds);
    EXPECT_FALSE(timeout::CheckAt(123 + 15000, longest).expired) << "still ahead";
    const std::uint32_t start = 0xFFFFF000u; // 4096 ms before the tick count wraps
    const std::uint32_t deadline = timeout::Deadline(start, 10);
    EXPECT_EQ(0x00001710u, deadline);
    const timeout::Check atZero = timeout::CheckAt(start + 4096, deadline);
    EXPECT_FALSE(atZero.expired) << "a plain comparison would expire here";
    EXPECT_EQ(10000u - 4096u, atZero.newPeriod);
    EXPECT_FALSE(timeout::CheckAt(deadline - 1, deadline).expired);
    EXPECT_TRUE(timeout::CheckAt(deadline, deadline).expired);
}

} // namespace
