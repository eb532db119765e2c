// Where menu items are and how they look: the menu bar in a window's non-client area and the
// pop-up menu windows ("#32768"). Shared by the painter and the tracking loop.
#pragma once

#include "user/menu_table.h"

namespace wm {

struct Window;

// The menu bar strip in window coordinates (empty when the window shows none).
RECT MenuBarRect(Window* w);
// Each bar item's rectangle in window coordinates; items that do not fit are empty.
bool MenuBarItemRect(Window* w, int index, RECT* out);
// The bar item at a window-coordinate point, or -1.
int MenuBarItemAt(Window* w, POINT windowPoint);
// Paints the bar; `selected` is highlighted (raised, or sunk when its pop-up is open).
void PaintMenuBar(Window* w, HDC dc, const RECT& bar, int selected, bool popupOpen);

// A pop-up menu's window size, and its items' rectangles in the pop-up's client area.
SIZE PopupMenuSize(HMENU menu);
bool PopupItemRect(HMENU menu, int index, RECT* out);
int PopupItemAt(HMENU menu, POINT client);

// The window class of pop-up menus; registered with the system classes.
void RegisterMenuClass();
// The pop-up window's menu and selection, kept for its painting.
void SetPopupWindowState(HWND popup, HMENU menu, int selected);

// The menu loop in progress, if any: the driver's pump hands it the input it takes, as the
// loop's own GetMessage would.
bool MenuLoopActive();
bool MenuLoopFilter(MSG& msg);
// The bar item tracked now for a window (-1 when none), and whether its pop-up is open.
int TrackedBarItem(HWND hwnd, bool* popupOpen);

} // namespace wm
