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

LRESULT CallFrom(size_t index, int code, WPARAM wParam, LPARAM lParam) {
    if (index >= g_hooks.size()) {
        return 0;
    }
    return g_hooks[index].proc(code, wParam, lParam);
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
    return h;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook) {
    auto it = std::find_if(g_hooks.begin(), g_hooks.end(),
                           [&](const Hook& h) { return h.handle == hook; });
    if (it == g_hooks.end()) {
        SetLastErrorValue(ERROR_INVALID_HOOK_HANDLE);
        return FALSE;
    }
    g_hooks.erase(it);
    return TRUE;
}

LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    for (size_t i = 0; i < g_hooks.size(); ++i) {
        if (g_hooks[i].handle == hook) {
            return CallFrom(i + 1, code, wParam, lParam);
        }
    }
    return 0;
}
