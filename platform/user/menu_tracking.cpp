// The menu loop: the menu bar tracked by keyboard (Alt or F10, mnemonics, arrows, Enter,
// Escape) and mouse, and TrackPopupMenu. It is a modal loop, as on Windows: it reads the queue
// itself and keeps the input it takes, while paints, timers and posted messages go on to their
// windows. The owner hears, in this order:
//   WM_ENTERMENULOOP, WM_INITMENU, then per pop-up opened WM_INITMENUPOPUP; WM_MENUSELECT for
//   each item selected; WM_ENTERIDLE (MSGF_MENU) whenever the loop waits; on the way out
//   WM_MENUSELECT (0, 0xFFFF, NULL) and WM_EXITMENULOOP; and last the chosen item's WM_COMMAND,
//   posted (or TrackPopupMenu's result with TPM_RETURNCMD).
#include "user/menu_layout.h"
#include "user/user_internal.h"

#include <cctype>
#include <vector>

namespace wm {
namespace {

struct Level {
    HMENU menu = nullptr;
    HWND window = nullptr;
    int selected = -1;
};

struct Tracker {
    HWND owner = nullptr;
    HMENU bar = nullptr; // the menu bar tracked, or NULL for TrackPopupMenu
    int barSelected = -1;
    std::vector<Level> popups;
    UINT flags = 0; // TPM_ flags
    bool done = false;
    UINT command = 0;
    bool popupOnly() const { return bar == nullptr; }
};

Tracker* g_tracker = nullptr;

bool Selectable(const MenuItem& item) {
    return !(item.flags & MF_SEPARATOR);
}

bool Enabled(const MenuItem& item) {
    return !(item.flags & (MF_GRAYED | MF_DISABLED));
}

void Notify(Tracker& t, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!(t.flags & TPM_NONOTIFY) && IsWindow(t.owner)) {
        SendMessageA(t.owner, msg, wParam, lParam);
    }
}

void SendSelect(Tracker& t, HMENU menu, int pos, bool mouse) {
    Menu* m = LookupMenu(menu);
    if (!m || pos < 0 || (size_t)pos >= m->items.size()) {
        return;
    }
    const MenuItem& item = m->items[(size_t)pos];
    UINT flags = (item.flags & 0xFFFF & ~MF_END) | MF_HILITE | (mouse ? MF_MOUSESELECT : 0);
    UINT id = item.popup ? (UINT)pos : (UINT)item.id;
    if (item.popup) {
        flags |= MF_POPUP;
    }
    Notify(t, WM_MENUSELECT, MAKEWPARAM(id, flags), (LPARAM)menu);
}

void RedrawBar(Tracker& t) {
    if (t.bar && IsWindow(t.owner)) {
        DrawMenuBar(t.owner);
    }
}

void SelectBar(Tracker& t, int index, bool mouse) {
    t.barSelected = index;
    RedrawBar(t);
    SendSelect(t, t.bar, index, mouse);
}

void SelectInTop(Tracker& t, int index, bool mouse) {
    Level& top = t.popups.back();
    if (top.selected == index) {
        return;
    }
    top.selected = index;
    SetPopupWindowState(top.window, top.menu, index);
    if (index >= 0) {
        SendSelect(t, top.menu, index, mouse);
    }
}

// The next selectable item from `from` in direction `step`, wrapping; -1 when there is none.
int NextSelectable(HMENU menu, int from, int step) {
    Menu* m = LookupMenu(menu);
    if (!m || m->items.empty()) {
        return -1;
    }
    int n = (int)m->items.size();
    int i = from;
    for (int tries = 0; tries < n; ++tries) {
        i = i < 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
        if (Selectable(m->items[(size_t)i])) {
            return i;
        }
    }
    return -1;
}

void CloseTop(Tracker& t) {
    if (t.popups.empty()) {
        return;
    }
    HWND window = t.popups.back().window;
    t.popups.pop_back();
    if (IsWindow(window)) {
        DestroyWindow(window);
    }
    RedrawBar(t);
}

void CloseAll(Tracker& t) {
    while (!t.popups.empty()) {
        CloseTop(t);
    }
}

void End(Tracker& t, UINT command) {
    t.command = command;
    t.done = true;
}

// Opens `menu` as a pop-up at a screen point (kept on the screen). selectFirst: by keyboard,
// the first item is selected at once.
void OpenPopup(Tracker& t, HMENU menu, int position, POINT at, bool selectFirst) {
    Notify(t, WM_INITMENUPOPUP, (WPARAM)menu, MAKELPARAM(position, FALSE));
    if (t.done || !LookupMenu(menu)) {
        return;
    }
    SIZE size = PopupMenuSize(menu);
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    if (at.x + size.cx > cx) {
        at.x = std::max(0, cx - (int)size.cx);
    }
    if (at.y + size.cy > cy) {
        at.y = std::max(0, cy - (int)size.cy);
    }
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "#32768", nullptr, WS_POPUP,
                                  at.x, at.y, size.cx, size.cy, t.owner, nullptr, nullptr, nullptr);
    Level level;
    level.menu = menu;
    level.window = window;
    t.popups.push_back(level);
    SetPopupWindowState(window, menu, -1);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawBar(t);
    if (selectFirst) {
        SelectInTop(t, NextSelectable(menu, -1, 1), false);
    }
}

