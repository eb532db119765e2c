// The regional keys of the profile's "Intl" section, worked out from a POSIX locale's time
// formats (LC_TIME), the way a Windows profile reflects the regional settings.
//
// For example, a locale with date format "%d.%m.%Y", time format "%H:%M:%S" and no AM/PM
// strings gives sShortDate=dd.MM.yyyy, sDate=., sTime=:, iTime=1, iTLZero=1; one with
// "%m/%d/%Y", "%I:%M:%S %p", "AM", "PM" gives MM/dd/yyyy, /, :, iTime=0, iTLZero=1,
// s1159=AM, s2359=PM. A key that the formats do not determine is left out.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kernel {

struct LocaleTimeFormats {
    std::string dateFormat;     // D_FMT, e.g. "%m/%d/%Y"
    std::string timeFormat;     // T_FMT, e.g. "%H:%M:%S" or "%r"
    std::string timeFormatAmPm; // T_FMT_AMPM, what "%r" stands for
    std::string am;             // AM_STR
    std::string pm;             // PM_STR
};

using IntlKeys = std::vector<std::pair<std::string, std::string>>;

// Pure: the keys sShortDate, sDate, sTime, iTime, iTLZero, s1159, s2359 (those determined).
IntlKeys IntlKeysFromFormats(const LocaleTimeFormats& formats);

// The time formats of a locale ("" is the user's, from LC_ALL, LC_TIME or LANG). False when the
// locale is not installed or is the C/POSIX locale, which answers no key.
bool ReadLocaleTimeFormats(const char* localeName, LocaleTimeFormats* formats);

} // namespace kernel
