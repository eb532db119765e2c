// A clean desktop per test, plus a window class whose procedure a test can replace, so a test
// can say what a window does with a message without writing a procedure of its own.
#pragma once

#include <desktop.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace user_test {

using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// Per-window handlers of the "UserTestWnd" class; messages without one go to DefWindowProcA.
std::map<HWND, Handler>& Handlers();
LRESULT CALLBACK TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

class UserTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible top-level window with a caption, or a visible child of `parent`.
    HWND TopLevel(const char* title = "Top", int x = 100, int y = 100, int cx = 300, int cy = 200,
                  DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND Child(HWND parent, int id, int x = 10, int y = 10, int cx = 50, int cy = 20,
               DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    // Installs what a window does with its messages.
    void Handle(HWND hwnd, Handler handler) { Handlers()[hwnd] = std::move(handler); }
};

// Checks a recorded sequence and prints the difference when it fails.
#define EXPECT_SEQUENCE(recorder, ...)                                                             \
    do {                                                                                           \
        auto result_ = desktop::expect_sequence((recorder).Messages(), __VA_ARGS__);               \
        EXPECT_TRUE(result_.ok) << result_.text;                                                   \
    } while (0)

} // namespace user_test
