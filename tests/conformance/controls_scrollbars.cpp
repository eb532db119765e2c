// Scroll bars as hosts set them: the standard bars of a window that was made without
// WS_HSCROLL/WS_VSCROLL.
#include "conformance.h"
#include "controls_support.h"

#include <windows.h>

using controls_conformance::CreateChild;

namespace {

HWND Plain() {
    return CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

DWORD Bars(HWND hwnd) {
    return (DWORD)GetWindowLongPtrA(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
}

LONG ClientWidth(HWND hwnd) {
    RECT r = {};
    GetClientRect(hwnd, &r);
    return r.right;
}

} // namespace

CONFORMANCE_TEST(ControlsScrollRangeOnAWindowWithoutScrollStyles) {
    HWND w = Plain();
    int lo = -5, hi = -5;
    CHECK(GetScrollRange(w, SB_VERT, &lo, &hi));
    CHECK_EQ(0, lo);
    CHECK_EQ(0, hi);

    // A range that scrolls shows the bar, and the client area gives it room.
    CHECK(SetScrollRange(w, SB_VERT, 10, 50, FALSE));
    CHECK(GetScrollRange(w, SB_VERT, &lo, &hi));
    CHECK_EQ(10, lo);
    CHECK_EQ(50, hi);
    CHECK_EQ((DWORD)WS_VSCROLL, Bars(w));
    CHECK(ClientWidth(w) < 100);
    CHECK_EQ(10, SetScrollPos(w, SB_VERT, 30, FALSE)); // the old position, kept in the range
    CHECK_EQ(30, GetScrollPos(w, SB_VERT));

    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    CHECK(GetScrollInfo(w, SB_VERT, &si));
    CHECK_EQ(10, si.nMin);
    CHECK_EQ(50, si.nMax);
    CHECK_EQ(0u, si.nPage);
    CHECK_EQ(30, si.nPos);

    SCROLLINFO set = {sizeof set, SIF_RANGE | SIF_PAGE, 0, 200, 20, 0, 0};
    CHECK_EQ(0, SetScrollInfo(w, SB_HORZ, &set, FALSE));
    CHECK_EQ((DWORD)(WS_HSCROLL | WS_VSCROLL), Bars(w));
    SCROLLINFO got = {sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
    CHECK(GetScrollInfo(w, SB_HORZ, &got));
    CHECK_EQ(0, got.nMin);
    CHECK_EQ(200, got.nMax);
    CHECK_EQ(20u, got.nPage);
    // The position stops where the last page begins.
    set.fMask = SIF_POS;
    set.nPos = 500;
    CHECK_EQ(181, SetScrollInfo(w, SB_HORZ, &set, FALSE));

    // A range that does not scroll hides the bar again.
    CHECK(SetScrollRange(w, SB_VERT, 0, 0, FALSE));
    CHECK_EQ((DWORD)WS_HSCROLL, Bars(w));
    DestroyWindow(w);
}
