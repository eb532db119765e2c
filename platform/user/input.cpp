// Keyboard and mouse input: the input queue, the key state tables, the choice of the window a
// mouse message goes to, double clicks, and TranslateMessage for a US keyboard layout.
//
// GetKeyState answers the state as of the last input message taken from the queue (so a Shift
// pressed and released around a Tab reads as down while the Tab is handled); GetAsyncKeyState
// answers the keys as they are now.
#include "user/recycling_allocator.h"
#include "user/user_internal.h"

#include "kernel/kernel_internal.h"

#include <cstdlib>
#include <cstring>
#include <deque>

namespace wm {
namespace {

std::deque<QueuedMessage, RecyclingAllocator<QueuedMessage>> g_input;
BYTE g_sync[256];
BYTE g_async[256];
POINT g_cursor{0, 0};

struct LastClick {
    HWND hwnd = nullptr;
    UINT message = 0;
    DWORD time = 0;
    POINT pt{};
};
LastClick g_lastClick;

bool InRange(UINT msg, UINT first, UINT last) {
    return (first == 0 && last == 0) || (msg >= first && msg <= last);
}

bool IsButtonDown(UINT m) {
    return m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN;
}

// Decides where a mouse message goes now that it is being taken. False drops it.
bool Resolve(MSG& m) {
    POINT screen = m.pt;
    g_cursor = screen;
    int hit = HTCLIENT;
    Window* target = nullptr;
    if (HWND cap = GetCapture()) {
        target = Lookup(cap);
    }
    if (!target) {
        target = WindowAtPoint(screen, &hit);
    }
    if (!target) {
        return false;
    }
    Window* top = TopLevelOf(target);
    if (!GetCapture() && ((top->style & WS_DISABLED) || (target->style & WS_DISABLED))) {
        return false; // e.g. the owner of a modal dialog
    }
    HWND h = target->handle;
    if (IsButtonDown(m.message) && top != ActiveWindow()) {
        LRESULT ma =
            Deliver(target, WM_MOUSEACTIVATE, (WPARAM)top->handle, MAKELPARAM(hit, m.message));
        if (!Lookup(h)) {
            return false;
        }
        if (ma != MA_NOACTIVATE && ma != MA_NOACTIVATEANDEAT) {
            SetActiveWindow(top->handle);
        }
        if (!Lookup(h) || ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT) {
            return false;
        }
    }
    Deliver(target, WM_SETCURSOR, (WPARAM)h, MAKELPARAM(hit, m.message));
    if (!Lookup(h)) {
        return false;
    }
    m.hwnd = h;
    if (GetCapture() == h || hit == HTCLIENT) {
        if (IsButtonDown(m.message)) {
            bool dbl =
                (target->cls->style & CS_DBLCLKS) && g_lastClick.hwnd == h &&
                g_lastClick.message == m.message &&
                m.time - g_lastClick.time <= GetDoubleClickTime() &&
                std::abs(m.pt.x - g_lastClick.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                std::abs(m.pt.y - g_lastClick.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
            if (dbl) {
                m.message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
                g_lastClick = LastClick{};
            } else {
                g_lastClick = LastClick{h, m.message, m.time, m.pt};
            }
        }
        POINT client = screen;
        ScreenToClient(h, &client);
        m.lParam = MAKELPARAM(client.x, client.y);
    } else {
        m.message -= WM_MOUSEMOVE - WM_NCMOUSEMOVE;
        m.wParam = (WPARAM)hit;
        m.lParam = MAKELPARAM(screen.x, screen.y);
    }
    return true;
}

// The characters of the keys outside the letter and digit rows, unshifted and shifted.
struct KeyChar {
    UINT vk;
    char plain;
    char shifted;
};
const KeyChar kKeyChars[] = {
    {VK_SPACE, ' ', ' '},     {VK_TAB, '\t', '\t'},     {VK_BACK, '\b', '\b'},
    {VK_RETURN, '\r', '\r'},  {VK_ESCAPE, 27, 27},      {VK_MULTIPLY, '*', '*'},
    {VK_ADD, '+', '+'},       {VK_SUBTRACT, '-', '-'},  {VK_DECIMAL, '.', '.'},
    {VK_DIVIDE, '/', '/'},    {VK_OEM_1, ';', ':'},     {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'},
    {VK_OEM_2, '/', '?'},     {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},
    {VK_OEM_5, '\\', '|'},    {VK_OEM_6, ']', '}'},     {VK_OEM_7, '\'', '"'},
};

char Translate(UINT vk, bool shift, bool caps, bool ctrl) {
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) {
            return (char)(vk - 'A' + 1);
        }
        return (char)((shift != caps) ? vk : vk - 'A' + 'a');
    }
    if (ctrl) {
        return 0;
    }
    if (vk >= '0' && vk <= '9') {
        static const char shifted[] = ")!@#$%^&*(";
        return shift ? shifted[vk - '0'] : (char)vk;
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        return (char)('0' + vk - VK_NUMPAD0);
    }
    for (const KeyChar& k : kKeyChars) {
        if (k.vk == vk) {
            return shift ? k.shifted : k.plain;
        }
    }
    return 0;
}

void SetKey(BYTE* table, UINT vk, bool down) {
    vk &= 0xff;
    if (down && !(table[vk] & 0x80)) {
        table[vk] ^= 0x01;
    }
    table[vk] = (BYTE)(down ? (table[vk] | 0x80) : (table[vk] & ~0x80));
}

} // namespace

void PostInput(const MSG& msg, bool mouse) {
    QueuedMessage q;
    q.msg = msg;
    q.msg.time = kernel::CurrentTick();
    q.mouse = mouse;
    if (!mouse) {
        q.msg.pt = g_cursor;
    }
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        SetKey(g_async, (UINT)msg.wParam, true);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        SetKey(g_async, (UINT)msg.wParam, false);
        break;
    case WM_LBUTTONDOWN:
        SetKey(g_async, VK_LBUTTON, true);
        break;
    case WM_LBUTTONUP:
        SetKey(g_async, VK_LBUTTON, false);
        break;
    case WM_RBUTTONDOWN:
        SetKey(g_async, VK_RBUTTON, true);
        break;
    case WM_RBUTTONUP:
        SetKey(g_async, VK_RBUTTON, false);
        break;
    default:
        break;
    }
    g_input.push_back(q);
}

void UpdateKeyState(const MSG& m) {
    switch (m.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        SetKey(g_sync, (UINT)m.wParam, true);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        SetKey(g_sync, (UINT)m.wParam, false);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
        SetKey(g_sync, VK_LBUTTON, true);
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        SetKey(g_sync, VK_LBUTTON, false);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        SetKey(g_sync, VK_RBUTTON, true);
        break;
    case WM_RBUTTONUP:
        SetKey(g_sync, VK_RBUTTON, false);
        break;
    default:
        break;
    }
}

bool TakeInput(HWND filter, UINT first, UINT last, bool remove, MSG* out) {
    while (!g_input.empty()) {
        QueuedMessage& q = g_input.front();
        if (q.mouse) {
            MSG m = q.msg;
            if (!Resolve(m)) {
                g_input.pop_front();
                continue;
            }
            q.msg = m;
            q.mouse = false;
        }
        if (!q.msg.hwnd && q.msg.message >= WM_KEYFIRST && q.msg.message <= WM_KEYLAST) {
            // Keyboard input goes to the window that has the focus when it is taken, as on
            // Windows: a Tab that moves the focus sends its key-up to the new window.
            HWND target = GetFocus();
            q.msg.hwnd = target ? target : GetActiveWindow();
        }
        if (!q.msg.hwnd || !Lookup(q.msg.hwnd)) {
            // Keyboard input with no window to take it is lost, as on Windows.
            g_input.pop_front();
            continue;
        }
        bool match = (!filter || q.msg.hwnd == filter || IsChild(filter, q.msg.hwnd)) &&
                     InRange(q.msg.message, first, last);
        if (!match) {
            return false; // input is taken strictly in order
        }
        *out = q.msg;
        if (remove) {
            g_input.pop_front();
            UpdateKeyState(*out);
        }
        return true;
    }
    return false;
}

BYTE* KeyStateSync() {
    return g_sync;
}
BYTE* KeyStateAsync() {
    return g_async;
}

void ResetInput() {
    g_input.clear();
    memset(g_sync, 0, sizeof g_sync);
    memset(g_async, 0, sizeof g_async);
    g_cursor = POINT{0, 0};
    g_lastClick = LastClick{};
}

} // namespace wm

