// The extended status bar's panes: widths and identifiers from the records, pane 0's stretch,
// clicks that post the pane's message, the bitmap pane by pixels, what the bar releases, and
// bad input.
#include "status_host.h"

namespace {

using namespace status_test;

using Panes = StatusBarTest;

struct PaneInfo {
    UINT id;
    UINT style;
    int width;
};

PaneInfo Info(CStatusBar& bar, int i) {
    PaneInfo p{0, 0, 0};
    bar.GetPaneInfo(i, p.id, p.style, p.width);
    return p;
}

TEST_F(Panes, WidthsAndIdentifiersFollowTheRecords) {
    MakeFrame();
    CTestBar& bar = frame->m_bar;
    ASSERT_TRUE(bar.AddPane(ID_INDICATOR_CAPS, 0, 0x9000)); // width 0: the framework's (-1)
    ASSERT_TRUE(bar.AddPane(ID_INDICATOR_NUM, 50, 0x9001)); // a width: the message is its ID
    ASSERT_TRUE(bar.AddPane(0, 0, 0));                      // an empty pane
    ASSERT_EQ(bar.GetCount(), 4);
    struct Row {
        int pane;
        UINT id;
        UINT style;
        int width;
    };
    for (Row row : {Row{0, 0, SBPS_STRETCH, 1024 / 8}, Row{1, ID_INDICATOR_CAPS, 0, -1},
                    Row{2, 0x9001, SBPS_NORMAL, 50}, Row{3, 0, 0, 1024 / 4}}) {
        PaneInfo p = Info(bar, row.pane);
        EXPECT_EQ(p.id, row.id) << "pane " << row.pane;
        EXPECT_EQ(p.style & ~SBPS_DISABLED, row.style) << "pane " << row.pane;
        EXPECT_TRUE(row.width < 0 ? p.width > 0 : p.width == row.width) << "pane " << row.pane;
    }
    EXPECT_EQ(static_cast<LPCSTR>(bar.GetPaneText(1)), std::string("CAP"));
    // Pane 0 takes the free width: the panes end at the bar's right border.
    CRect client;
    bar.GetClientRect(&client);
    EXPECT_EQ(ItemRect(3).right, client.right - 2);
    EXPECT_GT(ItemRect(0).Width(), 1024 / 8);
}

TEST_F(Panes, ClicksPostThePanesMessageAndTheBarsOwnHandlingFollows) {
    MakeFrame();
    CTestBar& bar = frame->m_bar;
    bar.AddPane(0, 60, WM_PANE_CLICK);
    bar.AddPane(ID_INDICATOR_CAPS, 0, 0);
    struct Row {
        const char* where;
        CPoint point;
        WPARAM posts; // the key flags that travel with the message; 0: nothing posted
    };
    CRect r1 = ItemRect(1), r2 = ItemRect(2);
    for (Row row : {Row{"pane with a message", r1.CenterPoint(), MK_LBUTTON},
                    Row{"with Shift held", r1.CenterPoint(), MK_LBUTTON | MK_SHIFT},
                    Row{"pane without one", r2.CenterPoint(), 0},
                    Row{"the border left of every pane", CPoint(0, r1.top + 2), 0}}) {
        frame->m_clicks.clear();
        int before = bar.m_nDefaultButtonDowns;
        if (row.posts & MK_SHIFT)
            desktop::KeyDown(VK_SHIFT);
        desktop::ClickWindow(bar.m_hWnd, row.point);
        if (row.posts & MK_SHIFT)
            desktop::KeyUp(VK_SHIFT);
        ASSERT_EQ(frame->m_clicks.size(), row.posts ? 1u : 0u) << row.where;
        EXPECT_TRUE(!row.posts || frame->m_clicks[0].wParam == row.posts) << row.where;
        EXPECT_TRUE(!row.posts || frame->m_clicks[0].lParam == 0) << row.where;
        EXPECT_EQ(bar.m_nDefaultButtonDowns, before + 1) << row.where;
    }
}

TEST_F(Panes, TheBitmapIsCentredInTheLastPaneAndThePaneShowsAroundIt) {
    resources::AddBitmap(host, MAKEINTRESOURCEA(300),
                         test_support::BmpBytes(16, 16, RGB(255, 0, 0)));
    MakeFrame();
    CTestBar& bar = frame->m_bar;
    bar.AddPane(ID_INDICATOR_CAPS, 0, 0);
    bar.SetBitmapResource(300, 36, WM_BITMAP_CLICK);
    ASSERT_TRUE(bar.m_bBitmapPane);
    ASSERT_EQ(bar.GetCount(), 3);
    EXPECT_EQ(Info(bar, 2).style, static_cast<UINT>(SBPS_DISABLED));
    CRect shrunk = ItemRect(2);
    shrunk.DeflateRect(1, 1);
    ASSERT_EQ(shrunk.Width(), 40);
    ASSERT_EQ(shrunk.Height(), 18);
    const COLORREF red = RGB(255, 0, 0), face = ::GetSysColor(COLOR_BTNFACE);
    HWND h = bar.m_hWnd;
    // The image spans (+12, +1) to (+27, +16) of the shrunk rectangle.
    EXPECT_EQ(desktop::WindowPixel(h, shrunk.left + 12, shrunk.top + 1), red);
    EXPECT_EQ(desktop::WindowPixel(h, shrunk.left + 27, shrunk.top + 16), red);
    EXPECT_EQ(desktop::WindowPixel(h, shrunk.left + 11, shrunk.top + 8), face);
    EXPECT_EQ(desktop::WindowPixel(h, shrunk.left + 28, shrunk.top + 8), face)
        << "right of the bitmap the pane shows its own face";
    EXPECT_EQ(desktop::WindowPixel(h, shrunk.left + 20, shrunk.top + 17), face);
    // A click on it posts its message.
    desktop::ClickWindow(h, shrunk.CenterPoint());
    ASSERT_EQ(frame->m_clicks.size(), 1u);
    EXPECT_EQ(frame->m_clicks[0].message, WM_BITMAP_CLICK);
    // A pane added later goes before the bitmap pane, which stays last.
    bar.AddPane(ID_INDICATOR_NUM, 0, 0);
    EXPECT_EQ(bar.GetCount(), 4);
    EXPECT_EQ(Info(bar, 2).id, static_cast<UINT>(ID_INDICATOR_NUM));
    EXPECT_EQ(Info(bar, 3).style, static_cast<UINT>(SBPS_DISABLED));
}

TEST_F(Panes, ABitmapLargerThanThePaneStartsAtItsCornerAndStaysInside) {
    MakeFrame();
    CTestBar& bar = frame->m_bar;
    HDC screen = ::GetDC(NULL);
    HBITMAP big = ::CreateCompatibleBitmap(screen, 60, 40);
    ::ReleaseDC(NULL, screen);
    bar.SetBitmapHandle(big, 20, 0);
    CRect shrunk = ItemRect(1);
    shrunk.DeflateRect(1, 1);
    HWND h = bar.m_hWnd;
    EXPECT_EQ(desktop::WindowPixel(h, shrunk.left, shrunk.top), RGB(0, 0, 0));
    EXPECT_EQ(desktop::WindowPixel(h, shrunk.right - 1, shrunk.bottom - 1), RGB(0, 0, 0));
    EXPECT_NE(desktop::WindowPixel(h, shrunk.right + 1, shrunk.top), RGB(0, 0, 0));
}

TEST_F(Panes, FontsBitmapsAndRecordsGoWithTheBar) {
    desktop::GdiCounts before = desktop::GdiObjectCounts();
    {
        CTestBar bar;
        CWnd parent;
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "p",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL));
        ASSERT_TRUE(bar.Create(&parent));
        HDC screen = ::GetDC(NULL);
        bar.SetBitmapHandle(::CreateCompatibleBitmap(screen, 8, 8), 20, 0);
        // A second handle replaces the first, which the bar deletes.
        bar.SetBitmapHandle(::CreateCompatibleBitmap(screen, 8, 8), 24, 0);
        ::ReleaseDC(NULL, screen);
        EXPECT_EQ(bar.GetCount(), 2) << "still one bitmap pane";
        EXPECT_EQ(Info(bar, 1).width, 24);
        desktop::GdiCounts during = desktop::GdiObjectCounts();
        EXPECT_EQ(during.fonts, before.fonts + 1) << desktop::Describe(during);
        EXPECT_EQ(during.bitmaps, before.bitmaps + 1) << desktop::Describe(during);
        desktop::PumpUntilIdle();
        parent.DestroyWindow();
    }
    desktop::GdiCounts after = desktop::GdiObjectCounts();
    EXPECT_EQ(after, before) << desktop::Describe(after);
}

