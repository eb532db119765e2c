// The tab control's own state, shared by its window procedure and its painter.
#pragma once

#include "comctl/tab_layout.h"

#include <windows.h>

#include <string>
#include <vector>

namespace comctl {

struct TabItem {
    std::string text;
    LPARAM param = 0;
    int image = -1;
};

struct TabState {
    HWND hwnd = nullptr;
    std::vector<TabItem> items;
    int current = -1;
    HFONT font = nullptr;
    TabLayout layout; // valid while !stale
    bool stale = true;
};

// The state of a tab control window, or null for any other window.
TabState* TabOf(HWND hwnd);
// Measures the labels again when the items or the font changed.
const TabLayout& CurrentLayout(TabState& state);
void PaintTabs(TabState& state, HDC dc);
// Registers SysTabControl32 unless it is registered already.
void RegisterTabControl();

} // namespace comctl
