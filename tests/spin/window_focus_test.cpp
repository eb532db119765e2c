// Tab and Shift+Tab inside a control and out of it, and the read-back that every focus loss
// of a field asks for.
#include "window_host.h"

namespace spin_test {
namespace {

using FocusTest = SpinWindowTest;

DWORD SelectionOf(HWND field) {
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    return MAKELONG(start, end);
}

DWORD WholeText(HWND field) {
    return MAKELONG(0, ::GetWindowTextLengthA(field));
}

TEST_F(FocusTest, TabWalksThroughTheFieldsAndOutOfTheControl) {
    SpinDialog dlg({{1, eSpinDate}});
    ::SetFocus(dlg.control(kEditBeforeId));
    PressKey(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg.field(1, 1)) << "the dialog's Tab lands on field 1";
    EXPECT_EQ(SelectionOf(dlg.field(1, 1)), WholeText(dlg.field(1, 1)));
    for (int n = 2; n <= 3; ++n) {
        PressKey(VK_TAB);
        ASSERT_EQ(::GetFocus(), dlg.field(1, n)) << "field " << n;
        EXPECT_EQ(SelectionOf(dlg.field(1, n)), WholeText(dlg.field(1, n))) << "field " << n;
    }
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.control(kButtonAfterId));
}

TEST_F(FocusTest, ShiftTabWalksBackAndLeavesFromFieldOne) {
    SpinDialog dlg({{1, eSpinTime}});
    ::SetFocus(dlg.field(1, 3));
    PressShiftKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.field(1, 2));
    EXPECT_EQ(SelectionOf(dlg.field(1, 2)), WholeText(dlg.field(1, 2)));
    PressShiftKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.field(1, 1));
    PressShiftKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.control(kEditBeforeId));
}

TEST_F(FocusTest, ShiftTabFromTheNextControlComesBackToFieldOne) {
    SpinDialog dlg({{1, eSpinDate}});
    ::SetFocus(dlg.control(kButtonAfterId));
    PressShiftKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.field(1, 1));
}

TEST_F(FocusTest, OneFieldControlsLeaveOnTabAndOnShiftTab) {
    SpinDialog dlg({{1, eSpinInt}, {2, eSpinFloat}});
    ::SetFocus(dlg.field(1, 1));
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.field(2, 1)) << "into the next spin control";
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.control(kButtonAfterId));
    ::SetFocus(dlg.field(2, 1));
    PressShiftKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.field(1, 1)) << "Shift+Tab into a control lands on field 1";
}

TEST_F(FocusTest, The24HourDesignatorFieldHasNoWidthButIsATabStop) {
    SetIntl("iTime=1\n");
    SpinDialog dlg({{1, eSpinTime}});
    RECT r{};
    ::GetWindowRect(dlg.field(1, 3), &r);
    EXPECT_EQ(r.right - r.left, 0);
    ::SetFocus(dlg.field(1, 2));
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.field(1, 3));
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), dlg.control(kButtonAfterId));
}

TEST_F(FocusTest, EachFocusLossOfAFieldAsksForOneReadBack) {
    SpinDialog dlg({{1, eSpinTime}});
    desktop::MessageRecorder recorder;
    recorder.Watch(dlg.control(1));
    recorder.Only({WM_USER + 200});
    ::SetFocus(dlg.field(1, 1));
    EXPECT_TRUE(recorder.Messages().empty()) << recorder.Dump();
    PressKey(VK_TAB);
    EXPECT_EQ(recorder.Messages().size(), 1u) << recorder.Dump();
    ::SetFocus(dlg.control(kButtonAfterId));
    const auto result =
        desktop::expect_sequence(recorder.Messages(), {{dlg.control(1), WM_USER + 200, 0, 0},
                                                       {dlg.control(1), WM_USER + 200, 0, 0}});
    EXPECT_TRUE(result.ok) << result.text;
}

TEST_F(FocusTest, LeavingAFieldShowsWhatWasTypedInTheRegularForm) {
    SetIntl("iTime=1\niTLZero=1\n");
    SpinDialog dlg({{1, eSpinTime}});
    ::SetFocus(dlg.field(1, 2));
    ::SetWindowTextA(dlg.field(1, 2), "7");
    PressKey(VK_TAB);
    EXPECT_EQ(dlg.fieldText(1, 2), "07");
    EXPECT_EQ(dlg.fieldText(1, 1), "09");
}

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
