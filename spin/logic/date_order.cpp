// Index: piece kinds - order from pieces - pattern split - field/component tables.
#include "spin/logic/date_order.h"

#include <cstddef>

namespace ruzav::spin {

namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool Is(char c, char lower) {
    return c == lower || c == lower - ('a' - 'A');
}

// What each of the twelve groups of four orders puts in fields 1, 2 and 3; field 1's form is
// fixed by the group, fields 2 and 3 take their long form from bits 1 and 0 of the order.
struct OrderGroup {
    eDatePos eField1;
    eDateFocus eComponent[3];
};

constexpr OrderGroup kGroups[12] = {
    {ePosM, {eFocusMonth, eFocusDay, eFocusYear}},    // 0
    {ePosM, {eFocusMonth, eFocusYear, eFocusDay}},    // 4
    {ePosMM, {eFocusMonth, eFocusDay, eFocusYear}},   // 8
    {ePosMM, {eFocusMonth, eFocusYear, eFocusDay}},   // 12
    {ePosD, {eFocusDay, eFocusMonth, eFocusYear}},    // 16
    {ePosD, {eFocusDay, eFocusYear, eFocusMonth}},    // 20
    {ePosDD, {eFocusDay, eFocusMonth, eFocusYear}},   // 24
    {ePosDD, {eFocusDay, eFocusYear, eFocusMonth}},   // 28
    {ePosYY, {eFocusYear, eFocusDay, eFocusMonth}},   // 32
    {ePosYY, {eFocusYear, eFocusMonth, eFocusDay}},   // 36
    {ePosYYYY, {eFocusYear, eFocusDay, eFocusMonth}}, // 40
    {ePosYYYY, {eFocusYear, eFocusMonth, eFocusDay}}, // 44
};

int SafeOrder(eDateOrder eOrder) {
    int order = static_cast<int>(eOrder);
    return (order >= eDateOrderFirst && order <= eDateOrderLast) ? order : 0;
}

eDatePos FormOf(eDateFocus eComponent, bool bLong) {
    switch (eComponent) {
    case eFocusDay:
        return bLong ? ePosDD : ePosD;
    case eFocusMonth:
        return bLong ? ePosMM : ePosM;
    case eFocusYear:
        return bLong ? ePosYYYY : ePosYY;
    default:
        return ePosUnknown;
    }
}

} // namespace

eDatePos DatePiecePos(const char* pszPiece) {
    if (pszPiece == nullptr) {
        return ePosUnknown;
    }
    // Each character is looked at only when the ones before it matched, so a short piece is
    // never read past its end.
    const char* p = pszPiece;
    if (Is(p[0], 'd')) {
        return Is(p[1], 'd') ? ePosDD : ePosD;
    }
    if (Is(p[0], 'm')) {
        return Is(p[1], 'm') ? ePosMM : ePosM;
    }
    if (Is(p[0], 'y')) {
        if (!Is(p[1], 'y')) {
            return ePosUnknown;
        }
        return (Is(p[2], 'y') && Is(p[3], 'y')) ? ePosYYYY : ePosYY;
    }
    return ePosUnknown;
}

eDateOrder DateOrderOf(eDatePos ePos1, eDatePos ePos2, eDatePos ePos3) {
    auto known = [](eDatePos e) { return e >= ePosD && e <= ePosYYYY; };
    if (!known(ePos1) || !known(ePos2) || !known(ePos3) || ePos1 == ePos2 || ePos1 == ePos3 ||
        ePos2 == ePos3) {
        return eDateOrderFirst;
    }
    int order = 0;
    switch (ePos1) {
    case ePosM:
        order = 0;
        break;
    case ePosMM:
        order = 8;
        break;
    case ePosD:
        order = 16;
        break;
    case ePosDD:
        order = 24;
        break;
    case ePosYY:
        order = 32;
        break;
    default:
        order = 40;
        break;
    }
    const bool yearFirst = order >= 32;
    switch (ePos2) {
    case ePosD:
        break;
    case ePosDD:
        order += 2;
        break;
    case ePosM:
        order += yearFirst ? 4 : 0;
        break;
    case ePosMM:
        order += yearFirst ? 6 : 2;
        break;
    case ePosYY:
        order += 4;
        break;
    default:
        order += 6;
        break;
    }
    if (ePos3 == ePosDD || ePos3 == ePosMM || ePos3 == ePosYYYY) {
        order += 1;
    }
    return static_cast<eDateOrder>(order);
}

eDateOrder DateOrderFromPattern(const char* pszPattern, const char* pszDelimiters) {
    constexpr std::size_t kKept = 9; // a 10-byte profile buffer holds nine characters
    char pattern[kKept + 1] = {};
    char delimiters[kKept + 1] = {};
    for (std::size_t i = 0; pszPattern != nullptr && i < kKept && pszPattern[i] != '\0'; ++i) {
        pattern[i] = pszPattern[i];
    }
    for (std::size_t i = 0; pszDelimiters != nullptr && i < kKept && pszDelimiters[i] != '\0';
         ++i) {
        delimiters[i] = pszDelimiters[i];
    }
    // With no delimiter at all the first non-letter ends the pattern.
    for (char& c : pattern) {
        if (c == '\0') {
            break;
        }
        if (!IsLetter(c)) {
            c = delimiters[0];
        }
    }
    auto isDelimiter = [&](char c) {
        for (const char* d = delimiters; *d != '\0'; ++d) {
            if (*d == c) {
                return true;
            }
        }
        return false;
    };
    eDatePos pieces[3] = {ePosUnknown, ePosUnknown, ePosUnknown};
    std::size_t at = 0;
    for (int piece = 0; piece < 3; ++piece) {
        while (pattern[at] != '\0' && isDelimiter(pattern[at])) {
            ++at;
        }
        if (pattern[at] == '\0') {
            break;
        }
        const std::size_t start = at;
        while (pattern[at] != '\0' && !isDelimiter(pattern[at])) {
            ++at;
        }
        char token[kKept + 1] = {};
        for (std::size_t i = start; i < at; ++i) {
            token[i - start] = pattern[i];
        }
        pieces[piece] = DatePiecePos(token);
    }
    return DateOrderOf(pieces[0], pieces[1], pieces[2]);
}

eDateFocus DateFieldComponent(eDateOrder eOrder, int nField) {
    if (nField < 1 || nField > 3) {
        return eFocusNone;
    }
    return kGroups[SafeOrder(eOrder) / 4].eComponent[nField - 1];
}

eDatePos DateFieldForm(eDateOrder eOrder, int nField) {
    const int order = SafeOrder(eOrder);
    switch (nField) {
    case 1:
        return kGroups[order / 4].eField1;
    case 2:
        return FormOf(kGroups[order / 4].eComponent[1], (order & 2) != 0);
    case 3:
        return FormOf(kGroups[order / 4].eComponent[2], (order & 1) != 0);
    default:
        return ePosUnknown;
    }
}

int DateFieldOf(eDateOrder eOrder, eDateFocus eComponent) {
    for (int field = 1; field <= 3; ++field) {
        if (eComponent != eFocusNone && DateFieldComponent(eOrder, field) == eComponent) {
            return field;
        }
    }
    return 0;
}

} // namespace ruzav::spin
