// Menus as objects: creating and destroying them, adding, changing and removing items, item
// states and the queries. Pop-ups hang below items by handle; a menu destroyed takes the
// pop-ups below it along, as the system does.
#include "user/menu_table.h"
#include "user/user_internal.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <unordered_map>

namespace wm {
namespace {

std::unordered_map<HMENU, std::unique_ptr<Menu>> g_menus;
std::uintptr_t g_nextMenu = 0x7000;

HMENU NewMenu(bool popup) {
    g_nextMenu += 4;
    auto m = std::make_unique<Menu>();
    m->handle = (HMENU)g_nextMenu;
    m->isPopup = popup;
    HMENU h = m->handle;
    g_menus.emplace(h, std::move(m));
    return h;
}

bool ByPosition(UINT flags) {
    return (flags & MF_BYPOSITION) != 0;
}

// Builds the item that AppendMenuA, InsertMenuA and ModifyMenuA describe; false when the
// description is refused (a pop-up that is no menu, or a menu below itself).
bool MakeItem(HMENU owner, UINT flags, UINT_PTR idNewItem, LPCSTR newItem, MenuItem* out) {
    MenuItem item;
    item.flags = flags & ~(MF_BYPOSITION | MF_CHANGE | MF_APPEND | MF_DELETE | MF_REMOVE);
    if (flags & MF_POPUP) {
        HMENU sub = (HMENU)idNewItem;
        if (!LookupMenu(sub) || sub == owner) {
            SetLastErrorValue(ERROR_INVALID_MENU_HANDLE);
            return false;
        }
        item.popup = sub;
        item.id = idNewItem;
    } else {
        item.id = idNewItem & 0xFFFF;
    }
    if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && newItem) {
        item.text = newItem;
    }
    // A string item without a string is a separator, as the system makes it.
    if ((flags & MF_SEPARATOR) || (!newItem && !(flags & (MF_BITMAP | MF_OWNERDRAW | MF_POPUP)))) {
        // A separator is never chosen: the system keeps it disabled.
        item.flags |= MF_SEPARATOR | MF_GRAYED | MF_DISABLED;
        item.flags &= ~MF_POPUP;
        item.text.clear();
    }
    *out = std::move(item);
    return true;
}

void DestroyMenuTree(HMENU menu) {
    auto it = g_menus.find(menu);
    if (it == g_menus.end()) {
        return;
    }
    std::unique_ptr<Menu> m = std::move(it->second);
    g_menus.erase(it);
    for (MenuItem& item : m->items) {
        if (item.popup) {
            DestroyMenuTree(item.popup);
        }
    }
}

} // namespace

Menu* LookupMenu(HMENU menu) {
    auto it = g_menus.find(menu);
    return it == g_menus.end() ? nullptr : it->second.get();
}

MenuItem* FindMenuItem(HMENU menu, UINT item, UINT byFlags, Menu** holder, int* position) {
    Menu* m = LookupMenu(menu);
    if (!m) {
        return nullptr;
    }
    if (ByPosition(byFlags)) {
        if (item >= m->items.size()) {
            return nullptr;
        }
        if (holder)
            *holder = m;
        if (position)
            *position = (int)item;
        return &m->items[item];
    }
    for (size_t i = 0; i < m->items.size(); ++i) {
        MenuItem& it = m->items[i];
        if (it.popup) {
            if (MenuItem* found = FindMenuItem(it.popup, item, byFlags, holder, position)) {
                return found;
            }
            // A pop-up is also found by its handle used as a command.
            if ((UINT_PTR)it.popup != item)
                continue;
        } else if (it.id != item || (it.flags & MF_SEPARATOR)) {
            continue;
        }
        if (holder)
            *holder = m;
        if (position)
            *position = (int)i;
        return &it;
    }
    return nullptr;
}

char MenuMnemonic(const std::string& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] == '&') {
                ++i;
                continue;
            }
            return (char)std::toupper((unsigned char)text[i + 1]);
        }
    }
    return 0;
}

void ResetMenus() {
    g_menus.clear();
}

size_t LiveMenuCount() {
    return g_menus.size();
}

} // namespace wm

using namespace wm;

HMENU WINAPI CreateMenu() {
    return NewMenu(false);
}

HMENU WINAPI CreatePopupMenu() {
    return NewMenu(true);
}

BOOL WINAPI IsMenu(HMENU menu) {
    return LookupMenu(menu) != nullptr;
}

