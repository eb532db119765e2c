// Keyboard navigation in dialogs: IsDialogMessageA, the Tab order and control groups.
#include "user/user_internal.h"

namespace wm {
namespace {

bool Usable(const Window* w) {
    return (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED);
}

// The dialog's controls in Tab order; the controls of WS_EX_CONTROLPARENT children count as
// the dialog's own.
void Flatten(Window* parent, std::vector<Window*>& out) {
    for (Window* c : parent->children) {
        out.push_back(c);
        if ((c->exStyle & WS_EX_CONTROLPARENT) && Usable(c)) {
            Flatten(c, out);
        }
    }
}

bool IsTabStop(const Window* dlg, const Window* w) {
    if (!(w->style & WS_TABSTOP) || !Usable(w) || (w->exStyle & WS_EX_CONTROLPARENT)) {
        return false;
    }
    for (const Window* p = w->parent; p && p != dlg; p = p->parent) {
        if (!Usable(p)) {
            return false;
        }
    }
    return true;
}

} // namespace
} // namespace wm

using namespace wm;

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    Window* d = Lookup(dialog);
    if (!d) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    Window* c = control ? Lookup(control) : nullptr;
    if (control && (!c || !IsDescendant(d, c))) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::vector<Window*> order;
    Flatten(d, order);
    long n = (long)order.size();
    if (n == 0) {
        return nullptr;
    }
    long start = previous ? n : -1;
    if (c) {
        for (long i = 0; i < n; ++i) {
            if (order[(size_t)i] == c) {
                start = i;
                break;
            }
        }
    }
    for (long step = 1; step <= n; ++step) {
        long j = previous ? start - step : start + step;
        j = ((j % n) + n) % n;
        if (IsTabStop(d, order[(size_t)j])) {
            return order[(size_t)j]->handle;
        }
    }
    return c ? control : nullptr;
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    Window* d = Lookup(dialog);
    Window* c = control ? Lookup(control) : nullptr;
    if (!d || !c || !c->parent || !IsDescendant(d, c)) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::vector<Window*>& list = c->parent->children;
    long n = (long)list.size();
    long at = 0;
    while (at < n && list[(size_t)at] != c) {
        ++at;
    }
    // The group runs from the nearest WS_GROUP control at or before this one to just before the
    // next WS_GROUP control.
    long first = at;
    while (first > 0 && !(list[(size_t)first]->style & WS_GROUP)) {
        --first;
    }
    long end = at + 1;
    while (end < n && !(list[(size_t)end]->style & WS_GROUP)) {
        ++end;
    }
    long size = end - first;
    for (long step = 1; step < size; ++step) {
        long j = at - first + (previous ? -step : step);
        j = ((j % size) + size) % size + first;
        if (Usable(list[(size_t)j])) {
            return list[(size_t)j]->handle;
        }
    }
    return control;
}

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
    if (!msg || !Lookup(dialog)) {
        return FALSE;
    }
    HWND target = msg->hwnd;
    if (target != dialog && !IsChild(dialog, target)) {
        return FALSE;
    }
    switch (msg->message) {
    case WM_KEYDOWN: {
        UINT code = (UINT)SendMessageA(target, WM_GETDLGCODE, msg->wParam, (LPARAM)msg);
        if (!IsWindow(dialog)) {
            return TRUE;
        }
        if (code & DLGC_WANTALLKEYS) {
            break;
        }
        switch (msg->wParam) {
        case VK_TAB:
            if (code & DLGC_WANTTAB) {
                break;
            }
            SendMessageA(dialog, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, 0);
            return TRUE;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            if (code & DLGC_WANTARROWS) {
                break;
            }
            HWND focus = GetFocus();
            if (focus && IsChild(dialog, focus)) {
                HWND next = GetNextDlgGroupItem(dialog, focus,
                                                msg->wParam == VK_LEFT || msg->wParam == VK_UP);
                if (next && next != focus) {
                    SendMessageA(dialog, WM_NEXTDLGCTL, (WPARAM)next, TRUE);
                }
            }
            return TRUE;
        }
        case VK_ESCAPE:
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         (LPARAM)GetDlgItem(dialog, IDCANCEL));
            return TRUE;
        case VK_RETURN: {
            if (target != dialog && (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) {
                // Enter on a focused push button presses that button.
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(target), BN_CLICKED),
                             (LPARAM)target);
                return TRUE;
            }
            DWORD def = (DWORD)SendMessageA(dialog, DM_GETDEFID, 0, 0);
            WORD id = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : (WORD)IDOK;
            HWND button = GetDlgItem(dialog, id);
            if (!button || IsWindowEnabled(button)) {
                SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)button);
            }
            return TRUE;
        }
        default:
            break;
        }
        break;
    }
    case WM_CHAR: {
        UINT code = (UINT)SendMessageA(target, WM_GETDLGCODE, msg->wParam, (LPARAM)msg);
        if (!IsWindow(dialog)) {
            return TRUE;
        }
        if (msg->wParam == '\t' && !(code & DLGC_WANTTAB)) {
            return TRUE;
        }
        break;
    }
    default:
        break;
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}
