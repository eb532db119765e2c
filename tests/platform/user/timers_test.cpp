// Timers on the manual clock, and what a loop with nothing to wait for does (a timer set again
// or killed: tests/conformance/user_dialog_services.cpp).
#include "user_fixture.h"

namespace user_test {
namespace {

using TimersTest = UserTest;

TEST_F(TimersTest, TimersFireInOrderAsTheClockAdvances) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    std::vector<std::pair<UINT_PTR, DWORD>> fired;
    DWORD start = GetTickCount();
    Handle(w, [&](HWND h, UINT m, WPARAM wp, LPARAM l) -> LRESULT {
        if (m == WM_TIMER) {
            fired.push_back({wp, GetTickCount() - start});
        }
        return DefWindowProcA(h, m, wp, l);
    });
    SetTimer(w, 1, 100, nullptr);
    SetTimer(w, 2, 250, nullptr);
    desktop::AdvanceClock(99);
    EXPECT_TRUE(fired.empty());
    desktop::AdvanceClock(401); // ties go in the order the timers were set
    using F = std::pair<UINT_PTR, DWORD>;
    EXPECT_EQ(fired, (std::vector<F>{F{1, 100}, F{1, 200}, F{2, 250}, F{1, 300}, F{1, 400},
                                     F{1, 500}, F{2, 500}}));
}

TEST_F(TimersTest, WindowTimersDieWithTheWindow) {
    HWND w = TopLevel();
    SetTimer(w, 1, 10, nullptr);
    DestroyWindow(w);
    desktop::AdvanceClock(120);
    EXPECT_FALSE(KillTimer(w, 1));
    EXPECT_EQ(SetTimer((HWND)(UINT_PTR)0x999999, 1, 10, nullptr), 0u);
}

TEST_F(TimersTest, AModalLoopWaitsForItsTimer) {
    HWND w = TopLevel();
    Handle(w, [](HWND h, UINT m, WPARAM wp, LPARAM l) -> LRESULT {
        if (m == WM_TIMER) {
            KillTimer(h, wp);
            PostQuitMessage(0);
        }
        return DefWindowProcA(h, m, wp, l);
    });
    SetTimer(w, 1, 3000, nullptr);
    DWORD start = GetTickCount();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(GetTickCount() - start, 3000u);
}

TEST_F(TimersTest, ALoopWithNothingToWaitForReportsAStall) {
    EXPECT_DEATH(
        {
            desktop::reset();
            MSG msg;
            GetMessageA(&msg, nullptr, 0, 0);
        },
        "message loop stalled");
}

} // namespace
} // namespace user_test
