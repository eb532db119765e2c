#include "spin/logic/date_value.h"

#include "spin/logic/days_in_month.h"

namespace ruzav::spin {

long YearForHost(long year, long currentYear) {
    return year < currentYear ? year + 100 : year;
}

bool IsDateInRange(long day, long month, long year) {
    return year >= kFirstYear && year <= kLastYear && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(static_cast<int>(month), static_cast<int>(year));
}

} // namespace ruzav::spin
