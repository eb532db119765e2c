// Accelerator tables and TranslateAcceleratorA: a key that matches an entry becomes the
// entry's WM_COMMAND (high word 1) for the window. When the command is an item of the window's
// menu, the window first hears WM_INITMENU and WM_INITMENUPOPUP as if the menu were opened, so
// it can bring the item's state up to date; a disabled or grayed item then sends nothing.
#include "user/menu_table.h"
#include "user/user_internal.h"

#include <cctype>
#include <memory>
#include <unordered_map>
#include <vector>

namespace wm {
namespace {

std::unordered_map<HACCEL, std::vector<ACCEL>> g_tables;
std::uintptr_t g_nextAccel = 0x9000;

bool KeyDown(int vk) {
    return GetKeyState(vk) < 0;
}

bool Matches(const ACCEL& a, const MSG& msg) {
    bool virt = (a.fVirt & FVIRTKEY) != 0;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (!virt || a.key != (WORD)msg.wParam) {
            return false;
        }
        return KeyDown(VK_SHIFT) == ((a.fVirt & FSHIFT) != 0) &&
               KeyDown(VK_CONTROL) == ((a.fVirt & FCONTROL) != 0) &&
               KeyDown(VK_MENU) == ((a.fVirt & FALT) != 0);
    }
    if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
        // Character entries match the character itself; Alt is the only modifier they name.
        return !virt && a.key == (WORD)msg.wParam && KeyDown(VK_MENU) == ((a.fVirt & FALT) != 0);
    }
    return false;
}

// The position of `sub` in `menu`, searched below the top level too; -1 when absent.
int PositionOfPopup(HMENU menu, HMENU sub, HMENU* parent) {
    Menu* m = LookupMenu(menu);
    if (!m) {
        return -1;
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        if (m->items[i].popup == sub) {
            *parent = menu;
            return (int)i;
        }
        if (m->items[i].popup) {
            int pos = PositionOfPopup(m->items[i].popup, sub, parent);
            if (pos >= 0) {
                return pos;
            }
        }
    }
    return -1;
}

} // namespace

void ResetAccelerators() {
    g_tables.clear();
}

} // namespace wm

using namespace wm;

HACCEL WINAPI CreateAcceleratorTableA(LPACCEL accel, int count) {
    if (!accel || count <= 0) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    g_nextAccel += 4;
    HACCEL h = (HACCEL)g_nextAccel;
    g_tables[h].assign(accel, accel + count);
    return h;
}

BOOL WINAPI DestroyAcceleratorTable(HACCEL accel) {
    if (g_tables.erase(accel) == 0) {
        SetLastErrorValue(ERROR_INVALID_ACCEL_HANDLE);
        return FALSE;
    }
    return TRUE;
}

int WINAPI CopyAcceleratorTableA(HACCEL accelSrc, LPACCEL accelDst, int count) {
    auto it = g_tables.find(accelSrc);
    if (it == g_tables.end()) {
        return 0;
    }
    int n = (int)it->second.size();
    if (!accelDst) {
        return n;
    }
    if (count < n) {
        n = count < 0 ? 0 : count;
    }
    for (int i = 0; i < n; ++i) {
        accelDst[i] = it->second[(size_t)i];
    }
    return n;
}

int WINAPI TranslateAcceleratorA(HWND hwnd, HACCEL accel, LPMSG msg) {
    if (!msg || !IsWindow(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    auto it = g_tables.find(accel);
    if (it == g_tables.end()) {
        SetLastErrorValue(ERROR_INVALID_ACCEL_HANDLE);
        return 0;
    }
    const ACCEL* match = nullptr;
    for (const ACCEL& a : it->second) {
        if (Matches(a, *msg)) {
            match = &a;
            break;
        }
    }
    if (!match) {
        return 0;
    }
    WORD cmd = match->cmd;
    HMENU menu = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) ? nullptr : GetMenu(hwnd);
    Menu* holder = nullptr;
    if (menu && FindMenuItem(menu, cmd, MF_BYCOMMAND, &holder, nullptr)) {
        if (!IsWindowEnabled(hwnd) || IsIconic(hwnd)) {
            return 1;
        }
        // The handlers may change or destroy menus: keep the handle, not the record.
        HMENU popup = holder->handle;
        SendMessageA(hwnd, WM_INITMENU, (WPARAM)menu, 0);
        if (IsWindow(hwnd) && popup != menu && LookupMenu(popup)) {
            HMENU parent = nullptr;
            int pos = PositionOfPopup(menu, popup, &parent);
            SendMessageA(hwnd, WM_INITMENUPOPUP, (WPARAM)popup, MAKELPARAM(pos, FALSE));
        }
        if (!IsWindow(hwnd)) {
            return 1;
        }
        UINT state = GetMenuState(menu, cmd, MF_BYCOMMAND);
        if (state != (UINT)-1 && (state & (MF_DISABLED | MF_GRAYED))) {
            return 1;
        }
    }
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(cmd, 1), 0);
    return 1;
}
