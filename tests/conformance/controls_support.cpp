#include "controls_support.h"

namespace controls_conformance {
namespace {

std::vector<Notification> notifications;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        notifications.push_back(
            Notification{message, HIWORD(wParam), reinterpret_cast<HWND>(lParam), 0});
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        notifications.push_back(
            Notification{message, LOWORD(wParam), reinterpret_cast<HWND>(lParam), 0});
        return 0;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        notifications.push_back(
            Notification{message, item->itemAction, item->hwndItem, item->itemState});
        return TRUE;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

HWND Parent() {
    static HWND parent = nullptr;
    if (parent == nullptr || !IsWindow(parent)) {
        parent = CreateWindowExA(0,
                                 conformance::HostClass("ControlsConformanceParent", ParentProc, 0,
                                                        GetSysColorBrush(COLOR_BTNFACE)),
                                 "Controls", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    Pump();
    notifications.clear();
    return parent;
}

std::vector<Notification>& Log() {
    return notifications;
}

HWND CreateChild(const char* className, const char* text, DWORD style, int id, int x, int y, int cx,
                 int cy) {
    HWND hwnd = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy,
                                Parent(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    Pump();
    notifications.clear();
    return hwnd;
}

std::vector<UINT> Codes(HWND from) {
    std::vector<UINT> codes;
    for (const Notification& n : notifications) {
        if (n.message == WM_COMMAND && n.from == from) {
            codes.push_back(n.code);
        }
    }
    return codes;
}

} // namespace controls_conformance
