// One step of a spin control's value: the arrows step by 1, the page keys by 15.
#pragma once

#include "spin/logic/regional.h"
#include <ruzav32/spin_types.h>

namespace ruzav::spin {

// value + step * n, then raised to min and lowered to max (max wins when the limits cross).
// Computed wide, so no step overflows. 0..100 by 5: 98 up is 100, 10 page up (15 steps) is 85.
void StepWholeNumber(int& nValue, int nMin, int nMax, int nStep, int n);
// The same for a fraction; the result is always within the float range.
void StepFraction(float& fValue, float fMin, float fMax, float fStep, int n);

// Focus 1 steps the hour and focus 2 the minute, both wrapping round the clock (23:59 minute up
// is 00:00). Focus 3 switches between morning and afternoon whatever the sign and size of n,
// by the designator the field shows (pszField3, null when the field is missing): the morning
// text adds 12 hours, the afternoon text takes 12 away, anything else changes nothing. The
// hour stays within 0..23 in every case.
void StepTime(tagSpinTime& time, int nFocus, int n, const char* pszField3,
              const Designators& designators);

// Adds nAmount to the component that field nField holds under the order, without carries: the
// day and month in 8 bits, the year kept within 0..65535. Returns the component, or eFocusNone,
// with no change, for a field other than 1..3. With nAmount 0 it only tells the component.
eDateFocus AddToDateField(tagSpinDate& date, eDateOrder eOrder, int nField, int nAmount);

// Steps the component of the focused field with calendar carries, keeps the year within
// 1980..2099 and then the day within its month. A day step carries through the months: 31
// December 1998 up is 1 January 1999, 1 March 2000 down is 29 February 2000, 25 January page up
// is 9 February. A month step keeps the day within the new month: 31 January month up is 28
// February; so does a year step: 29 February 2000 year up is 28 February 2001. The year clamp
// leaves day and month as they are: 1 January 1980 day down is 31 December 1980.
void StepDate(tagSpinDate& date, eDateOrder eOrder, int nFocus, int n);

} // namespace ruzav::spin
