// The scroll-bar calls of the Win32 API. On a scroll-bar control (SB_CTL) each is its SBM_
// message; SB_HORZ and SB_VERT mean the window's own standard scroll bars.
#include "user/user_internal.h"

#include <windows.h>

namespace {

bool IsControlBar(HWND hwnd, int bar) {
    return bar == SB_CTL && IsWindow(hwnd);
}

bool IsWindowBar(int bar) {
    return bar == SB_VERT || bar == SB_HORZ;
}

} // namespace

int SetScrollPos(HWND hwnd, int nBar, int nPos, BOOL bRedraw) {
    if (IsWindowBar(nBar)) {
        SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
        const int previous = GetScrollPos(hwnd, nBar);
        info.nPos = nPos;
        wm::SetWindowScrollInfo(hwnd, nBar, &info, bRedraw);
        return previous;
    }
    if (!IsControlBar(hwnd, nBar)) {
        return 0;
    }
    return static_cast<int>(SendMessageA(hwnd, SBM_SETPOS, static_cast<WPARAM>(nPos), bRedraw));
}

int GetScrollPos(HWND hwnd, int nBar) {
    if (IsWindowBar(nBar)) {
        SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
        return wm::GetWindowScrollInfo(hwnd, nBar, &info) ? info.nPos : 0;
    }
    if (!IsControlBar(hwnd, nBar)) {
        return 0;
    }
    return static_cast<int>(SendMessageA(hwnd, SBM_GETPOS, 0, 0));
}

BOOL SetScrollRange(HWND hwnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    if (IsWindowBar(nBar)) {
        SCROLLINFO info{sizeof(info), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
        return wm::SetWindowScrollInfo(hwnd, nBar, &info, bRedraw) >= 0 && IsWindow(hwnd);
    }
    if (!IsControlBar(hwnd, nBar)) {
        return FALSE;
    }
    SendMessageA(hwnd, bRedraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(nMinPos),
                 nMaxPos);
    return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos) {
    if (IsWindowBar(nBar) && lpMinPos != nullptr && lpMaxPos != nullptr) {
        SCROLLINFO info{sizeof(info), SIF_RANGE, 0, 0, 0, 0, 0};
        if (!wm::GetWindowScrollInfo(hwnd, nBar, &info)) {
            return FALSE;
        }
        *lpMinPos = info.nMin;
        *lpMaxPos = info.nMax;
        return TRUE;
    }
    if (!IsControlBar(hwnd, nBar) || lpMinPos == nullptr || lpMaxPos == nullptr) {
        return FALSE;
    }
    SendMessageA(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(lpMinPos),
                 reinterpret_cast<LPARAM>(lpMaxPos));
    return TRUE;
}

int SetScrollInfo(HWND hwnd, int nBar, LPCSCROLLINFO lpsi, BOOL bRedraw) {
    if (IsWindowBar(nBar)) {
        return wm::SetWindowScrollInfo(hwnd, nBar, lpsi, bRedraw);
    }
    if (!IsControlBar(hwnd, nBar) || lpsi == nullptr) {
        return 0;
    }
    return static_cast<int>(
        SendMessageA(hwnd, SBM_SETSCROLLINFO, bRedraw, reinterpret_cast<LPARAM>(lpsi)));
}

BOOL GetScrollInfo(HWND hwnd, int nBar, LPSCROLLINFO lpsi) {
    if (IsWindowBar(nBar)) {
        return wm::GetWindowScrollInfo(hwnd, nBar, lpsi);
    }
    if (!IsControlBar(hwnd, nBar) || lpsi == nullptr) {
        return FALSE;
    }
    return static_cast<BOOL>(
        SendMessageA(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
}

BOOL EnableScrollBar(HWND hwnd, UINT wSBflags, UINT wArrows) {
    if (!IsControlBar(hwnd, static_cast<int>(wSBflags))) {
        return FALSE;
    }
    return static_cast<BOOL>(SendMessageA(hwnd, SBM_ENABLE_ARROWS, wArrows, 0));
}
