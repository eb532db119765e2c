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

// Whatever field Tab or Shift+Tab lands on has its whole text selected; into a control from
// either side is into field 1; the 24-hour clock's designator field has no width but is a stop.
TEST_F(FocusTest, TabAndShiftTabWalkTheFieldsAndLeaveAtEitherEnd) {
    SetIntl("iTime=1\n");
    SpinDialog dlg({{1, eSpinDate}, {2, eSpinInt}, {3, eSpinTime}});
    const HWND before = dlg.control(kEditBeforeId);
    const HWND after = dlg.control(kButtonAfterId);
    const struct {
        HWND from;
        bool back;
        HWND to;
    } steps[] = {
        {before, false, dlg.field(1, 1)},          {dlg.field(1, 1), false, dlg.field(1, 2)},
        {dlg.field(1, 2), false, dlg.field(1, 3)}, {dlg.field(1, 3), false, dlg.field(2, 1)},
        {dlg.field(2, 1), false, dlg.field(3, 1)}, {dlg.field(3, 2), false, dlg.field(3, 3)},
        {dlg.field(3, 3), false, after},           {after, true, dlg.field(3, 1)},
        {dlg.field(3, 3), true, dlg.field(3, 2)},  {dlg.field(3, 1), true, dlg.field(2, 1)},
        {dlg.field(2, 1), true, dlg.field(1, 1)},  {dlg.field(1, 1), true, before},
    };
    RECT r{};
    ::GetWindowRect(dlg.field(3, 3), &r);
    EXPECT_EQ(r.right - r.left, 0);
    for (const auto& step : steps) {
        ::SetFocus(step.from);
        step.back ? PressShiftKey(VK_TAB) : PressKey(VK_TAB);
        ASSERT_EQ(::GetFocus(), step.to) << &step - steps;
        if (step.to != before && step.to != after) {
            EXPECT_EQ(SelectionOf(step.to), WholeText(step.to)) << &step - steps;
        }
    }
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
