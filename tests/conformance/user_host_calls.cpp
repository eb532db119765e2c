// Everyday calls of hosts: extended class registration, the thread id, a message wait without
// handles, and the standard icons.
#include "conformance.h"

#include <windows.h>

namespace {

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

CONFORMANCE_TEST(UserRegisterClassExAndGetClassInfoEx) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW;
    wc.lpfnWndProc = PlainProc;
    wc.cbWndExtra = 8;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "ConformanceClassEx";
    // The size field is checked.
    wc.cbSize = sizeof wc - 1;
    CHECK_EQ(0, (int)RegisterClassExA(&wc));
    wc.cbSize = sizeof wc;
    ATOM atom = RegisterClassExA(&wc);
    CHECK(atom != 0);

    WNDCLASSEXA got = {};
    got.cbSize = sizeof got;
    CHECK_EQ((BOOL)atom, GetClassInfoExA(instance, "ConformanceClassEx", &got));
    CHECK_EQ((UINT)CS_HREDRAW, got.style);
    CHECK(got.lpfnWndProc == PlainProc);
    CHECK_EQ(8, got.cbWndExtra);
    CHECK(got.hIcon == icon);
    CHECK(got.hIconSm != nullptr); // made from the large icon when none was given
    CHECK(got.hbrBackground == (HBRUSH)(COLOR_WINDOW + 1));
    CHECK_STR_EQ("ConformanceClassEx", got.lpszClassName);

    HWND w = CreateWindowExA(0, "ConformanceClassEx", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             instance, nullptr);
    CHECK(w != nullptr);
    DestroyWindow(w);
    // System classes answer for a null instance.
    CHECK(GetClassInfoExA(nullptr, "EDIT", &got) != 0);
    CHECK(GetClassInfoExA(instance, "NoSuchClassAnywhere", &got) == 0);
    CHECK(UnregisterClassA("ConformanceClassEx", instance));
}

CONFORMANCE_TEST(UserCurrentThreadIdIsStable) {
    DWORD id = GetCurrentThreadId();
    CHECK(id != 0);
    CHECK_EQ(id, GetCurrentThreadId());
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    DWORD process = 0;
    CHECK_EQ(id, GetWindowThreadProcessId(w, &process));
    CHECK_EQ(GetCurrentProcessId(), process);
    DestroyWindow(w);
}

CONFORMANCE_TEST(UserMsgWaitWithoutHandlesWaitsForMessages) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    CHECK_EQ((DWORD)WAIT_TIMEOUT, MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT));
    DWORD start = GetTickCount();
    CHECK_EQ((DWORD)WAIT_TIMEOUT, MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT));
    CHECK(GetTickCount() - start >= 40);

    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    PostMessageA(w, WM_USER, 0, 0);
    CHECK_EQ((DWORD)WAIT_OBJECT_0, MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT));
    CHECK(PeekMessageA(&msg, w, WM_USER, WM_USER, PM_REMOVE));
    // A timer ends the wait when it is due.
    SetTimer(w, 1, 30, nullptr);
    CHECK_EQ((DWORD)WAIT_OBJECT_0, MsgWaitForMultipleObjects(0, nullptr, FALSE, 5000, QS_ALLINPUT));
    KillTimer(w, 1);
    DestroyWindow(w);
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

CONFORMANCE_TEST(UserLoadIconOfTheStandardIcons) {
    const LPCSTR ids[] = {IDI_APPLICATION, IDI_HAND,     IDI_QUESTION,
                          IDI_EXCLAMATION, IDI_ASTERISK, IDI_WINLOGO};
    HICON seen[6] = {};
    for (int i = 0; i < 6; ++i) {
        seen[i] = LoadIconA(nullptr, ids[i]);
        CHECK(seen[i] != nullptr);
        CHECK(LoadIconA(nullptr, ids[i]) == seen[i]); // shared: the same handle again
        for (int j = 0; j < i; ++j)
            CHECK(seen[j] != seen[i]);
    }
    CHECK(LoadIconA(nullptr, IDI_ERROR) == seen[1]);
    CHECK(LoadIconA(nullptr, IDI_WARNING) == seen[3]);
    CHECK(LoadIconA(nullptr, IDI_INFORMATION) == seen[4]);
    CHECK(LoadIconA(nullptr, MAKEINTRESOURCEA(32600)) == nullptr);
}
