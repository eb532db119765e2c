// Creating and destroying windows, in the order of messages Win32 uses.
//
// Creation: creation hook, WM_GETMINMAXINFO (top-level), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE,
// WM_SIZE, WM_MOVE, WM_PARENTNOTIFY, then showing when WS_VISIBLE was asked for.
// Destruction: owned windows first; the window hides; WM_PARENTNOTIFY; WM_DESTROY to the window
// and then to its children (parents first); WM_NCDESTROY to the children and then the window
// (children first); the handle dies at once and the record when its last message frame returns.
#include "user/user_internal.h"

#include <algorithm>

namespace wm {
namespace {

// Calls visit for each child of w that is still alive and still w's child when its turn comes:
// a handler may destroy or move its siblings.
template <class Visit> void ForEachChild(Window* w, Visit visit) {
    std::vector<HWND> kids;
    for (Window* c : w->children) {
        kids.push_back(c->handle);
    }
    for (HWND h : kids) {
        Window* c = Lookup(h);
        if (c && c->parent == w) {
            visit(c);
        }
    }
}

void SendDestroy(Window* w) {
    w->destroying = true;
    Deliver(w, WM_DESTROY, 0, 0);
    ForEachChild(w, SendDestroy);
}

void FinishDestroy(Window* w) {
    ForEachChild(w, FinishDestroy);
    HWND h = w->handle;
    Deliver(w, WM_NCDESTROY, 0, 0);
    // Windows owned by this one outlive it without an owner (they were destroyed first unless
    // they were created during the destruction).
    for (Window* t : Desktop()->children) {
        if (t->owner == w) {
            t->owner = nullptr;
        }
    }
    KillWindowTimers(h);
    RemoveMessagesFor(h);
    // A window's menu bar dies with it; a child's "menu" is its identifier.
    if (!(w->style & WS_CHILD) && w->menu) {
        DestroyMenu(w->menu);
        w->menu = nullptr;
    }
    ForgetWindow(w);
    FreeDialogInfo(w);
    // Children created while the window was being destroyed go with it.
    while (!w->children.empty()) {
        FinishDestroy(w->children.front());
    }
    UnlinkChild(w);
    w->parent = nullptr;
    LayoutChanged();
    w->cls->windows--;
    ReleaseHandle(h);
    ForgetPaintState(w);
    w->dead = true;
    ReleaseIfUnused(w);
}

} // namespace

void DestroyAllWindows() {
    Window* d = Desktop();
    while (!d->children.empty()) {
        Window* w = d->children.front();
        if (w->destroying) {
            // Destruction already under way higher up the stack: finish it without messages.
            FinishDestroy(w);
        } else {
            DestroyWindow(w->handle);
        }
    }
}

} // namespace wm

