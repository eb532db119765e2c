// Reading what the fields hold, typed or written, back into a value.
//
// Field texts come in as the window side reads them: a null text stands for a field that does
// not exist. Numbers are read as the C library's atoi and atof read them (leading blanks, an
// optional sign, the digits up to the first other character; a comma is not a decimal point),
// except that they never overflow: a whole number saturates at the 32-bit limits and a
// fraction beyond the float range reads as the largest float of its sign.
#pragma once

#include "spin/logic/regional.h"
#include <ruzav32/spin_types.h>

namespace ruzav::spin {

// The text without its leading white space (blanks, tabs, line breaks); null stays null.
const char* SkipLeadingBlanks(const char* pszText);

// atoi without overflow: "  -12x" is -12, "x" is 0, "99999999999" is 2147483647.
int ReadWholeNumber(const char* pszText);
// atof without overflow; "3,5" is 3, "1e40" is 3.40282347e+38, "nan" is 0.
float ReadFraction(const char* pszText);

// Field 1 of a number control: false when it is missing, empty or blank.
bool ParseIntField(const char* pszField1, int& nValue);
bool ParseFloatField(const char* pszField1, float& fValue);

// Hour, minute and designator. False when field 1 is missing or blank, field 2 or 3 is missing,
// field 2 is empty, or field 3 is empty on the 12-hour clock (nClock 0). Hour and minute are
// kept as 8 bits, then the designator applies: the exact morning text makes the hour modulo
// 12, the exact afternoon text adds 12 to hours 1..11, any other text leaves the hour as typed.
// Then the carries of NormaliseTime, using the seconds held before. 12 30 AM is 00:30; 11 30 PM
// is 23:30; minutes 75 carry an hour; hour 25 on the 24-hour clock is 01. Blanks-only in field
// 2 are minute 0. On success only the hour, minute and second change.
bool ParseTimeFields(const char* const pszFields[3], int nClock, const Designators& designators,
                     tagSpinTime& time);

// Day, month and year from the fields the order gives. A year text of exactly two characters
// keeps the century of the year held before (with 1998 held, "05" is 1905), any other text is
// the year itself ("5" is the year 5). The result must be a date Get can hand over once a year
// short of nCurrentYear moves a century on (IsDateInRange of YearForHost): 31 April, day "219",
// month "310" or the year 5 are refused whole, with the date left as it was, so the fields can
// show the last good date again. False too when a field is missing, empty or blank. On success
// only day, month and year change, and the year is kept as read (1905, not 2005).
bool ParseDateFields(const char* const pszFields[3], eDateOrder eOrder, long nCurrentYear,
                     tagSpinDate& date);

} // namespace ruzav::spin
