// Everyday calls of hosts: the thread id and a message wait without handles.
#include "conformance.h"

#include <windows.h>

CONFORMANCE_TEST(UserCurrentThreadIdIsStable) {
    DWORD id = GetCurrentThreadId();
    CHECK(id != 0);
    CHECK_EQ(id, GetCurrentThreadId());
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
