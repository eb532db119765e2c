// The regional settings that the spin control's value logic depends on, as plain data.
//
// The control reads them from section "Intl" of the user profile: the separators, designators
// and short-date pattern once when it is made, the clock and leading-zero settings each time it
// formats or reads back its fields. The keys, buffer sizes and defaults live here so that the
// class and its tests agree on them.
#pragma once

namespace ruzav::spin {

constexpr const char kIntlSection[] = "Intl";

// Texts: key, default, and the size of the buffer each one is read into (the text is cut to
// one character less).
constexpr const char kKeyDateSep[] = "sDate";
constexpr const char kKeyTimeSep[] = "sTime";
constexpr const char kKeyAM[] = "s1159";
constexpr const char kKeyPM[] = "s2359";
constexpr const char kKeyShortDate[] = "sShortDate";
constexpr const char kDefaultDateSep[] = "\\";
constexpr const char kDefaultTimeSep[] = ":";
constexpr const char kDefaultAM[] = "AM";
constexpr const char kDefaultPM[] = "PM";
constexpr const char kDefaultShortDate[] = "M\\d\\yy";
constexpr int kSeparatorSize = 5;   // separators shown between the fields
constexpr int kDesignatorSize = 32; // morning and afternoon designators
constexpr int kPatternSize = 10;    // short-date pattern and the delimiters that split it

// Numbers: key and default.
constexpr const char kKeyClock[] = "iTime";
constexpr const char kKeyLeadZero[] = "iTLZero";
constexpr int kDefaultClock = 0;    // 12-hour clock with designators
constexpr int kDefaultLeadZero = 1; // hours below 10 get a leading zero

// The two settings read at every formatting and read-back.
struct ClockSettings {
    int nClock = kDefaultClock;       // exactly 0: 12-hour clock; any other value: 24-hour
    int nLeadZero = kDefaultLeadZero; // exactly 1: "09"; any other value: "  9"
};

// The texts every field operation needs: the designators (at most 31 characters each).
struct Designators {
    const char* pszAM = kDefaultAM;
    const char* pszPM = kDefaultPM;
};

} // namespace ruzav::spin
