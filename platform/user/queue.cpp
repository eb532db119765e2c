// The message queue: posted messages, then WM_QUIT, then input, then WM_PAINT, then WM_TIMER,
// which is the order in which Windows hands them out. WM_PAINT and WM_TIMER are made only when
// nothing before them is waiting.
#include "user/recycling_allocator.h"
#include "user/user_internal.h"

#include "kernel/kernel_internal.h"

#include <deque>
#include <map>
#include <strings.h>

namespace wm {
namespace {

std::deque<MSG, RecyclingAllocator<MSG>> g_posted;
bool g_quit = false;
int g_quitCode = 0;
MSG g_last{};
int g_sendDepth = 0;

bool InRange(UINT msg, UINT first, UINT last) {
    if (first == 0 && last == 0) {
        return true;
    }
    return msg >= first && msg <= last;
}

bool ForWindow(HWND target, HWND filter) {
    return !filter || target == filter || IsChild(filter, target);
}

// Inline into each caller: the pump's unfiltered calls then skip the filter tests altogether.
[[gnu::always_inline]] inline bool Take(MSG* out, HWND filter, UINT first, UINT last, bool remove) {
    for (auto it = g_posted.begin(); it != g_posted.end(); ++it) {
        if (ForWindow(it->hwnd, filter) && InRange(it->message, first, last)) {
            *out = *it;
            if (remove) {
                // Nearly always the first: popping it is far cheaper than a general erase.
                if (it == g_posted.begin()) {
                    g_posted.pop_front();
                } else {
                    g_posted.erase(it);
                }
            }
            return true;
        }
    }
    if (g_quit && InRange(WM_QUIT, first, last)) {
        *out = MSG{};
        out->message = WM_QUIT;
        out->wParam = (WPARAM)g_quitCode;
        out->time = kernel::CurrentTick();
        if (remove) {
            g_quit = false;
        }
        return true;
    }
    if (TakeInput(filter, first, last, remove, out)) {
        return true;
    }
    if (InRange(WM_PAINT, first, last)) {
        if (Window* w = FindPaintTarget(filter)) {
            *out = MSG{};
            out->hwnd = w->handle;
            out->message = WM_PAINT;
            out->time = kernel::CurrentTick();
            return true;
        }
    }
    if (InRange(WM_TIMER, first, last) && TakeTimer(filter, remove, out)) {
        return true;
    }
    return false;
}

} // namespace

void ResetQueue() {
    g_posted.clear();
    g_quit = false;
    g_quitCode = 0;
    g_last = MSG{};
}

void RemoveMessagesFor(HWND hwnd) {
    for (auto it = g_posted.begin(); it != g_posted.end();) {
        it = it->hwnd == hwnd ? g_posted.erase(it) : it + 1;
    }
}

bool QueueEmpty() {
    return g_posted.empty() && !g_quit;
}

void PostToQueue(const MSG& msg) {
    g_posted.push_back(msg);
}

bool TakeNextMessage(MSG* out) {
    if (!Take(out, nullptr, 0, 0, true)) {
        return false;
    }
    g_last = *out;
    return true;
}

} // namespace wm

using namespace wm;

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    MSG m{};
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = kernel::CurrentTick();
    GetCursorPos(&m.pt);
    if (hwnd == HWND_BROADCAST) {
        for (Window* t : Desktop()->children) {
            m.hwnd = t->handle;
            g_posted.push_back(m);
        }
        return TRUE;
    }
    if (hwnd && !Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    m.hwnd = hwnd;
    g_posted.push_back(m);
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    g_quit = true;
    g_quitCode = exitCode;
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
    if (!msg) {
        return FALSE;
    }
    if (hwnd && !Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!Take(msg, hwnd, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0)) {
        return FALSE;
    }
    if (removeMsg & PM_REMOVE) {
        g_last = *msg;
    }
    return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
    if (!msg) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return -1;
    }
    if (hwnd && !Lookup(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return -1;
    }
    while (!Take(msg, hwnd, filterMin, filterMax, true)) {
        bool stepRan = WaitIdle();
        if (hwnd && !Lookup(hwnd)) {
            SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
            return -1;
        }
        if (stepRan && !Take(msg, hwnd, filterMin, filterMax, true)) {
            // A scripted step may have pumped away what the loop was waiting for (a dialog's
            // end, say): hand the loop an empty message so it looks at its state again.
            *msg = MSG{};
            msg->message = WM_NULL;
            msg->time = kernel::CurrentTick();
        }
        if (stepRan) {
            break;
        }
    }
    g_last = *msg;
    return msg->message != WM_QUIT;
}

BOOL WINAPI WaitMessage() {
    MSG m;
    while (!Take(&m, nullptr, 0, 0, false)) {
        WaitIdle();
    }
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* msg) {
    if (!msg) {
        return 0;
    }
    if (msg->message == WM_TIMER && msg->lParam) {
        TIMERPROC proc = (TIMERPROC)msg->lParam;
        // Only procedures of live timers are called: a forged lParam is not a jump target.
        if (IsTimerProc(proc)) {
            proc(msg->hwnd, WM_TIMER, msg->wParam, kernel::CurrentTick());
        }
        return 0;
    }
    Window* w = Lookup(msg->hwnd);
    if (!w) {
        if (msg->hwnd) {
            SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        }
        return 0;
    }
    ++g_sendDepth;
    LRESULT r = Deliver(w, msg->message, msg->wParam, msg->lParam);
    --g_sendDepth;
    return r;
}

LONG WINAPI GetMessageTime() {
    return (LONG)g_last.time;
}

DWORD WINAPI GetMessagePos() {
    return MAKELONG((WORD)(short)g_last.pt.x, (WORD)(short)g_last.pt.y);
}

BOOL WINAPI InSendMessage() {
    return FALSE;
}

DWORD WINAPI GetQueueStatus(UINT flags) {
    DWORD status = 0;
    if (!g_posted.empty()) {
        status |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
    }
    if (FindPaintTarget(nullptr)) {
        status |= QS_PAINT;
    }
    MSG m;
    if (TakeTimer(nullptr, false, &m)) {
        status |= QS_TIMER;
    }
    if (TakeInput(nullptr, 0, 0, false, &m)) {
        status |= QS_INPUT;
    }
    status &= flags;
    return MAKELONG(status, status);
}

UINT WINAPI RegisterWindowMessageA(LPCSTR name) {
    static std::map<std::string, UINT> names;
    static UINT next = 0xC000;
    if (!name || !*name) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string key(name);
    for (char& c : key) {
        if (c >= 'a' && c <= 'z') {
            c = (char)(c - 'a' + 'A');
        }
    }
    auto it = names.find(key);
    if (it != names.end()) {
        return it->second;
    }
    if (next > 0xFFFF) {
        return 0;
    }
    names[key] = next;
    return next++;
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND item = GetDlgItem(dialog, id);
    return item ? SendMessageA(item, msg, wParam, lParam) : 0;
}
