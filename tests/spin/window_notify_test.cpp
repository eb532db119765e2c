// What the parent hears apart from user input: no step from other scroll codes, nothing without
// a parent, and a parent that closes the dialog from a notification. Steps (100, 101) and the
// forwarded field codes are portable checks (tests/portable/spin_steps.cpp, spin_focus.cpp).
#include "window_host.h"

namespace spin_test {
namespace {

using NotifyTest = SpinWindowTest;

std::vector<Notification> Steps(const std::vector<Notification>& notes) {
    std::vector<Notification> steps;
    for (const Notification& n : notes) {
        if (n.code == 100 || n.code == 101) {
            steps.push_back(n);
        }
    }
    return steps;
}

TEST_F(NotifyTest, OtherScrollCodesDoNotStep) {
    SpinDialog dlg({{7, eSpinInt}});
    dlg.notes.clear();
    for (WORD code : {SB_PAGEUP, SB_PAGEDOWN, SB_THUMBTRACK, SB_TOP, SB_ENDSCROLL}) {
        ::SendMessageA(dlg.control(7), WM_VSCROLL, MAKEWPARAM(code, 0),
                       reinterpret_cast<LPARAM>(dlg.arrows(7)));
    }
    // A line-up from some other scroll bar does not step either.
    ::SendMessageA(dlg.control(7), WM_VSCROLL, SB_LINEUP,
                   reinterpret_cast<LPARAM>(dlg.field(7, 1)));
    EXPECT_TRUE(Steps(dlg.notes).empty());
    EXPECT_EQ(dlg.fieldText(7, 1), " 5");
}

TEST_F(NotifyTest, AControlWithoutParentSendsNothing) {
    ControlPlan plan;
    plan.id = 7;
    plan.withParent = false;
    SpinDialog dlg({plan});
    ::SetFocus(dlg.field(7, 1));
    Type("4");
    ClickArrow(dlg.control(7), true);
    for (const Notification& n : dlg.notes) {
        EXPECT_NE(n.id, 7) << "code " << n.code;
    }
}

TEST_F(NotifyTest, AParentMayCloseTheDialogFromANotification) {
    for (int code : {EN_CHANGE, 100}) {
        SpinDialog dlg({{7, eSpinInt}});
        const HWND spin = dlg.control(7);
        const HWND field = dlg.field(7, 1);
        dlg.closeOnCode = code;
        if (code == EN_CHANGE) {
            ::SetFocus(field);
            Type("1");
        } else {
            ClickArrow(spin, true);
        }
        EXPECT_FALSE(::IsWindow(spin)) << code;
        EXPECT_FALSE(::IsWindow(field)) << code;
        EXPECT_EQ(dlg.dialog(), nullptr) << code;
    }
}

} // namespace
} // namespace spin_test
