// What the common dialogs share: their module (which owns their dialog templates), the last
// error that CommDlgExtendedError reports, and the hook convention.
#pragma once

#include <windows.h>

#include <resources.h>

namespace comdlg {

HINSTANCE Module();
void SetError(DWORD error);

// Adds the template to the module unless it is there already (the driver's reset forgets every
// resource, so the templates come back on first use).
void EnsureTemplate(LPCSTR name, resources::DialogTemplate (*build)());

// A template item: a control of the given class with WS_CHILD | WS_VISIBLE and style.
resources::DialogItem Item(const char* className, const char* text, WORD id, DWORD style, short x,
                           short y, short cx, short cy);

// The caller's hook sees each message first; a non-zero answer means it handled the message.
using Hook = UINT_PTR(CALLBACK*)(HWND, UINT, WPARAM, LPARAM);

// A dialog's state, kept in a window property from WM_INITDIALOG until the dialog goes.
void AttachState(HWND dialog, void* state);
void* StateOf(HWND dialog);
void DetachState(HWND dialog);

// The dialog procedure of every common dialog here. State has `hwnd`, `hook` and `record` (the
// caller's OPENFILENAMEA or PRINTDLGA) members; WM_INITDIALOG's lParam is the State. The state is
// set up by init, then the caller's hook sees WM_INITDIALOG with its record; every later message
// goes to the hook first, and to command only when the hook leaves it.
template <class State, void (*init)(State&), void (*command)(State&, WORD id, WORD code)>
INT_PTR CALLBACK HookedDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        State* state = reinterpret_cast<State*>(lParam);
        AttachState(hwnd, state);
        state->hwnd = hwnd;
        init(*state);
        if (state->hook != nullptr) {
            return static_cast<INT_PTR>(
                state->hook(hwnd, message, wParam, reinterpret_cast<LPARAM>(state->record)));
        }
        return TRUE;
    }
    State* state = static_cast<State*>(StateOf(hwnd));
    if (state == nullptr) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        DetachState(hwnd);
        return FALSE;
    }
    if (state->hook != nullptr && state->hook(hwnd, message, wParam, lParam) != 0) {
        return TRUE;
    }
    if (message == WM_COMMAND) {
        command(*state, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

} // namespace comdlg
