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

} // namespace comdlg
