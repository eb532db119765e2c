// The status controls end to end through WM_PAINT: a 100x20 percent bar repainted after a new
// value and an invalidation, and a 100x22 pop-up tip made, painted and destroyed. Each reports
// the heap allocations it makes per iteration.
#include <desktop.h>
#include <ruzav32/status.h>

#include "malloc_count.h"

#include <benchmark/benchmark.h>

namespace {

using bench_support::MallocCount;

constexpr char kTemplateName[] = "BENCHBARS";
constexpr char kTipClass[] = "BenchTip";

// A visible pop-up parent holding one class-made 100x20 bar.
class BarHost {
public:
    BarHost() {
        desktop::reset();
        resources::DialogTemplate tmpl;
        tmpl.cx = 10;
        tmpl.cy = 10;
        resources::AddDialog(AfxGetResourceHandle(), kTemplateName, tmpl);
        CKPercentBar::RegisterClass(kTemplateName, RT_DIALOG);
        m_parent = ::CreateWindowExA(0, "static", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                     nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
        m_barWnd = ::CreateWindowExA(0, "CKPercentBar", "", WS_CHILD | WS_VISIBLE, 20, 20, 100, 20,
                                     m_parent, nullptr, AfxGetResourceHandle(), nullptr);
        m_bar = static_cast<CKPercentBar*>(CWnd::FromHandlePermanent(m_barWnd));
        desktop::PumpUntilIdle();
    }
    ~BarHost() {
        ::DestroyWindow(m_parent);
        CKPercentBar::UnregisterClass(kTemplateName, RT_DIALOG);
    }
    BarHost(const BarHost&) = delete;
    BarHost& operator=(const BarHost&) = delete;

    HWND m_parent = nullptr;
    HWND m_barWnd = nullptr;
    CKPercentBar* m_bar = nullptr;
};

void PercentBarRepaint(benchmark::State& state) {
    BarHost host;
    if (host.m_bar == nullptr) {
        state.SkipWithError("the bar was not made");
        return;
    }
    int percent = 0;
    {
        MallocCount count(state);
        for (auto _ : state) {
            percent = (percent + 37) % 101;
            host.m_bar->SetPercent(percent);
            ::InvalidateRect(host.m_barWnd, nullptr, FALSE);
            ::UpdateWindow(host.m_barWnd);
        }
    }
    // The last paint must show the last value: the filled part's right edge is at column
    // 2 + 97 * percent / 100 (exclusive).
    const int edge = 2 + 97 * percent / 100;
    if (edge > 2 &&
        desktop::WindowPixel(host.m_barWnd, edge - 1, 17) != ::GetSysColor(COLOR_ACTIVECAPTION))
        state.SkipWithError("the bar does not show its value");
}
BENCHMARK(PercentBarRepaint);

void BM_PopupTipPopPaintDestroy(benchmark::State& state) {
    desktop::reset();
    WNDCLASSA wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = kTipClass;
    ::RegisterClassA(&wc);
    CString className(kTipClass);
    // About 100 pixels of text in the default font: with its margins a tip of 102x22.
    const CString text("Saves a file");
    long width = 0;
    {
        MallocCount count(state);
        for (auto _ : state) {
            CPopupTip* tip = new CPopupTip(className);
            tip->SetDisplay(text);
            if (!tip->PopItUp(CPoint(500, 300), 1)) {
                delete tip;
                state.SkipWithError("the tip did not pop up");
                break;
            }
            ::UpdateWindow(tip->m_hWnd);
            RECT r{};
            ::GetWindowRect(tip->m_hWnd, &r);
            width = r.right - r.left;
            ::DestroyWindow(tip->m_hWnd); // deletes the object
        }
    }
    state.counters["tip width"] = static_cast<double>(width);
}
BENCHMARK(BM_PopupTipPopPaintDestroy);

} // namespace
