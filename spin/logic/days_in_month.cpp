#include "spin/logic/days_in_month.h"

namespace {

constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsLeapYear(long year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

} // namespace

int DaysInMonth(int nMonth, int nYear) {
    // Months counted from zero, so that floor division carries whole years either way.
    long index = static_cast<long>(nMonth) - 1;
    long year = nYear;
    long carry = index / 12;
    index %= 12;
    if (index < 0) {
        index += 12;
        --carry;
    }
    year += carry;
    if (index == 1 && IsLeapYear(year)) {
        return 29;
    }
    return kMonthLength[index];
}
