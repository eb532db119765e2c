// Typing into a date control never leaves it holding, or handing over, a date that does not
// exist: the smallest sequences that once did, replayed as a user types them.
#include "value_fixture.h"

#include <cstring>

namespace spin_test {
namespace {

class TypedDateTest : public SpinValueTest {
protected:
    // A date control holding the date, in the order the pattern gives, with two-digit years.
    void Open(const char* pattern, tagSpinDate date) {
        SetYear(2026);
        SetIntl(std::string("sShortDate=") + pattern + "\nsDate=/\n");
        ControlPlan plan;
        plan.kind = eSpinDate;
        plan.date = date;
        dialog_ = std::make_unique<SpinDialog>(std::vector<ControlPlan>{plan});
    }

    std::string Fields() const { return FieldText(1) + "/" + FieldText(2) + "/" + FieldText(3); }
    void ClickStartOf(int n) const {
        RECT rc{};
        ::GetClientRect(Field(n), &rc);
        desktop::ClickWindow(Field(n), POINT{1, rc.bottom / 2});
    }
    // The focus leaves the control for the button after it.
    void LeaveControl() const { ::SetFocus(::GetDlgItem(dialog_->dialog(), kButtonAfterId)); }

    // Get's answer; `got` keeps its marker bytes when Get fails.
    bool Get(tagSpinDate& got) const {
        std::memset(&got, 0xEE, sizeof got);
        return dialog_->spin(1)->Get(&got) != FALSE;
    }
    static void ExpectDate(const tagSpinDate& got, int day, int month, int year) {
        EXPECT_EQ(got.nDay, day);
        EXPECT_EQ(got.nMonth, month);
        EXPECT_EQ(got.nYear, year);
    }
};

TEST_F(TypedDateTest, ADayBeyondTheTypedMonthIsNeverHandedOver) {
    Open("M/d/yy", tagSpinDate{31, 3, 2081, 0});
    ClickStartOf(1);
    PressKey(VK_END);
    PressKey(VK_BACK);
    PressKey(VK_BACK);
    Type("4");
    ASSERT_EQ(Fields(), "4/31/81");
    tagSpinDate got{};
    EXPECT_FALSE(Get(got)) << "31 April does not exist";
    EXPECT_EQ(got.nDay, 0xEE) << "nothing written";

    LeaveControl();
    EXPECT_EQ(Fields(), " 3/31/81") << "the last good date is shown again";
    ASSERT_TRUE(Get(got));
    ExpectDate(got, 31, 3, 2081);
}

TEST_F(TypedDateTest, ADayOrMonthFieldNeverTakesAThirdDigit) {
    Open("d/M/yy", tagSpinDate{19, 3, 2081, 0});
    ClickStartOf(1);
    Type("2");
    EXPECT_EQ(FieldText(1), "19");
    ::SetWindowTextA(Field(2), "10");
    ::SendMessageA(Field(2), EM_SETSEL, 0, 0);
    ::SetFocus(Field(2));
    Type("1");
    EXPECT_EQ(FieldText(2), "10");
}

// What a host or a paste puts in a field is judged whole when the control reads it back.
TEST_F(TypedDateTest, AReadBackThatIsNoDateKeepsTheLastGoodOne) {
    Open("d/M/yy", tagSpinDate{19, 3, 2081, 0});
    const struct {
        int field;
        const char* text;
    } cases[] = {{1, "219"}, {2, "310"}, {2, "0"}, {1, "0"}, {3, "x"}, {1, "-1"}};
    for (const auto& c : cases) {
        ::SetFocus(Field(c.field));
        ::SetWindowTextA(Field(c.field), c.text);
        tagSpinDate got{};
        EXPECT_FALSE(Get(got)) << c.text;
        LeaveControl();
        EXPECT_EQ(Fields(), "19/ 3/81") << c.text;
        ASSERT_TRUE(Get(got)) << c.text;
        ExpectDate(got, 19, 3, 2081);
    }
    // A later step starts from the good date, not from the refused text.
    ::SetWindowTextA(Field(1), "219");
    ::SetFocus(Field(1));
    PressKey(VK_UP);
    EXPECT_EQ(Fields(), "20/ 3/81");
}

TEST_F(TypedDateTest, AYearStepFromALeapDayKeepsTheDayInItsMonth) {
    Open("d/M/yy", tagSpinDate{29, 2, 2084, 0});
    ::SetFocus(Field(3));
    PressKey(VK_UP);
    EXPECT_EQ(Fields(), "28/ 2/85");
}

} // namespace
} // namespace spin_test
