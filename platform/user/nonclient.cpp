// The classic non-client area: frames, the caption bar with its title in bold, the menu bar
// strip, the client edge and the places of the standard scroll bars.
#include "user/menu_layout.h"
#include "user/user_internal.h"

#include "gdi/gdi_internal.h"

namespace wm {
namespace {

void Fill(HDC dc, const RECT& r, int color) {
    if (!Empty(r)) {
        FillRect(dc, &r, GetSysColorBrush(color));
    }
}

void Frame(HDC dc, RECT& r, int width, int color) {
    for (int i = 0; i < width; ++i) {
        FrameRect(dc, &r, GetSysColorBrush(color));
        InflateRect(&r, -1, -1);
    }
}

// Made once and kept for good (a permanent object, as the system-colour brushes are), not for
// every frame drawn.
HFONT CaptionFont() {
    static HFONT font = nullptr;
    if (!font) {
        font = CreateFontA(-MulDiv(8, 96, 72), 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0,
                           "MS Sans Serif");
        if (font)
            gdi_internal::MakePermanent(font);
    }
    return font;
}

void Caption(HDC dc, Window* w, RECT& r) {
    bool active = ActiveWindow() == w;
    int height = GetSystemMetrics((w->exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
    RECT bar{r.left, r.top, r.right, r.top + height - 1};
    Fill(dc, bar, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    Fill(dc, RECT{r.left, bar.bottom, r.right, r.top + height}, COLOR_3DFACE);
    if (!w->text.empty()) {
        HGDIOBJ old = SelectObject(dc, CaptionFont());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        RECT text{bar.left + 2, bar.top, bar.right - 2, bar.bottom};
        DrawTextA(dc, w->text.c_str(), -1, &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, old);
    }
    r.top += height;
}

} // namespace

void DrawNonClient(Window* w) {
    if (!IsReallyVisible(w)) {
        return;
    }
    HDC dc = GetWindowDC(w->handle);
    if (!dc) {
        return;
    }
    RECT r{0, 0, w->rect.right - w->rect.left, w->rect.bottom - w->rect.top};
    bool active = ActiveWindow() == TopLevelOf(w);
    DWORD style = w->style;
    if ((w->exStyle & WS_EX_DLGMODALFRAME) ||
        (style & (WS_THICKFRAME | WS_DLGFRAME)) == WS_DLGFRAME) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        Frame(dc, r, GetSystemMetrics(SM_CXDLGFRAME) - 2, COLOR_3DFACE);
    } else if (style & WS_THICKFRAME) {
        DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
        Frame(dc, r, GetSystemMetrics(SM_CXFRAME) - 2,
              active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
    } else if (style & WS_BORDER) {
        Frame(dc, r, GetSystemMetrics(SM_CXBORDER), COLOR_WINDOWFRAME);
    }
    if (w->exStyle & WS_EX_STATICEDGE) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
    if ((style & WS_CAPTION) == WS_CAPTION) {
        Caption(dc, w, r);
    }
    if (w->menu && !(style & WS_CHILD)) {
        int h = GetSystemMetrics(SM_CYMENU);
        bool open = false;
        int selected = TrackedBarItem(w->handle, &open);
        PaintMenuBar(w, dc, RECT{r.left, r.top, r.right, r.top + h}, selected, open);
        r.top += h;
    }
    if (w->exStyle & WS_EX_CLIENTEDGE) {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    DrawWindowScrollBars(w, dc, r);
    ReleaseDC(w->handle, dc);
}

} // namespace wm
