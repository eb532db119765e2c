// The window tree: parents, owners, siblings in z-order, and the calls that walk it.
#include "user/user_internal.h"

#include <algorithm>
#include <strings.h>

namespace wm {

bool IsChildStyle(const Window* w) {
    return (w->style & WS_CHILD) != 0;
}

ChainTopAnswer g_lastChainTop;

HWND WalkChildChain(HWND hwnd) {
    const HWND asked = hwnd;
    for (Window* w = Lookup(hwnd); w && (w->style & WS_CHILD); w = w->parent) {
        if (!w->parent || w->parent == Desktop()) {
            hwnd = nullptr;
            break;
        }
        hwnd = w->parent->handle;
    }
    g_lastChainTop = ChainTopAnswer{asked, g_layoutGeneration, hwnd};
    return hwnd;
}

bool IsDescendant(const Window* ancestor, const Window* w) {
    for (const Window* p = w ? w->parent : nullptr; p; p = p->parent) {
        if (p == ancestor) {
            return true;
        }
    }
    return false;
}

void LinkChild(Window* parent, Window* child, HWND insertAfter) {
    auto& list = parent->children;
    list.erase(std::remove(list.begin(), list.end(), child), list.end());
    child->parent = parent;
    LayoutChanged();
    if (insertAfter == HWND_BOTTOM) {
        list.push_back(child);
        return;
    }
    if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        list.insert(list.begin(), child);
        return;
    }
    Window* after = Lookup(insertAfter);
    auto it = std::find(list.begin(), list.end(), after);
    if (it == list.end()) {
        list.insert(list.begin(), child);
    } else {
        list.insert(it + 1, child);
    }
}

void UnlinkChild(Window* child) {
    if (!child->parent) {
        return;
    }
    auto& list = child->parent->children;
    list.erase(std::remove(list.begin(), list.end(), child), list.end());
    LayoutChanged();
}

} // namespace wm

using namespace wm;

HWND WINAPI GetParent(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return ParentHandle(w);
}

HWND WINAPI SetParent(HWND child, HWND newParent) {
    Window* w = Lookup(child);
    Window* p = newParent ? Lookup(newParent) : Desktop();
    if (!w || !p || w == Desktop() || p == w || IsDescendant(w, p)) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    Window* old = w->parent;
    bool visible = IsReallyVisible(w);
    if (visible) {
        ExposeInParent(w);
    }
    // Out of the old parent's list first: a window listed under both would be destroyed twice.
    UnlinkChild(w);
    LinkChild(p, w, HWND_TOP);
    if (IsReallyVisible(w)) {
        Invalidate(w, nullptr, true, true);
        InvalidateFrame(w);
    }
    return old == Desktop() ? Desktop()->handle : (old ? old->handle : nullptr);
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (cmd == GW_CHILD) {
        return w->children.empty() ? nullptr : w->children.front()->handle;
    }
    if (cmd == GW_OWNER) {
        return w->owner ? w->owner->handle : nullptr;
    }
    if (cmd == GW_ENABLEDPOPUP) {
        return nullptr;
    }
    if (!w->parent) {
        return nullptr;
    }
    const auto& list = w->parent->children;
    auto it = std::find(list.begin(), list.end(), w);
    if (it == list.end()) {
        return nullptr;
    }
    switch (cmd) {
    case GW_HWNDFIRST:
        return list.front()->handle;
    case GW_HWNDLAST:
        return list.back()->handle;
    case GW_HWNDNEXT:
        return it + 1 == list.end() ? nullptr : (*(it + 1))->handle;
    case GW_HWNDPREV:
        return it == list.begin() ? nullptr : (*(it - 1))->handle;
    default:
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND WINAPI GetTopWindow(HWND hwnd) {
    Window* w = hwnd ? Lookup(hwnd) : Desktop();
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    return w->children.empty() ? nullptr : w->children.front()->handle;
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd) {
    Window* p = Lookup(parent);
    Window* w = Lookup(hwnd);
    if (!p || !w) {
        return FALSE;
    }
    return InChildChain(p, w);
}

namespace {
void Descendants(Window* w, std::vector<HWND>& out) {
    for (Window* c : w->children) {
        out.push_back(c->handle);
        Descendants(c, out);
    }
}
} // namespace

BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
    Window* p = parent ? Lookup(parent) : Desktop();
    if (!p || !proc) {
        return FALSE;
    }
    // A snapshot, so windows destroyed by the callback are skipped rather than visited freed.
    std::vector<HWND> handles;
    Descendants(p, handles);
    for (HWND h : handles) {
        if (Lookup(h) && !proc(h, lParam)) {
            break;
        }
    }
    return TRUE;
}

BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) {
        return FALSE;
    }
    std::vector<HWND> handles;
    for (Window* c : Desktop()->children) {
        handles.push_back(c->handle);
    }
    for (HWND h : handles) {
        if (Lookup(h) && !proc(h, lParam)) {
            break;
        }
    }
    return TRUE;
}

HWND WINAPI FindWindowA(LPCSTR className, LPCSTR windowName) {
    for (Window* c : Desktop()->children) {
        if (className) {
            bool match = IS_INTRESOURCE(className)
                             ? c->cls->atom == (ATOM)(ULONG_PTR)className
                             : strcasecmp(c->cls->name.c_str(), className) == 0;
            if (!match) {
                continue;
            }
        }
        if (windowName && c->text != windowName) {
            continue;
        }
        return c->handle;
    }
    return nullptr;
}

HWND WINAPI GetDlgItem(HWND dialog, int id) {
    Window* d = Lookup(dialog);
    if (!d) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    for (Window* c : d->children) {
        if ((c->style & WS_CHILD) && (int)c->id == id) {
            return c->handle;
        }
    }
    SetLastErrorValue(ERROR_CONTROL_ID_NOT_FOUND);
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (!w) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return (w->style & WS_CHILD) ? (int)w->id : 0;
}

BOOL WINAPI IsWindowVisible(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && IsReallyVisible(w);
}

BOOL WINAPI IsWindowEnabled(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && !(w->style & WS_DISABLED);
}

BOOL WINAPI IsIconic(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

BOOL WINAPI IsZoomed(HWND hwnd) {
    Window* w = Lookup(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}
