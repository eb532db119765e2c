// What a message loop does when its queue is empty, and the host-style pump the driver uses.
//
// Under the driver the platform never sleeps: an idle loop runs the next scripted step, or moves
// the manual clock on to the next timer; with neither it would wait forever, so it says
// "message loop stalled" and aborts instead of hanging. A live host (the X11 display) sets a
// waiter instead, which sleeps until input arrives or the next timer is due.
#include "user/menu_layout.h"
#include "user/user_internal.h"

#include "kernel/kernel_internal.h"

#include <cstdio>
#include <cstdlib>
#include <deque>

namespace wm {
namespace {

std::deque<std::function<void()>> g_steps;
int g_idleTimerAdvances = 0;
IdleWaiter g_idleWaiter = nullptr;
// Few parts of the platform add one (property sheets, the framework's frames).
PumpFilter g_pumpFilters[4] = {};

// Where the pump offers a window's messages: its top-level window, when that may be a dialog
// taking them (the chain up to it is all child windows, as IsDialogMessageA's IsChild test
// wants). Nearly every message is for the window the last one was for, so the answer is kept
// while the layout stays; whether the window has dialog state is read afresh each time.
struct DialogRoute {
    HWND hwnd = nullptr;
    std::uint64_t generation = 0;
    Window* dialog = nullptr;
};

const DialogRoute& RouteOf(HWND hwnd) {
    static DialogRoute route;
    if (route.generation == g_layoutGeneration && route.hwnd == hwnd) {
        return route;
    }
    route = DialogRoute{hwnd, g_layoutGeneration, nullptr};
    if (Window* w = Lookup(hwnd)) {
        const Window* d = Desktop();
        Window* top = w;
        bool childChain = true;
        while (top->parent && top->parent != d) {
            childChain = childChain && (top->style & WS_CHILD);
            top = top->parent;
        }
        if (top == w || childChain) {
            route.dialog = top;
        }
    }
    return route;
}

[[noreturn]] void Stalled(const char* why) {
    std::fprintf(stderr, "message loop stalled: %s\n", why);
    std::fflush(stderr);
    std::abort();
}

} // namespace

void QueueStep(std::function<void()> step) {
    g_steps.push_back(std::move(step));
}

bool RunNextStep() {
    if (g_steps.empty()) {
        return false;
    }
    std::function<void()> step = std::move(g_steps.front());
    g_steps.pop_front();
    g_idleTimerAdvances = 0;
    step();
    return true;
}

size_t PendingStepCount() {
    return g_steps.size();
}

void ResetSteps() {
    g_steps.clear();
    g_idleTimerAdvances = 0;
}

void SetIdleWaiter(IdleWaiter waiter) {
    g_idleWaiter = waiter;
}

bool WaitIdle() {
    if (RunNextStep()) {
        return true;
    }
    DWORD due = 0;
    if (g_idleWaiter) {
        g_idleWaiter(NextTimerDue(&due) ? due : INFINITE);
        return false;
    }
    if (NextTimerDue(&due)) {
        // A loop kept alive only by a repeating timer, with nothing ever ending it, would turn
        // the clock forever: give up after a generous number of idle timer firings.
        if (++g_idleTimerAdvances > 100000) {
            Stalled("only timers fire and no step ends the loop");
        }
        if (kernel::IsManualClock()) {
            kernel::AdvanceManualClock(due ? due : 1);
        } else {
            Sleep(due ? due : 1);
        }
        return false;
    }
    Stalled("the queue is empty, no timer is set and no scripted step is queued");
}

void AddPumpFilter(PumpFilter filter) {
    for (PumpFilter& slot : g_pumpFilters) {
        if (slot == filter) {
            return;
        }
        if (!slot) {
            slot = filter;
            return;
        }
    }
}

void PumpOne(MSG& msg) {
    // An open menu keeps the input for itself, as its own loop would.
    if (MenuLoopFilter(msg)) {
        return;
    }
    for (PumpFilter filter : g_pumpFilters) {
        if (!filter) {
            break; // filters are only ever added, one after the other
        }
        if (filter(msg)) {
            return;
        }
    }
    const DialogRoute& route = RouteOf(msg.hwnd);
    if (route.dialog && route.dialog->dialog && DialogMessage(route.dialog->handle, &msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void PumpUntilIdle() {
    MSG msg;
    long rounds = 0;
    while (TakeNextMessage(&msg)) {
        if (msg.message == WM_QUIT) {
            // The host's own loop ends on it: leave it for that loop.
            PostQuitMessage((int)msg.wParam);
            return;
        }
        if (msg.message != WM_TIMER && msg.message != WM_PAINT) {
            g_idleTimerAdvances = 0;
        }
        PumpOne(msg);
        if (++rounds > 1000000) {
            Stalled("the queue never empties (a WM_PAINT handler that does not validate?)");
        }
    }
}

} // namespace wm
