// Stepping through the control: the arrows step the focused field, the fields show the result,
// and the parent hears of every step.
#include "value_fixture.h"

#include <vector>

namespace spin_value_test {
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

TEST_F(SteppingTest, WholeNumbersStopAtTheirLimits) {
    CKSpin* spin = MakeInt(0, 100, 98, 5);
    const int start = 98;
    spin->Set(&start);
    ClickArrow(1, +1);
    EXPECT_EQ(FieldText(1), "100");
    ClickArrow(1, +1);
    EXPECT_EQ(FieldText(1), "100");
    SetFieldText(1, "3"); // typed text counts
    ClickArrow(1, -1);
    EXPECT_EQ(FieldText(1), " 0");
    spin->Spin(15);
    EXPECT_EQ(FieldText(1), "75");
}

TEST_F(SteppingTest, FractionsClamp) {
    CKSpin* spin = MakeFloat(0.0f, 1.0f, 0.9f, 0.25f);
    const float start = 0.9f;
    spin->Set(&start);
    ClickArrow(1, +1);
    EXPECT_EQ(FieldText(1), "   1.00");
    SetFieldText(1, "0.1");
    ClickArrow(1, -1);
    EXPECT_EQ(FieldText(1), "   0.00");
}

TEST_F(SteppingTest, EveryStepNotifiesTheParent) {
    CKSpin* spin = MakeInt(0, 10, 10, 1);
    s_notifications.clear();
    ClickArrow(1, +1); // already at the top: no change, still a notification
    ClickArrow(1, -1);
    spin->Spin(0);
    std::vector<UINT> codes;
    for (const auto& n : s_notifications) {
        if (n.code == 100 || n.code == 101) {
            codes.push_back(n.code);
            EXPECT_EQ(n.id, 1000u);
            EXPECT_EQ(n.from, m_hSpin);
        }
    }
    EXPECT_EQ(codes, (std::vector<UINT>{100, 101, 100}));
}

TEST_F(SteppingTest, TimeFieldsWrapAndTheDesignatorFlips) {
    CKSpin* spin = MakeKind(eSpinTime);
    const tagSpinTime late{23, 59, 0, 0};
    spin->Set(&late);
    ClickArrow(2, +1);
    EXPECT_EQ(FieldText(1), "12");
    EXPECT_EQ(FieldText(2), "00");
    EXPECT_EQ(FieldText(3), "AM");
    ClickArrow(2, -1);
    EXPECT_EQ(FieldText(1), "11");
    EXPECT_EQ(FieldText(2), "59");
    EXPECT_EQ(FieldText(3), "PM");

    const tagSpinTime morning{9, 15, 0, 0};
    spin->Set(&morning);
    ClickArrow(3, -1);
    EXPECT_EQ(FieldText(1), "09");
    EXPECT_EQ(FieldText(3), "PM");
    tagSpinTime got{};
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nHour, 21);
    ClickArrow(3, +1);
    EXPECT_EQ(FieldText(3), "AM");

    spin->Set(&morning);
    ::SetFocus(Field(1));
    spin->Spin(15);
    ASSERT_TRUE(spin->Get(&got));
    EXPECT_EQ(got.nHour, 0);
}

TEST_F(SteppingTest, DatesCarryThroughTheCalendar) {
    SetYear(1998);
    SetIntl("sDate=.\nsShortDate=dd.MM.yyyy\n"); // read as dd.MM.yyy: order 26, dd MM yy
    CKSpin* spin = MakeKind(eSpinDate);
    // One step per field, so each field steps its own component; the calendar rules are
    // the stepping logic's table.
    const struct {
        tagSpinDate start;
        int field, n;
        const char *f1, *f2, *f3;
    } cases[] = {
        {{31, 1, 1999, 0}, 2, 1, "28", "02", "99"},
        {{31, 12, 1998, 0}, 1, 1, "01", "01", "99"},
        {{10, 6, 2098, 0}, 3, 1, "10", "06", "99"},
    };
    for (const auto& c : cases) {
        spin->Set(&c.start);
        ::SetFocus(Field(c.field));
        spin->Spin(c.n);
        EXPECT_EQ(FieldText(1), c.f1) << "field " << c.field << " by " << c.n;
        EXPECT_EQ(FieldText(2), c.f2) << "field " << c.field << " by " << c.n;
        EXPECT_EQ(FieldText(3), c.f3) << "field " << c.field << " by " << c.n;
    }
}

TEST_F(SteppingTest, GetDateChangeNamesTheComponentOfAField) {
    SetIntl("sDate=-\nsShortDate=yyyy-MM-dd\n"); // order 46: yyyy, MM, d
    SpinProbe spin;
    spin.SetProperties(nullptr, eSpinDate);
    const tagSpinDate date{10, 6, 2000, 0};
    spin.Set(&date);
    EXPECT_EQ(spin.GetDateChange(1, 0), eFocusYear);
    EXPECT_EQ(spin.GetDateChange(2, 0), eFocusMonth);
    EXPECT_EQ(spin.GetDateChange(3, 5), eFocusDay);
    EXPECT_EQ(spin.m_Date.nDay, 15);
    EXPECT_EQ(spin.GetDateChange(4, 5), eFocusNone);
    EXPECT_EQ(spin.m_Date.nDay, 15);
}

TEST_F(SteppingTest, TheStepReadsTypedTextFirst) {
    SetYear(1998);
    CKSpin* spin = MakeKind(eSpinDate); // M, d, yy
    const tagSpinDate date{5, 3, 1998, 0};
    spin->Set(&date);
    SetFieldText(2, "28");
    SetFieldText(1, "2");
    ClickArrow(2, +1);
    EXPECT_EQ(FieldText(1), " 3");
    EXPECT_EQ(FieldText(2), " 1");
}

} // namespace
} // namespace spin_value_test
