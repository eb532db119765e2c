// The look of menus: the bar in a window's non-client area and the pop-up menu windows.
//
// A bar item is its label (the text before any '\t', '&' marks the underlined mnemonic) with
// kBarPad pixels on each side, left to right from the bar's left edge; an item that would run
// past the bar's right edge is not shown. A pop-up is a raised frame around its items: text
// items kItemHeight high, separators kSeparatorHeight; a check column at the left, the labels,
// then the accelerator texts, then an arrow column for items that open a pop-up.
#include "user/menu_layout.h"
#include "user/user_internal.h"

#include "gdi/gdi_internal.h"

#include <unordered_map>

namespace wm {
namespace {

constexpr int kBarPad = 7;
constexpr int kFrame = 3;
constexpr int kItemHeight = 17;
constexpr int kSeparatorHeight = 9;
constexpr int kCheckColumn = 16;
constexpr int kArrowColumn = 16;
constexpr int kAccelGap = 12;

struct PopupState {
    HMENU menu = nullptr;
    int selected = -1;
};
std::unordered_map<HWND, PopupState> g_popups;

// Made once and kept for good, as the caption font is.
HFONT MenuFont() {
    static HFONT font = nullptr;
    if (!font) {
        font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
        if (font)
            gdi_internal::MakePermanent(font);
    }
    return font;
}

std::string Label(const std::string& text) {
    size_t tab = text.find('\t');
    return tab == std::string::npos ? text : text.substr(0, tab);
}

std::string AccelText(const std::string& text) {
    size_t tab = text.find('\t');
    return tab == std::string::npos ? std::string() : text.substr(tab + 1);
}

int TextWidth(HDC dc, const std::string& text) {
    if (text.empty()) {
        return 0;
    }
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), (int)text.size(), &r, DT_SINGLELINE | DT_CALCRECT);
    return r.right - r.left;
}

// A screen DC with the menu font, for measuring.
struct MeasureDC {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, MenuFont());
    ~MeasureDC() {
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
    }
};

