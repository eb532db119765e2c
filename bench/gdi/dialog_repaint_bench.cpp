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
    auto add = [&](const char* cls, const char* text, WORD id, DWORD style, short x, short y,
                   short cx, short cy) {
        resources::DialogItem item;
        item.className = cls;
        item.text = text;
        item.id = id;
        item.style = WS_CHILD | WS_VISIBLE | style;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        t.items.push_back(item);
    };
    add("STATIC", "&Name:", 100, 0, 7, 9, 40, 8);
    add("EDIT", "A value", 101, WS_BORDER | WS_TABSTOP, 50, 7, 140, 12);
    add("STATIC", "&Count:", 102, 0, 7, 27, 40, 8);
    add("EDIT", "42", 103, WS_BORDER | WS_TABSTOP, 50, 25, 40, 12);
    add("BUTTON", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 86, 79, 50, 14);
    add("BUTTON", "Cancel", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 143, 79, 50, 14);
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
