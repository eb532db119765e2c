// Stepping through the control reads the typed text first and keeps the value Get hands over in
// step with the fields. What each kind shows after a key or an arrow is pinned by
// tests/portable/spin_steps.cpp, the calendar and clock rules by the stepping logic's table.
#include "value_fixture.h"

namespace spin_test {
namespace {

using SteppingTest = SpinValueTest;

TEST_F(SteppingTest, AFreshControlStepsNowhere) {
    SpinProbe spin;
    spin.Spin(1);
    spin.Spin(-15);
    EXPECT_EQ(spin.m_nValue, 0);
    EXPECT_EQ(spin.m_nFocus, 1);
    spin.SetProperties(nullptr, eSpinInt);
    spin.Spin(1);
    EXPECT_EQ(spin.m_nValue, 0) << "the kind overload keeps limits and step 0";
}

TEST_F(SteppingTest, StepsStartFromTypedTextAndStopAtTheLimits) {
    CKSpin* spin = MakeInt(0, 100, 5);
    SetFieldText(1, "3");
    ClickArrowOf(1, -1);
    EXPECT_EQ(FieldText(1), " 0");
    spin->Spin(15);
    EXPECT_EQ(FieldText(1), "75");

    ControlPlan plan;
    plan.kind = eSpinFloat;
    plan.fMax = 1.0f;
    Make(plan);
    SetFieldText(1, "0.9");
    ClickArrowOf(1, +1);
    EXPECT_EQ(FieldText(1), "   1.00");

    SetYear(1998);
    SetIntl("sDate=.\nsShortDate=dd.MM.yyyy\n"); // read as dd.MM.yyy: order 26, dd MM yy
    spin = MakeKind(eSpinDate);
    const tagSpinDate held{31, 1, 1999, 0};
    spin->Set(&held);
    SetFieldText(1, "28");
    SetFieldText(2, "2");
    ClickArrowOf(1, +1);
    EXPECT_EQ(FieldText(1) + "." + FieldText(2), "01.03");
    EXPECT_EQ(spin->GetDateChange(3, 0), eFocusYear);
    EXPECT_EQ(spin->GetDateChange(4, 5), eFocusNone);
}

TEST_F(SteppingTest, AFlippedDesignatorIsTheHourGetHandsOver) {
    CKSpin* spin = MakeKind(eSpinTime);
    const tagSpinTime morning{9, 15, 0, 0};
    spin->Set(&morning);
    ClickArrowOf(3, -1);
    EXPECT_EQ(FieldText(1) + FieldText(3), "09PM");
    tagSpinTime got{};
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nHour, 21);
}

} // namespace
} // namespace spin_test
