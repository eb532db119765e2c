// The dialog's default push button: the identifier DM_SETDEFID keeps, and the default look
// (BS_DEFPUSHBUTTON) that follows the focus among push buttons and returns to the default
// button when the focus leaves them, while the identifier itself stays.
#include "user/user_internal.h"

namespace wm {
namespace {

DWORD DialogCode(HWND control) {
    return control ? (DWORD)SendMessageA(control, WM_GETDLGCODE, 0, 0) : 0;
}

HWND FindDefaultLook(HWND dlg) {
    for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (DialogCode(c) & DLGC_DEFPUSHBUTTON) {
            return c;
        }
    }
    return nullptr;
}

// Moves the default look from the button that has it to wanted (when wanted is a push button).
void MoveDefaultLook(HWND dlg, HWND holder, HWND wanted, DWORD wantedCode) {
    if (!holder || !(DialogCode(holder) & DLGC_DEFPUSHBUTTON)) {
        holder = FindDefaultLook(dlg);
    }
    if (holder && holder != wanted) {
        SendMessageA(holder, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    }
    if (wanted && (wantedCode & DLGC_UNDEFPUSHBUTTON)) {
        SendMessageA(wanted, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    }
}

} // namespace

DialogInfo* EnsureDialogInfo(Window* w) {
    if (!w->dialog) {
        w->dialog = new DialogInfo;
    }
    return w->dialog;
}

void SetDefaultId(HWND dlg, DialogInfo* info, WORD id) {
    HWND old = GetDlgItem(dlg, info->defId);
    info->defId = id;
    HWND wanted = GetDlgItem(dlg, id);
    DWORD code = DialogCode(wanted);
    if (wanted && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_BUTTON))) {
        return; // not a button: the identifier is kept, the looks stay
    }
    MoveDefaultLook(dlg, old, wanted, code);
}

LRESULT DefaultIdAnswer(HWND dlg, const DialogInfo* info) {
    if (info->ended) {
        return 0;
    }
    if (info->defId) {
        return MAKELONG(info->defId, DC_HASDEFID);
    }
    HWND look = FindDefaultLook(dlg);
    return look ? MAKELONG(GetDlgCtrlID(look), DC_HASDEFID) : 0;
}

void ShowDefaultFor(HWND dlg, const DialogInfo* info, HWND focus) {
    HWND defaultButton = GetDlgItem(dlg, info->defId);
    DWORD code = DialogCode(focus);
    if (focus && !(code & (DLGC_UNDEFPUSHBUTTON | DLGC_DEFPUSHBUTTON))) {
        focus = defaultButton;
        code = DialogCode(focus);
    }
    MoveDefaultLook(dlg, defaultButton, focus, code);
}

} // namespace wm