void OpenBarPopup(Tracker& t, bool selectFirst) {
    Window* w = Lookup(t.owner);
    Menu* bar = LookupMenu(t.bar);
    if (!w || !bar || t.barSelected < 0 || (size_t)t.barSelected >= bar->items.size()) {
        return;
    }
    HMENU sub = bar->items[(size_t)t.barSelected].popup;
    if (!sub) {
        return;
    }
    RECT r{};
    MenuBarItemRect(w, t.barSelected, &r);
    POINT at{w->rect.left + r.left, w->rect.top + r.bottom};
    OpenPopup(t, sub, t.barSelected, at, selectFirst);
}

// Opens the pop-up of the top level's selected item, to its right.
void OpenSubPopup(Tracker& t, bool selectFirst) {
    Level top = t.popups.back();
    Menu* m = LookupMenu(top.menu);
    if (!m || top.selected < 0) {
        return;
    }
    HMENU sub = m->items[(size_t)top.selected].popup;
    if (!sub) {
        return;
    }
    RECT item{}, win{};
    PopupItemRect(top.menu, top.selected, &item);
    GetWindowRect(top.window, &win);
    OpenPopup(t, sub, top.selected, POINT{win.right - 3, win.top + item.top - 3}, selectFirst);
}

// Enter on, or a click released over, an item: a pop-up opens, a command ends the loop, and a
// disabled item closes the menu without a command.
void Choose(Tracker& t, bool keyboard) {
    Level& top = t.popups.back();
    Menu* m = LookupMenu(top.menu);
    if (!m || top.selected < 0) {
        if (keyboard) {
            End(t, 0);
        }
        return;
    }
    const MenuItem& item = m->items[(size_t)top.selected];
    if (item.popup) {
        OpenSubPopup(t, keyboard);
    } else if (!Enabled(item)) {
        if (keyboard) {
            End(t, 0);
        }
    } else {
        End(t, (UINT)item.id);
    }
}

void MoveBar(Tracker& t, int step) {
    int n = GetMenuItemCount(t.bar);
    if (n <= 0) {
        return;
    }
    bool wasOpen = !t.popups.empty();
    CloseAll(t);
    SelectBar(t, (t.barSelected + step + n) % n, false);
    if (wasOpen) {
        OpenBarPopup(t, true);
    }
}

