// Pop-up windows shown without activation, as tips are: the window that was active keeps the
// activation, its focused child keeps the focus and the caret, and the pop-up gets no focus
// or activation messages.
#include "conformance.h"
#include "host_window.h"

#include <windows.h>

#include <vector>

namespace {

struct Seen {
    HWND hwnd;
    UINT msg;
};
std::vector<Seen> g_seen;

LRESULT CALLBACK WatchingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ACTIVATE || msg == WM_SETFOCUS || msg == WM_KILLFOCUS || msg == WM_NCACTIVATE ||
        msg == WM_MOUSEACTIVATE) {
        g_seen.push_back(Seen{hwnd, msg});
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* WatchingClass() {
    return conformance::HostClass("ConformancePopup", WatchingProc, CS_SAVEBITS);
}

} // namespace

CONFORMANCE_TEST(UserNoActivatePopupKeepsTheHostsFocusAndCaret) {
    HWND host =
        CreateWindowExA(0, WatchingClass(), "Host", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, 50, 50,
                        300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CHECK(host != nullptr);
    HWND edit = CreateWindowExA(0, "EDIT", "typed", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 150,
                                22, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(host);
    SetActiveWindow(host);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    conformance::Pump();
    CHECK(GetActiveWindow() == host);
    CHECK(GetFocus() == edit);
    POINT caretBefore = {};
    CHECK(GetCaretPos(&caretBefore));
    g_seen.clear();

    HWND tip = CreateWindowExA(WS_EX_TOOLWINDOW, WatchingClass(), nullptr, WS_POPUP, 120, 140, 60,
                               20, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    CHECK(tip != nullptr);
    CHECK(!IsWindowVisible(tip));
    ShowWindow(tip, SW_SHOWNOACTIVATE);
    conformance::Pump();
    CHECK(IsWindowVisible(tip));
    CHECK(GetActiveWindow() == host);
    CHECK(GetFocus() == edit);
    POINT caretAfter = {};
    CHECK(GetCaretPos(&caretAfter));
    CHECK_EQ(caretBefore.x, caretAfter.x);
    CHECK_EQ(caretBefore.y, caretAfter.y);
    CHECK_EQ(0u, static_cast<unsigned>(g_seen.size()));

    RECT r = {};
    GetWindowRect(tip, &r);
    CHECK_EQ(120L, static_cast<long>(r.left));
    CHECK_EQ(140L, static_cast<long>(r.top));
    CHECK_EQ(180L, static_cast<long>(r.right));
    CHECK_EQ(160L, static_cast<long>(r.bottom));
    RECT client = {};
    GetClientRect(tip, &client);
    CHECK_EQ(60L, static_cast<long>(client.right)); // no border: the client is the whole window

    // Typing still goes to the host's field.
    SendMessageA(edit, WM_CHAR, '!', 0);
    CHECK_STR_EQ("ty!ped", conformance::WindowText(edit).c_str());

    DestroyWindow(tip);
    conformance::Pump();
    CHECK(GetActiveWindow() == host);
    CHECK(GetFocus() == edit);
    DestroyWindow(host);
}

CONFORMANCE_TEST(UserNoActivatePopupPaintsWhenTheQueueIsEmpty) {
    HWND tip = CreateWindowExA(WS_EX_TOOLWINDOW, WatchingClass(), nullptr, WS_POPUP, 10, 10, 40, 20,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(tip, SW_SHOWNOACTIVATE);
    RECT update = {};
    CHECK(GetUpdateRect(tip, &update, FALSE));
    CHECK_EQ(40L, static_cast<long>(update.right));
    UpdateWindow(tip);
    CHECK(!GetUpdateRect(tip, &update, FALSE));
    DestroyWindow(tip);
}
