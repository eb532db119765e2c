// Drawing costs of a small progress bar, the heaviest thing a status control repaints often.
#include <desktop.h>
#include <windows.h>

#include <benchmark/benchmark.h>

namespace {

// A 100x20 32-bit memory DC with the GUI font selected.
struct Bar {
    Bar() {
        desktop::reset();
        dc = CreateCompatibleDC(nullptr);
        bitmap = CreateBitmap(100, 20, 1, 32, nullptr);
        oldBitmap = SelectObject(dc, bitmap);
        oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        filled = CreateSolidBrush(RGB(0, 0, 128));
        empty = CreateSolidBrush(RGB(255, 255, 255));
        frame = CreateSolidBrush(RGB(128, 128, 128));
    }
    ~Bar() {
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteObject(filled);
        DeleteObject(empty);
        DeleteObject(frame);
        DeleteDC(dc);
    }
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap, oldFont;
    HBRUSH filled, empty, frame;
};

// Two fills, a two-pixel frame and the centred percentage drawn twice, each half clipped to
// its side of the bar in its own colour.
void BM_PercentBar(benchmark::State& state) {
    Bar bar;
    const char text[] = "42%";
    SIZE extent;
    GetTextExtentPoint32A(bar.dc, text, 3, &extent);
    SetTextAlign(bar.dc, TA_CENTER | TA_TOP);
    SetBkMode(bar.dc, TRANSPARENT);
    for (auto _ : state) {
        RECT outer{0, 0, 100, 20}, inner{1, 1, 99, 19};
        FrameRect(bar.dc, &outer, bar.frame);
        FrameRect(bar.dc, &inner, bar.frame);
        RECT done{2, 2, 42, 18}, rest{42, 2, 98, 18};
        FillRect(bar.dc, &done, bar.filled);
        FillRect(bar.dc, &rest, bar.empty);
        const int y = (20 - extent.cy) / 2;
        SetTextColor(bar.dc, RGB(255, 255, 255));
        ExtTextOutA(bar.dc, 50, y, ETO_CLIPPED, &done, text, 3, nullptr);
        SetTextColor(bar.dc, RGB(0, 0, 128));
        ExtTextOutA(bar.dc, 50, y, ETO_CLIPPED, &rest, text, 3, nullptr);
    }
}
BENCHMARK(BM_PercentBar);

void BM_DrawTextCentred(benchmark::State& state) {
    Bar bar;
    SetBkMode(bar.dc, TRANSPARENT);
    for (auto _ : state) {
        RECT r{0, 0, 100, 20};
        DrawTextA(bar.dc, "Ready", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}
BENCHMARK(BM_DrawTextCentred);

} // namespace
