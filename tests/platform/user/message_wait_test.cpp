// MsgWaitForMultipleObjects under the driver: it never sleeps, it moves the manual clock.
#include "user_fixture.h"

#include <windows.h>

namespace user_test {
namespace {

class MessageWaitTest : public UserTest {};

TEST_F(MessageWaitTest, AWaitWithNothingComingMovesTheClockToItsEnd) {
    const DWORD start = GetTickCount();
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 500, QS_ALLINPUT), (DWORD)WAIT_TIMEOUT);
    EXPECT_EQ(GetTickCount() - start, 500u);
}

TEST_F(MessageWaitTest, ATimerDueWithinTheWaitEndsItThen) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    const DWORD start = GetTickCount();
    SetTimer(w, 1, 120, nullptr);
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT),
              (DWORD)WAIT_OBJECT_0);
    EXPECT_EQ(GetTickCount() - start, 120u);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, w, WM_TIMER, WM_TIMER, PM_REMOVE));
}

TEST_F(MessageWaitTest, AScriptedStepRunsDuringAnEndlessWait) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    desktop::QueueStep([w] { PostMessageA(w, WM_USER, 0, 0); });
    EXPECT_EQ(MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT),
              (DWORD)WAIT_OBJECT_0);
}

TEST_F(MessageWaitTest, HandlesAreRefused) {
    HANDLE none = nullptr;
    EXPECT_EQ(MsgWaitForMultipleObjects(1, &none, FALSE, 0, QS_ALLINPUT), (DWORD)WAIT_FAILED);
}

} // namespace
} // namespace user_test