int FindMnemonic(HMENU menu, char key) {
    Menu* m = LookupMenu(menu);
    if (!m) {
        return -1;
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        if (Selectable(m->items[i]) && MenuMnemonic(m->items[i].text) == key) {
            return (int)i;
        }
    }
    return -1;
}

void KeyDown(Tracker& t, UINT vk) {
    bool inPopup = !t.popups.empty();
    switch (vk) {
    case VK_ESCAPE:
        if (inPopup) {
            CloseTop(t);
            if (t.popups.empty()) {
                if (t.popupOnly()) {
                    End(t, 0);
                } else {
                    SelectBar(t, t.barSelected, false);
                }
            }
        } else {
            End(t, 0);
        }
        return;
    case VK_MENU:
    case VK_F10:
        End(t, 0);
        return;
    case VK_UP:
    case VK_DOWN:
        if (inPopup) {
            Level& top = t.popups.back();
            SelectInTop(t, NextSelectable(top.menu, top.selected, vk == VK_DOWN ? 1 : -1), false);
        } else {
            OpenBarPopup(t, true);
        }
        return;
    case VK_RIGHT:
        if (inPopup) {
            Level& top = t.popups.back();
            Menu* m = LookupMenu(top.menu);
            if (m && top.selected >= 0 && m->items[(size_t)top.selected].popup) {
                OpenSubPopup(t, true);
                return;
            }
        }
        if (!t.popupOnly()) {
            MoveBar(t, 1);
        }
        return;
    case VK_LEFT:
        if (t.popups.size() > 1) {
            CloseTop(t);
        } else if (!t.popupOnly()) {
            MoveBar(t, -1);
        }
        return;
    case VK_RETURN:
        if (inPopup) {
            Choose(t, true);
        } else {
            Menu* bar = LookupMenu(t.bar);
            if (bar && t.barSelected >= 0 && !bar->items[(size_t)t.barSelected].popup) {
                const MenuItem& item = bar->items[(size_t)t.barSelected];
                End(t, Enabled(item) ? (UINT)item.id : 0);
            } else {
                OpenBarPopup(t, true);
            }
        }
        return;
    default:
        break;
    }
    bool letter = (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9');
    if (!letter) {
        return;
    }
    if (inPopup) {
        Level& top = t.popups.back();
        int found = FindMnemonic(top.menu, (char)vk);
        if (found >= 0) {
            SelectInTop(t, found, false);
            Choose(t, true);
        }
    } else {
        int found = FindMnemonic(t.bar, (char)vk);
        if (found >= 0) {
            SelectBar(t, found, false);
            OpenBarPopup(t, true);
        }
    }
}

// Which pop-up level and item lie under a screen point: level -1 and item -1 for none.
int PopupAt(Tracker& t, POINT screen, int* item) {
    for (int i = (int)t.popups.size() - 1; i >= 0; --i) {
        RECT r;
        GetWindowRect(t.popups[(size_t)i].window, &r);
        if (PtInRect(&r, screen)) {
            POINT client{screen.x - r.left, screen.y - r.top};
            *item = PopupItemAt(t.popups[(size_t)i].menu, client);
            return i;
        }
    }
    *item = -1;
    return -1;
}

int BarItemAt(Tracker& t, POINT screen) {
    Window* w = t.bar ? Lookup(t.owner) : nullptr;
    if (!w) {
        return -1;
    }
    return MenuBarItemAt(w, POINT{screen.x - w->rect.left, screen.y - w->rect.top});
}

void Mouse(Tracker& t, UINT msg, POINT screen) {
    int item = -1;
    int level = PopupAt(t, screen, &item);
    bool down = msg == WM_LBUTTONDOWN || msg == WM_NCLBUTTONDOWN || msg == WM_RBUTTONDOWN ||
                msg == WM_NCRBUTTONDOWN;
    bool up = msg == WM_LBUTTONUP || msg == WM_NCLBUTTONUP || msg == WM_RBUTTONUP ||
              msg == WM_NCRBUTTONUP;
    if (level >= 0) {
        while ((int)t.popups.size() > level + 1) {
            CloseTop(t);
        }
        Menu* shown = LookupMenu(t.popups.back().menu);
        if (shown && item >= 0 && (size_t)item < shown->items.size() &&
            Selectable(shown->items[(size_t)item])) {
            SelectInTop(t, item, true);
            // WM_MENUSELECT's handler may have changed the menu: look again.
            Menu* m = LookupMenu(t.popups.back().menu);
            if (!m || (size_t)item >= m->items.size()) {
                return;
            }
            if (m->items[(size_t)item].popup && (down || msg == WM_MOUSEMOVE) &&
                (size_t)level + 1 == t.popups.size()) {
                OpenSubPopup(t, false);
            } else if (up) {
                Choose(t, false);
            }
        }
        return;
    }
    int barItem = BarItemAt(t, screen);
    if (barItem >= 0) {
        if (down && barItem == t.barSelected && !t.popups.empty()) {
            // A second click on the open item closes its menu.
            End(t, 0);
            return;
        }
        if (barItem != t.barSelected && (down || !t.popups.empty())) {
            CloseAll(t);
            SelectBar(t, barItem, true);
            OpenBarPopup(t, false);
        }
        return;
    }
    if (down) {
        End(t, 0);
    }
}

bool IsKey(UINT msg) {
    return msg >= WM_KEYFIRST && msg <= WM_KEYLAST;
}

bool IsMouse(UINT msg) {
    return (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) ||
           (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK);
}

bool Filter(Tracker& t, MSG& msg) {
    if (IsKey(msg.message)) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            KeyDown(t, (UINT)msg.wParam);
        }
        return true;
    }
    if (IsMouse(msg.message)) {
        Mouse(t, msg.message, msg.pt);
        return true;
    }
    return false;
}

