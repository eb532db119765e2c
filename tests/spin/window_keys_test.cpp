// Keys typed into the fields of a control, as a user types them: the digit rules per position,
// designator letters, the step keys, and what a read-only control still does.
#include "window_host.h"

namespace spin_test {
namespace {

using KeysTest = SpinWindowTest;

constexpr const char* k12Hour = "iTime=0\niTLZero=0\n";
constexpr const char* k24Hour = "iTime=1\niTLZero=0\n";
constexpr const char* k12HourZero = "iTime=0\niTLZero=1\n";
constexpr const char* kDayMonthYear = "sShortDate=d/M/yyyy\nsDate=/\n"; // day, month, year

constexpr long kEnd = -1; // the caret at the end of the text

struct KeyRow {
    const char* name;
    eSpinValueTypes kind;
    const char* intl;
    int field;
    const char* text; // the field's text before the key
    long start;       // selection, or the caret when end == start
    long end;
    char key;
    const char* after; // the field's text afterwards
};

// Every digit rule is in the keystroke logic's own table; these rows show that the regional
// settings, the selection and the field's padding reach it, and what the field then shows.
const KeyRow kRows[] = {
    // Hours.
    {"24h: padded hour takes a tens digit", eSpinTime, k24Hour, 1, "  5", 2, 2, '1', "15"},
    {"12h: padded 5 cannot become 15", eSpinTime, k12Hour, 1, "  5", 2, 2, '1', "  5"},
    {"no leading zero: 0 refused in front of the hour", eSpinTime, k24Hour, 1, "5", 0, 0, '0', "5"},
    {"leading zero allowed: 0 in front of the hour", eSpinTime, k12HourZero, 1, "9", 0, 0, '0',
     "09"},
    // Minutes.
    {"whole minute selected by mouse refuses digits", eSpinTime, k24Hour, 2, "12", 0, 2, '3', "12"},
    // Designators.
    {"p picks PM", eSpinTime, k12Hour, 3, "AM", kEnd, kEnd, 'p', "PM"},
    {"a digit cannot replace a designator", eSpinTime, k12Hour, 3, "AM", 0, 2, '5', "AM"},
    {"an empty designator field takes a digit", eSpinTime, k24Hour, 3, "", 0, 0, '7', "7"},
    {"own designators", eSpinTime, "iTime=0\ns1159=vorm\ns2359=nachm\n", 3, "vorm", kEnd, kEnd, 'N',
     "nachm"},
    // Dates.
    {"day before a padded 5 takes 1", eSpinDate, kDayMonthYear, 1, " 5", 1, 1, '1', "15"},
    {"year takes any digit", eSpinDate, kDayMonthYear, 3, "199", kEnd, kEnd, '9', "1999"},
    {"letters never reach a date", eSpinDate, kDayMonthYear, 3, "199", kEnd, kEnd, 'q', "199"},
    // Numbers.
    {"an integer field takes letters", eSpinInt, "", 1, "5", kEnd, kEnd, 'a', "5a"},
    {"a float field takes a comma", eSpinFloat, "", 1, "3", kEnd, kEnd, ',', "3,"},
    {"characters above 127 pass into a number field", eSpinInt, "", 1, "", 0, 0, '\xE9', "\xE9"},
    {"characters above 127 never reach a time", eSpinTime, k24Hour, 1, "", 0, 0, '\xE9', ""},
};

TEST_F(KeysTest, EachKeyIsAcceptedOrDroppedByItsFieldAndPosition) {
    for (const KeyRow& r : kRows) {
        SetIntl(r.intl);
        SpinDialog dlg({{1, r.kind}});
        const HWND field = dlg.field(1, r.field);
        ASSERT_NE(field, nullptr) << r.name;
        ::SetFocus(field);
        ::SetWindowTextA(field, r.text);
        const long length = static_cast<long>(std::string(r.text).size());
        ::SendMessageA(field, EM_SETSEL, r.start == kEnd ? length : r.start,
                       r.end == kEnd ? length : r.end);
        EditProbe::s_bAfterTab = FALSE;
        const char typed[2] = {r.key, '\0'};
        Type(typed);
        EXPECT_EQ(dlg.fieldText(1, r.field), r.after) << r.name;
        EXPECT_EQ(::GetFocus(), field) << r.name << ": typing never moves the focus";
    }
}

// The bypass lasts only while the text is selected as Tab left it: once Home or a click moved
// the caret, "10" with a 3 in front would have become month 310.
TEST_F(KeysTest, TheFirstDigitAfterTabReplacesTheSelectedText) {
    SetIntl(k24Hour);
    ControlPlan plan;
    plan.kind = eSpinTime;
    plan.time = {23, 45, 0, 0};
    SpinDialog dlg({plan});
    ::SetFocus(dlg.field(1, 1));
    PressKey(VK_TAB);
    ASSERT_EQ(::GetFocus(), dlg.field(1, 2));
    Type("7");
    EXPECT_EQ(dlg.fieldText(1, 2), "7") << "the rules would refuse a 7 in front of 45";
    Type("9");
    EXPECT_EQ(dlg.fieldText(1, 2), "7") << "after the first digit the rules apply again";
    for (bool click : {false, true}) {
        ::SetWindowTextA(dlg.field(1, 2), "45");
        ::SetFocus(dlg.field(1, 1));
        PressKey(VK_TAB);
        if (click) {
            desktop::ClickWindow(dlg.field(1, 2), POINT{1, 5});
        } else {
            PressKey(VK_HOME);
        }
        Type("7");
        EXPECT_EQ(dlg.fieldText(1, 2), "45") << (click ? "a click" : "Home") << " ended it";
    }
}

struct StepRow {
    UINT key;
    int code;
    const char* hour; // the hour field afterwards, from 09:15 with the hour focused
};

TEST_F(KeysTest, ArrowAndPageKeysStepByOneAndFifteenInEveryKind) {
    SetIntl(k24Hour);
    const StepRow rows[] = {
        {VK_UP, 100, "10"}, {VK_DOWN, 101, "  8"}, {VK_PRIOR, 100, "  0"}, {VK_NEXT, 101, "18"}};
    for (const StepRow& r : rows) {
        SpinDialog dlg({{1, eSpinTime}, {2, eSpinInt}, {3, eSpinDate}});
        ::SetFocus(dlg.field(1, 1));
        dlg.notes.clear();
        PressKey(r.key);
        EXPECT_EQ(dlg.fieldText(1, 1), r.hour) << r.key;
        ASSERT_FALSE(dlg.notes.empty());
        EXPECT_EQ(dlg.notes.back().code, r.code) << r.key;
        EXPECT_EQ(::GetFocus(), dlg.field(1, 1));
    }
}

TEST_F(KeysTest, AReadOnlyControlStillStepsAndTakesDesignatorLetters) {
    SetIntl(k12Hour);
    SpinDialog dlg({{1, eSpinTime}});
    dlg.spin(1)->SetReadOnly(TRUE);
    ::SetFocus(dlg.field(1, 2));
    PressKey(VK_UP);
    EXPECT_EQ(dlg.fieldText(1, 2), "16");
    ClickArrow(dlg.control(1), true);
    EXPECT_EQ(dlg.fieldText(1, 2), "17");
    ::SetFocus(dlg.field(1, 3));
    Type("p");
    EXPECT_EQ(dlg.fieldText(1, 3), "PM");
    ::SetFocus(dlg.field(1, 2));
    ::SendMessageA(dlg.field(1, 2), EM_SETSEL, 0, 0);
    EditProbe::s_bAfterTab = FALSE;
    Type("1");
    EXPECT_EQ(dlg.fieldText(1, 2), "17") << "an accepted digit is what read-only stops";
}

} // namespace
} // namespace spin_test
