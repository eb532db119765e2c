// Timers on the platform clock. WM_TIMER is made only when a queue has nothing else to give,
// and a timer's next time is counted from the moment its message was taken, as on Windows.
// Under the driver the clock is manual: advancing it fires the timers it passes, in order.
#include "user/user_internal.h"

#include "kernel/kernel_internal.h"

#include <algorithm>
#include <cstdlib>

namespace wm {
namespace {

struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT interval;
    DWORD due;
    TIMERPROC proc;
};
std::vector<Timer> g_timers;
UINT_PTR g_nextThreadTimer = 0x7FFF;

bool IsDue(DWORD due, DWORD now) {
    return (std::int32_t)(due - now) <= 0;
}

} // namespace

bool TakeTimer(HWND filter, bool remove, MSG* out) {
    if (g_timers.empty()) {
        return false; // the pump asks whenever its queue runs dry
    }
    DWORD now = kernel::CurrentTick();
    Timer* best = nullptr;
    for (Timer& t : g_timers) {
        if (!IsDue(t.due, now)) {
            continue;
        }
        if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd)) {
            continue;
        }
        if (!best || (std::int32_t)(t.due - best->due) < 0) {
            best = &t;
        }
    }
    if (!best) {
        return false;
    }
    *out = MSG{};
    out->hwnd = best->hwnd;
    out->message = WM_TIMER;
    out->wParam = best->id;
    out->lParam = (LPARAM)best->proc;
    out->time = now;
    if (remove) {
        best->due = now + best->interval;
    }
    return true;
}

bool IsTimerProc(TIMERPROC proc) {
    return std::any_of(g_timers.begin(), g_timers.end(),
                       [&](const Timer& t) { return t.proc == proc; });
}

bool NextTimerDue(DWORD* due) {
    if (g_timers.empty()) {
        return false;
    }
    DWORD now = kernel::CurrentTick();
    std::int32_t best = INT32_MAX;
    for (const Timer& t : g_timers) {
        best = std::min(best, std::max<std::int32_t>(0, (std::int32_t)(t.due - now)));
    }
    *due = (DWORD)best;
    return true;
}

void KillWindowTimers(HWND hwnd) {
    g_timers.erase(std::remove_if(g_timers.begin(), g_timers.end(),
                                  [&](const Timer& t) { return t.hwnd == hwnd; }),
                   g_timers.end());
}

void ResetTimers() {
    g_timers.clear();
    g_nextThreadTimer = 0x7FFF;
}

void AdvanceClockFiringTimers(DWORD milliseconds) {
    DWORD left = milliseconds;
    PumpUntilIdle();
    while (true) {
        DWORD due = 0;
        if (!NextTimerDue(&due) || due > left) {
            break;
        }
        kernel::AdvanceManualClock(due);
        left -= due;
        PumpUntilIdle();
        if (due == 0) {
            // A timer due now that nobody takes (its window hidden from the pump) would spin.
            break;
        }
    }
    if (left) {
        kernel::AdvanceManualClock(left);
    }
    PumpUntilIdle();
}

} // namespace wm

using namespace wm;

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
    if (hwnd && !Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    elapse = std::clamp<UINT>(elapse, 10, 0x7FFFFFFF);
    DWORD due = kernel::CurrentTick() + elapse;
    if (hwnd) {
        for (Timer& t : g_timers) {
            if (t.hwnd == hwnd && t.id == id) {
                t.interval = elapse;
                t.due = due;
                t.proc = proc;
                return id ? id : 1;
            }
        }
    } else {
        bool taken = true;
        while (taken) {
            id = g_nextThreadTimer--;
            if (g_nextThreadTimer < 0x100) {
                g_nextThreadTimer = 0x7FFF;
            }
            taken = std::any_of(g_timers.begin(), g_timers.end(),
                                [&](const Timer& t) { return !t.hwnd && t.id == id; });
        }
    }
    g_timers.push_back(Timer{hwnd, id, elapse, due, proc});
    return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
    auto it = std::find_if(g_timers.begin(), g_timers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == g_timers.end()) {
        return FALSE;
    }
    g_timers.erase(it);
    return TRUE;
}
