#include "user_fixture.h"

namespace user_test {

std::map<HWND, Handler>& Handlers() {
    static std::map<HWND, Handler> handlers;
    return handlers;
}

LRESULT CALLBACK TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto it = Handlers().find(hwnd);
    if (it != Handlers().end() && it->second) {
        // A copy: the handler may replace itself or destroy its window.
        Handler h = it->second;
        return h(hwnd, msg, wParam, lParam);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void UserTest::SetUp() {
    desktop::reset();
    Handlers().clear();
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = TestProc;
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "UserTestWnd";
    ASSERT_NE(RegisterClassA(&wc), 0);
}

void UserTest::TearDown() {
    // Handlers capture the test's locals, which are gone by now: windows still alive are
    // destroyed by the reset with the plain default procedure.
    Handlers().clear();
    desktop::reset();
}

HWND UserTest::TopLevel(const char* title, int x, int y, int cx, int cy, DWORD style) {
    return CreateWindowExA(0, "UserTestWnd", title, style, x, y, cx, cy, nullptr, nullptr, nullptr,
                           nullptr);
}

HWND UserTest::Child(HWND parent, int id, int x, int y, int cx, int cy, DWORD style) {
    return CreateWindowExA(0, "UserTestWnd", "", style, x, y, cx, cy, parent, (HMENU)(UINT_PTR)id,
                           nullptr, nullptr);
}

} // namespace user_test
