// Placing real windows: the system's work area and metrics, the windows' rectangles and the
// parent's menu bar reach the placement arithmetic (whose every rule is in its own table), and
// the window moves without changing its size.
#include "frame_fixture.h"

#include <vector>

namespace {

HWND MakeWindow(int x, int y, int width, int height) {
    return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, x, y, width, height, NULL, NULL, NULL,
                             NULL);
}

TEST_F(FrameTest, PlaceWindowMovesTheWindowWhereTheRuleSaysKeepingItsSize) {
    // Distinct values show which metric each step reads: the cascade goes 18 + 9 + 5 = 32
    // across and down, 52 below a menu bar; clamps leave a frame of 4 across and 5 down.
    desktop::SetSystemMetric(SM_CYCAPTION, 18);
    desktop::SetSystemMetric(SM_CYMENU, 20);
    desktop::SetSystemMetric(SM_CXFRAME, 4);
    desktop::SetSystemMetric(SM_CYFRAME, 5);
    desktop::SetWorkArea(RECT{0, 28, 1024, 768}); // task bar at the top
    enum Parent { None, Plain, WithMenu, Unattached };
    const struct {
        int rule;
        Parent parent; // at 100, 100, 600 x 500
        int width, height, x, y;
    } cases[] = {
        {wpCenterParent, Plain, 200, 100, 300, 300}, {wpCenterScreen, Plain, 200, 100, 412, 348},
        {wpCascade, WithMenu, 200, 100, 132, 152},   {wpCascade, None, 200, 100, 412, 348},
        {wpCascade, Unattached, 200, 100, 412, 348}, {wpCenterScreen, Plain, 200, 469, 132, 132},
        {wpCenterScreen, None, 1100, 800, 4, 33},
    };
    for (const auto& c : cases) {
        CWnd parent;
        CWnd dialog;
        if (c.parent == Plain || c.parent == WithMenu) {
            ASSERT_TRUE(parent.Attach(MakeWindow(100, 100, 600, 500)));
        }
        if (c.parent == WithMenu)
            ::SetMenu(parent.m_hWnd, ::CreateMenu());
        ASSERT_TRUE(dialog.Attach(MakeWindow(3, 7, c.width, c.height)));
        PlaceWindow(&dialog, c.parent == None ? nullptr : &parent,
                    static_cast<eWindowPositions>(c.rule));
        PlaceWindow(nullptr, &parent, wpCascade);
        RECT r = {};
        ::GetWindowRect(dialog.m_hWnd, &r);
        EXPECT_EQ(std::vector<LONG>({c.x, c.y, c.width, c.height}),
                  std::vector<LONG>({r.left, r.top, r.right - r.left, r.bottom - r.top}))
            << "rule " << c.rule << ", parent " << c.parent << ", height " << c.height;
        ::DestroyWindow(dialog.Detach());
        if (parent.m_hWnd != NULL) {
            CWnd unattached;
            PlaceWindow(&unattached, &parent, wpCascade);
            ::GetWindowRect(parent.m_hWnd, &r);
            EXPECT_EQ(100, r.left) << "without a window to place, no other window moves";
            ::DestroyWindow(parent.Detach());
        }
    }
}

} // namespace