using namespace wm;

SHORT WINAPI GetKeyState(int virtKey) {
    BYTE s = g_sync[virtKey & 0xff];
    return (SHORT)(((s & 0x80) ? 0x8000 : 0) | (s & 0x01));
}

SHORT WINAPI GetAsyncKeyState(int virtKey) {
    return (SHORT)((g_async[virtKey & 0xff] & 0x80) ? 0x8000 : 0);
}

BOOL WINAPI GetKeyboardState(LPBYTE keyState) {
    if (!keyState) {
        return FALSE;
    }
    memcpy(keyState, g_sync, sizeof g_sync);
    return TRUE;
}

// The thread's key state as GetKeyState reports it; the keys as they are now stay untouched.
BOOL WINAPI SetKeyboardState(LPBYTE keyState) {
    if (!keyState) {
        return FALSE;
    }
    memcpy(g_sync, keyState, sizeof g_sync);
    return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) {
        return FALSE;
    }
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    bool caps = (GetKeyState(VK_CAPITAL) & 1) != 0;
    char c = Translate((UINT)msg->wParam, shift, caps, ctrl);
    if (!c) {
        return FALSE;
    }
    MSG m = *msg;
    m.message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    m.wParam = (WPARAM)(BYTE)c;
    PostToQueue(m);
    return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
    if (!point) {
        return FALSE;
    }
    *point = g_cursor;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
    g_cursor = POINT{x, y};
    return TRUE;
}

UINT WINAPI GetDoubleClickTime() {
    return 500;
}
