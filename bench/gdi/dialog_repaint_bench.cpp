// A whole repaint of a settings dialog on the default 1024x768 screen: frame and caption,
// background, and a dozen standard controls (statics, edits, buttons, a scroll bar) with their
// text, as RedrawWindow with RDW_UPDATENOW does it. Reports the heap allocations per repaint.
#include <desktop.h>
#include <resources.h>
#include <windows.h>

#include "malloc_count.h"
#include "settings_dialog.h"

#include <benchmark/benchmark.h>

namespace {

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

resources::DialogTemplate SettingsDialog() {
    using bench_support::kSettingsChild;
    resources::DialogTemplate t = bench_support::SettingsDialog(
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT);
    // class, text, id, style, extended style, x, y, cx, cy
    t.items.insert(t.items.end(),
                   {
                       {"SCROLLBAR", "", 108, kSettingsChild | SBS_VERT, 0, 210, 7, 10, 66},
                       {"BUTTON", "&Remember", 109, kSettingsChild | BS_AUTOCHECKBOX | WS_TABSTOP,
                        0, 7, 81, 80, 10},
                       {"BUTTON", "OK", IDOK, kSettingsChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                        126, 99, 50, 14},
                       {"BUTTON", "Cancel", IDCANCEL, kSettingsChild | BS_PUSHBUTTON | WS_TABSTOP,
                        0, 183, 99, 50, 14},
                   });
    return t;
}

void BM_DialogRepaint(benchmark::State& state) {
    desktop::reset();
    const resources::DialogTemplate dialog = SettingsDialog();
    HWND hwnd = CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), resources::DialogBytes(dialog), nullptr, QuietDialogProc, 0);
    if (!hwnd) {
        state.SkipWithError("the dialog could not be created");
        return;
    }
    const UINT kRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW;
    RedrawWindow(hwnd, nullptr, nullptr, kRepaint); // first use: fonts, brushes, lists grown
    {
        bench_support::MallocCount count(state);
        for (auto _ : state)
            RedrawWindow(hwnd, nullptr, nullptr, kRepaint);
    }
    // The repaint must have drawn something: the first edit's inside is the window colour,
    // while the dialog around it has the face colour.
    RECT edit;
    GetWindowRect(GetDlgItem(hwnd, bench_support::kSettingsFirstEdit), &edit);
    const COLORREF inside = desktop::ScreenPixel(edit.right - 4, (edit.top + edit.bottom) / 2);
    const COLORREF outside = desktop::ScreenPixel(edit.right + 4, (edit.top + edit.bottom) / 2);
    if (inside != GetSysColor(COLOR_WINDOW) || outside != GetSysColor(COLOR_BTNFACE))
        state.SkipWithError("the dialog was not painted as expected");
    state.counters["controls"] = static_cast<double>(dialog.items.size());
    DestroyWindow(hwnd);
}
BENCHMARK(BM_DialogRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
