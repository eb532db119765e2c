#include "spin/logic/keystroke.h"

#include <cstring>

namespace ruzav::spin {

namespace {

bool IsDigit(unsigned ch) {
    return ch >= '0' && ch <= '9';
}

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The number at the start of a trimmed text, read the way atoi reads it but saturating: a
// field can hold a long pasted run of digits, and the rules only compare against small values.
long LeadingNumber(const char* p) {
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    long v = 0;
    for (; IsDigit(static_cast<unsigned char>(*p)); ++p) {
        if (v < 1000000) {
            v = v * 10 + (*p - '0');
        }
    }
    return negative ? -v : v;
}

// The steps both forms share. Returns false when the verdict is already final (in `out`).
struct Position {
    const char* trimmed;
    long value;
    bool front;
    bool hasSelection;
};

bool CommonSteps(unsigned ch, const char* text, long s, long e, bool emptyAcceptsZero,
                 DigitVerdict& out, Position& pos) {
    out = DigitVerdict{};
    if (!IsDigit(ch)) {
        return false;
    }
    if (text == nullptr) {
        text = "";
    }
    const long length = static_cast<long>(std::strlen(text));
    // The blank that pads a one-digit value is not a position of its own.
    if (length > 0 && text[0] == ' ') {
        --s;
    }
    if (s != e && e >= length) {
        return false;
    }
    const char* trimmed = text;
    while (IsWhite(*trimmed)) {
        ++trimmed;
    }
    pos.trimmed = trimmed;
    pos.hasSelection = s < e;
    if (*trimmed == '\0') {
        if (emptyAcceptsZero || ch != '0') {
            out.accepted = true;
            out.trimFirst = pos.hasSelection;
            return false;
        }
        pos.value = 0;
    } else {
        pos.value = LeadingNumber(trimmed);
    }
    pos.front = e < length;
    return true;
}

DigitVerdict Finish(bool rejected, const Position& pos) {
    DigitVerdict out;
    out.accepted = !rejected;
    out.trimFirst = out.accepted && pos.hasSelection;
    return out;
}

} // namespace

DigitVerdict CheckTimeDigit(int clock, int lead, int field, unsigned ch, const char* text,
                            long selStart, long selEnd) {
    DigitVerdict out;
    Position pos{};
    if (!CommonSteps(ch, text, selStart, selEnd, true, out, pos)) {
        return out;
    }
    const long v = pos.value;
    bool rejected = true;
    switch (field) {
    case 1:
        if (pos.front) {
            rejected = (lead == 0 && ch == '0') || ch >= '3' || (clock == 0 && ch == '2') ||
                       (clock == 0 && ch == '1' && v > 2) || (clock == 1 && ch == '2' && v >= 4);
        } else {
            rejected =
                v > 2 || (clock == 0 && ch > '2' && v == 1) || (clock == 1 && ch > '3' && v == 2);
        }
        break;
    case 2:
        rejected = pos.front ? ch >= '6' : v > 5;
        break;
    default:
        // A designator field takes a digit only while it is empty (handled above).
        break;
    }
    return Finish(rejected, pos);
}

DigitVerdict CheckDateDigit(int component, unsigned ch, const char* text, long selStart,
                            long selEnd) {
    DigitVerdict out;
    Position pos{};
    if (!CommonSteps(ch, text, selStart, selEnd, false, out, pos)) {
        return out;
    }
    const long v = pos.value;
    // A day or month has two digits at most, and a field holding anything but one digit (a
    // full "19", or a text a host put there) takes no more: "19" with a '2' in front would
    // read as day 219.
    const bool roomForADigit =
        pos.trimmed[0] == '\0' ||
        (IsDigit(static_cast<unsigned char>(pos.trimmed[0])) && pos.trimmed[1] == '\0');
    if ((component == kComponentDay || component == kComponentMonth) && !roomForADigit) {
        return DigitVerdict{};
    }
    bool rejected = true;
    switch (component) {
    case kComponentDay:
        rejected = pos.front ? (ch > '3' || (ch == '3' && v > 1)) : (v > 3 || (v == 3 && ch > '1'));
        break;
    case kComponentMonth:
        rejected = pos.front ? (ch > '1' || (ch == '1' && v > 2)) : (v > 1 || (v == 1 && ch > '2'));
        break;
    case kComponentYear:
        rejected = false;
        break;
    default:
        break;
    }
    return Finish(rejected, pos);
}

Designator ChooseDesignator(unsigned ch, const char* am, const char* pm) {
    if (am == nullptr) {
        am = "";
    }
    if (pm == nullptr) {
        pm = "";
    }
    // Only single-byte characters can be found in the texts; NUL would match every terminator.
    if (ch == 0 || ch > 0xFF) {
        return Designator::None;
    }
    auto contains = [](const char* s, unsigned c) {
        return std::strchr(s, static_cast<char>(static_cast<unsigned char>(c))) != nullptr;
    };
    if (!contains(am, ch) && !contains(pm, ch)) {
        ch = (ch >= 'a' && ch <= 'z')   ? ch - 'a' + 'A'
             : (ch >= 'A' && ch <= 'Z') ? ch - 'A' + 'a'
                                        : ch;
    }
    if (contains(am, ch)) {
        return Designator::Morning;
    }
    if (contains(pm, ch)) {
        return Designator::Afternoon;
    }
    return Designator::None;
}

} // namespace ruzav::spin
