// Sending and posting (their order: tests/conformance/user_windows.cpp): re-entrance, WM_PAINT
// and WM_TIMER made only when the queue is otherwise empty.
#include "user_fixture.h"

namespace user_test {
namespace {

using MessagesTest = UserTest;

TEST_F(MessagesTest, ReentrantSendsNestAndReturnTheirOwnResults) {
    HWND w = TopLevel();
    Handle(w, [](HWND h, UINT m, WPARAM wp, LPARAM l) -> LRESULT {
        if (m == WM_USER) {
            return wp == 0 ? 1 : wp + SendMessageA(h, WM_USER, wp - 1, 0);
        }
        return DefWindowProcA(h, m, wp, l);
    });
    EXPECT_EQ(SendMessageA(w, WM_USER, 100, 0), 5051);
}

TEST_F(MessagesTest, PaintAndTimerComeOnlyWhenNothingIsPosted) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    SetTimer(w, 7, 10, nullptr);
    desktop::AdvanceClock(0);
    // Make the timer due and the window dirty, then post: the posted message comes first.
    desktop::SetTickCount(GetTickCount() + 50);
    InvalidateRect(w, nullptr, TRUE);
    PostMessageA(w, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_USER);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_PAINT);
    DispatchMessageA(&msg);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, (UINT)WM_TIMER);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)); // next due only after 10 ms
}

TEST_F(MessagesTest, QuitEndsGetMessageAfterPostedMessages) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    PostMessageA(w, WM_USER, 0, 0);
    PostQuitMessage(3);
    MSG msg;
    EXPECT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, (UINT)WM_USER);
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, (UINT)WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessagesTest, PostedMessagesForADestroyedWindowAreDropped) {
    HWND w = TopLevel();
    int got = 0;
    Handle(w, [&](HWND h, UINT m, WPARAM wp, LPARAM l) -> LRESULT {
        got += m == WM_USER;
        return DefWindowProcA(h, m, wp, l);
    });
    PostMessageA(w, WM_USER, 0, 0);
    DestroyWindow(w);
    desktop::PumpUntilIdle();
    EXPECT_EQ(got, 0);
    MSG forged{w, WM_USER, 0, 0, 0, {}};
    EXPECT_EQ(DispatchMessageA(&forged), 0);
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
}

TEST_F(MessagesTest, SendDlgItemMessageAndCallWindowProcReachTheProcedure) {
    HWND top = TopLevel();
    HWND child = Child(top, 9);
    SetWindowTextA(child, "abc");
    EXPECT_EQ(SendDlgItemMessageA(top, 9, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(SendDlgItemMessageA(top, 10, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_EQ(CallWindowProcA(DefWindowProcA, child, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_EQ(CallWindowProcA(nullptr, child, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(MessagesTest, RegisteredMessagesAreSharedByName) {
    UINT a = RegisterWindowMessageA("RuzavPing");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageA("ruzavping"), a);
    EXPECT_NE(RegisterWindowMessageA("RuzavPong"), a);
    EXPECT_EQ(RegisterWindowMessageA(nullptr), 0u);
}

} // namespace
} // namespace user_test
