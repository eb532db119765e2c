// The driver's message loop on real Win32: the pump a host's main loop would run, scripted steps
// for modal loops, the clock, the framework's idle time and the reset.
//
// Timers run on the real clock here: AdvanceClock waits that long, handling messages meanwhile.
// A scripted step runs from a thread timer, so any message loop that waits (a modal dialog's,
// the system's message box) runs it, and only when nothing but timers is queued; the driver's
// own pump leaves those ticks alone, as a pump that never waits has no idle moment.
#include <afxwin.h>
#include <desktop.h>

#include "driver_win32.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace desktop {
namespace {

std::deque<std::function<void()>> g_steps;
UINT_PTR g_stepTimer = 0;
bool g_inStep = false;

void CALLBACK RunStepWhenIdle(HWND, UINT, UINT_PTR, DWORD) {
    const DWORD queued = HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT));
    if (g_inStep || queued != 0 || g_steps.empty())
        return;
    std::function<void()> step = std::move(g_steps.front());
    g_steps.pop_front();
    if (g_steps.empty() && g_stepTimer != 0) {
        KillTimer(nullptr, g_stepTimer);
        g_stepTimer = 0;
    }
    g_inStep = true;
    step();
    g_inStep = false;
}

bool IsStepTick(const MSG& msg) {
    return msg.message == WM_TIMER && msg.hwnd == nullptr && g_stepTimer != 0 &&
           msg.wParam == g_stepTimer;
}

// As the framework's own loop: a frame window's messages pass the framework first (its
// accelerators), a dialog's go through the dialog manager.
void Dispatch(MSG& msg) {
    HWND top = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    CWnd* frame = top != nullptr ? CWnd::FromHandlePermanent(top) : nullptr;
    if (frame != nullptr && frame->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
        for (HWND h = msg.hwnd; h != nullptr && IsWindow(h); h = GetParent(h)) {
            CWnd* wnd = CWnd::FromHandlePermanent(h);
            if (wnd != nullptr && wnd->PreTranslateMessage(&msg))
                return;
        }
    } else if (top != nullptr) {
        char cls[16] = "";
        GetClassNameA(top, cls, sizeof cls);
        if (lstrcmpA(cls, "#32770") == 0 && IsDialogMessageA(top, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void PumpQueue() {
    MSG msg;
    long rounds = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The host's own loop ends on it: leave it for that loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (IsStepTick(msg))
            continue;
        Dispatch(msg);
        if (++rounds > 1000000) {
            std::fprintf(stderr, "message loop stalled: the queue never empties\n");
            std::abort();
        }
    }
}

} // namespace

void PumpUntilIdle() {
    PumpQueue();
    // The queue is empty: idle time, as a host's loop has it; what the idle work changes is
    // handled before the pump returns.
    AfxIdleUpdateFrames();
    PumpQueue();
}

bool InStep() {
    return g_inStep;
}

void PumpUnlessInStep() {
    if (!g_inStep)
        PumpUntilIdle();
}

void QueueStep(std::function<void()> step) {
    g_steps.push_back(std::move(step));
    if (g_stepTimer == 0)
        g_stepTimer = SetTimer(nullptr, 0, 10, RunStepWhenIdle);
}

size_t PendingSteps() {
    return g_steps.size();
}

void AdvanceClock(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpUntilIdle();
        const DWORD passed = GetTickCount() - start;
        if (passed >= milliseconds)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
    }
    PumpUntilIdle();
}

void AfxIdle() {
    AfxDeleteTempMaps();
}

// The system's windows, metrics and clock are not the driver's to reset here: what it clears is
// its own (steps, the keyboard state it set, the profile values it wrote) and the framework's
// temporary objects.
void reset() {
    g_steps.clear();
    if (g_stepTimer != 0) {
        KillTimer(nullptr, g_stepTimer);
        g_stepTimer = 0;
    }
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    AfxDeleteTempMaps();
    ForgetProfileChanges();
}

} // namespace desktop
