#include "spin/logic/value_normalise.h"

#include "spin/logic/days_in_month.h"

namespace ruzav::spin {

void NormaliseTime(tagSpinTime& time) {
    // Whole ints, so that a carry never wraps round the 8-bit fields on its way.
    const int second = time.nSecond;
    const int minute = time.nMinute + second / 60;
    const int hour = time.nHour + minute / 60;
    time.nSecond = static_cast<std::uint8_t>(second % 60);
    time.nMinute = static_cast<std::uint8_t>(minute % 60);
    time.nHour = static_cast<std::uint8_t>(hour % 24);
}

void NormaliseDate(tagSpinDate& date) {
    int day = date.nDay;
    int month = date.nMonth;
    long year = date.nYear;
    if (month == 0) {
        month = 12;
        --year;
    }
    // One division by the length of the month before it advances: 62 January is 2 months and
    // 0 days on, and a day of 0 becomes the 1st.
    for (int length = DaysInMonth(month, static_cast<int>(year)); day > length;
         length = DaysInMonth(month, static_cast<int>(year))) {
        month += day / length;
        day %= length;
        if (day == 0) {
            day = 1;
        }
    }
    if (month > 12) {
        year += month / 12;
        month %= 12;
        if (month == 0) {
            month = 1;
        }
    }
    if (year < 0) {
        year = 0;
    } else if (year > 0xFFFF) {
        year = 0xFFFF;
    }
    date.nDay = static_cast<std::uint8_t>(day);
    date.nMonth = static_cast<std::uint8_t>(month);
    date.nYear = static_cast<std::uint16_t>(year);
}

} // namespace ruzav::spin