BOOL WINAPI DestroyMenu(HMENU menu) {
    if (!LookupMenu(menu)) {
        SetLastErrorValue(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    DestroyMenuTree(menu);
    return TRUE;
}

BOOL WINAPI InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    Menu* m = LookupMenu(menu);
    if (!m) {
        SetLastErrorValue(ERROR_INVALID_MENU_HANDLE);
        return FALSE;
    }
    MenuItem item;
    if (!MakeItem(menu, flags, idNewItem, newItem, &item)) {
        return FALSE;
    }
    Menu* holder = m;
    size_t at = m->items.size();
    if (position != (UINT)-1) {
        int pos = 0;
        if (FindMenuItem(menu, position, flags, &holder, &pos)) {
            at = (size_t)pos;
        } else if (!ByPosition(flags)) {
            // Windows appends an item whose command anchor is missing.
            holder = m;
        }
    }
    holder->items.insert(holder->items.begin() + (std::ptrdiff_t)at, std::move(item));
    return TRUE;
}

BOOL WINAPI AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    return InsertMenuA(menu, (UINT)-1, flags | MF_BYPOSITION, idNewItem, newItem);
}

BOOL WINAPI ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, LPCSTR newItem) {
    MenuItem* it = FindMenuItem(menu, position, flags, nullptr, nullptr);
    if (!it) {
        SetLastErrorValue(ERROR_MENU_ITEM_NOT_FOUND);
        return FALSE;
    }
    MenuItem item;
    if (!MakeItem(menu, flags, idNewItem, newItem, &item)) {
        return FALSE;
    }
    // A pop-up replaced by something else is destroyed, as DeleteMenu would.
    if (it->popup && it->popup != item.popup) {
        DestroyMenuTree(it->popup);
    }
    *it = std::move(item);
    return TRUE;
}

BOOL WINAPI RemoveMenu(HMENU menu, UINT position, UINT flags) {
    Menu* holder = nullptr;
    int pos = 0;
    if (!FindMenuItem(menu, position, flags, &holder, &pos)) {
        SetLastErrorValue(ERROR_MENU_ITEM_NOT_FOUND);
        return FALSE;
    }
    holder->items.erase(holder->items.begin() + pos);
    return TRUE;
}

BOOL WINAPI DeleteMenu(HMENU menu, UINT position, UINT flags) {
    MenuItem* it = FindMenuItem(menu, position, flags, nullptr, nullptr);
    if (!it) {
        SetLastErrorValue(ERROR_MENU_ITEM_NOT_FOUND);
        return FALSE;
    }
    HMENU popup = it->popup;
    RemoveMenu(menu, position, flags);
    if (popup) {
        DestroyMenuTree(popup);
    }
    return TRUE;
}

UINT WINAPI EnableMenuItem(HMENU menu, UINT idEnableItem, UINT enable) {
    MenuItem* it = FindMenuItem(menu, idEnableItem, enable, nullptr, nullptr);
    if (!it) {
        return (UINT)-1;
    }
    UINT old = it->flags & (MF_GRAYED | MF_DISABLED);
    it->flags = (it->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return old;
}

DWORD WINAPI CheckMenuItem(HMENU menu, UINT idCheckItem, UINT check) {
    MenuItem* it = FindMenuItem(menu, idCheckItem, check, nullptr, nullptr);
    if (!it) {
        return (DWORD)-1;
    }
    DWORD old = it->flags & MF_CHECKED;
    it->flags = (it->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return old;
}

int WINAPI GetMenuItemCount(HMENU menu) {
    Menu* m = LookupMenu(menu);
    if (!m) {
        SetLastErrorValue(ERROR_INVALID_MENU_HANDLE);
        return -1;
    }
    return (int)m->items.size();
}

UINT WINAPI GetMenuItemID(HMENU menu, int pos) {
    Menu* m = LookupMenu(menu);
    if (!m || pos < 0 || (size_t)pos >= m->items.size() || m->items[(size_t)pos].popup) {
        return (UINT)-1;
    }
    return (UINT)m->items[(size_t)pos].id;
}

UINT WINAPI GetMenuState(HMENU menu, UINT id, UINT flags) {
    MenuItem* it = FindMenuItem(menu, id, flags, nullptr, nullptr);
    if (!it) {
        return (UINT)-1;
    }
    if (it->popup) {
        Menu* sub = LookupMenu(it->popup);
        UINT count = sub ? (UINT)sub->items.size() : 0;
        return (count << 8) | (it->flags & 0xFF) | MF_POPUP;
    }
    return it->flags & ~MF_POPUP;
}

int WINAPI GetMenuStringA(HMENU menu, UINT idItem, LPSTR string, int maxCount, UINT flags) {
    MenuItem* it = FindMenuItem(menu, idItem, flags, nullptr, nullptr);
    if (!it) {
        return 0;
    }
    int length = (int)it->text.size();
    if (!string || maxCount <= 0) {
        return length;
    }
    int n = length < maxCount - 1 ? length : maxCount - 1;
    std::memcpy(string, it->text.data(), (size_t)n);
    string[n] = '\0';
    return n;
}

HMENU WINAPI GetSubMenu(HMENU menu, int pos) {
    Menu* m = LookupMenu(menu);
    if (!m || pos < 0 || (size_t)pos >= m->items.size()) {
        return nullptr;
    }
    return m->items[(size_t)pos].popup;
}
