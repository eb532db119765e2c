// Characters typed into the spin control's fields: the digit rules by field, position and
// regional clock, the designator letters, what number fields take, and the first digit after
// Tab replacing the selected text.
#include "portable_host.h"

using namespace portable;

namespace {

constexpr long kEnd = -1; // the caret at the end of the text

IntlSettings Clock(const char* iTime, const char* iTLZero, const char* am = "AM",
                   const char* pm = "PM") {
    IntlSettings s;
    s.iTime = iTime;
    s.iTLZero = iTLZero;
    s.s1159 = am;
    s.s2359 = pm;
    return s;
}
const IntlSettings k24 = Clock("1", "0");
const IntlSettings k12 = Clock("0", "0");
const IntlSettings k12Zero = Clock("0", "1");
const IntlSettings kOwnWords = Clock("0", "1", "vorm", "nachm");

struct TypingRow {
    const IntlSettings* regional;
    eSpinValueTypes kind;
    int field;
    const char* text; // the field's text before the character
    long start;       // the selection; a caret where start == end
    long end;
    char typed;
    const char* after;
};

// Date fields are day, month, two-digit year.
const TypingRow kRows[] = {
    {&k24, eSpinTime, 1, "  5", 2, 2, '1', "15"},  // a tens digit before a padded hour
    {&k12, eSpinTime, 1, "  5", 2, 2, '1', "  5"}, // 15 is no 12-hour hour
    {&k24, eSpinTime, 1, "2", kEnd, kEnd, '3', "23"},
    {&k24, eSpinTime, 1, "2", kEnd, kEnd, '4', "2"},
    {&k12, eSpinTime, 1, "1", kEnd, kEnd, '2', "12"},
    {&k12, eSpinTime, 1, "1", kEnd, kEnd, '3', "1"},
    {&k24, eSpinTime, 1, "5", 0, 0, '0', "5"},      // no leading zero wanted
    {&k12Zero, eSpinTime, 1, "9", 0, 0, '0', "09"}, // leading zero wanted
    {&k24, eSpinTime, 2, "5", kEnd, kEnd, '9', "59"},
    {&k24, eSpinTime, 2, "6", kEnd, kEnd, '0', "6"},
    {&k24, eSpinTime, 2, "12", 0, 2, '3', "12"}, // a selection made with the mouse
    {&k12, eSpinTime, 3, "AM", kEnd, kEnd, 'p', "PM"},
    {&k12, eSpinTime, 3, "PM", kEnd, kEnd, 'm', "AM"}, // case flipped, "AM" searched first
    {&k12, eSpinTime, 3, "AM", kEnd, kEnd, 'x', "AM"},
    {&k12, eSpinTime, 3, "AM", 0, 2, '5', "AM"},
    {&k12, eSpinTime, 3, "", 0, 0, '7', "7"}, // an empty designator field takes a digit
    {&k24, eSpinTime, 3, "", 0, 0, '7', ""},  // but the 24-hour one has no width for it
    {&kOwnWords, eSpinTime, 3, "vorm", kEnd, kEnd, 'N', "nachm"},
    {&k24, eSpinDate, 1, " 5", 1, 1, '2', "25"},
    {&k24, eSpinDate, 1, " 5", 1, 1, '3', " 5"},
    {&k24, eSpinDate, 1, "3", kEnd, kEnd, '1', "31"},
    {&k24, eSpinDate, 1, "3", kEnd, kEnd, '2', "3"},
    {&k24, eSpinDate, 2, "1", kEnd, kEnd, '2', "12"},
    {&k24, eSpinDate, 2, "1", kEnd, kEnd, '3', "1"},
    {&k24, eSpinDate, 3, "9", kEnd, kEnd, '9', "99"},
    {&k24, eSpinDate, 3, "9", kEnd, kEnd, 'q', "9"},
    {&k24, eSpinInt, 1, "5", kEnd, kEnd, 'a', "5a"},
    {&k24, eSpinFloat, 1, "3", kEnd, kEnd, ',', "3,"},
    {&k24, eSpinInt, 1, "", 0, 0, '\xE9', "\xE9"}, // beyond ASCII into a number field
    {&k24, eSpinTime, 1, "", 0, 0, '\xE9', ""},    // but never into a time
};

} // namespace

CONFORMANCE_TEST(PortableSpinTypedCharactersFollowTheFieldRules) {
    for (const TypingRow& r : kRows) {
        PinnedIntl pinned(*r.regional);
        SpinHost host({{1, r.kind}});
        const HWND field = host.field(1, r.field);
        SetFocus(field);
        SetWindowTextA(field, r.text);
        const long length = static_cast<long>(std::string(r.text).size());
        SendMessageA(field, EM_SETSEL, r.start == kEnd ? length : r.start,
                     r.end == kEnd ? length : r.end);
        Type(host.dialog(), "\x02"); // a control character: nothing passed Tab's bypass on
        const char typed[] = {r.typed, '\0'};
        Type(host.dialog(), typed);
        const std::string row = std::string(" [") + r.text + " + " + typed + "]";
        CHECK_STR_EQ((r.after + row).c_str(), (WindowText(field) + row).c_str());
        CHECK(GetFocus() == field);
    }
}

// Tab selects the next field's text and lets the first digit replace it unchecked (a 7 in front
// of 45 minutes would be refused); after it, or once Home or a click moved the caret, the rules
// apply again.
CONFORMANCE_TEST(PortableSpinFirstDigitAfterTabReplacesTheSelection) {
    PinnedIntl pinned(k24);
    SpinPlan plan{1, eSpinTime};
    plan.time = {23, 45, 0, 0};
    SpinHost host({plan});
    const HWND minute = host.field(1, 2);
    SetFocus(host.field(1, 1));
    Key(host.dialog(), VK_TAB);
    CHECK(GetFocus() == minute);
    Type(host.dialog(), "79");
    CHECK_STR_EQ("7", WindowText(minute).c_str());
    for (bool click : {false, true}) {
        SetWindowTextA(minute, "45");
        SetFocus(host.field(1, 1));
        Key(host.dialog(), VK_TAB);
        if (click) {
            PostMessageA(minute, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 5));
            PostMessageA(minute, WM_LBUTTONUP, 0, MAKELPARAM(1, 5));
        } else {
            Key(host.dialog(), VK_HOME);
        }
        Type(host.dialog(), "7");
        const std::string how = click ? " after a click" : " after Home";
        CHECK_STR_EQ(("45" + how).c_str(), (WindowText(minute) + how).c_str());
    }
}
