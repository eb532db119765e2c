// Index: a bounded decimal writer - numbers - time - date.
#include "spin/logic/field_format.h"

#include "spin/logic/date_order.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace ruzav::spin {

namespace {

// printf's "%<width>d" and "%0<width>d" for the widths used here, without printf's cost on
// every step. Width is at most 4, so the text always fits the field buffer.
void WriteDecimal(long value, int width, char pad, char (&out)[kFieldTextSize]) {
    char digits[24];
    int count = 0;
    const bool negative = value < 0;
    unsigned long magnitude =
        negative ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    int length = count + (negative ? 1 : 0);
    int at = 0;
    if (pad == ' ') {
        for (; length + at < width; ++at) {
            out[at] = ' ';
        }
        if (negative) {
            out[at++] = '-';
        }
    } else {
        if (negative) {
            out[at++] = '-';
        }
        for (; length < width; ++length) {
            out[at++] = '0';
        }
    }
    while (count > 0) {
        out[at++] = digits[--count];
    }
    out[at] = '\0';
}

void CopyBounded(const char* source, char (&out)[kFieldTextSize]) {
    std::size_t i = 0;
    for (; source != nullptr && i + 1 < kFieldTextSize && source[i] != '\0'; ++i) {
        out[i] = source[i];
    }
    out[i] = '\0';
}

void FormatDatePiece(const tagSpinDate& date, eDatePos eForm, int nField,
                     char (&out)[kFieldTextSize]) {
    switch (eForm) {
    case ePosD:
    case ePosM: {
        const int value = eForm == ePosD ? date.nDay : date.nMonth;
        WriteDecimal(value, nField == 3 ? 1 : 2, ' ', out);
        break;
    }
    case ePosDD:
        WriteDecimal(date.nDay, 2, '0', out);
        break;
    case ePosMM:
        WriteDecimal(date.nMonth, 2, '0', out);
        break;
    case ePosYY:
        WriteDecimal(date.nYear % 100, 2, '0', out);
        break;
    case ePosYYYY:
        WriteDecimal(date.nYear, 4, ' ', out);
        break;
    default:
        out[0] = '\0';
        break;
    }
}

} // namespace

void FormatIntField(int nValue, char (&szText)[kFieldTextSize]) {
    WriteDecimal(nValue, 2, ' ', szText);
}

namespace {

// "%7.2f" of a float, as the C library writes it, without its general formatter. A float is
// m * 2^e with m below 2^24, so value * 100 is m * 100 (below 2^31) shifted by e: its integer
// part and the remainder come out exact, and the remainder rounds as the library rounds the
// exact binary value (half to even, ties being exact). False for values this does not cover
// (not finite, 2^40 and beyond); the caller formats those the general way.
bool WriteTwoDecimals(float fValue, char (&szText)[kFieldTextSize]) {
    if (!(fValue == fValue) || fValue >= 1099511627776.0f || fValue <= -1099511627776.0f) {
        return false;
    }
    const bool negative = std::signbit(fValue);
    int exponent = 0;
    const float mantissa = std::frexp(negative ? -fValue : fValue, &exponent); // [0.5, 1)
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 24));       // exact
    exponent -= 24; // value = m * 2^exponent
    std::uint64_t hundredths = 0;
    if (exponent >= 0) {
        hundredths = (m * 100) << exponent; // below 2^40 * 100: fits
    } else if (exponent > -64) {
        const unsigned shift = static_cast<unsigned>(-exponent);
        const std::uint64_t scaled = m * 100;
        hundredths = shift >= 64 ? 0 : scaled >> shift;
        const std::uint64_t rest = scaled - (hundredths << shift);
        const std::uint64_t half = std::uint64_t(1) << (shift - 1);
        if (rest > half || (rest == half && (hundredths & 1) != 0)) {
            ++hundredths;
        }
    } // else: far below a hundredth, and not a tie: rounds to zero
    char digits[24];
    int count = 0;
    std::uint64_t rest = hundredths;
    do {
        digits[count++] = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0 || count < 3); // at least "0.00"
    const int length = count + 1 + (negative ? 1 : 0);
    int at = 0;
    for (; at + length < 7; ++at) {
        szText[at] = ' ';
    }
    if (negative) {
        szText[at++] = '-';
    }
    while (count > 2) {
        szText[at++] = digits[--count];
    }
    szText[at++] = '.';
    szText[at++] = digits[1];
    szText[at++] = digits[0];
    szText[at] = '\0';
    return true;
}

} // namespace

void FormatFloatField(float fValue, char (&szText)[kFieldTextSize]) {
    if (WriteTwoDecimals(fValue, szText)) {
        return;
    }
    const int length = std::snprintf(szText, kFieldTextSize, "%7.2f", static_cast<double>(fValue));
    if (length < 0 || length >= kFieldTextSize) {
        // Nine significant digits tell every float apart, and fit in 15 characters.
        std::snprintf(szText, kFieldTextSize, "%.9g", static_cast<double>(fValue));
    }
}

void FormatTimeFields(const tagSpinTime& time, const ClockSettings& clock,
                      const Designators& designators, FieldTexts& texts) {
    int hour = time.nHour;
    texts.szField[2][0] = '\0';
    if (clock.nClock == 0) {
        if (hour < 12) {
            CopyBounded(designators.pszAM, texts.szField[2]);
        } else {
            hour -= 12;
            CopyBounded(designators.pszPM, texts.szField[2]);
        }
        if (hour == 0) {
            hour = 12;
        }
    }
    if (hour >= 10) {
        WriteDecimal(hour, 2, ' ', texts.szField[0]);
    } else if (clock.nLeadZero == 1) {
        WriteDecimal(hour, 2, '0', texts.szField[0]);
    } else {
        WriteDecimal(hour, 3, ' ', texts.szField[0]);
    }
    WriteDecimal(time.nMinute, 2, '0', texts.szField[1]);
}

void FormatDateFields(const tagSpinDate& date, eDateOrder eOrder, FieldTexts& texts) {
    for (int field = 1; field <= 3; ++field) {
        FormatDatePiece(date, DateFieldForm(eOrder, field), field, texts.szField[field - 1]);
    }
}

} // namespace ruzav::spin
