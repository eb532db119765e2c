#include "status_host.h"

namespace status_test {

BEGIN_MESSAGE_MAP(CHostFrame, CFrameWnd)
ON_MESSAGE(WM_PANE_CLICK, OnPaneClick)
ON_MESSAGE(WM_BITMAP_CLICK, OnBitmapClick)
END_MESSAGE_MAP()

void StatusBarTest::SetUp() {
    desktop::reset();
    resources::AddString(host, ID_INDICATOR_CAPS, "CAP");
    resources::AddString(host, ID_INDICATOR_NUM, "NUM");
}

void StatusBarTest::MakeFrame() {
    frame = new CHostFrame;
    ASSERT_TRUE(
        frame->Create(NULL, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)));
    ASSERT_TRUE(frame->m_bar.Create(frame));
    desktop::PumpUntilIdle();
}

std::vector<BYTE> SolidBmp(int w, int h, COLORREF color) {
    const int stride = (w * 3 + 3) & ~3;
    const int size = 54 + stride * h;
    std::vector<BYTE> bmp(static_cast<size_t>(size), 0);
    auto put32 = [&](int at, int v) {
        for (int i = 0; i < 4; ++i)
            bmp[static_cast<size_t>(at + i)] = static_cast<BYTE>((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    bmp[26] = 1;
    bmp[28] = 24;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            size_t at = static_cast<size_t>(54 + y * stride + x * 3);
            bmp[at] = GetBValue(color);
            bmp[at + 1] = GetGValue(color);
            bmp[at + 2] = GetRValue(color);
        }
    }
    return bmp;
}

} // namespace status_test