using namespace wm;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parent, HMENU menuOrId,
                            HINSTANCE instance, LPVOID param) {
    Window* parentWindow = Desktop();
    Window* owner = nullptr;
    if (style & WS_CHILD) {
        parentWindow = Lookup(parent);
        if (!parentWindow) {
            SetLastErrorValue(parent ? ERROR_INVALID_WINDOW_HANDLE : ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
    } else if (parent && parent != GetDesktopWindow()) {
        owner = Lookup(parent);
        if (!owner) {
            SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        owner = TopLevelOf(owner);
    }
    WindowClass* cls = FindClass(className, instance);
    if (!cls) {
        SetLastErrorValue(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    bool child = (style & WS_CHILD) != 0;
    if (!child && !(style & WS_POPUP)) {
        // Overlapped windows always have a caption and clip their siblings.
        style |= WS_CAPTION | WS_CLIPSIBLINGS;
    }
    if (x == CW_USEDEFAULT) {
        x = 0;
        y = 0;
    }
    if (width == CW_USEDEFAULT) {
        RECT screen = Desktop()->client;
        width = child ? 0 : screen.right * 3 / 4;
        height = child ? 0 : screen.bottom * 3 / 4;
    }
    if (width < 0) {
        width = 0;
    }
    if (height < 0) {
        height = 0;
    }

    Window* w = new Window;
    HWND h = AllocateHandle(w);
    if (!h) {
        delete w;
        SetLastErrorValue(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    w->handle = h;
    w->cls = cls;
    cls->windows++;
    w->proc = cls->proc;
    w->instance = instance ? instance : GetModuleHandleA(nullptr);
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    if (child) {
        w->id = (UINT_PTR)menuOrId;
    } else {
        w->menu = menuOrId;
    }
    w->owner = owner;
    w->text = windowName && !IS_INTRESOURCE(windowName) ? windowName : "";
    w->rect = RECT{x, y, Saturate(static_cast<long long>(x) + width),
                   Saturate(static_cast<long long>(y) + height)};
    // What fits before the saturated edge; the request itself still reaches WM_CREATE.
    const int fittedWidth = w->rect.right - x;
    const int fittedHeight = w->rect.bottom - y;
    w->extra.assign((size_t)cls->wndExtra, 0);
    RECT insets = NonClientInsets(w->style, w->exStyle, w->menu != nullptr);
    w->client = RECT{insets.left, insets.top, std::max(insets.left, fittedWidth - insets.right),
                     std::max(insets.top, fittedHeight - insets.bottom)};
    LinkChild(parentWindow, w, child ? HWND_BOTTOM : HWND_TOP);

    CREATESTRUCTA cs{};
    cs.lpCreateParams = param;
    cs.hInstance = w->instance;
    cs.hMenu = menuOrId;
    cs.hwndParent = parent;
    cs.cx = width;
    cs.cy = height;
    cs.x = x;
    cs.y = y;
    cs.style = (LONG)style;
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    CBT_CREATEWNDA cbt{&cs, HWND_TOP};
    if (RunCreateHooks(h, &cbt) != 0) {
        // Vetoed before its first message: the window goes without WM_DESTROY.
        w->destroying = true;
        FinishDestroy(w);
        return nullptr;
    }
    if (!child || (style & WS_THICKFRAME)) {
        if (!child) {
            MINMAXINFO mmi{};
            RECT screen = Desktop()->client;
            mmi.ptMaxSize = POINT{screen.right, screen.bottom};
            mmi.ptMaxTrackSize = mmi.ptMaxSize;
            mmi.ptMinTrackSize =
                POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
            Deliver(w, WM_GETMINMAXINFO, 0, (LPARAM)&mmi);
            if (!Lookup(h)) {
                return nullptr;
            }
        }
    }
    if (!Deliver(w, WM_NCCREATE, 0, (LPARAM)&cs)) {
        if (Lookup(h)) {
            DestroyWindow(h);
        }
        return nullptr;
    }
    if (!Lookup(h)) {
        return nullptr;
    }
    RecalcClient(w);
    if (!Lookup(h)) {
        return nullptr;
    }
    if (Deliver(w, WM_CREATE, 0, (LPARAM)&cs) == -1) {
        if (Lookup(h)) {
            DestroyWindow(h);
        }
        return nullptr;
    }
    if (!Lookup(h)) {
        return nullptr;
    }
    if (!w->sentSizeMove) {
        w->sentSizeMove = true;
        Deliver(w, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        if (!Lookup(h)) {
            return nullptr;
        }
        Deliver(w, WM_MOVE, 0,
                MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        if (!Lookup(h)) {
            return nullptr;
        }
    }
    if (child && !(exStyle & WS_EX_NOPARENTNOTIFY) && Lookup(parent)) {
        SendMessageA(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, (WORD)w->id), (LPARAM)h);
        if (!Lookup(h)) {
            return nullptr;
        }
    }
    if (style & WS_VISIBLE) {
        ShowWindow(h, SW_SHOW);
    }
    return Lookup(h) ? h : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd) {
    Window* w = Lookup(hwnd);
    if (!w || w == Desktop()) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (w->destroying) {
        return TRUE; // already under way further up the stack
    }
    w->destroying = true;
    // Owned windows go first.
    for (bool again = true; again;) {
        again = false;
        for (Window* t : Desktop()->children) {
            if (t->owner == w && !t->destroying) {
                DestroyWindow(t->handle);
                again = true;
                break;
            }
        }
    }
    if (!Lookup(hwnd)) {
        return TRUE;
    }
    if (w->style & WS_VISIBLE) {
        bool shown = IsReallyVisible(w);
        if (shown) {
            ExposeInParent(w);
        }
        w->style &= ~WS_VISIBLE;
        LayoutChanged();
    }
    MoveFocusOff(w);
    if ((w->style & WS_CHILD) && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && w->parent) {
        Deliver(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, (WORD)w->id), (LPARAM)hwnd);
    }
    if (Lookup(hwnd)) {
        SendDestroy(w);
    }
    if (Lookup(hwnd)) {
        FinishDestroy(w);
    }
    return TRUE;
}
