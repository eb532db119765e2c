// Bringing a time or date that a host hands over into the ranges the control shows.
#pragma once

#include <ruzav32/spin_types.h>

namespace ruzav::spin {

// Seconds carry into minutes and minutes into hours; the hour wraps round the clock and the
// hundredths are left alone. 10:59:75 becomes 11:00:15; 23:59:60 becomes 00:00:00.
void NormaliseTime(tagSpinTime& time);

// A day past the end of its month carries into the following months and a month past 12 into
// the years, as whole multiples: 31 April becomes 1 May, 60 January 1999 becomes 1 March 1999
// (29 February, then 1 March), month 13 becomes January of the next year and month 24 January
// two years on. A month of 0 is December of the year before. Day 0 in a valid month and the
// year's range are left for Get to judge; the day of the week is never touched.
void NormaliseDate(tagSpinDate& date);

} // namespace ruzav::spin