int ItemHeight(const MenuItem& item) {
    return (item.flags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
}

void DrawLabel(HDC dc, const std::string& text, RECT r, UINT format, bool grayed, COLORREF color) {
    if (grayed) {
        // The classic embossed look of a disabled item.
        RECT shadow = r;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.c_str(), (int)text.size(), &shadow, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    } else {
        SetTextColor(dc, color);
    }
    DrawTextA(dc, text.c_str(), (int)text.size(), &r, format);
}

void DrawCheck(HDC dc, const RECT& r, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    int x = r.left + 4, y = (r.top + r.bottom) / 2;
    for (int d = 0; d < 2; ++d) {
        MoveToEx(dc, x, y - 1 + d, nullptr);
        LineTo(dc, x + 2, y + 1 + d);
        LineTo(dc, x + 7, y - 4 + d);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawArrow(HDC dc, const RECT& r, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    int x = r.right - kArrowColumn + 6, y = (r.top + r.bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        RECT line{x + i, y - 3 + i, x + i + 1, y + 4 - i};
        FillRect(dc, &line, brush);
    }
    DeleteObject(brush);
}

void PaintPopup(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    auto it = g_popups.find(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_MENU));
    DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
    Menu* m = it != g_popups.end() ? LookupMenu(it->second.menu) : nullptr;
    if (m) {
        HGDIOBJ oldFont = SelectObject(dc, MenuFont());
        SetBkMode(dc, TRANSPARENT);
        // Rows one below the other, walked once (a long menu is measured once, not per row).
        int y = kFrame;
        for (size_t i = 0; i < m->items.size(); ++i) {
            const MenuItem& item = m->items[i];
            RECT r{kFrame, y, client.right - kFrame, y + ItemHeight(item)};
            y = r.bottom;
            if (r.top >= client.bottom) {
                break;
            }
            if (item.flags & MF_SEPARATOR) {
                int y = (r.top + r.bottom) / 2 - 1;
                RECT line{r.left + 1, y, r.right - 1, y + 1};
                FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
                OffsetRect(&line, 0, 1);
                FillRect(dc, &line, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
                continue;
            }
            bool selected = (int)i == it->second.selected;
            bool grayed = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
            COLORREF color = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
            if (selected) {
                FillRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
            }
            bool embossed = grayed && !selected;
            if (grayed && selected) {
                color = GetSysColor(COLOR_GRAYTEXT);
            }
            if (item.flags & MF_CHECKED) {
                DrawCheck(dc, r, color);
            }
            RECT text{r.left + kCheckColumn, r.top, r.right - kArrowColumn, r.bottom};
            DrawLabel(dc, Label(item.text), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT, embossed,
                      color);
            DrawLabel(dc, AccelText(item.text), text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT,
                      embossed, color);
            if (item.popup) {
                DrawArrow(dc, r, color);
            }
        }
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK PopupMenuProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        PaintPopup(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCDESTROY:
        g_popups.erase(hwnd);
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

RECT MenuBarRect(Window* w) {
    RECT none{0, 0, 0, 0};
    if (!w || (w->style & WS_CHILD) || !LookupMenu(w->menu)) {
        return none;
    }
    RECT insets = NonClientInsets(w->style, w->exStyle, true);
    int width = w->rect.right - w->rect.left;
    int bottom = insets.top;
    if (w->exStyle & WS_EX_CLIENTEDGE) {
        bottom -= GetSystemMetrics(SM_CYEDGE);
    }
    return RECT{insets.left, bottom - GetSystemMetrics(SM_CYMENU), width - insets.right, bottom};
}

bool MenuBarItemRect(Window* w, int index, RECT* out) {
    Menu* m = w ? LookupMenu(w->menu) : nullptr;
    if (!m || index < 0 || (size_t)index >= m->items.size()) {
        return false;
    }
    RECT bar = MenuBarRect(w);
    MeasureDC measure;
    int x = bar.left;
    for (int i = 0; i <= index; ++i) {
        int width = TextWidth(measure.dc, Label(m->items[(size_t)i].text)) + 2 * kBarPad;
        if (i == index) {
            if (x + width > bar.right) {
                SetRectEmpty(out);
                return false;
            }
            *out = RECT{x, bar.top, x + width, bar.bottom};
            return true;
        }
        x += width;
        if (x >= bar.right) {
            break;
        }
    }
    SetRectEmpty(out);
    return false;
}

int MenuBarItemAt(Window* w, POINT p) {
    Menu* m = w ? LookupMenu(w->menu) : nullptr;
    if (!m) {
        return -1;
    }
    RECT bar = MenuBarRect(w);
    if (!PtInRect(&bar, p)) {
        return -1;
    }
    MeasureDC measure;
    int x = bar.left;
    for (size_t i = 0; i < m->items.size() && x < bar.right; ++i) {
        int width = TextWidth(measure.dc, Label(m->items[i].text)) + 2 * kBarPad;
        if (p.x >= x && p.x < x + width && x + width <= bar.right) {
            return (int)i;
        }
        x += width;
    }
    return -1;
}

void PaintMenuBar(Window* w, HDC dc, const RECT& bar, int selected, bool popupOpen) {
    FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
    Menu* m = LookupMenu(w->menu);
    if (!m) {
        return;
    }
    HGDIOBJ oldFont = SelectObject(dc, MenuFont());
    SetBkMode(dc, TRANSPARENT);
    int x = bar.left;
    for (size_t i = 0; i < m->items.size(); ++i) {
        const MenuItem& item = m->items[i];
        std::string label = Label(item.text);
        int width = TextWidth(dc, label) + 2 * kBarPad;
        if (x + width > bar.right) {
            break;
        }
        RECT r{x, bar.top, x + width, bar.bottom};
        if ((int)i == selected) {
            DrawEdge(dc, &r, popupOpen ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        }
        RECT text = r;
        if ((int)i == selected && popupOpen) {
            OffsetRect(&text, 1, 1);
        }
        DrawLabel(dc, label, text, DT_SINGLELINE | DT_VCENTER | DT_CENTER,
                  (item.flags & (MF_GRAYED | MF_DISABLED)) != 0, GetSysColor(COLOR_MENUTEXT));
        x += width;
    }
    SelectObject(dc, oldFont);
}

SIZE PopupMenuSize(HMENU menu) {
    SIZE size{2 * kFrame, 2 * kFrame};
    Menu* m = LookupMenu(menu);
    if (!m) {
        return size;
    }
    MeasureDC measure;
    int label = 0, accel = 0;
    for (const MenuItem& item : m->items) {
        size.cy += ItemHeight(item);
        label = std::max(label, TextWidth(measure.dc, Label(item.text)));
        accel = std::max(accel, TextWidth(measure.dc, AccelText(item.text)));
    }
    size.cx += kCheckColumn + label + (accel ? kAccelGap + accel : 0) + kArrowColumn;
    return size;
}

bool PopupItemRect(HMENU menu, int index, RECT* out) {
    Menu* m = LookupMenu(menu);
    if (!m || index < 0 || (size_t)index >= m->items.size()) {
        return false;
    }
    SIZE size = PopupMenuSize(menu);
    int y = kFrame;
    for (int i = 0; i < index; ++i) {
        y += ItemHeight(m->items[(size_t)i]);
    }
    *out = RECT{kFrame, y, size.cx - kFrame, y + ItemHeight(m->items[(size_t)index])};
    return true;
}

int PopupItemAt(HMENU menu, POINT p) {
    Menu* m = LookupMenu(menu);
    if (!m) {
        return -1;
    }
    SIZE size = PopupMenuSize(menu);
    if (p.x < kFrame || p.x >= size.cx - kFrame) {
        return -1;
    }
    int y = kFrame;
    for (size_t i = 0; i < m->items.size(); ++i) {
        int h = ItemHeight(m->items[i]);
        if (p.y >= y && p.y < y + h) {
            return (int)i;
        }
        y += h;
    }
    return -1;
}

void RegisterMenuClass() {
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = PopupMenuProc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "#32768";
    RegisterClassA(&wc);
}

void SetPopupWindowState(HWND popup, HMENU menu, int selected) {
    PopupState& s = g_popups[popup];
    bool changed = s.menu != menu || s.selected != selected;
    s.menu = menu;
    s.selected = selected;
    if (changed) {
        InvalidateRect(popup, nullptr, TRUE);
    }
}

} // namespace wm
