// The window manager as the library relies on it: class registration and superclassing,
// send/post order, focus message order, Tab handling (the Tab order itself:
// user_dialog_navigation.cpp), and timers.
#include "conformance.h"
#include "host_window.h"

#include <windows.h>

#include <climits>
#include <string>
#include <vector>

namespace {

struct Seen {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
};
std::vector<Seen> g_seen;

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER || msg == WM_USER + 1 || msg == WM_SETFOCUS || msg == WM_KILLFOCUS ||
        msg == WM_TIMER || msg == WM_PAINT) {
        g_seen.push_back(Seen{hwnd, msg, wParam});
    }
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* LoggingClass() {
    return conformance::HostClass("ConformanceLogging", LoggingProc, 0, (HBRUSH)(COLOR_WINDOW + 1));
}

HWND Edit(HWND parent, int id, const char* text, DWORD extra, int y) {
    return CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | extra,
                           10, y, 100, 20, parent, (HMENU)(INT_PTR)id, GetModuleHandleA(nullptr),
                           nullptr);
}

} // namespace

CONFORMANCE_TEST(UserClassRegistrationAndSuperclassing) {
    WNDCLASSA wc = {};
    CHECK(GetClassInfoA(nullptr, "static", &wc));
    WNDPROC staticProc = wc.lpfnWndProc;
    CHECK(staticProc != nullptr);
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ConformanceStatic";
    ATOM atom = RegisterClassA(&wc);
    CHECK(atom != 0);
    CHECK_EQ(0, (int)RegisterClassA(&wc)); // already there

    HWND w = CreateWindowExA(0, "ConformanceStatic", "Label", WS_POPUP, 0, 0, 50, 20, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    CHECK(w != nullptr);
    CHECK((WNDPROC)GetWindowLongPtrA(w, GWLP_WNDPROC) == staticProc);
    CHECK_STR_EQ("Label", conformance::WindowText(w).c_str());
    CHECK(!UnregisterClassA("ConformanceStatic", GetModuleHandleA(nullptr)));
    DestroyWindow(w);
    CHECK(UnregisterClassA("ConformanceStatic", GetModuleHandleA(nullptr)));
}

CONFORMANCE_TEST(UserSendIsImmediatePostWaitsAndPaintComesLast) {
    HWND w = CreateWindowExA(0, LoggingClass(), "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    conformance::Pump();
    g_seen.clear();
    InvalidateRect(w, nullptr, TRUE);
    PostMessageA(w, WM_USER, 1, 0);
    SendMessageA(w, WM_USER + 1, 2, 0);
    CHECK_EQ(1u, (unsigned)g_seen.size());
    conformance::Pump();
    CHECK_EQ(3u, (unsigned)g_seen.size());
    if (g_seen.size() == 3) {
        CHECK_EQ((UINT)WM_USER + 1, g_seen[0].msg);
        CHECK_EQ((UINT)WM_USER, g_seen[1].msg);
        CHECK_EQ((UINT)WM_PAINT, g_seen[2].msg);
    }
    DestroyWindow(w);
}

CONFORMANCE_TEST(UserFocusMessageOrder) {
    HWND top = CreateWindowExA(0, LoggingClass(), "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND a = CreateWindowExA(0, LoggingClass(), "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, top,
                             (HMENU)1, GetModuleHandleA(nullptr), nullptr);
    HWND b = CreateWindowExA(0, LoggingClass(), "", WS_CHILD | WS_VISIBLE, 0, 20, 10, 10, top,
                             (HMENU)2, GetModuleHandleA(nullptr), nullptr);
    SetFocus(a);
    conformance::Pump();
    g_seen.clear();
    CHECK(SetFocus(b) == a);
    CHECK_EQ(2u, (unsigned)g_seen.size());
    if (g_seen.size() == 2) {
        CHECK(g_seen[0].hwnd == a && g_seen[0].msg == WM_KILLFOCUS && (HWND)g_seen[0].wParam == b);
        CHECK(g_seen[1].hwnd == b && g_seen[1].msg == WM_SETFOCUS && (HWND)g_seen[1].wParam == a);
    }
    g_seen.clear();
    SetFocus(b);
    CHECK_EQ(0u, (unsigned)g_seen.size());
    EnableWindow(a, FALSE);
    CHECK(SetFocus(a) == nullptr);
    CHECK(GetFocus() == b);
    DestroyWindow(top);
}

namespace {
struct TwoEditDialog {
    HWND dlg, e1, e2;
};

// A plain dialog holding two edits, one above the other, with the focus in the first or second.
TwoEditDialog TwoEdits(const char* text1, const char* text2, int focused) {
    HWND dlg = CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND e1 = Edit(dlg, 1, text1, 0, 10);
    HWND e2 = Edit(dlg, 2, text2, 0, 40);
    SetFocus(focused == 1 ? e1 : e2);
    conformance::Pump();
    return {dlg, e1, e2};
}

// A Tab posted to a control, taken from the queue and given to the dialog manager.
bool PostedTabTakenBy(HWND dlg, HWND control) {
    PostMessageA(control, WM_KEYDOWN, VK_TAB, 1);
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE) &&
           IsDialogMessageA(dlg, &msg);
}
} // namespace

CONFORMANCE_TEST(UserIsDialogMessageTabMovesToTheNextEditAndSelectsIt) {
    const auto [dlg, e1, e2] = TwoEdits("one", "second", 1);
    CHECK(PostedTabTakenBy(dlg, e1));
    CHECK(GetFocus() == e2);
    CHECK_STR_EQ("0-6", conformance::EditSelection(e2).c_str());
    // A message for a window outside the dialog is not the dialog's.
    HWND other = CreateWindowExA(0, LoggingClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    MSG foreign = {other, WM_KEYDOWN, VK_TAB, 1, 0, {0, 0}};
    CHECK(!IsDialogMessageA(dlg, &foreign));
    DestroyWindow(other);
    DestroyWindow(dlg);
    conformance::Pump();
}

// Programs that post their own key messages hold Shift through the thread's key state: it turns
// a posted Tab backwards and gives TranslateMessage capitals, and puts nothing in the queue.
CONFORMANCE_TEST(UserSetKeyboardStateHoldsShiftForPostedKeys) {
    const auto [dlg, e1, e2] = TwoEdits("", "", 2);
    BYTE keys[256];
    CHECK(GetKeyboardState(keys));
    keys[VK_SHIFT] = 0x80;
    CHECK(SetKeyboardState(keys));
    CHECK(GetKeyState(VK_SHIFT) < 0);
    MSG msg;
    CHECK(!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    CHECK(PostedTabTakenBy(dlg, e2));
    CHECK(GetFocus() == e1);
    PostMessageA(e1, WM_KEYDOWN, 'Q', 1);
    CHECK(PeekMessageA(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE));
    TranslateMessage(&msg);
    CHECK(PeekMessageA(&msg, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE));
    CHECK_EQ((WPARAM)'Q', msg.wParam);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    CHECK(GetKeyState(VK_SHIFT) >= 0);
    DestroyWindow(dlg);
    conformance::Pump();
}

CONFORMANCE_TEST(UserTimerArrivesAfterItsIntervalAndRepeats) {
    HWND w = CreateWindowExA(0, LoggingClass(), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    conformance::Pump();
    g_seen.clear();
    DWORD start = GetTickCount();
    CHECK_EQ((UINT_PTR)7, SetTimer(w, 7, 100, nullptr));
    std::vector<DWORD> at;
    MSG msg;
    while (at.size() < 2 && GetTickCount() - start < 5000 && GetMessageA(&msg, nullptr, 0, 0)) {
        if (msg.message == WM_TIMER && msg.hwnd == w) {
            CHECK_EQ((WPARAM)7, msg.wParam);
            at.push_back(GetTickCount() - start);
        }
        DispatchMessageA(&msg);
    }
    CHECK_EQ(2u, (unsigned)at.size());
    if (at.size() == 2) {
        CHECK(at[0] >= 90 && at[0] < 1000);
        CHECK(at[1] >= at[0] + 80);
    }
    CHECK(KillTimer(w, 7));
    CHECK(!KillTimer(w, 7));
    DestroyWindow(w);
}

// A window that would reach past the 32-bit coordinate range ends at its edge instead of
// wrapping round: x 10 and width INT_MAX gives a right edge of INT_MAX.
CONFORMANCE_TEST(UserHugeWindowEndsAtTheCoordinateLimit) {
    HWND top = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD, 10, 5, INT_MAX, 20, top, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND framed = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_BORDER, 10, 5, INT_MAX, 20, top,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    RECT r;
    CHECK(GetWindowRect(plain, &r));
    CHECK_EQ(10, (int)r.left);
    CHECK_EQ(INT_MAX, (int)r.right);
    CHECK_EQ(25, (int)r.bottom);
    CHECK(GetClientRect(plain, &r));
    CHECK_EQ(INT_MAX - 10, (int)r.right);
    CHECK(GetClientRect(framed, &r));
    CHECK_EQ(INT_MAX - 12, (int)r.right);
    CHECK_EQ(18, (int)r.bottom);
    DestroyWindow(top);
}
