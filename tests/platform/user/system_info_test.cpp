// System metrics, colours, work area, string and bitmap resources, and window geometry.
#include "user_fixture.h"

#include <platform_modules.h>

#include "support/bmp_bytes.h"

namespace user_test {
namespace {

using SystemInfoTest = UserTest;

TEST_F(SystemInfoTest, ClassicMetricsByDefaultAndSettableByTheDriver) {
    struct Row {
        int index, value;
    } rows[] = {{SM_CXSCREEN, 1024}, {SM_CYSCREEN, 768}, {SM_CYCAPTION, 19},
                {SM_CYMENU, 19},     {SM_CXFRAME, 4},    {SM_CYFRAME, 4},
                {SM_CXBORDER, 1},    {SM_CXDLGFRAME, 3}, {SM_CXEDGE, 2},
                {SM_CYEDGE, 2},      {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16},
                {SM_CXICON, 32},     {SM_CYICON, 32},    {-1, 0},
                {10000, 0}};
    for (const Row& r : rows) {
        EXPECT_EQ(GetSystemMetrics(r.index), r.value) << r.index;
    }
    desktop::SetSystemMetric(SM_CYCAPTION, 25);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 25);
    HWND w = TopLevel("Big caption", 0, 0, 200, 200, WS_POPUP | WS_CAPTION);
    RECT c;
    GetClientRect(w, &c);
    EXPECT_EQ(c.bottom, 200 - 6 - 25);
    desktop::ResetSystemSettings();
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
}

TEST_F(SystemInfoTest, WorkAreaLeavesRoomForTheTaskBar) {
    RECT r{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 1024);
    EXPECT_EQ(r.bottom, 768 - 28);
    desktop::SetWorkArea(RECT{10, 20, 500, 400});
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    EXPECT_EQ(r.bottom, 400);
    EXPECT_FALSE(SystemParametersInfoA(SPI_GETWORKAREA, 0, nullptr, 0));
    EXPECT_FALSE(SystemParametersInfoA(0xFFFF, 0, &r, 0));
}

TEST_F(SystemInfoTest, ColoursAndTheirBrushesFollowTheDriver) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_ACTIVECAPTION), RGB(0, 0, 128));
    EXPECT_EQ(GetSysColor(999), 0u);
    EXPECT_EQ(GetSysColorBrush(999), nullptr);
    desktop::GdiCounts before = desktop::GdiObjectCounts();
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face);
    EXPECT_TRUE(DeleteObject(face)); // permanent: "deleting" it changes nothing
    EXPECT_EQ(desktop::GdiObjectCounts(), before);
    desktop::SetSystemColor(COLOR_BTNFACE, RGB(1, 2, 3));
    LOGBRUSH lb{};
    GetObjectA(GetSysColorBrush(COLOR_BTNFACE), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
}

// Cutting and missing strings: tests/conformance/resources.cpp; here what no caller may pass.
TEST_F(SystemInfoTest, LoadStringRefusesMissingBuffersAndFindsTheHostByNull) {
    resources::AddString(GetModuleHandleA(nullptr), 7, "Percent done");
    char big[32];
    EXPECT_EQ(LoadStringA(nullptr, 7, big, sizeof big), 12);
    EXPECT_EQ(LoadStringA(nullptr, 7, nullptr, 10), 0);
    EXPECT_EQ(LoadStringA(nullptr, 7, big, 0), 0);
}

// By number, with its pixels, and a missing one: tests/conformance/resources.cpp.
TEST_F(SystemInfoTest, LoadBitmapFindsNamesIgnoringCase) {
    HINSTANCE host = GetModuleHandleA(nullptr);
    resources::AddBitmap(host, "ARROWS", test_support::BmpBytes(2, 1, RGB(0, 0, 255)));
    HBITMAP b = LoadBitmapA(host, "arrows");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(desktop::BitmapImage(b).width, 2);
    DeleteObject(b);
    EXPECT_EQ(LoadBitmapA(host, nullptr), nullptr);
}

TEST_F(SystemInfoTest, MovingAndSizingReportClientPositionAndSize) {
    HWND top = TopLevel("Top", 100, 50, 300, 200, WS_POPUP | WS_BORDER | WS_VISIBLE);
    HWND child = Child(top, 1, 10, 20, 50, 30);
    desktop::MessageRecorder rec;
    rec.Watch(child);
    rec.Only({WM_MOVE, WM_SIZE});
    MoveWindow(child, 15, 25, 60, 40, TRUE);
    EXPECT_SEQUENCE(rec, {{child, WM_MOVE, 0, MAKELPARAM(15, 25)},
                          {child, WM_SIZE, SIZE_RESTORED, MAKELPARAM(60, 40)}});
    rec.Clear();
    SetWindowPos(child, nullptr, 0, 0, 70, 40, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_SEQUENCE(rec, {{child, WM_SIZE, SIZE_RESTORED, MAKELPARAM(70, 40)}});

    RECT wr;
    GetWindowRect(child, &wr);
    EXPECT_EQ(wr.left, 100 + 1 + 15); // the parent's border lies between
    EXPECT_EQ(wr.top, 50 + 1 + 25);
    POINT p{1, 2};
    MapWindowPoints(child, top, &p, 1);
    EXPECT_EQ(p.x, 16);
    EXPECT_EQ(p.y, 27);
    POINT s{116, 76};
    EXPECT_EQ(WindowFromPoint(s), child);
    ScreenToClient(child, &s);
    EXPECT_EQ(s.x, 0);
}

TEST_F(SystemInfoTest, VisibilityNeedsEveryAncestorAndShowWindowTellsTheWindow) {
    HWND top = TopLevel("Top", 0, 0, 100, 100, WS_POPUP);
    HWND child = Child(top, 1);
    EXPECT_FALSE(IsWindowVisible(child)); // its parent is hidden
    desktop::MessageRecorder rec;
    rec.Watch(top);
    rec.Only({WM_SHOWWINDOW});
    EXPECT_FALSE(ShowWindow(top, SW_SHOW));
    EXPECT_TRUE(ShowWindow(top, SW_SHOW));
    EXPECT_SEQUENCE(rec, {{top, WM_SHOWWINDOW, TRUE}}); // once: the second changed nothing
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(GetActiveWindow(), top);
    EnableWindow(child, FALSE);
    EXPECT_FALSE(IsWindowEnabled(child));
    EXPECT_TRUE(GetWindowLongA(child, GWL_STYLE) & WS_DISABLED);
}

} // namespace
} // namespace user_test
