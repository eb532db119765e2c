#include "comctl/tab_layout.h"

#include <algorithm>

namespace comctl {
namespace {
constexpr int kRowOrigin = 2;
constexpr int kLabelPadding = 6;
constexpr int kMinTabWidth = 54;
constexpr int kExtraHeight = 5;
constexpr int kPanelInset = 4;
constexpr int kRowGap = 2;
} // namespace

TabLayout LayoutTabs(const std::vector<int>& labelWidths, int textHeight) {
    TabLayout layout;
    int height = std::max(textHeight, 0) + kExtraHeight;
    int x = kRowOrigin;
    for (int width : labelWidths) {
        int w = std::max(width + 2 * kLabelPadding, kMinTabWidth);
        layout.items.push_back(RECT{x, kRowOrigin, x + w, kRowOrigin + height});
        x += w;
    }
    layout.rowBottom = kRowOrigin + height;
    return layout;
}

void AdjustTabRect(RECT& rect, bool larger, int rowBottom) {
    int top = rowBottom + kRowGap;
    int sign = larger ? -1 : 1;
    rect.left += sign * kPanelInset;
    rect.right -= sign * kPanelInset;
    rect.bottom -= sign * kPanelInset;
    rect.top += sign * top;
}

int TabAt(const TabLayout& layout, POINT point) {
    for (size_t i = 0; i < layout.items.size(); ++i) {
        const RECT& r = layout.items[i];
        if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace comctl
