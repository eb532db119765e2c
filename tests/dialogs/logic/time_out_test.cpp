// Time-out arithmetic where plain window tests cannot reach: seconds out of range, and
// deadlines across the tick count's wrap-around. (The periods are checked on the manual clock
// in dlg_time_out_test.cpp.)
#include "dialogs/logic/time_out.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(TimeOutSeconds, NegativeStartsNothingAndHugeIsCut) {
    EXPECT_EQ(0, timeout::ClampSeconds(-1));
    EXPECT_EQ(0, timeout::ClampSeconds(INT32_MIN));
    EXPECT_EQ(40, timeout::ClampSeconds(40));
    EXPECT_EQ(timeout::kMaxSeconds, timeout::ClampSeconds(INT32_MAX));
}

TEST(TimeOutCheck, DeadlinePastTheWrapWaitsItsFullTime) {
    const std::uint32_t start = 0xFFFFF000u; // 4096 ms before the tick count wraps
    const std::uint32_t deadline = timeout::Deadline(start, 10);
    EXPECT_EQ(0x00001710u, deadline);
    timeout::Check before = timeout::CheckAt(start + 4096, deadline); // the clock reads 0
    EXPECT_FALSE(before.expired) << "a plain comparison would expire here";
    EXPECT_EQ(10000u - 4096u, before.newPeriod);
    EXPECT_FALSE(timeout::CheckAt(deadline - 1, deadline).expired);
    EXPECT_TRUE(timeout::CheckAt(deadline, deadline).expired);
}

TEST(TimeOutCheck, LongestTimeOutStillLiesAhead) {
    const std::uint32_t start = 123;
    const std::uint32_t deadline = timeout::Deadline(start, timeout::kMaxSeconds);
    EXPECT_FALSE(timeout::CheckAt(start, deadline).expired);
    EXPECT_FALSE(timeout::CheckAt(start + 15000, deadline).expired);
    EXPECT_TRUE(timeout::CheckAt(deadline, deadline).expired);
}

} // namespace
