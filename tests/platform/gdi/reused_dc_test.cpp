// Window DCs come and go with every paint, and the drawing layer reuses their storage: a DC
// handed out after others were released must start as new (no clip, default attributes, the
// given visible area), and a released handle must stay dead.
#include "gdi_fixture.h"

namespace {

class ReusedDcTest : public GdiTest {
protected:
    // A borderless visible window whose client area is the screen rectangle given.
    HWND Window(int x, int y, int width, int height) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "ReusedDcTest";
        RegisterClassA(&wc);
        return CreateWindowExA(0, "ReusedDcTest", "", WS_POPUP | WS_VISIBLE, x, y, width, height,
                               nullptr, nullptr, nullptr, nullptr);
    }
};

TEST_F(ReusedDcTest, ADcAfterAClippedOneStartsAsNew) {
    HWND hwnd = Window(100, 100, 100, 60);
    HDC first = GetDC(hwnd);
    ASSERT_NE(nullptr, first);
    SaveDC(first);
    IntersectClipRect(first, 10, 10, 20, 20);
    ExcludeClipRect(first, 12, 12, 14, 14);
    SetTextColor(first, RGB(1, 2, 3));
    SetBkMode(first, TRANSPARENT);
    SetViewportOrgEx(first, 5, 5, nullptr);
    ReleaseDC(hwnd, first);

    for (int round = 0; round < 3; ++round) {
        HDC dc = GetDC(hwnd);
        ASSERT_NE(nullptr, dc);
        EXPECT_NE(first, dc); // handles are never given out twice
        RECT box{};
        EXPECT_EQ(SIMPLEREGION, GetClipBox(dc, &box));
        EXPECT_EQ((RECT{0, 0, 100, 60}), box);
        EXPECT_EQ(RGB(0, 0, 0), GetTextColor(dc));
        EXPECT_EQ(OPAQUE, GetBkMode(dc));
        POINT origin{-1, -1};
        GetViewportOrgEx(dc, &origin);
        EXPECT_EQ(0, origin.x);
        EXPECT_EQ(0, origin.y);
        EXPECT_FALSE(RestoreDC(dc, -1)); // nothing saved in this one
        // The whole area takes paint; the old clip does not linger.
        RECT all{0, 0, 100, 60};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EXPECT_EQ(RGB(0, 0, 0), desktop::ScreenPixel(113, 113));
        EXPECT_EQ(RGB(0, 0, 0), desktop::ScreenPixel(199, 159));
        EXPECT_NE(RGB(0, 0, 0), desktop::ScreenPixel(200, 160));
        ReleaseDC(hwnd, dc);
    }
    EXPECT_EQ(CLR_INVALID, GetTextColor(first)); // the released handle stays dead
    EXPECT_EQ(start_.dcs, desktop::GdiObjectCounts().dcs);
}

TEST_F(ReusedDcTest, ClipCallsOnAComplexAreaKeepTheirResults) {
    // A window covering the middle of another leaves it two separate rectangles: each clip call
    // combines lists in reused storage.
    HWND below = Window(0, 0, 150, 50);
    Window(50, 0, 50, 50);
    HDC dc = GetDC(below);
    ASSERT_NE(nullptr, dc);
    RECT box{};
    EXPECT_EQ(COMPLEXREGION, GetClipBox(dc, &box));
    EXPECT_EQ((RECT{0, 0, 150, 50}), box);
    EXPECT_EQ(COMPLEXREGION, IntersectClipRect(dc, 25, 0, 125, 50));
    EXPECT_EQ(COMPLEXREGION, GetClipBox(dc, &box));
    EXPECT_EQ((RECT{25, 0, 125, 50}), box);
    EXPECT_EQ(SIMPLEREGION, ExcludeClipRect(dc, 100, 0, 150, 50));
    EXPECT_EQ(SIMPLEREGION, GetClipBox(dc, &box));
    EXPECT_EQ((RECT{25, 0, 50, 50}), box);
    EXPECT_EQ(NULLREGION, IntersectClipRect(dc, 60, 0, 90, 50));
    ReleaseDC(below, dc);
}

} // namespace
