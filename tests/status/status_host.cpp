#include "status_host.h"

namespace status_test {

BEGIN_MESSAGE_MAP(CHostFrame, CFrameWnd)
ON_MESSAGE(WM_PANE_CLICK, OnPaneClick)
ON_MESSAGE(WM_BITMAP_CLICK, OnBitmapClick)
END_MESSAGE_MAP()

} // namespace status_test