UINT Run(Tracker& t, HMENU first, POINT at, int openBarItem, bool keyboard) {
    Tracker* outer = g_tracker;
    g_tracker = &t;
    Notify(t, WM_ENTERMENULOOP, t.popupOnly() ? TRUE : FALSE, 0);
    // The menu has the mouse while it is open: a click anywhere else closes it.
    HWND oldCapture = SetCapture(t.owner);
    Notify(t, WM_INITMENU, (WPARAM)(t.bar ? t.bar : first), 0);
    if (t.popupOnly()) {
        OpenPopup(t, first, 0, at, false);
    } else if (openBarItem >= 0) {
        SelectBar(t, openBarItem, !keyboard);
        OpenBarPopup(t, keyboard);
    } else {
        SelectBar(t, 0, false);
    }
    while (!t.done) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            SendMessageA(t.owner, WM_ENTERIDLE, MSGF_MENU,
                         (LPARAM)(t.popups.empty() ? nullptr : t.popups.back().window));
            if (t.done) {
                break;
            }
        }
        if (!IsWindow(t.owner)) {
            End(t, 0);
            break;
        }
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // A quit ends the menu and stays for the application's own loop.
            PostQuitMessage((int)msg.wParam);
            End(t, 0);
            break;
        }
        if (got < 0 || t.done) {
            break;
        }
        if (!Filter(t, msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    CloseAll(t);
    t.barSelected = -1;
    RedrawBar(t);
    g_tracker = outer;
    if (GetCapture() == t.owner) {
        ReleaseCapture();
        if (oldCapture && IsWindow(oldCapture)) {
            SetCapture(oldCapture);
        }
    }
    Notify(t, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Notify(t, WM_EXITMENULOOP, t.popupOnly() ? TRUE : FALSE, 0);
    return t.command;
}

} // namespace

bool MenuLoopActive() {
    return g_tracker != nullptr;
}

bool MenuLoopFilter(MSG& msg) {
    return g_tracker && Filter(*g_tracker, msg);
}

int TrackedBarItem(HWND hwnd, bool* popupOpen) {
    for (Tracker* t = g_tracker; t; t = nullptr) {
        if (t->owner == hwnd && t->bar) {
            *popupOpen = !t->popups.empty();
            return t->barSelected;
        }
    }
    *popupOpen = false;
    return -1;
}

// WM_SYSCOMMAND with SC_KEYMENU (lParam: the mnemonic typed with Alt, or 0 for Alt or F10
// alone) or SC_MOUSEMENU (lParam: the screen point pressed on the bar).
void TrackMenuBar(HWND hwnd, WPARAM command, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (!w || g_tracker || (w->style & WS_CHILD) || !LookupMenu(w->menu) ||
        GetMenuItemCount(w->menu) <= 0) {
        return;
    }
    Tracker t;
    t.owner = hwnd;
    t.bar = w->menu;
    int open = -1;
    bool keyboard = (command & 0xFFF0) == SC_KEYMENU;
    if (keyboard && lParam) {
        open = FindMnemonic(t.bar, (char)std::toupper((int)(lParam & 0xFF)));
        if (open < 0) {
            return; // Alt with a letter no item has: nothing happens
        }
    } else if (!keyboard) {
        open = BarItemAt(t, POINT{(short)LOWORD(lParam), (short)HIWORD(lParam)});
        if (open < 0) {
            return;
        }
    }
    UINT command_ = Run(t, nullptr, POINT{0, 0}, open, keyboard);
    if (command_ && IsWindow(hwnd)) {
        PostMessageA(hwnd, WM_COMMAND, command_, 0);
    }
}

} // namespace wm

