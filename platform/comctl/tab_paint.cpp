// Classic painting of a tab control: a raised panel under the row, raised tabs with their
// bottoms open, the selected tab two pixels larger on three sides and joined to the panel, and
// the focus rectangle around its label while the control has the focus.
#include "comctl/tab_control.h"

#include <commctrl.h>

namespace comctl {
namespace {

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// A tab's outline: light left and top with a cut corner, dark right side.
void DrawTabFrame(HDC dc, const RECT& r, HPEN light, HPEN shadow, HPEN dark) {
    HGDIOBJ old = SelectObject(dc, light);
    Line(dc, r.left, r.bottom, r.left, r.top + 2);
    Line(dc, r.left, r.top + 2, r.left + 2, r.top);
    Line(dc, r.left + 2, r.top, r.right - 2, r.top);
    SelectObject(dc, dark);
    Line(dc, r.right - 2, r.top + 1, r.right - 1, r.top + 2);
    Line(dc, r.right - 1, r.top + 2, r.right - 1, r.bottom);
    SelectObject(dc, shadow);
    Line(dc, r.right - 2, r.top + 2, r.right - 2, r.bottom);
    SelectObject(dc, old);
}

} // namespace

void PaintTabs(TabState& s, HDC dc) {
    const TabLayout& layout = CurrentLayout(s);
    RECT client{};
    GetClientRect(s.hwnd, &client);
    RECT panel = client;
    panel.top = layout.rowBottom;
    DrawEdge(dc, &panel, EDGE_RAISED, BF_RECT);

    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    HGDIOBJ oldFont = SelectObject(dc, s.font ? s.font : GetStockObject(SYSTEM_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    for (size_t i = 0; i < layout.items.size() && i < s.items.size(); ++i) {
        RECT r = layout.items[i];
        bool selected = static_cast<int>(i) == s.current;
        if (selected) {
            InflateRect(&r, 2, 0);
            r.top -= 2;
            r.bottom += 2; // covers the panel's two top lines: the tab opens into the panel
        }
        RECT inside{r.left + 1, r.top + 1, r.right - 2, r.bottom};
        FillRect(dc, &inside, face);
        DrawTabFrame(dc, r, light, shadow, dark);
        RECT label = layout.items[i];
        const std::string& text = s.items[i].text;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &label,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (selected && GetFocus() == s.hwnd) {
            RECT focus = layout.items[i];
            InflateRect(&focus, -3, -3);
            DrawFocusRect(dc, &focus);
        }
    }
    SelectObject(dc, oldFont);
    DeleteObject(light);
    DeleteObject(shadow);
    DeleteObject(dark);
}

} // namespace comctl
