// The driver's input on real Win32: keys and clicks posted to the windows that would receive
// them, with the keyboard state set as the keys go down and up, then pumped as a host's loop
// would. Each key event is pumped before the next, so a modifier is down exactly while the key
// it modifies is taken from the queue (GetKeyState reads the state at that moment).
#include "driver_win32.h"

#include <desktop.h>

namespace desktop {
namespace {

bool IsDown(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

void SetKeyDown(UINT vk, bool down) {
    BYTE keys[256];
    if (!GetKeyboardState(keys))
        return;
    BYTE& key = keys[vk & 0xFF];
    // A lock key changes its toggle each time it goes down.
    if (down && !(key & 0x80) && (vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL))
        key ^= 0x01;
    key = down ? static_cast<BYTE>(key | 0x80) : static_cast<BYTE>(key & ~0x80);
    // The generic modifier stands for its left-hand key, as a keyboard's would.
    if (vk == VK_SHIFT)
        keys[VK_LSHIFT] = keys[VK_SHIFT];
    if (vk == VK_CONTROL)
        keys[VK_LCONTROL] = keys[VK_CONTROL];
    if (vk == VK_MENU)
        keys[VK_LMENU] = keys[VK_MENU];
    SetKeyboardState(keys);
}

// The window a key goes to: the focus, or the active window when nothing has it.
HWND KeyTarget() {
    HWND target = GetFocus();
    return target != nullptr ? target : GetActiveWindow();
}

void PostKey(bool down, UINT vk) {
    // With Alt held (Alt itself going up included), and F10 always, keys arrive as system keys.
    const bool alt = vk == VK_MENU || IsDown(VK_MENU);
    SetKeyDown(vk, down);
    UINT msg = down ? WM_KEYDOWN : WM_KEYUP;
    if (alt || vk == VK_F10)
        msg = down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    const UINT scan = MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM lParam = 1 | static_cast<LPARAM>(scan & 0xFF) << 16;
    if (!down)
        lParam |= static_cast<LPARAM>(0xC0000000u);
    if (alt)
        lParam |= 0x20000000;
    if (HWND target = KeyTarget())
        PostMessageA(target, msg, vk, lParam);
    PumpUnlessInStep();
}

WPARAM MouseKeys() {
    WPARAM k = 0;
    if (IsDown(VK_LBUTTON))
        k |= MK_LBUTTON;
    if (IsDown(VK_RBUTTON))
        k |= MK_RBUTTON;
    if (IsDown(VK_SHIFT))
        k |= MK_SHIFT;
    if (IsDown(VK_CONTROL))
        k |= MK_CONTROL;
    return k;
}

// A mouse message for the window that has the capture, else the one under the point, in its
// client coordinates; pumped unless more input follows at once.
void PostMouse(UINT msg, POINT screen, bool pump = true) {
    SetCursorPos(screen.x, screen.y);
    HWND target = GetCapture();
    if (target == nullptr)
        target = WindowFromPoint(screen);
    if (target == nullptr)
        return;
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) {
        // A click activates the top-level window it lands in.
        HWND top = GetAncestor(target, GA_ROOT);
        if (top != nullptr && top != GetActiveWindow())
            SetActiveWindow(top);
    }
    POINT client = screen;
    ScreenToClient(target, &client);
    PostMessageA(target, msg, MouseKeys(), MAKELPARAM(client.x, client.y));
    if (pump)
        PumpUnlessInStep();
}

void PostButton(bool down, Button button, POINT screen, bool doubleClick = false,
                bool pump = true) {
    const bool left = button == Button::Left;
    SetKeyDown(left ? VK_LBUTTON : VK_RBUTTON, down);
    UINT msg =
        left ? (down ? WM_LBUTTONDOWN : WM_LBUTTONUP) : (down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
    if (doubleClick && left && down) {
        // The second press is a double click only for classes that ask for it.
        HWND target = GetCapture() != nullptr ? GetCapture() : WindowFromPoint(screen);
        if (target != nullptr && (GetClassLongPtrA(target, GCL_STYLE) & CS_DBLCLKS))
            msg = WM_LBUTTONDBLCLK;
    }
    PostMouse(msg, screen, pump);
}

} // namespace

void KeyDown(UINT vk) {
    PostKey(true, vk);
}

void KeyUp(UINT vk) {
    PostKey(false, vk);
}

void PressKey(UINT vk, std::initializer_list<UINT> modifiers) {
    for (UINT m : modifiers)
        PostKey(true, m);
    PostKey(true, vk);
    PostKey(false, vk);
    for (auto it = modifiers.end(); it != modifiers.begin();) {
        --it;
        PostKey(false, *it);
    }
}

void TypeText(const char* text) {
    if (text == nullptr)
        return;
    for (const char* p = text; *p != '\0'; ++p) {
        const SHORT key = VkKeyScanA(*p);
        if (key == -1) {
            // No key of the layout types it: the character alone.
            if (HWND target = KeyTarget())
                PostMessageA(target, WM_CHAR, static_cast<unsigned char>(*p), 1);
            PumpUnlessInStep();
        } else if (key & 0x100) {
            PressKey(key & 0xFF, {VK_SHIFT});
        } else {
            PressKey(key & 0xFF);
        }
    }
}

void MouseMove(POINT screen) {
    PostMouse(WM_MOUSEMOVE, screen);
}

void MouseDown(POINT screen, Button button) {
    PostButton(true, button, screen);
}

void MouseUp(POINT screen, Button button) {
    PostButton(false, button, screen);
}

// The release is queued with the press, as a quick click puts both in the queue: a control that
// tracks the mouse in a loop of its own after the press (a scroll bar) takes the release there.
void Click(POINT screen, Button button) {
    PostButton(true, button, screen, false, false);
    PostButton(false, button, screen);
}

void DoubleClick(POINT screen) {
    Click(screen);
    PostButton(true, Button::Left, screen, true, false);
    MouseUp(screen);
}

} // namespace desktop
