#include "comdlg/comdlg_module.h"

#include <platform_modules.h>

#include <commdlg.h>

namespace comdlg {
namespace {

DWORD g_error = 0;
constexpr const char* kStateProperty = "ComdlgState";

} // namespace

HINSTANCE Module() {
    static HINSTANCE module = platform::RegisterModule("COMDLG32", &g_error);
    return module;
}

void SetError(DWORD error) {
    g_error = error;
}

void EnsureTemplate(LPCSTR name, resources::DialogTemplate (*build)()) {
    if (FindResourceA(Module(), name, RT_DIALOG) == nullptr) {
        resources::AddDialog(Module(), name, build());
    }
}

resources::DialogItem Item(const char* className, const char* text, WORD id, DWORD style, short x,
                           short y, short cx, short cy) {
    resources::DialogItem item;
    item.className = className;
    item.text = text;
    item.id = id;
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    return item;
}

void AttachState(HWND dialog, void* state) {
    SetPropA(dialog, kStateProperty, state);
}

void* StateOf(HWND dialog) {
    return GetPropA(dialog, kStateProperty);
}

void DetachState(HWND dialog) {
    RemovePropA(dialog, kStateProperty);
}

} // namespace comdlg

DWORD WINAPI CommDlgExtendedError() {
    return comdlg::g_error;
}
