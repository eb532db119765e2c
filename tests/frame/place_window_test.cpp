// Placing real windows: the rule is fed from the system's work area and metrics, the windows'
// rectangles and the parent's menu bar, and the window moves without changing its size. Every
// rule and clamp of the arithmetic itself is in the placement logic's own table.
#include "frame_fixture.h"

namespace {

class PlaceWindowTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        // Distinct values show which metric each step reads: the cascade goes 18 + 9 + 5 = 32
        // across and down, 52 down below a menu bar; clamps leave 4 across and 5 down.
        desktop::SetSystemMetric(SM_CYCAPTION, 18);
        desktop::SetSystemMetric(SM_CYMENU, 20);
        desktop::SetSystemMetric(SM_CXFRAME, 4);
        desktop::SetSystemMetric(SM_CYFRAME, 5);
        desktop::SetWorkArea(RECT{0, 28, 1024, 768}); // task bar at the top
    }

    static HWND MakeWindow(RECT r) {
        return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, r.left, r.top, r.right - r.left,
                                 r.bottom - r.top, NULL, NULL, NULL, NULL);
    }
};

TEST_F(PlaceWindowTest, MovesTheWindowWhereTheRuleSaysKeepingItsSize) {
    const RECT parentAt{100, 100, 700, 600};
    const struct {
        const char* name;
        int rule;
        bool parent;     // a parent window at parentAt
        bool parentMenu; // with a menu bar
        int width, height;
        int x, y;
    } cases[] = {
        {"centred on the parent", wpCenterParent, true, false, 200, 100, 300, 300},
        {"centred in the work area", wpCenterScreen, true, false, 200, 100, 412, 348},
        {"cascaded from the parent", wpCascade, true, false, 200, 100, 132, 132},
        {"a menu bar takes the cascade down only", wpCascade, true, true, 200, 100, 132, 152},
        {"without a parent every rule centres", wpCascade, false, false, 200, 100, 412, 348},
        {"another rule centres on the parent", 7, true, false, 200, 100, 300, 300},
        {"500 - 32 holds 468", wpCenterScreen, true, false, 200, 468, 412, 164},
        {"one more is cascaded", wpCenterScreen, true, false, 200, 469, 132, 132},
        {"larger than the work area", wpCenterScreen, false, false, 1100, 800, 4, 33},
    };
    for (const auto& c : cases) {
        CWnd parent;
        CWnd dialog;
        if (c.parent) {
            ASSERT_TRUE(parent.Attach(MakeWindow(parentAt)));
            if (c.parentMenu)
                ::SetMenu(parent.m_hWnd, ::CreateMenu());
        }
        ASSERT_TRUE(dialog.Attach(MakeWindow(RECT{3, 7, 3 + c.width, 7 + c.height})));
        PlaceWindow(&dialog, c.parent ? &parent : nullptr, static_cast<eWindowPositions>(c.rule));
        RECT r = {};
        ::GetWindowRect(dialog.m_hWnd, &r);
        EXPECT_EQ(c.x, r.left) << c.name;
        EXPECT_EQ(c.y, r.top) << c.name;
        EXPECT_EQ(c.width, r.right - r.left) << c.name;
        EXPECT_EQ(c.height, r.bottom - r.top) << c.name;
        ::DestroyWindow(dialog.Detach());
        if (c.parent)
            ::DestroyWindow(parent.Detach());
    }
}

// A parent or window object without a window counts as none; nothing else moves instead.
TEST_F(PlaceWindowTest, ObjectsWithoutWindows) {
    CWnd unattached;
    CWnd parent;
    CWnd dialog;
    ASSERT_TRUE(parent.Attach(MakeWindow(RECT{100, 100, 700, 600})));
    ASSERT_TRUE(dialog.Attach(MakeWindow(RECT{3, 7, 203, 107})));
    PlaceWindow(&dialog, &unattached, wpCascade);
    PlaceWindow(&unattached, &parent, wpCascade);
    PlaceWindow(nullptr, &parent, wpCascade);
    RECT r = {};
    ::GetWindowRect(dialog.m_hWnd, &r);
    EXPECT_EQ(412, r.left) << "centred as without a parent";
    ::GetWindowRect(parent.m_hWnd, &r);
    EXPECT_EQ(100, r.left);
    dialog.Detach();
    parent.Detach();
}

} // namespace
