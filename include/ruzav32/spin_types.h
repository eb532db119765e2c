// The value kinds, date orders and value records of the spin control, free of any window or
// framework header so that the value logic builds and is tested on its own.
//
// Index: eSpinValueTypes - eDatePos - eDateOrder - eDateFocus - tagSpinTime - tagSpinDate.
#pragma once

#include <cstddef>
#include <cstdint>

// The enumerations are 32-bit ints, so a value outside the named ones (a host's bad kind, say)
// is still a value the control can hold and judge.

// The kind of value a CKSpin edits. A control made with any other value is laid out as a time.
enum eSpinValueTypes : int {
    eSpinInt = 0,   // one field: a whole number
    eSpinFloat = 1, // one field: a number shown with two decimals
    eSpinTime = 2,  // hour, minute, morning/afternoon designator
    eSpinDate = 3,  // day, month and year in the regional order
};

// The kind of one piece of the regional short-date pattern.
enum eDatePos : int {
    ePosUnknown = 0, // anything not recognised
    ePosD = 1,       // d: day without leading zero
    ePosDD = 2,      // dd: day with leading zero
    ePosM = 3,       // M: month without leading zero
    ePosMM = 4,      // MM: month with leading zero
    ePosYY = 5,      // yy: year in two digits
    ePosYYYY = 6,    // yyyy: year in four digits
};

// Which component goes into which of the three date fields, and in which form. Twelve groups of
// four: the group names the pieces of fields 1-3, and within a group +2 means field 2 shows the
// long form (dd, MM, yyyy) and +1 that field 3 does. So 26 is dd, MM, yy and 47 is yyyy, MM, dd.
//
//   0 M d y    4 M y d    8 MM d y   12 MM y d   16 d M y   20 d y M
//  24 dd M y  28 dd y M  32 yy d M  36 yy M d   40 yyyy d M  44 yyyy M d
//
// Order 0 (M, d, yy) is also what an unreadable pattern gives.
enum eDateOrder : int {
    eDateOrderFirst = 0,
    eDateOrderLast = 47,
};

// The date component that a field holds.
enum eDateFocus : int {
    eFocusNone = 0, // no date component (field number not 1..3)
    eFocusDay = 1,
    eFocusMonth = 2,
    eFocusYear = 3,
};

// A time as hosts hand it to CKSpin::Set and receive it from CKSpin::Get: four bytes.
struct tagSpinTime {
    std::uint8_t nHour;      // 0..23
    std::uint8_t nMinute;    // 0..59
    std::uint8_t nSecond;    // carried into the minute, never shown
    std::uint8_t nHundredth; // passed through untouched
};

// A date as hosts exchange it. Five bytes are used; the 16-bit year makes the record 6 bytes
// under natural alignment, the sixth being padding that the control never reads or writes.
struct tagSpinDate {
    std::uint8_t nDay;       // 1..31
    std::uint8_t nMonth;     // 1..12
    std::uint16_t nYear;     // four digits, 1980..2099 accepted by Get
    std::uint8_t nDayOfWeek; // passed through, never computed or checked
};

static_assert(sizeof(tagSpinTime) == 4, "tagSpinTime is four bytes");
static_assert(offsetof(tagSpinTime, nHour) == 0 && offsetof(tagSpinTime, nMinute) == 1 &&
                  offsetof(tagSpinTime, nSecond) == 2 && offsetof(tagSpinTime, nHundredth) == 3,
              "tagSpinTime layout");
static_assert(sizeof(tagSpinDate) == 6, "tagSpinDate: five bytes used, one of padding");
static_assert(offsetof(tagSpinDate, nDay) == 0 && offsetof(tagSpinDate, nMonth) == 1 &&
                  offsetof(tagSpinDate, nYear) == 2 && offsetof(tagSpinDate, nDayOfWeek) == 4,
              "tagSpinDate layout");

// The number of bytes of a tagSpinDate that carry data; Set reads and Get writes only these.
constexpr std::size_t kSpinDateBytes = 5;
