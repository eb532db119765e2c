// Index: blanks and numbers - number fields - time fields - date fields.
#include "spin/logic/field_parse.h"

#include "spin/logic/date_order.h"
#include "spin/logic/date_value.h"
#include "spin/logic/value_normalise.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cstring>

namespace ruzav::spin {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsEmptyOrBlank(const char* pszText) {
    const char* p = SkipLeadingBlanks(pszText);
    return p == nullptr || *p == '\0';
}

} // namespace

const char* SkipLeadingBlanks(const char* pszText) {
    if (pszText == nullptr) {
        return nullptr;
    }
    while (IsBlank(*pszText)) {
        ++pszText;
    }
    return pszText;
}

int ReadWholeNumber(const char* pszText) {
    const char* p = SkipLeadingBlanks(pszText);
    if (p == nullptr) {
        return 0;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // Counted in a wider type that stops growing once past the 32-bit range, so ten thousand
    // digits cost ten thousand steps and nothing overflows.
    long long magnitude = 0;
    for (; IsDigit(*p); ++p) {
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) {
            magnitude = magnitude * 10 + (*p - '0');
        }
    }
    if (negative) {
        return magnitude > static_cast<long long>(INT_MAX) + 1 ? INT_MIN
                                                               : static_cast<int>(-magnitude);
    }
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

float ReadFraction(const char* pszText) {
    const char* p = SkipLeadingBlanks(pszText);
    if (p == nullptr) {
        return 0.0f;
    }
    if (*p == '+' && (IsDigit(p[1]) || p[1] == '.')) {
        ++p; // from_chars takes no plus sign
    }
    // Only decimal notation counts: no hexadecimal, infinity or not-a-number texts, which a
    // user typing into a number field does not mean as numbers.
    const char* end = p + std::strlen(p);
    const char* digits = (*p == '-') ? p + 1 : p;
    if (!IsDigit(*digits) && !(*digits == '.' && IsDigit(digits[1]))) {
        return 0.0f;
    }
    double value = 0.0;
    const auto result = std::from_chars(p, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a double, or too close to zero: the decimal exponent of the first
        // significant digit tells which.
        const char* q = digits;
        long integerDigits = 0;
        long fractionZeros = 0;
        bool significant = false;
        for (; IsDigit(*q); ++q) {
            if (*q != '0' || significant) {
                significant = true;
                ++integerDigits;
            }
        }
        if (*q == '.') {
            for (++q; IsDigit(*q); ++q) {
                if (!significant) {
                    if (*q == '0') {
                        ++fractionZeros;
                    } else {
                        significant = true;
                    }
                }
            }
        }
        long exponent = (*q == 'e' || *q == 'E') ? ReadWholeNumber(q + 1) : 0;
        exponent += integerDigits > 0 ? integerDigits : -fractionZeros;
        if (!significant || exponent <= 0) {
            return 0.0f;
        }
        return *p == '-' ? -FLT_MAX : FLT_MAX;
    }
    if (result.ec != std::errc()) {
        return 0.0f;
    }
    if (value > FLT_MAX) {
        return FLT_MAX;
    }
    if (value < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(value);
}

bool ParseIntField(const char* pszField1, int& nValue) {
    if (IsEmptyOrBlank(pszField1)) {
        return false;
    }
    nValue = ReadWholeNumber(pszField1);
    return true;
}

bool ParseFloatField(const char* pszField1, float& fValue) {
    if (IsEmptyOrBlank(pszField1)) {
        return false;
    }
    fValue = ReadFraction(pszField1);
    return true;
}

bool ParseTimeFields(const char* const pszFields[3], int nClock, const Designators& designators,
                     tagSpinTime& time) {
    if (IsEmptyOrBlank(pszFields[0]) || pszFields[1] == nullptr || pszFields[2] == nullptr) {
        return false;
    }
    const char* minuteText = pszFields[1];
    const char* designator = pszFields[2];
    if (*minuteText == '\0' || (*designator == '\0' && nClock == 0)) {
        return false;
    }
    int hour = static_cast<std::uint8_t>(ReadWholeNumber(pszFields[0]));
    const int minute = static_cast<std::uint8_t>(ReadWholeNumber(minuteText));
    if (*designator != '\0') {
        const char* am = designators.pszAM != nullptr ? designators.pszAM : "";
        const char* pm = designators.pszPM != nullptr ? designators.pszPM : "";
        if (std::strcmp(designator, am) == 0) {
            hour %= 12;
        } else if (std::strcmp(designator, pm) == 0 && hour >= 1 && hour <= 11) {
            hour += 12;
        }
    }
    time.nHour = static_cast<std::uint8_t>(hour);
    time.nMinute = static_cast<std::uint8_t>(minute);
    NormaliseTime(time);
    return true;
}

bool ParseDateFields(const char* const pszFields[3], eDateOrder eOrder, long nCurrentYear,
                     tagSpinDate& date) {
    const char* texts[3];
    for (int i = 0; i < 3; ++i) {
        if (IsEmptyOrBlank(pszFields[i])) {
            return false;
        }
        texts[i] = SkipLeadingBlanks(pszFields[i]);
    }
    const char* yearText = texts[DateFieldOf(eOrder, eFocusYear) - 1];
    const long day = ReadWholeNumber(texts[DateFieldOf(eOrder, eFocusDay) - 1]);
    const long month = ReadWholeNumber(texts[DateFieldOf(eOrder, eFocusMonth) - 1]);
    long year = ReadWholeNumber(yearText);
    if (yearText[0] != '\0' && yearText[1] != '\0' && yearText[2] == '\0') {
        year += date.nYear / 100 * 100;
    }
    if (!IsDateInRange(day, month, YearForHost(year, nCurrentYear))) {
        return false;
    }
    date.nDay = static_cast<std::uint8_t>(day);
    date.nMonth = static_cast<std::uint8_t>(month);
    date.nYear = static_cast<std::uint16_t>(year);
    return true;
}

} // namespace ruzav::spin
