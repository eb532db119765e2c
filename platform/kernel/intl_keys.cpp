// IntlKeysFromFormats: strftime formats to Windows picture strings and settings.
//
// A format is read as tokens: a literal character, or a conversion with its flags ("%-d" is a
// day without leading zero). Composite conversions are expanded first: %D is %m/%d/%y, %F is
// %Y-%m-%d, %T is %H:%M:%S, %R is %H:%M and %r is the locale's 12-hour format.
#include "kernel/intl_from_locale.h"

#include <cctype>

namespace kernel {
namespace {

struct Token {
    bool literal = true;
    char conversion = 0; // for a conversion: the letter
    char flag = 0;       // '-', '_', '0', '^' or '#'
    std::string text;    // for a literal: the character(s)
};

std::vector<Token> Tokenize(const std::string& format, const std::string& amPmFormat, int depth) {
    std::vector<Token> tokens;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 >= format.size()) {
            Token t;
            t.text = std::string(1, format[i]);
            tokens.push_back(t);
            continue;
        }
        size_t j = i + 1;
        char flag = 0;
        while (j < format.size() && std::string("-_0^#").find(format[j]) != std::string::npos)
            flag = format[j++];
        while (j < format.size() && std::isdigit(static_cast<unsigned char>(format[j])))
            ++j;
        if (j < format.size() && (format[j] == 'E' || format[j] == 'O'))
            ++j;
        if (j >= format.size())
            break;
        char c = format[j];
        i = j;
        std::string expansion;
        switch (c) {
        case 'D':
            expansion = "%m/%d/%y";
            break;
        case 'F':
            expansion = "%Y-%m-%d";
            break;
        case 'T':
            expansion = "%H:%M:%S";
            break;
        case 'R':
            expansion = "%H:%M";
            break;
        case 'r':
            expansion = depth == 0 && !amPmFormat.empty() ? amPmFormat : "%I:%M:%S %p";
            break;
        case '%': {
            Token t;
            t.text = "%";
            tokens.push_back(t);
            continue;
        }
        case 'n':
        case 't': {
            Token t;
            t.text = c == 'n' ? "\n" : "\t";
            tokens.push_back(t);
            continue;
        }
        default: {
            Token t;
            t.literal = false;
            t.conversion = c;
            t.flag = flag;
            tokens.push_back(t);
            continue;
        }
        }
        for (Token& t : Tokenize(expansion, amPmFormat, depth + 1))
            tokens.push_back(t);
    }
    return tokens;
}

bool NoPadding(const Token& t) {
    return t.flag == '-' || t.flag == '_';
}

// The Windows picture piece for one date conversion; empty when it has none.
std::string DatePiece(const Token& t) {
    switch (t.conversion) {
    case 'd':
        return NoPadding(t) ? "d" : "dd";
    case 'e':
        return "d";
    case 'm':
        return NoPadding(t) ? "M" : "MM";
    case 'y':
        return "yy";
    case 'Y':
        return "yyyy";
    case 'b':
    case 'h':
        return "MMM";
    case 'B':
        return "MMMM";
    case 'a':
        return "ddd";
    case 'A':
        return "dddd";
    default:
        return {};
    }
}

bool IsHour(char c) {
    return c == 'H' || c == 'I' || c == 'k' || c == 'l';
}
bool IsAmPm(char c) {
    return c == 'p' || c == 'P';
}

// Literal letters would read as picture letters, so they are quoted: "%d de %B" is
// "dd 'de' MMMM".
void AppendLiteral(std::string* picture, const std::string& text) {
    bool quoted = false;
    for (char c : text) {
        bool letter = std::isalpha(static_cast<unsigned char>(c)) != 0;
        if (letter != quoted) {
            *picture += '\'';
            quoted = letter;
        }
        *picture += c;
    }
    if (quoted)
        *picture += '\'';
}

void AddDateKeys(const std::vector<Token>& tokens, IntlKeys* keys) {
    std::string picture, separator, pending;
    int fields = 0;
    for (const Token& t : tokens) {
        if (t.literal) {
            pending += t.text;
            if (fields == 1)
                separator += t.text;
            continue;
        }
        std::string piece = DatePiece(t);
        if (piece.empty())
            return; // a date format this picture language cannot say
        AppendLiteral(&picture, pending);
        pending.clear();
        picture += piece;
        ++fields;
    }
    AppendLiteral(&picture, pending);
    if (fields == 0)
        return;
    keys->emplace_back("sShortDate", picture);
    if (fields >= 2 && !separator.empty())
        keys->emplace_back("sDate", separator);
}

void AddTimeKeys(const std::vector<Token>& tokens, IntlKeys* keys) {
    bool amPm = false;
    const Token* hour = nullptr;
    std::string separator;
    bool afterHour = false, separatorDone = false;
    for (const Token& t : tokens) {
        if (t.literal) {
            if (afterHour && !separatorDone)
                separator += t.text;
            continue;
        }
        if (afterHour)
            separatorDone = true;
        if (IsAmPm(t.conversion) || t.conversion == 'I' || t.conversion == 'l')
            amPm = true;
        if (IsHour(t.conversion) && !hour) {
            hour = &t;
            afterHour = true;
        }
    }
    if (!hour)
        return;
    keys->emplace_back("iTime", amPm ? "0" : "1");
    if (!separator.empty() && separatorDone)
        keys->emplace_back("sTime", separator);
    bool leadingZero = (hour->conversion == 'H' || hour->conversion == 'I') && !NoPadding(*hour);
    keys->emplace_back("iTLZero", leadingZero ? "1" : "0");
}

} // namespace

IntlKeys IntlKeysFromFormats(const LocaleTimeFormats& formats) {
    IntlKeys keys;
    AddDateKeys(Tokenize(formats.dateFormat, formats.timeFormatAmPm, 0), &keys);
    AddTimeKeys(Tokenize(formats.timeFormat, formats.timeFormatAmPm, 0), &keys);
    if (!formats.am.empty())
        keys.emplace_back("s1159", formats.am);
    if (!formats.pm.empty())
        keys.emplace_back("s2359", formats.pm);
    return keys;
}

} // namespace kernel
