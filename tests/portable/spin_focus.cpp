// The focus in and around spin controls: Tab and Shift+Tab between the fields and out at either
// end, the field notifications the host hears under the control's own identifier and in
// Win32's order, and the read-back that every focus loss of a field asks for.
#include "portable_host.h"

using namespace portable;

namespace {

// Counts the read-back requests (the control's private message) that reach a control.
int g_readBacks = 0;
WNDPROC g_spinProc = nullptr;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 200)
        ++g_readBacks;
    return CallWindowProcA(g_spinProc, hwnd, message, wParam, lParam);
}

std::string Codes(const std::vector<Notification>& notes) {
    std::string codes;
    for (const Notification& n : notes) {
        char one[48];
        snprintf(one, sizeof one, "%s%u:%x %s", codes.empty() ? "" : ", ", n.id, n.code,
                 n.fields.c_str());
        codes += one;
    }
    return codes;
}

} // namespace

// Whatever field Tab or Shift+Tab lands on has its whole text selected; into a control from
// either side is into its field 1; the 24-hour clock's empty designator field is still a stop.
CONFORMANCE_TEST(PortableSpinTabAndShiftTabWalkTheFieldsAndLeave) {
    PinnedIntl pinned(IntlSettings{});
    SpinHost host({{1, eSpinDate}, {2, eSpinInt}, {3, eSpinTime}});
    const HWND before = host.item(kEditBefore);
    const HWND after = host.item(kButtonAfter);
    const struct {
        HWND from;
        bool back;
        HWND to;
    } steps[] = {
        {before, false, host.field(1, 1)},
        {host.field(1, 1), false, host.field(1, 2)},
        {host.field(1, 2), false, host.field(1, 3)},
        {host.field(1, 3), false, host.field(2, 1)},
        {host.field(2, 1), false, host.field(3, 1)},
        {host.field(3, 2), false, host.field(3, 3)},
        {host.field(3, 3), false, after},
        {after, true, host.field(3, 1)},
        {host.field(3, 3), true, host.field(3, 2)},
        {host.field(3, 1), true, host.field(2, 1)},
        {host.field(2, 1), true, host.field(1, 1)},
        {host.field(1, 1), true, before},
    };
    for (const auto& step : steps) {
        SetFocus(step.from);
        Pump(host.dialog());
        Key(host.dialog(), VK_TAB, step.back);
        if (GetFocus() != step.to) {
            conformance::Fail(__FILE__, __LINE__,
                              "step " + std::to_string(&step - steps) + ": the focus is on id " +
                                  std::to_string(GetDlgCtrlID(GetFocus())));
            continue;
        }
        if (step.to != before && step.to != after)
            CHECK_STR_EQ(("0-" + std::to_string(GetWindowTextLengthA(step.to))).c_str(),
                         EditSelection(step.to).c_str());
    }
}

// Typing reaches the host as the edit's own codes under the control's identifier and handle;
// leaving a field reads it back first, so the host sees the regular form rewritten (update,
// change) before the focus codes (kill, set).
CONFORMANCE_TEST(PortableSpinForwardsFieldCodesInOrder) {
    PinnedIntl pinned(IntlSettings{});
    SpinHost host({{1, eSpinInt}, {2, eSpinTime}});
    SetFocus(host.field(1, 1));
    SendMessageA(host.field(1, 1), EM_SETSEL, 2, 2);
    Pump(host.dialog());
    host.notes.clear();
    Type(host.dialog(), "3");
    CHECK_STR_EQ("1:400  53||, 1:300  53||", Codes(host.notes).c_str());
    for (const Notification& n : host.notes)
        CHECK(n.from == host.item(1));

    SetFocus(host.field(2, 1));
    SetWindowTextA(host.field(2, 1), "7");
    Pump(host.dialog());
    host.notes.clear();
    Key(host.dialog(), VK_TAB);
    CHECK(GetFocus() == host.field(2, 2));
    CHECK_STR_EQ("2:400 07|15|, 2:300 07|15|, 2:200 07|15|, 2:100 07|15|",
                 Codes(host.notes).c_str());
}

// One read-back per focus loss of a field, also between fields of the same control, and none
// when a field gains the focus.
CONFORMANCE_TEST(PortableSpinEachFocusLossOfAFieldAsksForOneReadBack) {
    PinnedIntl pinned(IntlSettings{});
    SpinHost host({{1, eSpinTime}});
    g_spinProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(host.item(1), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
    g_readBacks = 0;
    SetFocus(host.field(1, 1));
    Pump(host.dialog());
    CHECK_EQ(0, g_readBacks);
    Key(host.dialog(), VK_TAB);
    CHECK_EQ(1, g_readBacks);
    SetFocus(host.item(kButtonAfter));
    Pump(host.dialog());
    CHECK_EQ(2, g_readBacks);
    SetWindowLongPtrA(host.item(1), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_spinProc));
}
