// The window manager's menus: what a menu handle stands for, shared by the menu calls, the
// resource loader, the menu bar and the tracking loop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wm {

struct MenuItem {
    UINT flags = 0;   // MF_ type and state bits (MF_POPUP, MF_SEPARATOR, MF_GRAYED, ...)
    UINT_PTR id = 0;  // the command; for a pop-up item, the pop-up's handle
    std::string text; // with its '&' mnemonic and any '\t' accelerator text
    HMENU popup = nullptr;
};

struct Menu {
    HMENU handle = nullptr;
    bool isPopup = false;
    std::vector<MenuItem> items;
};

Menu* LookupMenu(HMENU menu);
// The item named by position (MF_BYPOSITION) or by command, searched through the pop-ups
// too; the menu that holds it and its position there are given back.
MenuItem* FindMenuItem(HMENU menu, UINT item, UINT byFlags, Menu** holder, int* position);
// The letter after a single '&' in an item's text, upper-cased; 0 when there is none.
char MenuMnemonic(const std::string& text);
// A menu from the bytes of a menu template; NULL when they are no well-formed template.
HMENU MenuFromTemplate(const void* bytes, size_t size);
void ResetMenus();
void ResetAccelerators();
size_t LiveMenuCount();

} // namespace wm
