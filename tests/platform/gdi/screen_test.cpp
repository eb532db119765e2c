// The screen framebuffer and the DCs the window manager makes on it.
#include "gdi_fixture.h"

#include "../platform/gdi/gdi_internal.h"

namespace {

class ScreenTest : public GdiTest {};

TEST_F(ScreenTest, StartsAtTheDefaultSizeInTheDesktopColour) {
    SIZE size = desktop::ScreenSize();
    EXPECT_EQ(size.cx, 1024);
    EXPECT_EQ(size.cy, 768);
    EXPECT_EQ(desktop::ScreenPixel(0, 0), RGB(0, 128, 128));
    EXPECT_EQ(desktop::ScreenPixel(1023, 767), RGB(0, 128, 128));
    EXPECT_EQ(desktop::ScreenPixel(1024, 0), CLR_INVALID);
}

TEST_F(ScreenTest, SizeCanChangeAndBadSizesAreRefused) {
    EXPECT_TRUE(desktop::SetScreenSize(640, 480));
    EXPECT_EQ(desktop::ScreenSize().cx, 640);
    EXPECT_EQ(desktop::ScreenPixel(639, 479), RGB(0, 128, 128));
    EXPECT_FALSE(desktop::SetScreenSize(0, 480));
    EXPECT_FALSE(desktop::SetScreenSize(-5, -5));
    EXPECT_EQ(desktop::ScreenSize().cx, 640);
    desktop::reset();
    EXPECT_EQ(desktop::ScreenSize().cx, 1024);
}

TEST_F(ScreenTest, WindowDCDrawsAtItsOriginInsideItsClip) {
    // A window at (100, 50), 40x30, half covered on the right by another window.
    HDC dc = gdi_internal::CreateScreenDC(POINT{100, 50}, {RECT{100, 50, 120, 80}});
    HBRUSH brush = CreateSolidBrush(kRed);
    RECT client{0, 0, 40, 30};
    FillRect(dc, &client, brush);
    EXPECT_EQ(desktop::ScreenPixel(100, 50), kRed);
    EXPECT_EQ(desktop::ScreenPixel(119, 79), kRed);
    EXPECT_EQ(desktop::ScreenPixel(120, 50), RGB(0, 128, 128));
    EXPECT_EQ(desktop::ScreenPixel(99, 50), RGB(0, 128, 128));
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 20, 30}));
    EXPECT_EQ(GetPixel(dc, 0, 0), kRed);
    EXPECT_EQ(GetPixel(dc, 25, 0), CLR_INVALID); // clipped away
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_DC));
    DeleteObject(brush);
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(ScreenTest, MovingAWindowDCRedirectsDrawing) {
    HDC dc = gdi_internal::CreateScreenDC(POINT{0, 0}, {RECT{0, 0, 10, 10}});
    ASSERT_TRUE(gdi_internal::SetScreenDCGeometry(dc, POINT{200, 200}, {RECT{200, 200, 210, 210}}));
    SetPixel(dc, 1, 1, kBlue);
    EXPECT_EQ(desktop::ScreenPixel(201, 201), kBlue);
    EXPECT_EQ(desktop::ScreenPixel(1, 1), RGB(0, 128, 128));
    DeleteDC(dc);
}

TEST_F(ScreenTest, BlitBetweenScreenAndMemory) {
    HDC screen = gdi_internal::CreateWholeScreenDC();
    HDC dc = Canvas(4, 4, kRed);
    BitBlt(screen, 10, 10, 4, 4, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(desktop::ScreenPixel(13, 13), kRed);
    BitBlt(dc, 0, 0, 4, 4, screen, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 128, 128));
    DeleteDC(screen);
}

TEST_F(ScreenTest, PermanentObjectsSurviveDeleteAndReset) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    gdi_internal::MakePermanent(brush);
    EXPECT_EQ(desktop::GdiObjectCounts(), start_);
    EXPECT_TRUE(DeleteObject(brush));
    desktop::reset();
    EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
}

TEST_F(ScreenTest, SystemColourHookColoursEdges) {
    auto previous = gdi_internal::SetSysColorHook(
        [](int index) -> COLORREF { return index == 16 ? RGB(1, 1, 1) : RGB(200, 200, 200); });
    HDC dc = Canvas(4, 4);
    RECT r{0, 0, 4, 4};
    DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(1, 1, 1));
    gdi_internal::SetSysColorHook(previous);
}

} // namespace
