// A whole repaint of a small dialog: frame, background, a few standard controls and their text.
#include <desktop.h>
#include <resources.h>
#include <windows.h>

#include <benchmark/benchmark.h>

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

resources::DialogTemplate SettingsDialog() {
    resources::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT;
    t.caption = "Settings";
    t.fontFace = "MS Sans Serif";
    t.pointSize = 8;
    t.cx = 200;
    t.cy = 100;
    const DWORD kChild = WS_CHILD | WS_VISIBLE;
    // class, text, id, style, extended style, x, y, cx, cy
    t.items = {
        {"STATIC", "&Name:", 100, kChild, 0, 7, 9, 40, 8},
        {"EDIT", "A value", 101, kChild | WS_BORDER | WS_TABSTOP, 0, 50, 7, 140, 12},
        {"STATIC", "&Count:", 102, kChild, 0, 7, 27, 40, 8},
        {"EDIT", "42", 103, kChild | WS_BORDER | WS_TABSTOP, 0, 50, 25, 40, 12},
        {"BUTTON", "OK", IDOK, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 86, 79, 50, 14},
        {"BUTTON", "Cancel", IDCANCEL, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 143, 79, 50, 14},
    };
    return t;
}

void BM_DialogRepaint(benchmark::State& state) {
    desktop::reset();
    const resources::DialogTemplate dialog = SettingsDialog();
    HWND hwnd =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialog, nullptr, QuietDialogProc, 0);
    if (!hwnd) {
        state.SkipWithError("the dialog could not be created");
        return;
    }
    for (auto _ : state)
        RedrawWindow(hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DestroyWindow(hwnd);
}
BENCHMARK(BM_DialogRepaint);

} // namespace
