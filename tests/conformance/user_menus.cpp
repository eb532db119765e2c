// Menus and accelerators as the framework's frames rely on them: building menus, item states
// and queries, menus and accelerator tables from compiled resources, what TranslateAcceleratorA
// sends, and the message order of a tracked pop-up menu.
#include "conformance.h"
#include "host_window.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

struct MenuMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<MenuMessage> g_menuSeen;

bool IsMenuMessage(UINT msg) {
    return msg == WM_INITMENU || msg == WM_INITMENUPOPUP || msg == WM_MENUSELECT ||
           msg == WM_ENTERMENULOOP || msg == WM_EXITMENULOOP || msg == WM_COMMAND;
}

LRESULT CALLBACK MenuOwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (IsMenuMessage(msg)) {
        g_menuSeen.push_back(MenuMessage{msg, wParam, lParam});
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MenuOwner(HMENU bar) {
    return CreateWindowExA(0, conformance::HostClass("ConformanceMenuOwner", MenuOwnerProc),
                           "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                           bar, GetModuleHandleA(nullptr), nullptr);
}

// File: New (100), Open (101) grayed, separator, Recent > (200 checked), Exit (102)
HMENU FileMenu(HMENU* recent) {
    HMENU file = CreatePopupMenu();
    *recent = CreatePopupMenu();
    AppendMenuA(*recent, MF_STRING | MF_CHECKED, 200, "&One");
    AppendMenuA(file, MF_STRING, 100, "&New\tCtrl+N");
    AppendMenuA(file, MF_STRING | MF_GRAYED, 101, "&Open");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_POPUP, (UINT_PTR)*recent, "&Recent");
    AppendMenuA(file, MF_STRING, 102, "E&xit");
    return file;
}

} // namespace

CONFORMANCE_TEST(MenuItemsAreCountedFoundAndNamed) {
    HMENU recent = nullptr;
    HMENU file = FileMenu(&recent);
    CHECK_EQ(5, GetMenuItemCount(file));
    CHECK_EQ(100u, GetMenuItemID(file, 0));
    CHECK_EQ(0u, GetMenuItemID(file, 2));       // the separator
    CHECK_EQ((UINT)-1, GetMenuItemID(file, 3)); // a pop-up has no command
    CHECK_EQ((UINT)-1, GetMenuItemID(file, 9)); // no such item
    CHECK(GetSubMenu(file, 3) == recent);
    CHECK(GetSubMenu(file, 0) == nullptr);

    char text[32] = "";
    CHECK_EQ(11, GetMenuStringA(file, 100, text, sizeof text, MF_BYCOMMAND));
    CHECK_STR_EQ("&New\tCtrl+N", text);
    // Cut to fit (Wine then leaves the buffer as it was, so only the count is compared).
    CHECK_EQ(3, GetMenuStringA(file, 0, text, 4, MF_BYPOSITION));
    CHECK_EQ(4, GetMenuStringA(recent, 200, text, sizeof text, MF_BYCOMMAND));
    CHECK_EQ(4, GetMenuStringA(file, 200, text, sizeof text, MF_BYCOMMAND)); // found below
    CHECK_EQ(0, GetMenuStringA(file, 999, text, sizeof text, MF_BYCOMMAND));

    CHECK_EQ((UINT)MF_GRAYED, GetMenuState(file, 101, MF_BYCOMMAND));
    CHECK_EQ((UINT)MF_CHECKED, GetMenuState(file, 200, MF_BYCOMMAND));
    // Separators are always disabled.
    CHECK_EQ((UINT)(MF_SEPARATOR | MF_GRAYED | MF_DISABLED), GetMenuState(file, 2, MF_BYPOSITION));
    CHECK_EQ((UINT)((1 << 8) | MF_POPUP), GetMenuState(file, 3, MF_BYPOSITION));
    CHECK_EQ((UINT)-1, GetMenuState(file, 999, MF_BYCOMMAND));
    CHECK(DestroyMenu(file));
    CHECK(!IsMenu(file));
    CHECK(!IsMenu(recent)); // gone with the menu above it
}

