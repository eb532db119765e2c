// Keyboard navigation in dialogs: IsDialogMessageA, the Tab order and control groups.
#include "user/user_internal.h"

namespace wm {
namespace {

// A control's own style says whether it takes part; its parents' styles do not.
bool Usable(const Window* w) {
    return (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED);
}

// Navigation sees through a visible, enabled WS_EX_CONTROLPARENT container to its controls; the
// container itself is no stop.
bool Transparent(const Window* w) {
    return (w->exStyle & WS_EX_CONTROLPARENT) && Usable(w) && !w->children.empty();
}

bool IsTabStop(const Window* w) {
    return (w->style & WS_TABSTOP) && Usable(w) && !((w->exStyle & WS_EX_CONTROLPARENT));
}

Window* EnterFrom(Window* w, bool backward) {
    while (Transparent(w)) {
        w = backward ? w->children.back() : w->children.front();
    }
    return w;
}

// One step through the dialog's controls in Tab order, containers flattened: the next (or
// previous) sibling, else out of the container to its sibling, else round to the dialog's
// first (or last) control. wrapped says the step went round.
Window* Advance(Window* dlg, Window* at, bool backward, bool* wrapped) {
    *wrapped = false;
    for (;;) {
        Window* parent = at->parent;
        const std::vector<Window*>& list = parent->children;
        size_t i = 0;
        while (i < list.size() && list[i] != at) {
            ++i;
        }
        if (backward ? i > 0 : i + 1 < list.size()) {
            return EnterFrom(list[backward ? i - 1 : i + 1], backward);
        }
        if (parent == dlg) {
            *wrapped = true;
            return EnterFrom(backward ? list.back() : list.front(), backward);
        }
        at = parent;
    }
}

// Enough steps to see every window under the dialog once.
size_t StepLimit(const Window* w) {
    size_t n = 1;
    for (const Window* c : w->children) {
        n += StepLimit(c);
    }
    return n;
}

// Windows returns the start control when nothing else qualifies, and with no start control
// (or the dialog itself) searches from the first control forwards; backwards it finds nothing.
HWND NextTabItem(Window* d, Window* c, bool previous) {
    if (d->children.empty()) {
        return c ? c->handle : nullptr;
    }
    Window* at = c;
    if (!c) {
        if (previous) {
            return nullptr;
        }
        at = EnterFrom(d->children.front(), false);
        if (IsTabStop(at)) {
            return at->handle;
        }
    }
    bool wrapped = false;
    int wraps = 0;
    for (size_t n = StepLimit(d); n > 0; --n) {
        at = Advance(d, at, previous, &wrapped);
        if (at == c || (wrapped && (!c || ++wraps > 1))) {
            break;
        }
        if (IsTabStop(at)) {
            return at->handle;
        }
    }
    return c ? c->handle : nullptr;
}

// The group of a control runs from the nearest WS_GROUP control at or before it to just before
// the next one, in the flattened Tab order and round the end of the dialog: with x, y (group),
// z, the group of x is y, z, x. The walk goes forwards from the control, skipping what lies
// outside its group, and round again from the group's start; backwards it keeps the last usable
// control it met before coming back.
HWND NextGroupItem(Window* d, Window* c, bool previous) {
    Window* result = c;
    Window* groupStart = nullptr;
    bool outside = false;
    int wraps = 0;
    bool wrapped = false;
    Window* at = c;
    for (size_t n = 2 * StepLimit(d) + 2; n > 0; --n) {
        at = Advance(d, at, false, &wrapped);
        if (wrapped && ++wraps > 1) {
            break;
        }
        if (at->style & WS_GROUP) {
            groupStart = at;
            outside = true;
        }
        if (at == c) {
            if (!outside || groupStart == at) {
                break;
            }
            at = groupStart;
            outside = false;
            wraps = 0;
        }
        if (!outside && Usable(at)) {
            result = at;
            if (!previous) {
                break;
            }
        }
    }
    return result->handle;
}

// The start control, or null for none: the dialog itself counts as none. False when the
// handles are no dialog and control of it.
bool FindStart(HWND dialog, HWND control, Window** d, Window** c) {
    *d = Lookup(dialog);
    if (!*d) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    *c = control && control != dialog ? Lookup(control) : nullptr;
    if (*c && !IsDescendant(*d, *c)) {
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return false;
    }
    if (control && control != dialog && !*c) {
        SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
        return false;
    }
    return true;
}

} // namespace
} // namespace wm

using namespace wm;

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    Window* d = nullptr;
    Window* c = nullptr;
    if (!FindStart(dialog, control, &d, &c)) {
        return nullptr;
    }
    return NextTabItem(d, c, previous != FALSE);
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    Window* d = nullptr;
    Window* c = nullptr;
    if (!FindStart(dialog, control, &d, &c)) {
        return nullptr;
    }
    if (!c) {
        // Without a start control the first control answers when it is usable; backwards
        // there is nothing before it, as with GetNextDlgTabItem.
        if (d->children.empty() || previous) {
            return nullptr;
        }
        c = d->children.front();
        if (Usable(c)) {
            return c->handle;
        }
    }
    return NextGroupItem(d, c, previous != FALSE);
}

namespace wm {

BOOL DialogMessage(HWND dialog, MSG* msg) {
    HWND target = msg->hwnd;
    switch (msg->message) {
    case WM_KEYDOWN: {
        UINT code = (UINT)SendMessageA(target, WM_GETDLGCODE, msg->wParam, (LPARAM)msg);
        if (!Lookup(dialog)) {
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
        if (!Lookup(dialog)) {
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

} // namespace wm

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg) {
    const Window* d = msg ? Lookup(dialog) : nullptr;
    if (!d) {
        return FALSE;
    }
    if (msg->hwnd != dialog && !InChildChain(d, Lookup(msg->hwnd))) {
        return FALSE;
    }
    return DialogMessage(dialog, msg);
}
