// Steps of the spin control for each kind, by the step keys and by clicks on its arrows: what the
// fields show afterwards, and the one notification (100 up, 101 down) the host hears, sent once
// the fields already show the new value.
#include "portable_host.h"

using namespace portable;

namespace {

constexpr UINT kArrowUp = 1; // a click on the up arrow instead of a key
constexpr UINT kArrowDown = 2;

struct StepRow {
    SpinPlan plan;
    int field; // the field that has the focus
    UINT input;
    const char* after;                // the fields afterwards, "f1|f2|f3"
    const char* iTime = "1";          // the 24-hour clock
    const char* pattern = "dd/MM/yy"; // the fields are day, month, year
};

tagSpinTime Time(BYTE hour, BYTE minute) {
    return {hour, minute, 0, 0};
}

tagSpinDate Date(BYTE day, BYTE month, WORD year) {
    return {day, month, year, 0};
}

// Limits 0..100 by 1, and 0..10 by 0.25.
const StepRow kSteps[] = {
    {{1, eSpinInt, 5}, 1, VK_UP, " 6||"},
    {{1, eSpinInt, 5}, 1, kArrowDown, " 4||"},
    {{1, eSpinInt, 98}, 1, VK_PRIOR, "100||"},
    {{1, eSpinFloat, 5, 1.5f}, 1, kArrowUp, "   1.75||"},
    {{1, eSpinFloat, 5, 1.5f}, 1, VK_PRIOR, "   5.25||"},
    {{1, eSpinFloat, 5, 1.5f}, 1, VK_NEXT, "   0.00||"},
    {{1, eSpinTime}, 1, VK_UP, "10|15|"},
    {{1, eSpinTime, 5, 0, Time(10, 0)}, 1, VK_PRIOR, "01|00|"},
    {{1, eSpinTime, 5, 0, Time(9, 0)}, 2, VK_DOWN, "08|59|"},
    {{1, eSpinTime, 5, 0, Time(23, 59)}, 2, kArrowUp, "00|00|"},
    {{1, eSpinTime}, 3, VK_UP, "09|15|PM", "0"}, // morning to afternoon
    {{1, eSpinDate, 5, 0, {}, Date(31, 12, 1998)}, 1, VK_UP, "01|01|99"},
    {{1, eSpinDate, 5, 0, {}, Date(25, 1, 1999)}, 1, VK_PRIOR, "09|02|99"},
    {{1, eSpinDate, 5, 0, {}, Date(31, 1, 1999)}, 2, VK_UP, "28|02|99"},
    {{1, eSpinDate, 5, 0, {}, Date(15, 3, 1999)}, 2, VK_NEXT, "15|12|97"},
    {{1, eSpinDate, 5, 0, {}, Date(1, 1, 1980)}, 1, kArrowDown, "31|12|80"}, // at the year limit
    {{1, eSpinDate, 5, 0, {}, Date(10, 6, 2099)}, 3, VK_UP, "10|06|99"},
    {{1, eSpinDate}, 1, VK_UP, " 4| 5|1998", "1", "M/d/yyyy"}, // the month first
};

} // namespace

CONFORMANCE_TEST(PortableSpinStepsEachKindByKeysAndArrows) {
    for (const StepRow& r : kSteps) {
        IntlSettings intl;
        intl.iTime = r.iTime;
        intl.sShortDate = r.pattern;
        PinnedIntl pinned(intl);
        SpinHost host({r.plan});
        const HWND field = host.field(1, r.field);
        SetFocus(field);
        Pump(host.dialog());
        host.notes.clear();
        if (r.input == kArrowUp || r.input == kArrowDown)
            ClickArrow(host.dialog(), host.item(1), r.input == kArrowUp);
        else
            Key(host.dialog(), r.input);
        const WORD code =
            r.input == VK_UP || r.input == VK_PRIOR || r.input == kArrowUp ? 100 : 101;
        std::vector<Notification> steps;
        for (const Notification& n : host.notes)
            if (n.code == 100 || n.code == 101)
                steps.push_back(n);
        const std::string row = " [row " + std::to_string(&r - kSteps) + "]";
        CHECK_STR_EQ((r.after + row).c_str(), (host.fields(1) + row).c_str());
        CHECK_EQ(size_t{1}, steps.size());
        if (steps.size() == 1) {
            CHECK_EQ(code, steps[0].code);
            CHECK_EQ(WORD{1}, steps[0].id);
            CHECK(steps[0].from == host.item(1));
            CHECK_STR_EQ((r.after + row).c_str(), (steps[0].fields + row).c_str());
        }
        CHECK(GetFocus() == field);
    }
}

// A read-only control still steps, by keys and arrows, and still takes designator letters (that
// path sets the text itself); only a digit accepted by the rules is stopped.
CONFORMANCE_TEST(PortableSpinReadOnlyStillStepsAndTakesDesignators) {
    IntlSettings intl;
    intl.iTime = "0";
    PinnedIntl pinned(intl);
    SpinHost host({{1, eSpinTime}});
    host.spin(1)->SetReadOnly(TRUE);
    SetFocus(host.field(1, 2));
    Key(host.dialog(), VK_UP);
    ClickArrow(host.dialog(), host.item(1), true);
    CHECK_STR_EQ("09|17|AM", host.fields(1).c_str());
    SetFocus(host.field(1, 3));
    Type(host.dialog(), "p");
    CHECK_STR_EQ("09|17|PM", host.fields(1).c_str());
    SetFocus(host.field(1, 2));
    SendMessageA(host.field(1, 2), EM_SETSEL, 0, 0);
    Type(host.dialog(), "\x02"
                        "1");
    CHECK_STR_EQ("09|17|PM", host.fields(1).c_str());
}
