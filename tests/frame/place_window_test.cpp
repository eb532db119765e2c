// Placing real windows: the rule is read from the system's work area, metrics, the windows'
// rectangles and the parent's menu bar, and the window moves without changing its size.
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
        desktop::SetWorkArea(RECT{0, 0, 1024, 738});
    }

    void TearDown() override {
        dialog_.Detach();
        parent_.Detach();
    }

    // A top-level window at (x, y) of the given size, as a framework object.
    static HWND MakeWindow(int x, int y, int width, int height) {
        return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, x, y, width, height, NULL, NULL, NULL,
                                 NULL);
    }

    void MakeParent(int x, int y, int width, int height, bool withMenu = false) {
        ASSERT_TRUE(parent_.Attach(MakeWindow(x, y, width, height)));
        if (withMenu) {
            ASSERT_TRUE(::SetMenu(parent_.m_hWnd, ::CreateMenu()));
        }
    }

    void MakeDialog(int width, int height) {
        ASSERT_TRUE(dialog_.Attach(MakeWindow(3, 7, width, height)));
    }

    RECT DialogRect() const {
        RECT r = {};
        ::GetWindowRect(dialog_.m_hWnd, &r);
        return r;
    }

    void ExpectDialogAt(int x, int y, int width, int height) const {
        const RECT r = DialogRect();
        EXPECT_EQ(x, r.left);
        EXPECT_EQ(y, r.top);
        EXPECT_EQ(width, r.right - r.left) << "the size is kept";
        EXPECT_EQ(height, r.bottom - r.top) << "the size is kept";
    }

    CWnd parent_;
    CWnd dialog_;
};

TEST_F(PlaceWindowTest, CentresOnTheParent) {
    MakeParent(100, 100, 600, 500);
    MakeDialog(200, 100);
    PlaceWindow(&dialog_, &parent_, wpCenterParent);
    ExpectDialogAt(300, 300, 200, 100);
}

TEST_F(PlaceWindowTest, CentresInTheWorkArea) {
    desktop::SetWorkArea(RECT{0, 28, 1024, 768}); // task bar at the top
    MakeParent(100, 100, 600, 500);
    MakeDialog(200, 100);
    PlaceWindow(&dialog_, &parent_, wpCenterScreen);
    ExpectDialogAt(412, 348, 200, 100);
}

TEST_F(PlaceWindowTest, CascadesFromTheParentsCorner) {
    MakeParent(100, 100, 600, 500);
    MakeDialog(200, 100);
    PlaceWindow(&dialog_, &parent_, wpCascade);
    ExpectDialogAt(132, 132, 200, 100);
}

TEST_F(PlaceWindowTest, MenuBarOfTheParentTakesTheCascadeFurtherDownOnly) {
    MakeParent(100, 100, 600, 500, true);
    MakeDialog(200, 100);
    PlaceWindow(&dialog_, &parent_, wpCascade);
    ExpectDialogAt(132, 152, 200, 100);
}

TEST_F(PlaceWindowTest, WithoutAParentEveryRuleCentresInTheWorkArea) {
    MakeDialog(200, 100);
    for (eWindowPositions rule : {wpCenterParent, wpCenterScreen, wpCascade}) {
        ::MoveWindow(dialog_.m_hWnd, 3, 7, 200, 100, FALSE);
        PlaceWindow(&dialog_, nullptr, rule);
        ExpectDialogAt(412, 319, 200, 100);
    }
}

TEST_F(PlaceWindowTest, AParentWithoutAWindowCountsAsNone) {
    CWnd unattached;
    MakeDialog(200, 100);
    PlaceWindow(&dialog_, &unattached, wpCascade);
    ExpectDialogAt(412, 319, 200, 100);
}

// The rule comes from the host as any 32-bit value; all but the named ones centre on the parent.
TEST_F(PlaceWindowTest, AnyOtherRuleCentresOnTheParent) {
    MakeParent(100, 100, 600, 500);
    MakeDialog(200, 100);
    for (int rule : {3, 7, -1, 0x7fffffff}) {
        ::MoveWindow(dialog_.m_hWnd, 3, 7, 200, 100, FALSE);
        PlaceWindow(&dialog_, &parent_, static_cast<eWindowPositions>(rule));
        ExpectDialogAt(300, 300, 200, 100);
    }
}

// 500 - 32 = 468 holds a dialog 468 high; one pixel more and it is cascaded whatever was asked.
TEST_F(PlaceWindowTest, TooTallForTheParentIsCascaded) {
    MakeParent(100, 100, 600, 500);
    MakeDialog(200, 468);
    PlaceWindow(&dialog_, &parent_, wpCenterScreen);
    ExpectDialogAt(412, 135, 200, 468);

    ::DestroyWindow(dialog_.Detach());
    MakeDialog(200, 469);
    PlaceWindow(&dialog_, &parent_, wpCenterScreen);
    ExpectDialogAt(132, 132, 200, 469);
}

TEST_F(PlaceWindowTest, PulledBackFromTheRightEdgeLeavingAFrame) {
    MakeParent(734, 100, 400, 400); // centred, the dialog would end 10 pixels past the edge
    MakeDialog(200, 100);
    PlaceWindow(&dialog_, &parent_, wpCenterParent);
    ExpectDialogAt(1024 - 4 - 200, 250, 200, 100);
}

TEST_F(PlaceWindowTest, LargerThanTheWorkAreaStartsAtItsTopLeftPlusAFrame) {
    desktop::SetWorkArea(RECT{0, 28, 1024, 768});
    MakeDialog(1100, 800);
    PlaceWindow(&dialog_, nullptr, wpCenterScreen);
    ExpectDialogAt(4, 33, 1100, 800);
}

TEST_F(PlaceWindowTest, NothingHappensWithoutAWindow) {
    MakeParent(100, 100, 600, 500);
    CWnd unattached;
    PlaceWindow(&unattached, &parent_, wpCascade);
    PlaceWindow(nullptr, &parent_, wpCascade);
    RECT parent = {};
    ::GetWindowRect(parent_.m_hWnd, &parent);
    EXPECT_EQ(100, parent.left) << "no other window moves instead";
    EXPECT_EQ(100, parent.top);
}

} // namespace
