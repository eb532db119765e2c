// The dates a control may hold and hand to its host.
#pragma once

namespace ruzav::spin {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2099;

// The year as Get hands it over: one short of the present counts as one of the coming century.
// With the clock in 1998, 1990 is 2090 and 1998 stays 1998.
long YearForHost(long year, long currentYear);

// A day that exists in its month (29 February only in leap years), in a year 1980..2099.
bool IsDateInRange(long day, long month, long year);

} // namespace ruzav::spin
