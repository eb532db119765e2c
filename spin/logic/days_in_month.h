// Month lengths by the Gregorian calendar.
#pragma once

// Days in month nMonth of year nYear. February has 29 days in years divisible by 4 but not by
// 100, or by 400 (1996 and 2000 are leap years, 1900 is not). A month outside 1..12 is read as
// the month it reaches counting on from the year given: 13 is January of the next year, 0 is
// December of the year before, -1 November of the year before.
int DaysInMonth(int nMonth, int nYear);
