// A host's three-page options sheet, one full cycle per iteration: opened modally, painted,
// each page shown once (the second and third made on the way), closed with OK. Reports the
// heap allocations per cycle.
#include <desktop.h>
#include <resources.h>
#include <ruzav32/dialogs.h>

#include "malloc_count.h"

#include <benchmark/benchmark.h>

namespace {

using bench_support::MallocCount;

constexpr UINT kPages[] = {800, 801, 802};

void AddPageTemplates() {
    const char* const captions[] = {"General", "Spin", "Advanced"};
    for (int i = 0; i < 3; ++i) {
        resources::DialogTemplate t;
        t.style = WS_CHILD | WS_CAPTION | DS_SETFONT;
        t.caption = captions[i];
        t.fontFace = "MS Sans Serif";
        t.cx = 212;
        t.cy = 96;
        for (short row = 0; row < 3; ++row) {
            t.items.push_back({"STATIC", "Label:", 0xFFFF, WS_CHILD | WS_VISIBLE, 0, 8,
                               static_cast<short>(10 + 20 * row), 50, 8});
            t.items.push_back({"EDIT", "value", static_cast<WORD>(1000 + row),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 64,
                               static_cast<short>(8 + 20 * row), 100, 12});
        }
        resources::AddDialog(AfxGetResourceHandle(), MAKEINTRESOURCEA(kPages[i]), t);
    }
}

void BM_PropertySheetCycle(benchmark::State& state) {
    desktop::reset();
    AddPageTemplates();
    CPropPage general(kPages[0], 1u);
    CPropPage spin(kPages[1], 2u);
    CPropPage advanced(kPages[2], 3u);
    INT_PTR result = IDOK;
    {
        MallocCount count(state);
        for (auto _ : state) {
            CPropSheet sheet("Options", wpCenterScreen);
            sheet.AddPage(&general);
            sheet.AddPage(&spin);
            sheet.AddPage(&advanced);
            desktop::QueueStep([&sheet] {
                desktop::PumpUntilIdle(); // the first paint
                for (int page = 1; page < 3; ++page) {
                    sheet.SetActivePage(page);
                    desktop::PumpUntilIdle();
                }
                sheet.PressButton(PSBTN_OK);
            });
            result = sheet.DoModal();
            if (result != IDOK)
                break;
            desktop::AfxIdle();
        }
    }
    if (result != IDOK)
        state.SkipWithError("the sheet did not close with OK");
    desktop::reset();
}
BENCHMARK(BM_PropertySheetCycle)->Unit(benchmark::kMicrosecond);

} // namespace
