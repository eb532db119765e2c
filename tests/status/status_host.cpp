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

} // namespace status_test