CONFORMANCE_TEST(MenuItemStatesAnswerThePreviousState) {
    HMENU recent = nullptr;
    HMENU file = FileMenu(&recent);
    CHECK_EQ((UINT)MF_ENABLED, EnableMenuItem(file, 100, MF_BYCOMMAND | MF_GRAYED));
    CHECK_EQ((UINT)MF_GRAYED, EnableMenuItem(file, 100, MF_BYCOMMAND | MF_ENABLED));
    CHECK_EQ((UINT)MF_ENABLED, GetMenuState(file, 100, MF_BYCOMMAND));
    CHECK_EQ((UINT)-1, EnableMenuItem(file, 999, MF_BYCOMMAND | MF_GRAYED));
    CHECK_EQ((DWORD)MF_UNCHECKED, CheckMenuItem(file, 4, MF_BYPOSITION | MF_CHECKED));
    CHECK_EQ((DWORD)MF_CHECKED, CheckMenuItem(file, 102, MF_BYCOMMAND | MF_UNCHECKED));
    CHECK_EQ((DWORD)-1, CheckMenuItem(file, 999, MF_BYCOMMAND | MF_CHECKED));
    DestroyMenu(file);
}

CONFORMANCE_TEST(AcceleratorSendsItsCommandWithHighWordOne) {
    HMENU recent = nullptr;
    HMENU file = FileMenu(&recent);
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
    HWND owner = MenuOwner(bar);
    conformance::Pump();
    ACCEL keys[] = {{FVIRTKEY, VK_F5, 100}, {FVIRTKEY, VK_F6, 101}, {FVIRTKEY, VK_F7, 555}};
    HACCEL table = CreateAcceleratorTableA(keys, 3);
    CHECK(table != nullptr);
    CHECK_EQ(3, CopyAcceleratorTableA(table, nullptr, 0));

    MSG msg = {};
    msg.hwnd = owner;
    msg.message = WM_KEYDOWN;
    msg.lParam = 1;

    // An item of the window's menu: the menu hears of it as if opened, then the command comes.
    g_menuSeen.clear();
    msg.wParam = VK_F5;
    CHECK(TranslateAcceleratorA(owner, table, &msg));
    CHECK_EQ(3u, (unsigned)g_menuSeen.size());
    if (g_menuSeen.size() == 3) {
        CHECK_EQ((UINT)WM_INITMENU, g_menuSeen[0].msg);
        CHECK(g_menuSeen[0].wParam == (WPARAM)bar);
        CHECK_EQ((UINT)WM_INITMENUPOPUP, g_menuSeen[1].msg);
        CHECK(g_menuSeen[1].wParam == (WPARAM)file);
        CHECK_EQ((UINT)WM_COMMAND, g_menuSeen[2].msg);
        CHECK_EQ((unsigned long long)MAKEWPARAM(100, 1), (unsigned long long)g_menuSeen[2].wParam);
    }

    // A grayed item takes the key but sends no command.
    g_menuSeen.clear();
    msg.wParam = VK_F6;
    CHECK(TranslateAcceleratorA(owner, table, &msg));
    CHECK_EQ(2u, (unsigned)g_menuSeen.size());

    // A command that is no menu item goes straight out.
    g_menuSeen.clear();
    msg.wParam = VK_F7;
    CHECK(TranslateAcceleratorA(owner, table, &msg));
    CHECK_EQ(1u, (unsigned)g_menuSeen.size());

    // Keys no entry names, and key-up messages, are left alone.
    g_menuSeen.clear();
    msg.wParam = VK_F8;
    CHECK(!TranslateAcceleratorA(owner, table, &msg));
    msg.wParam = VK_F5;
    msg.message = WM_KEYUP;
    CHECK(!TranslateAcceleratorA(owner, table, &msg));
    CHECK_EQ(0u, (unsigned)g_menuSeen.size());

    CHECK(DestroyAcceleratorTable(table));
    DestroyWindow(owner);
    CHECK(!IsMenu(bar)); // the window's menu goes with it
}

