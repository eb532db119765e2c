// The scroll-bar calls of the Win32 API. On a scroll-bar control (SB_CTL) each is its SBM_
// message; the standard bars of a window (SB_HORZ, SB_VERT) keep their values in the window.
#include "user/user_internal.h"

#include <windows.h>

namespace {

bool IsControlBar(int bar) {
    return bar == SB_CTL;
}

} // namespace

int SetScrollPos(HWND hwnd, int nBar, int nPos, BOOL bRedraw) {
    if (IsControlBar(nBar)) {
        return static_cast<int>(SendMessageA(hwnd, SBM_SETPOS, static_cast<WPARAM>(nPos), bRedraw));
    }
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    if (!wm::GetStandardScrollInfo(hwnd, nBar, &info)) {
        return 0;
    }
    const int old = info.nPos;
    info.nPos = nPos;
    wm::SetStandardScrollInfo(hwnd, nBar, info, bRedraw);
    return old;
}

int GetScrollPos(HWND hwnd, int nBar) {
    if (IsControlBar(nBar)) {
        return static_cast<int>(SendMessageA(hwnd, SBM_GETPOS, 0, 0));
    }
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    return wm::GetStandardScrollInfo(hwnd, nBar, &info) ? info.nPos : 0;
}

BOOL SetScrollRange(HWND hwnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    if (IsControlBar(nBar)) {
        if (!IsWindow(hwnd)) {
            return FALSE;
        }
        SendMessageA(hwnd, bRedraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE,
                     static_cast<WPARAM>(nMinPos), nMaxPos);
        return TRUE;
    }
    SCROLLINFO info{sizeof info, SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    if (!IsWindow(hwnd) || nMinPos > nMaxPos) {
        return FALSE;
    }
    wm::SetStandardScrollInfo(hwnd, nBar, info, bRedraw);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos) {
    if (lpMinPos == nullptr || lpMaxPos == nullptr) {
        return FALSE;
    }
    if (IsControlBar(nBar)) {
        if (!IsWindow(hwnd)) {
            return FALSE;
        }
        SendMessageA(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(lpMinPos),
                     reinterpret_cast<LPARAM>(lpMaxPos));
        return TRUE;
    }
    SCROLLINFO info{sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
    if (!wm::GetStandardScrollInfo(hwnd, nBar, &info)) {
        return FALSE;
    }
    *lpMinPos = info.nMin;
    *lpMaxPos = info.nMax;
    return TRUE;
}

int SetScrollInfo(HWND hwnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw) {
    if (lpsi == nullptr) {
        return 0;
    }
    if (IsControlBar(nBar)) {
        return IsWindow(hwnd) ? static_cast<int>(SendMessageA(hwnd, SBM_SETSCROLLINFO, bRedraw,
                                                              reinterpret_cast<LPARAM>(lpsi)))
                              : 0;
    }
    return wm::SetStandardScrollInfo(hwnd, nBar, *lpsi, bRedraw);
}

BOOL GetScrollInfo(HWND hwnd, int nBar, LPSCROLLINFO lpsi) {
    if (lpsi == nullptr) {
        return FALSE;
    }
    if (IsControlBar(nBar)) {
        return IsWindow(hwnd) ? static_cast<BOOL>(SendMessageA(hwnd, SBM_GETSCROLLINFO, 0,
                                                               reinterpret_cast<LPARAM>(lpsi)))
                              : FALSE;
    }
    return wm::GetStandardScrollInfo(hwnd, nBar, lpsi);
}

// Disabling both arrows of a scroll-bar control disables the control's window, and enabling
// both enables it again; one arrow alone is the control's own state.
BOOL EnableScrollBar(HWND hwnd, UINT wSBflags, UINT wArrows) {
    if (!IsControlBar(static_cast<int>(wSBflags))) {
        return wm::EnableStandardScrollBar(hwnd, static_cast<int>(wSBflags), wArrows);
    }
    if (!IsWindow(hwnd)) {
        return FALSE;
    }
    const UINT arrows = wArrows & ESB_DISABLE_BOTH;
    const BOOL changed = static_cast<BOOL>(SendMessageA(hwnd, SBM_ENABLE_ARROWS, arrows, 0));
    const bool enable = arrows != ESB_DISABLE_BOTH;
    if ((IsWindowEnabled(hwnd) != FALSE) != enable) {
        EnableWindow(hwnd, enable ? TRUE : FALSE);
        return TRUE;
    }
    return changed;
}

BOOL ShowScrollBar(HWND hwnd, int wBar, BOOL bShow) {
    if (IsControlBar(wBar)) {
        if (!IsWindow(hwnd)) {
            return FALSE;
        }
        ShowWindow(hwnd, bShow ? SW_SHOW : SW_HIDE);
        return TRUE;
    }
    return wm::ShowStandardScrollBar(hwnd, wBar, bShow);
}
