// A seeded random walk of user and host steps over every kind of control and several regional
// settings, checking after each step what a host could ever receive: numbers within their
// limits after a step, times on the clock, dates that exist between 1980 and 2099, and Get true
// only for such values, writing nothing otherwise. Each dialog must go without leaving a window
// object or a GDI object behind.
//
// The short run is part of every test pass. RUZAV_WALK_STEPS=500000 makes a long one (a fresh
// seed each time unless RUZAV_WALK_SEED gives one); a failure prints the seed that replays it.
#include "window_host.h"

#include "spin/logic/date_value.h"

#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>

namespace spin_test {
namespace {

constexpr std::uint64_t kShortSeed = 20261206;
constexpr long kShortSteps = 1500;
constexpr int kStepsPerDialog = 250;

const char* const kRegions[] = {
    "",
    "sShortDate=dd.MM.yyyy\nsDate=.\niTime=1\niTLZero=0\ns1159=\ns2359=\n",
    "sShortDate=yyyy-MM-dd\nsDate=-\niTime=1\n",
    "sShortDate=d/M/yy\nsDate=/\niTime=0\niTLZero=0\ns1159=vorm\ns2359=nachm\n",
    "sShortDate=M/d/yyyy\nsDate=/\niTime=0\niTLZero=1\n",
    "sShortDate=yy/MM/dd\nsDate=/\n",
};
// Up to 2000 every year the control steps to is one Get can hand over; later, years from 2000 up
// to the clock's move a century past 2099 and Get refuses them, as it should.
const WORD kClockYears[] = {1980, 1998, 2000, 2026, 2081};
const eSpinValueTypes kKinds[] = {eSpinInt, eSpinFloat, eSpinTime, eSpinDate};
const UINT kEditKeys[] = {VK_HOME, VK_END, VK_BACK, VK_DELETE, VK_LEFT, VK_RIGHT};
const UINT kStepKeys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT};

long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

int TopLevelWindows() {
    int count = 0;
    for (HWND w = ::GetTopWindow(nullptr); w != nullptr; w = ::GetWindow(w, GW_HWNDNEXT)) {
        ++count;
    }
    return count;
}

class Walk {
public:
    Walk(std::uint64_t seed, SpinDialog& dialog, const ControlPlan (&plans)[4], WORD clockYear)
        : random_(seed), dialog_(dialog), plans_(plans), everyDateReadable_(clockYear <= 2000) {}

    // One step; returns the control a step of its value went to, or 0.
    WORD Act() {
        const WORD id = static_cast<WORD>(1 + Pick(4));
        const int field = 1 + Pick(dialog_.spin(id)->GetValueType() < eSpinTime ? 1 : 3);
        switch (Pick(10)) {
        case 0:
            ClickArrow(dialog_.control(id), Pick(2) == 0);
            return id;
        case 1: {
            const HWND arrows = dialog_.arrows(id);
            RECT rc{};
            ::GetClientRect(arrows, &rc);
            POINT at{rc.right / 2, Pick(2) == 0 ? 2 : rc.bottom - 3};
            ::ClientToScreen(arrows, &at);
            desktop::MouseDown(at);
            desktop::AdvanceClock(static_cast<DWORD>(Pick(800)));
            desktop::MouseUp(at);
            return id;
        }
        case 2:
            ::SetFocus(dialog_.field(id, field));
            PressKey(kStepKeys[Pick(4)]);
            return id;
        case 3:
            Pick(2) == 0 ? PressKey(VK_TAB) : PressShiftKey(VK_TAB);
            return 0;
        case 4:
        case 5: {
            const char typed[2] = {"0123456789aApP:/-. x"[Pick(20)], '\0'};
            Type(typed);
            return 0;
        }
        case 6: {
            RECT rc{};
            ::GetClientRect(dialog_.field(id, field), &rc);
            desktop::ClickWindow(dialog_.field(id, field),
                                 POINT{static_cast<LONG>(Pick(rc.right + 1)), rc.bottom / 2});
            return 0;
        }
        case 7:
            PressKey(kEditKeys[Pick(6)]);
            return 0;
        case 8:
            SetGarbage(id);
            return 0;
        default:
            return 0; // Get alone: every step ends with one for each control
        }
    }

