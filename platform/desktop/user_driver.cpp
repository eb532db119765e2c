// The driver's window-manager part: keyboard and mouse input, the pump, steps, settings,
// pictures, help requests and message boxes.
#include <desktop.h>

#include "desktop/framework_hooks.h"
#include "desktop/input_post.h"
#include "user/user_internal.h"

namespace desktop {
namespace {

using input::MouseKeys;
using input::PostKey;
using input::PostMouse;

// The key (and whether Shift is needed) that types a character on a US layout; 0 for none.
UINT KeyFor(char c, bool* shift) {
    *shift = false;
    if (c >= 'a' && c <= 'z') {
        return (UINT)(c - 'a' + 'A');
    }
    if (c >= 'A' && c <= 'Z') {
        *shift = true;
        return (UINT)c;
    }
    if (c >= '0' && c <= '9') {
        return (UINT)c;
    }
    static const char shiftedDigits[] = ")!@#$%^&*(";
    for (int i = 0; i < 10; ++i) {
        if (c == shiftedDigits[i]) {
            *shift = true;
            return (UINT)('0' + i);
        }
    }
    static const struct {
        char plain, shifted;
        UINT vk;
    } keys[] = {{';', ':', VK_OEM_1},     {'=', '+', VK_OEM_PLUS},   {',', '<', VK_OEM_COMMA},
                {'-', '_', VK_OEM_MINUS}, {'.', '>', VK_OEM_PERIOD}, {'/', '?', VK_OEM_2},
                {'`', '~', VK_OEM_3},     {'[', '{', VK_OEM_4},      {'\\', '|', VK_OEM_5},
                {']', '}', VK_OEM_6},     {'\'', '"', VK_OEM_7}};
    for (const auto& k : keys) {
        if (c == k.plain) {
            return k.vk;
        }
        if (c == k.shifted) {
            *shift = true;
            return k.vk;
        }
    }
    switch (c) {
    case ' ':
        return VK_SPACE;
    case '\t':
        return VK_TAB;
    case '\b':
        return VK_BACK;
    case '\r':
    case '\n':
        return VK_RETURN;
    case 27:
        return VK_ESCAPE;
    default:
        return 0;
    }
}

} // namespace

void KeyDown(UINT vk) {
    PostKey(WM_KEYDOWN, vk);
    PumpUntilIdle();
}

void KeyUp(UINT vk) {
    PostKey(WM_KEYUP, vk);
    PumpUntilIdle();
}

void PressKey(UINT vk, std::initializer_list<UINT> modifiers) {
    for (UINT m : modifiers) {
        PostKey(WM_KEYDOWN, m);
    }
    PostKey(WM_KEYDOWN, vk);
    PostKey(WM_KEYUP, vk);
    for (auto it = modifiers.end(); it != modifiers.begin();) {
        --it;
        PostKey(WM_KEYUP, *it);
    }
    PumpUntilIdle();
}

void TypeText(const char* text) {
    if (!text) {
        return;
    }
    for (const char* p = text; *p; ++p) {
        bool shift = false;
        UINT vk = KeyFor(*p, &shift);
        if (!vk) {
            input::PostChar(static_cast<unsigned char>(*p));
            PumpUntilIdle();
            continue;
        }
        if (shift) {
            PressKey(vk, {VK_SHIFT});
        } else {
            PressKey(vk);
        }
    }
}

void MouseMove(POINT screen) {
    PostMouse(WM_MOUSEMOVE, screen, MouseKeys());
    PumpUntilIdle();
}

void MouseDown(POINT screen, Button button) {
    bool left = button == Button::Left;
    PostMouse(left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, screen,
              MouseKeys() | (left ? MK_LBUTTON : MK_RBUTTON));
    PumpUntilIdle();
}

void MouseUp(POINT screen, Button button) {
    bool left = button == Button::Left;
    PostMouse(left ? WM_LBUTTONUP : WM_RBUTTONUP, screen,
              MouseKeys() & ~(WPARAM)(left ? MK_LBUTTON : MK_RBUTTON));
    PumpUntilIdle();
}

void Click(POINT screen, Button button) {
    MouseDown(screen, button);
    MouseUp(screen, button);
}

void DoubleClick(POINT screen) {
    Click(screen);
    Click(screen);
}

void PumpUntilIdle() {
    wm::PumpUntilIdle();
    // The queue is empty: idle time, as a host's loop has it. What the idle work changes (a
    // pane's new text) is painted before the pump returns.
    framework_hooks::IdleMoment();
    wm::PumpUntilIdle();
}

void QueueStep(std::function<void()> step) {
    wm::QueueStep(std::move(step));
}

size_t PendingSteps() {
    return wm::PendingStepCount();
}

void SetSystemMetric(int index, int value) {
    wm::SetMetric(index, value);
}
void SetSystemColor(int index, COLORREF color) {
    wm::SetSysColorValue(index, color);
}
void SetWorkArea(const RECT& area) {
    wm::SetWorkArea(area);
}
void ResetSystemSettings() {
    wm::ResetMetrics();
}

COLORREF WindowPixel(HWND hwnd, int x, int y) {
    if (!IsWindow(hwnd)) {
        return CLR_INVALID;
    }
    PumpUntilIdle();
    RECT r{};
    GetClientRect(hwnd, &r);
    POINT p{x, y};
    if (!PtInRect(&r, p)) {
        return CLR_INVALID;
    }
    ClientToScreen(hwnd, &p);
    return ScreenPixel(p.x, p.y);
}

bool SaveWindowPng(HWND hwnd, const char* path) {
    RECT r{};
    if (!GetWindowRect(hwnd, &r)) {
        return false;
    }
    PumpUntilIdle();
    return SaveScreenPng(path, r);
}

std::vector<HelpRequest> HelpRequests() {
    std::vector<HelpRequest> out;
    for (const wm::HelpRequest& h : wm::HelpRequests()) {
        out.push_back(HelpRequest{h.hwnd, h.file, h.command, h.data, h.dataText, h.result});
    }
    return out;
}

void ClearHelpRequests() {
    wm::HelpRequests().clear();
}

std::vector<MessageBoxShown> MessageBoxes() {
    std::vector<MessageBoxShown> out;
    for (const wm::MessageBoxRecord& b : wm::MessageBoxes()) {
        out.push_back(MessageBoxShown{b.owner, b.text, b.caption, b.style, b.answer, b.box});
    }
    return out;
}

void AnswerNextMessageBox(int answer) {
    wm::QueuedAnswers().push_back(answer);
}

HWND CurrentMessageBox() {
    const auto& boxes = wm::MessageBoxes();
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) {
        if (it->box && IsWindow(it->box)) {
            return it->box;
        }
    }
    return nullptr;
}

} // namespace desktop
