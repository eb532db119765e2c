#include "spin/logic/valid_char.h"

namespace ruzav::spin {

namespace {

bool Contains(const char* pszText, char c) {
    for (const char* p = pszText; p != nullptr && *p != '\0'; ++p) {
        if (*p == c) {
            return true;
        }
    }
    return false;
}

bool StartsWith(const char* pszText, char c) {
    return pszText != nullptr && *pszText != '\0' && *pszText == c;
}

} // namespace

bool IsValidSpinChar(char c, eSpinValueTypes eKind, const char* pszAM, const char* pszPM,
                     const char* pszDateSep, const char* pszTimeSep) {
    if (c == ' ' || c == '-' || c == '.' || c == ':') {
        return true;
    }
    if (Contains(pszAM, c) || Contains(pszPM, c)) {
        return eKind == eSpinTime;
    }
    return (c >= '0' && c <= '9') || StartsWith(pszDateSep, c) || StartsWith(pszTimeSep, c);
}

} // namespace ruzav::spin
