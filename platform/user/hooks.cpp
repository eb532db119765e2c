// Window hooks: only the creation hook (WH_CBT, HCBT_CREATEWND) is kept, which is what a
// framework needs to attach its object to a window before the window's first message.
#include "user/user_internal.h"

#include <algorithm>

namespace wm {
namespace {

struct Hook {
    HHOOK handle;
    HOOKPROC proc;
};
std::vector<Hook> g_hooks; // the newest first, as Win32 calls them
std::uintptr_t g_nextHook = 1;

// The hooks running now, innermost last, as positions in the chain. CallNextHookEx goes on
// from the innermost and ignores its handle argument, as Win32 does: a framework that installs
// its hook again while one is installed (a window created inside another's creation) keeps one
// handle variable for both. Hooks added or removed meanwhile shift these positions.
std::vector<long> g_running;

LRESULT CallFrom(long index, int code, WPARAM wParam, LPARAM lParam) {
    if (index < 0 || (size_t)index >= g_hooks.size()) {
        return 0;
    }
    g_running.push_back(index);
    LRESULT r = g_hooks[(size_t)index].proc(code, wParam, lParam);
    g_running.pop_back();
    return r;
}

} // namespace

// Runs the creation hooks; nonzero means a hook vetoed the window.
LRESULT RunCreateHooks(HWND hwnd, CBT_CREATEWNDA* info) {
    if (g_hooks.empty()) {
        return 0;
    }
    return CallFrom(0, HCBT_CREATEWND, (WPARAM)hwnd, (LPARAM)info);
}

void ResetHooks() {
    g_hooks.clear();
    g_running.clear();
}

} // namespace wm

using namespace wm;

HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD) {
    if (idHook != WH_CBT || !proc) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HHOOK h = (HHOOK)(0x5000 + 8 * g_nextHook++);
    g_hooks.insert(g_hooks.begin(), Hook{h, proc});
    for (long& at : g_running) {
        ++at;
    }
    return h;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    auto it = std::find_if(g_hooks.begin(), g_hooks.end(),
                           [&](const Hook& h) { return h.handle == hook; });
    if (it == g_hooks.end()) {
        SetLastErrorValue(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    long removed = (long)(it - g_hooks.begin());
    g_hooks.erase(it);
    for (long& at : g_running) {
        if (at >= removed) {
            --at; // the next hook is the one that now follows the removed one
        }
    }
    return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    (void)hook;
    if (g_running.empty()) {
        return 0; // called outside any hook
    }
    return CallFrom(g_running.back() + 1, code, wParam, lParam);
}
