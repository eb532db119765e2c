// What the parent hears: steps as codes 100 and 101 after the fields show the new value, and
// every field notification under the control's own identifier and handle.
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

struct ArrowRow {
    eSpinValueTypes kind;
    bool up;
    int code;
    const char* field1; // what field 1 shows when the parent hears of the step
};

TEST_F(NotifyTest, ArrowClicksStepAndNotifyAfterTheFieldsShowTheValue) {
    SetIntl("iTime=1\niTLZero=1\nsShortDate=dd/MM/yyyy\nsDate=/\n");
    const ArrowRow rows[] = {
        {eSpinInt, true, 100, " 6"},        {eSpinInt, false, 101, " 4"},
        {eSpinFloat, true, 100, "   1.75"}, {eSpinFloat, false, 101, "   1.25"},
        {eSpinTime, true, 100, "10"},       {eSpinTime, false, 101, "08"},
        {eSpinDate, true, 100, "06"},       {eSpinDate, false, 101, "04"}};
    for (const ArrowRow& r : rows) {
        SpinDialog dlg({{7, r.kind}});
        dlg.notes.clear();
        ClickArrow(dlg.control(7), r.up);
        const std::vector<Notification> steps = Steps(dlg.notes);
        ASSERT_EQ(steps.size(), 1u) << r.kind << (r.up ? " up" : " down");
        EXPECT_EQ(steps[0].code, r.code);
        EXPECT_EQ(steps[0].id, 7);
        EXPECT_EQ(steps[0].from, dlg.control(7));
        EXPECT_EQ(steps[0].fields[0], r.field1) << r.kind;
    }
}

TEST_F(NotifyTest, FieldNotificationsArriveAsTheControls) {
    SpinDialog dlg({{7, eSpinInt}});
    ::SetFocus(dlg.field(7, 1));
    dlg.notes.clear();
    Type("3");
    bool changed = false;
    for (const Notification& n : dlg.notes) {
        EXPECT_EQ(n.id, 7);
        EXPECT_EQ(n.from, dlg.control(7));
        changed = changed || n.code == EN_CHANGE;
    }
    EXPECT_TRUE(changed) << "EN_CHANGE forwarded";
    dlg.notes.clear();
    ::SetFocus(dlg.control(kButtonAfterId));
    ASSERT_FALSE(dlg.notes.empty());
    EXPECT_EQ(dlg.notes.back().code, EN_KILLFOCUS);
    EXPECT_EQ(dlg.notes.back().id, 7);
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
