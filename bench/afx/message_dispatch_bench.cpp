// One message through the framework window procedure to a message-map handler, and the heap
// allocations it costs (there should be none).
#include <afxwin.h>
#include <desktop.h>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
} // namespace

__attribute__((noinline)) void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// Out of line: inlined next to an allocation, free() would look mismatched with new.
__attribute__((noinline)) void operator delete(void* p) noexcept {
    std::free(p);
}
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

class CCounter : public CWnd {
public:
    long m_nCalls = 0;

protected:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) {
        ++m_nCalls;
        return static_cast<LRESULT>(wParam);
    }
    afx_msg void OnTimer(UINT) {}
    afx_msg void OnPaint() { Default(); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCounter, CWnd)
ON_WM_TIMER()
ON_WM_PAINT()
ON_MESSAGE(WM_APP + 7, OnPing)
END_MESSAGE_MAP()

void SendToMessageMapHandler(benchmark::State& state) {
    desktop::reset();
    CCounter wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_OVERLAPPED, 0, 0, 10, 10, NULL,
                      NULL)) {
        state.SkipWithError("window not created");
        return;
    }
    HWND hWnd = wnd.m_hWnd;
    ::SendMessageA(hWnd, WM_APP + 7, 1, 0); // warm up
    long before = g_allocations.load();
    for (auto _ : state)
        benchmark::DoNotOptimize(::SendMessageA(hWnd, WM_APP + 7, 1, 0));
    long allocations = g_allocations.load() - before;
    state.counters["allocs/msg"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations());
    if (allocations != 0)
        state.SkipWithError("heap allocation per message");
    wnd.DestroyWindow();
    desktop::reset();
}
BENCHMARK(SendToMessageMapHandler);

} // namespace
