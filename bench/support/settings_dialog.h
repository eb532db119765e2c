// The settings dialog the dialog benchmarks make: a captioned box of 240 x 120 dialog units in
// "MS Sans Serif" 8 with four labelled edits (the first is kSettingsFirstEdit); each benchmark
// adds the rest of its controls.
#pragma once

#include <resources.h>
#include <windows.h>

namespace bench_support {

constexpr WORD kSettingsFirstEdit = 101;
constexpr DWORD kSettingsChild = WS_CHILD | WS_VISIBLE;

inline resources::DialogTemplate SettingsDialog(DWORD style) {
    resources::DialogTemplate t;
    t.style = style;
    t.caption = "Settings";
    t.fontFace = "MS Sans Serif";
    t.pointSize = 8;
    t.cx = 240;
    t.cy = 120;
    const DWORD kEdit = kSettingsChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    // class, text, id, style, extended style, x, y, cx, cy
    t.items = {
        {"STATIC", "&Name:", 100, kSettingsChild, 0, 7, 9, 40, 8},
        {"EDIT", "A value", kSettingsFirstEdit, kEdit, 0, 50, 7, 150, 12},
        {"STATIC", "&Count:", 102, kSettingsChild, 0, 7, 27, 40, 8},
        {"EDIT", "42", 103, kEdit, 0, 50, 25, 40, 12},
        {"STATIC", "&Folder:", 104, kSettingsChild, 0, 7, 45, 40, 8},
        {"EDIT", "C:\\WINDOWS\\TEMP", 105, kEdit, 0, 50, 43, 150, 12},
        {"STATIC", "&Comment:", 106, kSettingsChild, 0, 7, 63, 40, 8},
        {"EDIT", "Kept with the settings", 107, kEdit, 0, 50, 61, 150, 12},
    };
    return t;
}

} // namespace bench_support
