// One whole life of a host dialog on the dialog base: DoModal makes it from a template with a
// dozen controls (placement, the Help button, a running time-out), the modal loop shows and
// paints it, and a scripted step ends it with OK. Reports the heap allocations per cycle.
#include <desktop.h>
#include <resources.h>
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include "malloc_count.h"
#include "settings_dialog.h"

#include <benchmark/benchmark.h>

namespace {

constexpr UINT IDD_SETTINGS = 700;
constexpr WORD kFirstEdit = bench_support::kSettingsFirstEdit;

resources::DialogTemplate SettingsDialog() {
    using bench_support::kSettingsChild;
    resources::DialogTemplate t = bench_support::SettingsDialog(WS_POPUP | WS_CAPTION | WS_SYSMENU |
                                                                DS_MODALFRAME | DS_SETFONT);
    // class, text, id, style, extended style, x, y, cx, cy
    t.items.insert(
        t.items.end(),
        {
            {"BUTTON", "&Remember", 109, kSettingsChild | BS_AUTOCHECKBOX | WS_TABSTOP, 0, 7, 81,
             80, 10},
            {"BUTTON", "OK", IDOK, kSettingsChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 70, 99, 50,
             14},
            {"BUTTON", "Cancel", IDCANCEL, kSettingsChild | BS_PUSHBUTTON | WS_TABSTOP, 0, 126, 99,
             50, 14},
            {"BUTTON", "&Help", ID_HELP,
             (kSettingsChild & ~WS_VISIBLE) | BS_PUSHBUTTON | WS_TABSTOP, 0, 183, 99, 50, 14},
        });
    return t;
}

class SettingsDlg : public CDlg {
public:
    explicit SettingsDlg(CWnd* pParent) : CDlg(IDD_SETTINGS, pParent, 30, IDCANCEL, 0x42) {}
};

// True when the dialog on screen has been painted: its first edit's inside has the window
// colour while the dialog around it has the face colour.
bool Painted(HWND hDlg) {
    RECT edit;
    ::GetWindowRect(::GetDlgItem(hDlg, kFirstEdit), &edit);
    const int y = (edit.top + edit.bottom) / 2;
    return desktop::ScreenPixel(edit.right - 4, y) == ::GetSysColor(COLOR_WINDOW) &&
           desktop::ScreenPixel(edit.right + 4, y) == ::GetSysColor(COLOR_BTNFACE);
}

void BM_DlgOpenPaintClose(benchmark::State& state) {
    desktop::reset();
    resources::AddDialog(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_SETTINGS),
                         SettingsDialog());
    CWnd main;
    main.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 600,
                  450, NULL, NULL);
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    int unpainted = 0;
    INT_PTR result = 0;
    auto cycle = [&] {
        SettingsDlg dlg(&main);
        desktop::QueueStep([&] {
            unpainted += Painted(dlg.m_hWnd) ? 0 : 1;
            dlg.EndDialog(IDOK);
        });
        result = dlg.DoModal();
    };
    cycle(); // first use: fonts, brushes, lists grown
    {
        bench_support::MallocCount count(state);
        for (auto _ : state)
            cycle();
    }
    main.DestroyWindow();
    desktop::AfxIdle();
    if (result != IDOK || unpainted != 0)
        state.SkipWithError("the dialog was not shown, painted and closed as expected");
    else if (desktop::GdiObjectCounts() != before)
        state.SkipWithError("the dialog left drawing objects behind");
    state.counters["controls"] = 12;
}
BENCHMARK(BM_DlgOpenPaintClose)->Unit(benchmark::kMicrosecond);

} // namespace
