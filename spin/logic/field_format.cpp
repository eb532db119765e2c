// Index: a bounded decimal writer - numbers - time - date.
#include "spin/logic/field_format.h"

#include "spin/logic/date_order.h"

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

void FormatFloatField(float fValue, char (&szText)[kFieldTextSize]) {
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
