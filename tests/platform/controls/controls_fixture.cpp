#include "controls_fixture.h"

#include <ostream>

namespace controls_test {
namespace {

ControlsTest* current = nullptr;

} // namespace

std::ostream& operator<<(std::ostream& out, const Note& note) {
    const char* name = note.message == WM_COMMAND    ? "WM_COMMAND"
                       : note.message == WM_VSCROLL  ? "WM_VSCROLL"
                       : note.message == WM_HSCROLL  ? "WM_HSCROLL"
                       : note.message == WM_DRAWITEM ? "WM_DRAWITEM"
                                                     : "?";
    return out << "{" << name << " id " << note.id << " code 0x" << std::hex << note.code
               << " state 0x" << note.state << std::dec << " from " << note.from << "}";
}

void ControlsTest::SetUp() {
    desktop::reset();
    current = this;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = "ControlsTestParent";
    ASSERT_NE(RegisterClassA(&wc), 0);
    parent_ = CreateWindowExA(0, "ControlsTestParent", "Controls", WS_POPUP | WS_VISIBLE, 0, 0, 400,
                              300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    Pump();
}

void ControlsTest::TearDown() {
    current = nullptr;
    desktop::reset();
}

HWND ControlsTest::Create(const char* className, const char* text, DWORD style, int id, int x,
                          int y, int cx, int cy) {
    HWND hwnd = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy,
                                parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(hwnd, nullptr) << className;
    Pump();
    return hwnd;
}

void ControlsTest::Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void ControlsTest::Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    PostMessageA(hwnd, message, wParam, lParam);
    Pump();
}

void ControlsTest::Click(HWND hwnd, int x, int y) {
    Post(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Post(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

void ControlsTest::TypeChars(HWND hwnd, const std::string& text) {
    for (char c : text) {
        Post(hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
}

void ControlsTest::Key(HWND hwnd, UINT vk) {
    Post(hwnd, WM_KEYDOWN, vk, 1);
    Post(hwnd, WM_KEYUP, vk, 0xC0000001);
}

std::string ControlsTest::Text(HWND hwnd) {
    char buffer[256] = {};
    GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}

std::pair<DWORD, DWORD> ControlsTest::Selection(HWND hwnd) {
    DWORD start = 0xDEAD;
    DWORD end = 0xDEAD;
    SendMessageA(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

LRESULT CALLBACK ControlsTest::ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::size_t logged = current != nullptr ? current->notes.size() : 0;
    const LRESULT result = Handle(hwnd, message, wParam, lParam);
    if (current != nullptr && current->notes.size() > logged && current->onNote) {
        current->onNote(current->notes.back());
    }
    return result;
}

LRESULT ControlsTest::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current != nullptr) {
        switch (message) {
        case WM_COMMAND:
            current->notes.push_back(
                Note{message, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            current->notes.push_back(
                Note{message, 0, LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam)});
            return 0;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            current->notes.push_back(
                Note{message, item->CtlID, item->itemAction, item->hwndItem, item->itemState});
            // Paint something recognisable, so pixel checks can see the owner drew.
            FillRect(item->hDC, &item->rcItem,
                     GetSysColorBrush((item->itemState & ODS_SELECTED) != 0 ? COLOR_HIGHLIGHT
                                                                            : COLOR_WINDOW));
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
            if (current->staticBrush != nullptr) {
                return reinterpret_cast<LRESULT>(current->staticBrush);
            }
            break;
        default:
            break;
        }
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace controls_test
