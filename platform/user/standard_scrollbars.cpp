// The standard scroll bars of a window (SB_HORZ, SB_VERT). A window made without WS_HSCROLL or
// WS_VSCROLL still keeps their values: setting a range that scrolls shows the bar (the style bit
// appears and the client area gives way), a range that does not hides it, or only disables it
// with SIF_DISABLENOSCROLL. The platform draws no standard bars; their values and the room they
// take are what hosts observe.
#include "user/user_internal.h"

#include <algorithm>

namespace wm {
namespace {

DWORD StyleBit(int bar) {
    return bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
}

// A window made with a scroll style starts with the range 0 to 100, one made without it with
// 0 to 0.
StandardScrollBar* BarOf(Window* w, int bar) {
    if (!w || (bar != SB_HORZ && bar != SB_VERT)) {
        return nullptr;
    }
    StandardScrollBar& b = w->scrollBars[bar == SB_HORZ ? 0 : 1];
    if (!b.initialised) {
        b.initialised = true;
        b.max = (w->style & StyleBit(bar)) ? 100 : 0;
    }
    return &b;
}

void SetStyleBits(Window* w, DWORD bits, bool on) {
    const DWORD style = on ? (w->style | bits) : (w->style & ~bits);
    if (style == w->style) {
        return;
    }
    SetWindowLongA(w->handle, GWL_STYLE, (LONG)style);
    SetWindowPos(w->handle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// The highest position: with a page of 10 on 0..100, 91.
int LastPosition(const StandardScrollBar& b) {
    const long long last = (long long)b.max - std::max<long long>((long long)b.page - 1, 0);
    return (int)std::max<long long>(b.min, last);
}

} // namespace

int SetStandardScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, BOOL redraw) {
    Window* w = Lookup(hwnd);
    StandardScrollBar* b = BarOf(w, bar);
    if (!b) {
        SetLastErrorValue(w ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if ((info.fMask & SIF_RANGE) && info.nMin <= info.nMax) {
        b->min = info.nMin;
        b->max = info.nMax;
    }
    if (info.fMask & SIF_PAGE) {
        b->page = info.nPage;
    }
    const unsigned long long span = (unsigned long long)((long long)b->max - b->min) + 1;
    if (b->page > span) {
        b->page = (UINT)span;
    }
    if (info.fMask & SIF_POS) {
        b->pos = info.nPos;
    }
    b->pos = std::max(b->min, std::min(b->pos, LastPosition(*b)));
    if (info.fMask & (SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL)) {
        const bool scrolls = b->min < LastPosition(*b);
        if (scrolls) {
            b->disabledArrows = ESB_ENABLE_BOTH;
            SetStyleBits(w, StyleBit(bar), true);
        } else if (info.fMask & SIF_DISABLENOSCROLL) {
            b->disabledArrows = ESB_DISABLE_BOTH;
        } else {
            SetStyleBits(w, StyleBit(bar), false);
        }
    }
    if (redraw) {
        InvalidateFrame(w);
    }
    return b->pos;
}

BOOL GetStandardScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
    Window* w = Lookup(hwnd);
    StandardScrollBar* b = BarOf(w, bar);
    if (!b || !info) {
        SetLastErrorValue(w ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (info->fMask & SIF_RANGE) {
        info->nMin = b->min;
        info->nMax = b->max;
    }
    if (info->fMask & SIF_PAGE) {
        info->nPage = b->page;
    }
    if (info->fMask & SIF_POS) {
        info->nPos = b->pos;
    }
    if (info->fMask & SIF_TRACKPOS) {
        info->nTrackPos = b->pos;
    }
    return (info->fMask & SIF_ALL) ? TRUE : FALSE;
}

BOOL ShowStandardScrollBar(HWND hwnd, int bar, BOOL show) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    DWORD bits = bar == SB_BOTH ? (WS_HSCROLL | WS_VSCROLL) : 0;
    if (bar == SB_HORZ || bar == SB_VERT) {
        bits = StyleBit(bar);
    }
    if (!bits) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Values kept while hidden come back with the bar.
    BarOf(w, SB_HORZ);
    BarOf(w, SB_VERT);
    SetStyleBits(w, bits, show != FALSE);
    return TRUE;
}

BOOL EnableStandardScrollBar(HWND hwnd, int bar, UINT arrows) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    BOOL changed = FALSE;
    for (int which : {SB_HORZ, SB_VERT}) {
        if (bar != SB_BOTH && bar != which) {
            continue;
        }
        StandardScrollBar* b = BarOf(w, which);
        const UINT wanted = arrows & ESB_DISABLE_BOTH;
        if (b->disabledArrows != wanted) {
            b->disabledArrows = wanted;
            changed = TRUE;
        }
    }
    return changed;
}

} // namespace wm
