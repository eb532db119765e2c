// Index: numbers - time - date fields - date carries.
#include "spin/logic/value_step.h"

#include "spin/logic/date_order.h"
#include "spin/logic/date_value.h"
#include "spin/logic/days_in_month.h"

#include <cstring>

namespace ruzav::spin {

namespace {

long long FloorMod(long long value, long long modulus) {
    long long rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

long long FloorDiv(long long value, long long modulus) {
    return (value - FloorMod(value, modulus)) / modulus;
}

// Days since 1 March of year 0 in the proleptic Gregorian calendar, and back: eras of 400
// years repeat exactly, so the count needs no loop whatever the distance.
long long DaysFromCivil(long long year, long long month, long long day) {
    year -= month <= 2 ? 1 : 0;
    const long long era = FloorDiv(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

void CivilFromDays(long long days, long long& year, long long& month, long long& day) {
    const long long era = FloorDiv(days, 146097);
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shifted = (5 * dayOfYear + 2) / 153;
    day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    month = shifted < 10 ? shifted + 3 : shifted - 9;
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

} // namespace

void StepWholeNumber(int& nValue, int nMin, int nMax, int nStep, int n) {
    long long value = static_cast<long long>(nValue) + static_cast<long long>(nStep) * n;
    if (value < nMin) {
        value = nMin;
    }
    if (value > nMax) {
        value = nMax;
    }
    // Both clamps leave a value between two ints, so the wide sum never has to wrap.
    nValue = static_cast<int>(value);
}

void StepFraction(float& fValue, float fMin, float fMax, float fStep, int n) {
    double value = static_cast<double>(n) * fStep + fValue;
    if (value < fMin) {
        value = fMin;
    }
    if (value > fMax) {
        value = fMax;
    }
    fValue = static_cast<float>(value);
}

void StepTime(tagSpinTime& time, int nFocus, int n, const char* pszField3,
              const Designators& designators) {
    long long hour = time.nHour;
    switch (nFocus) {
    case 1:
        hour += n;
        break;
    case 2: {
        const long long minute = static_cast<long long>(time.nMinute) + n;
        hour += FloorDiv(minute, 60);
        time.nMinute = static_cast<std::uint8_t>(FloorMod(minute, 60));
        break;
    }
    case 3:
        if (pszField3 != nullptr && *pszField3 != '\0') {
            if (designators.pszAM != nullptr && std::strcmp(pszField3, designators.pszAM) == 0) {
                hour += 12;
            } else if (designators.pszPM != nullptr &&
                       std::strcmp(pszField3, designators.pszPM) == 0) {
                hour -= 12;
            }
        }
        break;
    default:
        return;
    }
    time.nHour = static_cast<std::uint8_t>(FloorMod(hour, 24));
}

eDateFocus AddToDateField(tagSpinDate& date, eDateOrder eOrder, int nField, int nAmount) {
    const eDateFocus component = DateFieldComponent(eOrder, nField);
    switch (component) {
    case eFocusDay:
        date.nDay = static_cast<std::uint8_t>(date.nDay + static_cast<unsigned>(nAmount));
        break;
    case eFocusMonth:
        date.nMonth = static_cast<std::uint8_t>(date.nMonth + static_cast<unsigned>(nAmount));
        break;
    case eFocusYear: {
        long long year = static_cast<long long>(date.nYear) + nAmount;
        date.nYear = static_cast<std::uint16_t>(year < 0 ? 0 : (year > 0xFFFF ? 0xFFFF : year));
        break;
    }
    default:
        break;
    }
    return component;
}

void StepDate(tagSpinDate& date, eDateOrder eOrder, int nFocus, int n) {
    const eDateFocus component = DateFieldComponent(eOrder, nFocus);
    if (component == eFocusNone) {
        return;
    }
    // Day and month are read unsigned and every sum is wide, so neither a stored byte nor a
    // step of any size can wrap round and jump the wrong way. A month outside 1..12 (a host's)
    // is first carried into the years, then the step applies.
    long long month = FloorMod(date.nMonth - 1LL, 12) + 1;
    long long year = date.nYear + FloorDiv(date.nMonth - 1LL, 12);
    long long day = date.nDay;
    switch (component) {
    case eFocusDay:
        // Counted in days, so 25 January page up is 9 February and 1 March 2000 down is 29
        // February, however far the step goes.
        CivilFromDays(DaysFromCivil(year, month, 1) + (day - 1) + n, year, month, day);
        break;
    case eFocusMonth: {
        const long long months = year * 12 + (month - 1) + n;
        year = FloorDiv(months, 12);
        month = FloorMod(months, 12) + 1;
        break;
    }
    default:
        year += n;
        break;
    }
    // The year clamp leaves day and month as they are (1 January 1980 day down is 31 December
    // 1980); the day then has to fit its month: 29 February 2000 year up is 28 February 2001.
    year = year < kFirstYear ? kFirstYear : (year > kLastYear ? kLastYear : year);
    const long long length = DaysInMonth(static_cast<int>(month), static_cast<int>(year));
    day = day < 1 ? 1 : (day > length ? length : day);
    date.nDay = static_cast<std::uint8_t>(day);
    date.nMonth = static_cast<std::uint8_t>(month);
    date.nYear = static_cast<std::uint16_t>(year);
}

} // namespace ruzav::spin
