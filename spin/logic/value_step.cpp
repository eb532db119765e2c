// Index: numbers - time - date fields - date carries.
#include "spin/logic/value_step.h"

#include "spin/logic/date_order.h"
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
    const eDateFocus component = AddToDateField(date, eOrder, nFocus, n);
    if (component == eFocusNone) {
        return;
    }
    // Day and month as signed 8-bit values, as a typed or stepped byte past 127 is a step
    // below zero; every loop below moves by at least 28 days or 12 months towards its range.
    int day = static_cast<std::int8_t>(date.nDay);
    int month = static_cast<std::int8_t>(date.nMonth);
    int year = date.nYear;
    if (component == eFocusDay) {
        while (day <= 0) {
            if (month == 0) {
                month = 11; // month 0 is December of the year before
                --year;
            } else if (--month == 0) {
                month = 12;
                --year;
            }
            day += DaysInMonth(month, year);
        }
        for (int length = DaysInMonth(month, year); day > length;
             length = DaysInMonth(month, year)) {
            day -= length;
            ++month;
        }
    }
    if (component == eFocusDay || component == eFocusMonth) {
        while (month <= 0) {
            month += 12;
            --year;
        }
        while (month > 12) {
            month -= 12;
            ++year;
        }
        const int length = DaysInMonth(month, year);
        if (day > length) {
            day = length;
        }
    }
    if (year < 1980) {
        year = 1980;
    } else if (year > 2099) {
        year = 2099;
    }
    date.nDay = static_cast<std::uint8_t>(day);
    date.nMonth = static_cast<std::uint8_t>(month);
    date.nYear = static_cast<std::uint16_t>(year);
}

} // namespace ruzav::spin
