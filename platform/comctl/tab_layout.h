// Where a tab control puts its tabs and its display area, from plain numbers: no window here.
//
// Tabs sit in one row from (2, 2), each as wide as its label plus 6 pixels a side and at least
// 54 pixels, all as high as the font plus 5. The display area lies 2 pixels below the row and 4
// pixels inside the other three edges: with 13-pixel text in a 300x200 control, tabs span y 2..20
// and the display area is (4, 22)-(296, 196).
#pragma once

#include <windows.h>

#include <vector>

namespace comctl {

struct TabLayout {
    std::vector<RECT> items; // one per tab, in the control's client coordinates
    int rowBottom = 2;       // the bottom of the tab row
};

// labelWidths: the pixel width of each label; textHeight: the font's height.
TabLayout LayoutTabs(const std::vector<int>& labelWidths, int textHeight);

// TCM_ADJUSTRECT: with larger FALSE, a window rectangle becomes its display area; with TRUE, a
// display area becomes the window rectangle that holds it.
void AdjustTabRect(RECT& rect, bool larger, int rowBottom);

// The tab under a point, or -1.
int TabAt(const TabLayout& layout, POINT point);

} // namespace comctl