    // What Get hands over, for every control. A control just stepped, or one the focus is not
    // in (its fields show what it holds), must hand over a value, unless a host's garbage is
    // all it holds since.
    void Check(WORD stepped) {
        if (stepped != 0) {
            garbage_[stepped] = false;
        }
        const HWND focus = ::GetFocus();
        for (WORD id = 1; id <= 4; ++id) {
            const bool focusIn = focus != nullptr && ::IsChild(dialog_.control(id), focus);
            CheckGet(id, id == stepped, id == stepped || (!focusIn && !garbage_[id]));
        }
    }

private:
    int Pick(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

    void SetGarbage(WORD id) {
        unsigned char bytes[8];
        for (unsigned char& b : bytes) {
            b = static_cast<unsigned char>(random_());
        }
        if (Pick(2) == 0) { // mostly small numbers, the kind a host miscalculates
            for (unsigned char& b : bytes) {
                b = static_cast<unsigned char>(b % 40);
            }
            bytes[2] = static_cast<unsigned char>(Pick(2) == 0 ? 0xBC : 0xD0);
            bytes[3] = 0x07;
        }
        dialog_.spin(id)->Set(bytes);
        garbage_[id] = true;
    }

    void CheckGet(WORD id, bool stepped, bool mustHandOver) {
        unsigned char got[8];
        std::memset(got, 0xEE, sizeof got);
        const BOOL ok = dialog_.spin(id)->Get(got);
        const ControlPlan& plan = plans_[id - 1];
        if (!ok) {
            EXPECT_FALSE(mustHandOver && (plan.kind != eSpinDate || everyDateReadable_))
                << "Get failed on control " << id << " showing what it holds";
            for (unsigned char b : got) {
                ASSERT_EQ(b, 0xEE) << "a failed Get wrote to the host's value, control " << id;
            }
            return;
        }
        switch (plan.kind) {
        case eSpinInt: {
            int value = 0;
            std::memcpy(&value, got, sizeof value);
            if (stepped) {
                EXPECT_GE(value, plan.nMin > plan.nMax ? plan.nMax : plan.nMin);
                EXPECT_LE(value, plan.nMax);
            }
            break;
        }
        case eSpinFloat: {
            float value = 0;
            std::memcpy(&value, got, sizeof value);
            if (stepped) { // shown, and so read back, to two decimals
                EXPECT_GE(value, (plan.fMin > plan.fMax ? plan.fMax : plan.fMin) - 0.0051f);
                EXPECT_LE(value, plan.fMax + 0.0051f);
            }
            break;
        }
        case eSpinTime:
            EXPECT_LE(got[0], 23) << "hour";
            EXPECT_LE(got[1], 59) << "minute";
            break;
        default: {
            tagSpinDate date{};
            std::memcpy(&date, got, kSpinDateBytes);
            EXPECT_TRUE(ruzav::spin::IsDateInRange(date.nDay, date.nMonth, date.nYear))
                << int{date.nDay} << "." << int{date.nMonth} << "." << date.nYear;
            EXPECT_EQ(got[5], 0xEE) << "Get wrote past the five bytes of a date";
            break;
        }
        }
    }

    std::mt19937_64 random_;
    SpinDialog& dialog_;
    const ControlPlan (&plans_)[4];
    bool everyDateReadable_;
    bool garbage_[5] = {};
};

class RandomWalkTest : public SpinWindowTest {};

TEST_F(RandomWalkTest, NoStepEverHandsTheHostAnImpossibleValue) {
    const long steps = EnvNumber("RUZAV_WALK_STEPS", kShortSteps);
    const std::uint64_t seed = static_cast<std::uint64_t>(EnvNumber(
        "RUZAV_WALK_SEED", steps == kShortSteps ? static_cast<long>(kShortSeed)
                                                : static_cast<long>(std::random_device{}())));
    std::ostringstream replay;
    replay << "replay with RUZAV_WALK_SEED=" << seed << " RUZAV_WALK_STEPS=" << steps;
    SCOPED_TRACE(replay.str());

    std::mt19937_64 setup(seed);
    for (long done = 0, round = 0; done < steps && !HasFailure(); ++round) {
        SetIntl(kRegions[setup() % std::size(kRegions)]);
        const WORD clockYear = kClockYears[setup() % std::size(kClockYears)];
        SetYear(clockYear);
        ControlPlan plans[4];
        for (WORD i = 0; i < 4; ++i) {
            plans[i].id = static_cast<WORD>(i + 1);
            plans[i].kind = kKinds[i];
            plans[i].nMin = static_cast<int>(setup() % 200) - 100;
            plans[i].nMax = static_cast<int>(setup() % 200) - 50;
            plans[i].nStep = static_cast<int>(setup() % 7) + 1;
            plans[i].fMin = static_cast<float>(setup() % 1000) / 10.0f - 50.0f;
            plans[i].fMax = static_cast<float>(setup() % 1000) / 10.0f;
            plans[i].fStep = 0.25f;
        }
        const int windowsBefore = TopLevelWindows();
        const std::size_t objectsBefore = desktop::AfxPermanentWindowCount();
        const desktop::GdiCounts gdiBefore = desktop::GdiObjectCounts();
        {
            SpinDialog dialog({plans[0], plans[1], plans[2], plans[3]});
            ASSERT_NE(dialog.dialog(), nullptr);
            Walk walk(setup(), dialog, plans, clockYear);
            for (int i = 0; i < kStepsPerDialog && done < steps && !HasFailure(); ++i, ++done) {
                SCOPED_TRACE("step " + std::to_string(done));
                walk.Check(walk.Act());
            }
        }
        EXPECT_EQ(TopLevelWindows(), windowsBefore) << "round " << round;
        EXPECT_EQ(desktop::AfxPermanentWindowCount(), objectsBefore) << "round " << round;
        const desktop::GdiCounts gdiAfter = desktop::GdiObjectCounts();
        EXPECT_EQ(gdiAfter, gdiBefore) << "round " << round << ": " << desktop::Describe(gdiAfter)
                                       << " after, " << desktop::Describe(gdiBefore) << " before";
    }
}

} // namespace
} // namespace spin_test
