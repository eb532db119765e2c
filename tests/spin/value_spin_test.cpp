// Stepping through the control: the arrows step the focused field, reading typed text first,
// and the fields show the result. The calendar and clock rules are the stepping logic's table.
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

TEST_F(SteppingTest, NumbersStopAtTheirLimitsFromTypedText) {
    CKSpin* spin = MakeInt(0, 100, 5);
    const int start = 98;
    spin->Set(&start);
    ClickArrowOf(1, +1);
    EXPECT_EQ(FieldText(1), "100");
    ClickArrowOf(1, +1);
    EXPECT_EQ(FieldText(1), "100");
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
    SetFieldText(1, "0.1");
    ClickArrowOf(1, -1);
    EXPECT_EQ(FieldText(1), "   0.00");
}

TEST_F(SteppingTest, TimeFieldsWrapAndTheDesignatorFlips) {
    CKSpin* spin = MakeKind(eSpinTime);
    const tagSpinTime late{23, 59, 0, 0};
    spin->Set(&late);
    ClickArrowOf(2, +1);
    EXPECT_EQ(FieldText(1) + FieldText(2) + FieldText(3), "1200AM");
    ClickArrowOf(2, -1);
    EXPECT_EQ(FieldText(1) + FieldText(2) + FieldText(3), "1159PM");
    const tagSpinTime morning{9, 15, 0, 0};
    spin->Set(&morning);
    ClickArrowOf(3, -1);
    EXPECT_EQ(FieldText(1) + FieldText(3), "09PM");
    tagSpinTime got{};
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nHour, 21);
    ClickArrowOf(3, +1);
    EXPECT_EQ(FieldText(3), "AM");
}

TEST_F(SteppingTest, EachDateFieldStepsItsOwnComponentFromTypedText) {
    SetYear(1998);
    SetIntl("sDate=.\nsShortDate=dd.MM.yyyy\n"); // read as dd.MM.yyy: order 26, dd MM yy
    CKSpin* spin = MakeKind(eSpinDate);
    const struct {
        tagSpinDate start;
        int field;
        const char* shown;
    } cases[] = {{{31, 1, 1999, 0}, 2, "28.02.99"},
                 {{31, 12, 1998, 0}, 1, "01.01.99"},
                 {{10, 6, 2098, 0}, 3, "10.06.99"}};
    for (const auto& c : cases) {
        spin->Set(&c.start);
        ClickArrowOf(c.field, +1);
        EXPECT_EQ(FieldText(1) + "." + FieldText(2) + "." + FieldText(3), c.shown);
    }
    SetFieldText(1, "28");
    SetFieldText(2, "2");
    ClickArrowOf(1, +1);
    EXPECT_EQ(FieldText(1) + "." + FieldText(2), "01.03") << "typed text counts";
    EXPECT_EQ(spin->GetDateChange(3, 0), eFocusYear);
    EXPECT_EQ(spin->GetDateChange(4, 5), eFocusNone);
}

} // namespace
} // namespace spin_test
