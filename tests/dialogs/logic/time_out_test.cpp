// Time-out arithmetic: seconds as kept, deadlines, the first period and what a timer message at
// a given tick does, across the tick count's wrap-around too.
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

TEST(TimeOutPeriods, ShortTimeOutsUseOnePeriodLongOnesPoll) {
    struct Row {
        std::int32_t seconds;
        std::uint32_t period;
    };
    // A row: seconds asked, first timer period in milliseconds.
    for (const Row& row : {Row{1, 1000}, Row{10, 10000}, Row{14, 14000}, Row{15, 15000},
                           Row{40, 15000}, Row{timeout::kMaxSeconds, 15000}}) {
        EXPECT_EQ(row.period, timeout::FirstPeriod(row.seconds)) << row.seconds;
    }
}

TEST(TimeOutCheck, FortySecondsPollTwiceThenTheExactRest) {
    const std::uint32_t start = 1000000;
    const std::uint32_t deadline = timeout::Deadline(start, 40);
    EXPECT_EQ(start + 40000, deadline);

    timeout::Check at15 = timeout::CheckAt(start + 15000, deadline);
    EXPECT_FALSE(at15.expired);
    EXPECT_EQ(0u, at15.newPeriod) << "25 s left: the timer keeps its 15 s period";

    timeout::Check at30 = timeout::CheckAt(start + 30000, deadline);
    EXPECT_FALSE(at30.expired);
    EXPECT_EQ(10000u, at30.newPeriod);

    EXPECT_TRUE(timeout::CheckAt(start + 40000, deadline).expired);
    EXPECT_TRUE(timeout::CheckAt(start + 40001, deadline).expired);
}

TEST(TimeOutCheck, EarlyMessageOnlyReArmsForTheRest) {
    const std::uint32_t deadline = timeout::Deadline(5000, 10);
    timeout::Check early = timeout::CheckAt(14997, deadline);
    EXPECT_FALSE(early.expired);
    EXPECT_EQ(3u, early.newPeriod);
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