CONFORMANCE_TEST(TrackPopupMenuByKeysReturnsTheCommandInOrder) {
    HMENU recent = nullptr;
    HMENU file = FileMenu(&recent);
    HWND owner = MenuOwner(nullptr);
    conformance::Pump();
    SetForegroundWindow(owner);
    g_menuSeen.clear();
    // Down selects New, Down again skips nothing (Open is grayed but selectable), Up comes back,
    // Enter chooses.
    PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(owner, WM_KEYDOWN, VK_DOWN, 1);
    PostMessageA(owner, WM_KEYDOWN, VK_UP, 1);
    PostMessageA(owner, WM_KEYDOWN, VK_RETURN, 1);
    UINT chosen =
        (UINT)TrackPopupMenu(file, TPM_RETURNCMD | TPM_LEFTALIGN, 20, 20, 0, owner, nullptr);
    CHECK_EQ(100u, chosen);
    std::vector<UINT> order;
    for (const MenuMessage& m : g_menuSeen) {
        if (order.empty() || order.back() != m.msg || m.msg == WM_MENUSELECT)
            order.push_back(m.msg);
    }
    // WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, then selections, then the close.
    CHECK(order.size() >= 6);
    if (order.size() >= 6) {
        CHECK_EQ((UINT)WM_ENTERMENULOOP, order[0]);
        CHECK_EQ((UINT)WM_INITMENU, order[1]);
        CHECK_EQ((UINT)WM_INITMENUPOPUP, order[2]);
        CHECK_EQ((UINT)WM_MENUSELECT, order[3]);
        CHECK_EQ((UINT)WM_MENUSELECT, order[order.size() - 2]);
        CHECK_EQ((UINT)WM_EXITMENULOOP, order.back());
    }
    // The last selection before the close named New; the close is (0, 0xFFFF, NULL).
    size_t n = g_menuSeen.size();
    if (n >= 3) {
        const MenuMessage& close = g_menuSeen[n - 2];
        CHECK_EQ(0xFFFFu, (unsigned)HIWORD(close.wParam));
        CHECK(close.lParam == 0);
        const MenuMessage& last = g_menuSeen[n - 3];
        CHECK_EQ((UINT)WM_MENUSELECT, last.msg);
        CHECK_EQ(100u, (unsigned)LOWORD(last.wParam));
        CHECK(last.lParam == (LPARAM)file);
    }
    conformance::Pump();
    DestroyWindow(owner);
    DestroyMenu(file);
}

CONFORMANCE_TEST(MenuAndAcceleratorsFromCompiledResources) {
    HINSTANCE self = GetModuleHandleA(nullptr);
    HMENU bar = LoadMenuA(self, MAKEINTRESOURCEA(20));
    CHECK(bar != nullptr);
    CHECK_EQ(2, GetMenuItemCount(bar));
    HMENU file = GetSubMenu(bar, 0);
    CHECK_EQ(3, GetMenuItemCount(file));
    char text[32] = "";
    CHECK_EQ(11, GetMenuStringA(bar, 100, text, sizeof text, MF_BYCOMMAND));
    CHECK_STR_EQ("&New\tCtrl+N", text);
    CHECK_EQ((UINT)(MF_SEPARATOR | MF_GRAYED | MF_DISABLED), GetMenuState(file, 1, MF_BYPOSITION));
    CHECK_EQ((UINT)MF_GRAYED, GetMenuState(bar, 102, MF_BYCOMMAND));
    CHECK_EQ(400u, GetMenuItemID(bar, 1));
    CHECK(DestroyMenu(bar));
    CHECK(LoadMenuA(self, MAKEINTRESOURCEA(99)) == nullptr);

    HACCEL table = LoadAcceleratorsA(self, MAKEINTRESOURCEA(20));
    CHECK(table != nullptr);
    ACCEL keys[4] = {};
    CHECK_EQ(3, CopyAcceleratorTableA(table, keys, 4));
    CHECK_EQ(FVIRTKEY | FCONTROL, (int)keys[0].fVirt);
    CHECK_EQ((int)'N', (int)keys[0].key);
    CHECK_EQ(100, (int)keys[0].cmd);
    CHECK_EQ(VK_F5, (int)keys[1].key);
    CHECK_EQ(0, (int)keys[2].fVirt);
    CHECK_EQ((int)'a', (int)keys[2].key);
    CHECK(LoadAcceleratorsA(self, MAKEINTRESOURCEA(99)) == nullptr);
}
