// DefDlgProcA, the window procedure of the dialog class: it calls the dialog procedure, takes
// the answer from DWLP_MSGRESULT where the procedure handled the message, and otherwise does
// what a dialog does by default (focus memory, default button, Tab moves, background).
//
// WM_SETFONT and WM_GETFONT go to DefWindowProcA: the dialog answers with the last font it was
// given, which is its template's font until someone gives it another. The template's font stays
// the dialog manager's and is deleted with the dialog, whatever font the dialog uses by then.
#include "user/user_internal.h"

#include <cstring>

namespace wm {
namespace {

void SaveFocus(HWND dlg, DialogInfo* info) {
    HWND f = GetFocus();
    if (f && IsChild(dlg, f)) {
        info->savedFocus = f;
    }
}

void RestoreFocus(HWND dlg, DialogInfo* info) {
    HWND f = GetFocus();
    if (f && IsChild(dlg, f)) {
        return; // already inside: nothing to restore
    }
    HWND target = info->savedFocus;
    if (!target || !IsChild(dlg, target) || !IsWindowEnabled(target)) {
        target = GetNextDlgTabItem(dlg, nullptr, FALSE);
    }
    if (target) {
        SetDialogFocus(target);
    }
}

bool ReturnsDirectly(UINT msg) {
    switch (msg) {
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return true;
    default:
        return false;
    }
}

// The dialog's own window longs (DWLP_MSGRESULT, DWLP_DLGPROC), read and written in place:
// every message a dialog gets passes here, and its extra bytes are known to hold them.
LONG_PTR DialogLong(const Window* w, int index) {
    LONG_PTR value;
    std::memcpy(&value, w->extra.data() + index, sizeof value);
    return value;
}

void SetDialogLong(Window* w, int index, LONG_PTR value) {
    std::memcpy(w->extra.data() + index, &value, sizeof value);
}

} // namespace
} // namespace wm

using namespace wm;

LRESULT WINAPI DefDlgProcA(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(dialog);
    if (!w) {
        return 0;
    }
    if (w->extra.size() >= DWLP_USER) {
        DLGPROC proc = (DLGPROC)DialogLong(w, DWLP_DLGPROC);
        SetDialogLong(w, DWLP_MSGRESULT, 0);
        INT_PTR handled = proc ? proc(dialog, msg, wParam, lParam) : 0;
        w = Lookup(dialog);
        if (!w) {
            return handled;
        }
        if (handled) {
            return ReturnsDirectly(msg) ? handled : DialogLong(w, DWLP_MSGRESULT);
        }
    }
    DialogInfo* info = w->dialog;
    switch (msg) {
    case WM_ERASEBKGND: {
        HBRUSH brush = (HBRUSH)SendMessageA(dialog, WM_CTLCOLORDLG, wParam, (LPARAM)dialog);
        if (!brush) {
            brush = (HBRUSH)DefWindowProcA(dialog, WM_CTLCOLORDLG, wParam, (LPARAM)dialog);
        }
        RECT r{};
        GetClientRect(dialog, &r);
        FillRect((HDC)wParam, &r, brush);
        return 1;
    }
    case WM_NCDESTROY:
        FreeDialogInfo(w);
        return DefWindowProcA(dialog, msg, wParam, lParam);
    case WM_SHOWWINDOW:
        if (!wParam && info) {
            SaveFocus(dialog, info);
        }
        return DefWindowProcA(dialog, msg, wParam, lParam);
    case WM_ACTIVATE:
        if (info) {
            if (LOWORD(wParam) == WA_INACTIVE) {
                SaveFocus(dialog, info);
            } else {
                RestoreFocus(dialog, info);
            }
            return 0;
        }
        return DefWindowProcA(dialog, msg, wParam, lParam);
    case WM_SETFOCUS:
        if (info) {
            RestoreFocus(dialog, info);
        }
        return 0;
    case DM_SETDEFID:
        if (!EnsureDialogInfo(w)->ended) {
            SetDefaultId(dialog, w->dialog, (WORD)wParam);
        }
        return TRUE;
    case DM_GETDEFID:
        return DefaultIdAnswer(dialog, EnsureDialogInfo(w));
    case WM_NEXTDLGCTL: {
        EnsureDialogInfo(w);
        HWND target = lParam ? (HWND)wParam
                             : GetNextDlgTabItem(dialog, GetFocus(), wParam != 0 ? TRUE : FALSE);
        if (target && IsWindow(target)) {
            SetDialogFocus(target);
        }
        if (Lookup(dialog) == w && w->dialog) {
            ShowDefaultFor(dialog, w->dialog, target);
        }
        return 0;
    }
    case WM_CLOSE:
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     (LPARAM)GetDlgItem(dialog, IDCANCEL));
        return 0;
    case WM_COMMAND:
    case WM_INITDIALOG:
        return 0; // a dialog without a handler ignores its buttons, as on Windows
    default:
        return DefWindowProcA(dialog, msg, wParam, lParam);
    }
}
