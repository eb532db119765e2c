// The bitmap button end to end: two state changes per iteration (pressed, then released), each
// redrawn through the parent's WM_DRAWITEM, reflected to DrawItem, which copies the image for
// the state. Reports the heap allocations per iteration.
#include <desktop.h>
#include <ruzav32/buttons.h>

#include "malloc_count.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using bench_support::MallocCount;

constexpr int kButtonId = 101;

// A 40x24 24-bit BMP file of one colour.
std::vector<BYTE> Bmp(COLORREF colour) {
    const int w = 40, h = 24, stride = w * 3;
    std::vector<BYTE> b(54 + stride * h, 0);
    const unsigned size = static_cast<unsigned>(b.size());
    const unsigned fields[][2] = {{2, size}, {10, 54}, {14, 40}, {18, w}, {22, h}};
    for (const auto& f : fields)
        for (int i = 0; i < 4; ++i)
            b[f[0] + i] = static_cast<BYTE>(f[1] >> (8 * i));
    b[0] = 'B';
    b[1] = 'M';
    b[26] = 1;
    b[28] = 24;
    for (std::size_t at = 54; at + 2 < b.size(); at += 3) {
        b[at] = GetBValue(colour);
        b[at + 1] = GetGValue(colour);
        b[at + 2] = GetRValue(colour);
    }
    return b;
}

void BM_BitmapButtonStateChange(benchmark::State& state) {
    desktop::reset();
    resources::AddBitmap(AfxGetResourceHandle(), "PLAYU", Bmp(RGB(0, 128, 0)));
    resources::AddBitmap(AfxGetResourceHandle(), "PLAYD", Bmp(RGB(0, 64, 0)));
    resources::DialogTemplate tmpl;
    tmpl.style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    tmpl.cx = 100;
    tmpl.cy = 40;
    resources::DialogItem item;
    item.className = "BUTTON";
    item.text = "PLAY";
    item.id = kButtonId;
    item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
    item.x = 10;
    item.y = 10;
    item.cx = 30;
    item.cy = 14;
    tmpl.items.push_back(item);
    resources::AddDialog(AfxGetResourceHandle(), "BENCHBUTTONS", tmpl);
    CDialog dialog;
    CKBitmapButton button;
    if (!dialog.Create("BENCHBUTTONS") || !button.AutoLoad(kButtonId, &dialog)) {
        state.SkipWithError("the button was not made");
        return;
    }
    desktop::PumpUntilIdle();
    const HWND wnd = button.m_hWnd;
    {
        MallocCount count(state);
        for (auto _ : state) {
            ::SendMessageA(wnd, BM_SETSTATE, TRUE, 0);
            ::SendMessageA(wnd, BM_SETSTATE, FALSE, 0);
        }
    }
    ::SendMessageA(wnd, BM_SETSTATE, TRUE, 0);
    if (desktop::WindowPixel(wnd, 5, 5) != RGB(0, 64, 0))
        state.SkipWithError("the pressed image is not shown");
    dialog.DestroyWindow();
}
BENCHMARK(BM_BitmapButtonStateChange);

} // namespace
