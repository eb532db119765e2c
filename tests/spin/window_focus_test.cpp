// A field destroyed while it has the focus. Tab, Shift+Tab and the read-back on focus loss are
// portable checks (tests/portable/spin_focus.cpp).
#include "window_host.h"

namespace spin_test {
namespace {

using FocusTest = SpinWindowTest;

TEST_F(FocusTest, AFieldDestroyedWhileFocusedLeavesAWorkingControl) {
    SpinDialog dlg({{1, eSpinDate}});
    CKSpin* spin = dlg.spin(1);
    ::SetFocus(dlg.field(1, 2));
    ::DestroyWindow(dlg.field(1, 2));
    spin->Spin(1);
    spin->Update();
    tagSpinDate date{};
    EXPECT_FALSE(spin->Get(&date)) << "a date needs all three fields";
    spin->EnableWindow(FALSE);
    EXPECT_FALSE(spin->IsWindowEnabled());
    char buffer[8];
    ::SendMessageA(dlg.control(1), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    ::SetFocus(dlg.control(1));
    PressKey(VK_TAB);
}

} // namespace
} // namespace spin_test
