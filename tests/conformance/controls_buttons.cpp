// Scroll-bar and button notifications as a host sees them, with input simulated by messages.
#include "conformance.h"
#include "controls_support.h"

#include <windows.h>

#include <vector>

using controls_conformance::Codes;
using controls_conformance::CreateChild;
using controls_conformance::Log;
using controls_conformance::Notification;
using controls_conformance::Pump;

namespace {

// A click on a scroll bar. The release is queued first: a scroll bar may track the mouse in a
// loop of its own from the press until it reads the release.
void ClickBar(HWND bar, int x, int y) {
    PostMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump();
}

std::vector<UINT> ScrollCodes(HWND bar) {
    std::vector<UINT> codes;
    for (const Notification& n : Log()) {
        if (n.message == WM_VSCROLL && n.from == bar) {
            codes.push_back(n.code);
        }
    }
    return codes;
}

} // namespace

CONFORMANCE_TEST(ControlsScrollBarArrowClicks) {
    HWND bar = CreateChild("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    CHECK(bar != nullptr);
    SetScrollRange(bar, SB_CTL, 0, 10, FALSE);
    SetScrollPos(bar, SB_CTL, 5, FALSE);
    CHECK_EQ(5, GetScrollPos(bar, SB_CTL));

    ClickBar(bar, 8, 3);
    CHECK(ScrollCodes(bar) == (std::vector<UINT>{SB_LINEUP, SB_ENDSCROLL}));
    Log().clear();
    ClickBar(bar, 8, 96);
    CHECK(ScrollCodes(bar) == (std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL}));
    CHECK_EQ(5, GetScrollPos(bar, SB_CTL));
    CHECK(GetCapture() == nullptr);
    DestroyWindow(bar);
}

