// Per-position rules for a digit typed into an hour, minute, day or month field, and the choice
// of designator for a letter typed into the designator field.
//
// A field is described by its text before the key and the selection [start, end) its edit
// control reports (start == end for a plain caret). The rules only look at the number already
// in the field and whether the new digit lands in front of it (tens) or behind it (units).
#pragma once

#include <cstddef>

namespace ruzav::spin {

struct DigitVerdict {
    bool accepted = false;
    // When set, the field's text must first be replaced by its text without leading blanks, so
    // that the edit control inserts the digit at the start of the bare number (" 5" -> "15").
    bool trimFirst = false;
};

// Which date component a field holds, numbered as the control numbers them.
constexpr int kComponentNone = 0;
constexpr int kComponentDay = 1;
constexpr int kComponentMonth = 2;
constexpr int kComponentYear = 3;

// A digit for a time field. `clock` is "iTime" (0 12-hour, 1 24-hour, anything else neither's
// special rules); `lead` is "iTLZero" for the hour field and 1 for the others; `field` 1..3.
// Example: 24-hour clock, hour field "  5" with the caret just before the 5: '1' is accepted
// with trimFirst, so the field reads "15"; on the 12-hour clock the same '1' is refused.
DigitVerdict CheckTimeDigit(int clock, int lead, int field, unsigned ch, const char* text,
                            long selStart, long selEnd);

// A digit for a date field holding `component`. The year takes every digit; a day or month
// field takes one only while it is empty or holds a single digit, so never a third.
// Example: day field "3" with the caret at its end takes '0' and '1' only; "19" takes none.
DigitVerdict CheckDateDigit(int component, unsigned ch, const char* text, long selStart,
                            long selEnd);

enum class Designator { None, Morning, Afternoon };

// The designator a typed character picks. A character found in neither text is tried again with
// its case flipped; the morning text is searched first. Null texts count as empty.
// Example: with "AM" and "PM", 'p' picks the afternoon, 'm' the morning, 'x' nothing.
Designator ChooseDesignator(unsigned ch, const char* am, const char* pm);

} // namespace ruzav::spin
