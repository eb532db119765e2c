// The hot path of the window manager: a message sent to a plain window procedure, and a message
// posted and dispatched through the queue, each with the heap allocations it costs.
#include <benchmark/benchmark.h>
#include <desktop.h>

#include "malloc_count.h"

namespace {

LRESULT CALLBACK Plain(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) {
        return (LRESULT)wParam + 1;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND PlainWindow() {
    desktop::reset();
    WNDCLASSA wc{};
    wc.lpfnWndProc = Plain;
    wc.lpszClassName = "BenchPlain";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "BenchPlain", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
}

void SendToPlainProcedure(benchmark::State& state) {
    HWND w = PlainWindow();
    WPARAM i = 0;
    bench_support::MallocCount count(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(SendMessageA(w, WM_USER, i++, 0));
    }
}
BENCHMARK(SendToPlainProcedure);

void PostAndDispatch(benchmark::State& state) {
    HWND w = PlainWindow();
    MSG msg;
    PostMessageA(w, WM_USER, 1, 0); // first use of the queue's storage
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    bench_support::MallocCount count(state);
    for (auto _ : state) {
        PostMessageA(w, WM_USER, 1, 0);
        PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        benchmark::DoNotOptimize(DispatchMessageA(&msg));
    }
}
BENCHMARK(PostAndDispatch);

} // namespace
