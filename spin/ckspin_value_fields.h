// Reading and writing the text of a spin control's field windows, for the value side.
#pragma once

#include <afxwin.h>

#include "spin/ckspin_window_internal.h"

#include <cstring>
#include <string>

namespace ruzav::spin {

// A field's whole text, however long; empty for a field without a window.
inline std::string FieldText(const CWnd* pField) {
    if (!HasWindow(pField)) {
        return std::string();
    }
    // A field's text is short: one message reads it whole; only a longer one asks its length.
    char shortText[64];
    const int shortLength = ::GetWindowTextA(pField->m_hWnd, shortText, sizeof shortText);
    if (shortLength < static_cast<int>(sizeof shortText) - 1) {
        return std::string(shortText, shortLength > 0 ? static_cast<std::size_t>(shortLength) : 0);
    }
    const int length = ::GetWindowTextLengthA(pField->m_hWnd);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(pField->m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

// Writes a field only when its text changes (comparing at most 31 characters of the current
// one), so an unchanged field keeps its caret and selection and is not redrawn.
inline void ShowFieldText(CWnd* pField, const char* pszText) {
    if (!HasWindow(pField)) {
        return;
    }
    char current[32] = {};
    ::GetWindowTextA(pField->m_hWnd, current, sizeof current);
    if (std::strcmp(current, pszText) != 0) {
        ::SetWindowTextA(pField->m_hWnd, pszText);
    }
}

// The calendar year of the platform's clock, which decides the century of a year Get hands over.
inline long CurrentYear() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wYear;
}

} // namespace ruzav::spin