using namespace wm;

BOOL WINAPI TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND hwnd, const RECT*) {
    if (!LookupMenu(menu)) {
        SetLastErrorValue(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    if (!IsWindow(hwnd)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (g_tracker) {
        return FALSE; // one menu at a time
    }
    SIZE size = PopupMenuSize(menu);
    if (flags & TPM_RIGHTALIGN) {
        x -= size.cx;
    } else if (flags & TPM_CENTERALIGN) {
        x -= size.cx / 2;
    }
    if (flags & TPM_BOTTOMALIGN) {
        y -= size.cy;
    } else if (flags & TPM_VCENTERALIGN) {
        y -= size.cy / 2;
    }
    Tracker t;
    t.owner = hwnd;
    t.flags = flags;
    UINT command = Run(t, menu, POINT{x, y}, -1, false);
    if (flags & TPM_RETURNCMD) {
        return (BOOL)command;
    }
    if (command && IsWindow(hwnd)) {
        PostMessageA(hwnd, WM_COMMAND, command, 0);
    }
    return TRUE;
}

BOOL WINAPI EndMenu() {
    if (!g_tracker) {
        return FALSE;
    }
    g_tracker->done = true;
    return TRUE;
}

BOOL WINAPI GetMenuItemRect(HWND hwnd, HMENU menu, UINT item, LPRECT rect) {
    Window* w = Lookup(hwnd);
    if (!rect || !LookupMenu(menu)) {
        return FALSE;
    }
    if (w && w->menu == menu && !(w->style & WS_CHILD)) {
        RECT r;
        if (!MenuBarItemRect(w, (int)item, &r)) {
            return FALSE;
        }
        OffsetRect(&r, w->rect.left, w->rect.top);
        *rect = r;
        return TRUE;
    }
    if (g_tracker) {
        for (const Level& level : g_tracker->popups) {
            RECT r, win;
            if (level.menu == menu && PopupItemRect(menu, (int)item, &r) &&
                GetWindowRect(level.window, &win)) {
                OffsetRect(&r, win.left, win.top);
                *rect = r;
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL WINAPI HiliteMenuItem(HWND hwnd, HMENU menu, UINT, UINT) {
    return IsWindow(hwnd) && LookupMenu(menu);
}
