// MsgWaitForMultipleObjects as a message wait: the platform has no waitable kernel objects, so
// a host calls it with none and it returns when input arrives or the time is up. Under the
// driver it never sleeps: scripted steps and timers due within the wait run on the manual
// clock, and a wait with nothing coming moves the clock to its end.
#include "kernel/kernel_internal.h"
#include "user/user_internal.h"

#include <algorithm>

using namespace wm;

DWORD WINAPI MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL, DWORD milliseconds,
                                       DWORD) {
    if (count > 0 || handles) {
        SetLastErrorValue(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    const DWORD start = kernel::CurrentTick();
    for (;;) {
        MSG msg;
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            return WAIT_OBJECT_0;
        }
        const DWORD elapsed = kernel::CurrentTick() - start;
        if (milliseconds != INFINITE && elapsed >= milliseconds) {
            return WAIT_TIMEOUT;
        }
        const DWORD left = milliseconds == INFINITE ? INFINITE : milliseconds - elapsed;
        DWORD due = 0;
        const bool timer = NextTimerDue(&due) && due <= left;
        if (!kernel::IsManualClock()) {
            Sleep(std::min<DWORD>(timer ? std::max<DWORD>(due, 1) : left, 10));
        } else if (PendingStepCount() > 0 || timer || milliseconds == INFINITE) {
            WaitIdle();
        } else {
            kernel::AdvanceManualClock(left);
            return WAIT_TIMEOUT;
        }
    }
}
