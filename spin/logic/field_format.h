// The texts a spin control shows in its fields for a value.
//
// Each text is built in a 32-byte buffer, as the control compares and writes at most 31
// characters. Numbers use a full stop as the decimal point whatever the regional settings.
#pragma once

#include "spin/logic/regional.h"
#include <ruzav32/spin_types.h>

namespace ruzav::spin {

constexpr int kFieldTextSize = 32;

struct FieldTexts {
    char szField[3][kFieldTextSize] = {};
};

// "%2d": 5 shows as " 5", -3 as "-3", 123 as "123".
void FormatIntField(int nValue, char (&szText)[kFieldTextSize]);

// "%7.2f": 3.14159 shows as "   3.14". A value whose text would not fit in 31 characters
// (from about 1e27 negative, 1e28 positive) shows in the shortest exponent form that reads back
// as the same float, such as "1.00000002e+30".
void FormatFloatField(float fValue, char (&szText)[kFieldTextSize]);

// Hour, minute and, on the 12-hour clock, the designator. 12-hour: 00:05 shows "12", "05",
// AM; 13:07 shows "01", "07", PM. Without the leading zero 09:30 shows "  9" (two blanks).
// On the 24-hour clock field 3 is empty.
void FormatTimeFields(const tagSpinTime& time, const ClockSettings& clock,
                      const Designators& designators, FieldTexts& texts);

// Day, month and year in the fields and forms the order gives: d or M is "%2d" in fields 1 and
// 2 and "%d" in field 3; dd and MM "%02d"; yy the year modulo 100 in "%02d"; yyyy "%4d".
// 5 March 1998 in order 0 shows " 3", " 5", "98"; in order 47 "1998", "03", "05".
void FormatDateFields(const tagSpinDate& date, eDateOrder eOrder, FieldTexts& texts);

} // namespace ruzav::spin
