#include "desktop/input_post.h"

#include "user/user_internal.h"

namespace desktop::input {

// The window is chosen when the message is taken (the focus then); with Alt held, keys arrive
// as system keys, as on Windows.
void PostKey(UINT msg, UINT vk) {
    MSG m{};
    bool alt = vk == VK_MENU || GetAsyncKeyState(VK_MENU) < 0;
    // F10 arrives as a system key too: it opens the menu bar.
    if (alt || vk == VK_F10) {
        msg = msg == WM_KEYDOWN ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    }
    m.message = msg;
    m.wParam = vk;
    m.lParam = (msg == WM_KEYUP || msg == WM_SYSKEYUP) ? (LPARAM)0xC0000001 : 1;
    if (alt) {
        m.lParam |= 0x20000000; // the context bit: Alt is down
    }
    wm::PostInput(m, false);
}

void PostMouse(UINT msg, POINT screen, WPARAM keys) {
    MSG m{};
    m.message = msg;
    m.wParam = keys;
    m.pt = screen;
    wm::PostInput(m, true);
}

WPARAM MouseKeys() {
    WPARAM k = 0;
    if (GetAsyncKeyState(VK_LBUTTON) < 0) {
        k |= MK_LBUTTON;
    }
    if (GetAsyncKeyState(VK_RBUTTON) < 0) {
        k |= MK_RBUTTON;
    }
    if (GetAsyncKeyState(VK_SHIFT) < 0) {
        k |= MK_SHIFT;
    }
    if (GetAsyncKeyState(VK_CONTROL) < 0) {
        k |= MK_CONTROL;
    }
    return k;
}

void PostChar(unsigned char c) {
    MSG m{};
    m.message = WM_CHAR;
    m.wParam = c;
    m.lParam = 1;
    wm::PostInput(m, false);
}

} // namespace desktop::input