TEST_F(Panes, BadInputIsRefusedWithoutHarm) {
    CTestBar lone;
    EXPECT_FALSE(lone.AddPane(0, 10, 0)) << "no window yet";
    EXPECT_EQ(lone.GetPane(0), nullptr);
    lone.SetBitmapResource(300, 20, 0);
    EXPECT_FALSE(lone.m_bBitmapPane);

    resources::AddString(host, 301, "not a bitmap");
    MakeFrame();
    CTestBar& bar = frame->m_bar;
    EXPECT_NE(bar.GetPane(0), nullptr);
    EXPECT_EQ(bar.GetPane(1), nullptr);
    EXPECT_EQ(bar.GetPane(-1), nullptr);
    bar.SetBitmapResource(300, 20, 0); // no such resource
    bar.SetBitmapResource(301, 20, 0); // a string, not a bitmap
    bar.SetBitmapHandle(NULL, 20, 0);
    bar.SetBitmapHandle(reinterpret_cast<HBITMAP>(::GetStockObject(WHITE_BRUSH)), 20, 0);
    EXPECT_FALSE(bar.m_bBitmapPane);
    EXPECT_EQ(bar.GetCount(), 1);
    // An indicator with no string still gets its (empty) pane.
    EXPECT_TRUE(bar.AddPane(0x7777, 0, 0));
    EXPECT_EQ(bar.GetCount(), 2);
    EXPECT_EQ(Info(bar, 1).width, 0);
    // SetHeight changes nothing.
    CRect before, after;
    bar.GetWindowRect(&before);
    bar.SetHeight(100);
    desktop::PumpUntilIdle();
    bar.GetWindowRect(&after);
    EXPECT_EQ(before, after);
}

} // namespace