CONFORMANCE_TEST(ControlsScrollBarRange) {
    HWND bar = CreateChild("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    SetScrollRange(bar, SB_CTL, 10, 20, FALSE);
    int min = 0;
    int max = 0;
    CHECK(GetScrollRange(bar, SB_CTL, &min, &max));
    CHECK_EQ(10, min);
    CHECK_EQ(20, max);
    CHECK_EQ(10, GetScrollPos(bar, SB_CTL));
    SetScrollPos(bar, SB_CTL, 99, FALSE);
    CHECK_EQ(20, GetScrollPos(bar, SB_CTL));
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_PAGE | SIF_POS;
    info.nPage = 4;
    info.nPos = 20;
    CHECK_EQ(17, SetScrollInfo(bar, SB_CTL, &info, FALSE));
    DestroyWindow(bar);
}

CONFORMANCE_TEST(ControlsButtonClicks) {
    HWND button = CreateChild("BUTTON", "OK", BS_PUSHBUTTON | WS_TABSTOP, 1, 10, 10, 75, 23);
    CHECK(button != nullptr);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    CHECK(GetFocus() == button);
    CHECK((SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0);
    CHECK(Codes(button).empty());
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    CHECK(Codes(button) == std::vector<UINT>{BN_CLICKED});
    CHECK((SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) == 0);

    Log().clear();
    SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
    CHECK(Codes(button).empty());
    SendMessageA(button, WM_KEYUP, VK_SPACE, 0xC0390001);
    CHECK(Codes(button) == std::vector<UINT>{BN_CLICKED});

    CHECK_EQ(static_cast<long long>(DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON),
             static_cast<long long>(SendMessageA(button, WM_GETDLGCODE, 0, 0)));
    DestroyWindow(button);
}

CONFORMANCE_TEST(ControlsCheckBoxToggles) {
    HWND box = CreateChild("BUTTON", "Check", BS_AUTOCHECKBOX, 2, 10, 40, 100, 20);
    CHECK_EQ(static_cast<long long>(BST_UNCHECKED),
             static_cast<long long>(SendMessageA(box, BM_GETCHECK, 0, 0)));
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    CHECK_EQ(static_cast<long long>(BST_CHECKED),
             static_cast<long long>(SendMessageA(box, BM_GETCHECK, 0, 0)));
    CHECK(Codes(box) == std::vector<UINT>{BN_CLICKED});
    DestroyWindow(box);
}

CONFORMANCE_TEST(ControlsOwnerDrawnButtonDrawsThroughItsParent) {
    HWND button = CreateChild("BUTTON", "", BS_OWNERDRAW, 3, 10, 70, 40, 30);
    UpdateWindow(button);
    Log().clear();
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    bool sawSelected = false;
    for (const Notification& n : Log()) {
        if (n.message == WM_DRAWITEM && n.from == button && (n.state & ODS_SELECTED) != 0) {
            sawSelected = true;
            CHECK_EQ(static_cast<UINT>(ODA_SELECT), n.code);
        }
    }
    CHECK(sawSelected);
    DestroyWindow(button);
}

CONFORMANCE_TEST(ControlsScrollBarShaftPages) {
    HWND bar = CreateChild("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    SetScrollRange(bar, SB_CTL, 0, 10, FALSE);
    SetScrollPos(bar, SB_CTL, 5, FALSE);
    ClickBar(bar, 8, 20);
    CHECK(ScrollCodes(bar) == (std::vector<UINT>{SB_PAGEUP, SB_ENDSCROLL}));
    Log().clear();
    ClickBar(bar, 8, 80);
    CHECK(ScrollCodes(bar) == (std::vector<UINT>{SB_PAGEDOWN, SB_ENDSCROLL}));
    DestroyWindow(bar);
}

CONFORMANCE_TEST(ControlsScrollBarLeavesTheFocusWithoutTabStop) {
    HWND edit = CreateChild("EDIT", "", WS_BORDER, 101, 100, 10, 100, 20);
    HWND bar = CreateChild("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 12, 20);
    SetFocus(edit);
    Log().clear();
    // The spin control's arrows: 12 by 20.
    // Windows splits a short bar's height between its two arrows; Wine keeps a 4-pixel shaft
    // between shortened arrows (8 + 4 + 8 here). Clicks near the ends are arrows on both.
    ClickBar(bar, 6, 2);
    ClickBar(bar, 6, 17);
    CHECK(ScrollCodes(bar) ==
          (std::vector<UINT>{SB_LINEUP, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL}));
    CHECK(GetFocus() == edit);
    DestroyWindow(bar);
    DestroyWindow(edit);
}

CONFORMANCE_TEST(ControlsButtonReleaseOutsideDoesNotClick) {
    HWND button = CreateChild("BUTTON", "OK", BS_PUSHBUTTON, 1, 10, 10, 75, 23);
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
    CHECK(Codes(button).empty());
    CHECK(GetCapture() == nullptr);
    DestroyWindow(button);
}

CONFORMANCE_TEST(ControlsStaticLetsClicksThrough) {
    HWND label = CreateChild("STATIC", "Label", SS_LEFT, 104, 10, 10, 100, 20);
    CHECK_EQ(static_cast<long long>(HTTRANSPARENT),
             static_cast<long long>(SendMessageA(label, WM_NCHITTEST, 0, MAKELPARAM(15, 15))));
    CHECK_EQ(static_cast<long long>(DLGC_STATIC),
             static_cast<long long>(SendMessageA(label, WM_GETDLGCODE, 0, 0)));
    DestroyWindow(label);
}

CONFORMANCE_TEST(ControlsButtonStyles) {
    HWND button = CreateChild("BUTTON", "OK", BS_PUSHBUTTON | WS_TABSTOP, 1, 10, 10, 75, 23);
    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    CHECK_EQ(static_cast<long>(BS_DEFPUSHBUTTON), GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK);
    CHECK((GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP) != 0);
    CHECK_EQ(static_cast<long long>(DLGC_BUTTON | DLGC_DEFPUSHBUTTON),
             static_cast<long long>(SendMessageA(button, WM_GETDLGCODE, 0, 0)));
    DestroyWindow(button);
}

// The item states an owner-drawn button reports: what a bitmap button picks its image by.
CONFORMANCE_TEST(ControlsOwnerDrawnButtonReportsFocusAndDisabledStates) {
    HWND button = CreateChild("BUTTON", "", BS_OWNERDRAW, 4, 10, 110, 40, 30);
    UpdateWindow(button);
    Log().clear();
    SetFocus(button);
    Pump();
    UINT focusState = 0;
    for (const Notification& n : Log()) {
        if (n.message == WM_DRAWITEM && n.from == button)
            focusState = n.state;
    }
    CHECK((focusState & ODS_FOCUS) != 0);
    CHECK_EQ(0u, focusState & ODS_SELECTED);

    SetFocus(nullptr);
    Log().clear();
    EnableWindow(button, FALSE);
    InvalidateRect(button, nullptr, TRUE);
    UpdateWindow(button);
    UINT disabledState = 0;
    bool drawn = false;
    for (const Notification& n : Log()) {
        if (n.message == WM_DRAWITEM && n.from == button) {
            disabledState = n.state;
            drawn = true;
            CHECK_EQ(static_cast<UINT>(ODA_DRAWENTIRE), n.code);
        }
    }
    CHECK(drawn);
    CHECK((disabledState & ODS_DISABLED) != 0);
    CHECK_EQ(0u, disabledState & ODS_FOCUS);
    DestroyWindow(button);
}
