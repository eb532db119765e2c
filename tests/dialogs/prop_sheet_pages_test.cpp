// Pages in a sheet: made once visited, and what is left when a modal sheet closes.
#include "dialogs_fixture.h"

namespace {

using namespace dlgtest;

TEST_F(DialogsTest, AModalSheetLeavesNothingBehind) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT); // thin fonts are made and freed too
    MainWindow();
    const desktop::GdiCounts start = desktop::GdiObjectCounts();
    {
        // The pages own their thin fonts until they go, after the sheet.
        HostPage general(IDD_GENERAL, 3);
        HostPage spin(IDD_SPIN);
        HostPage advanced(IDD_ADVANCED);
        HostSheet sheet(IDS_TITLE, MainWindow(), 2u, wpCenterParent);
        sheet.AddPage(&general);
        sheet.AddPage(&spin);
        sheet.AddPage(&advanced);
        HWND seen = NULL;
        desktop::QueueStep([&] {
            seen = sheet.m_hWnd;
            EXPECT_EQ(&advanced, sheet.GetActivePage());
            EXPECT_FALSE(MainWindow()->IsWindowEnabled());
            desktop::PressKey(VK_TAB, {VK_CONTROL});
            desktop::PressKey(VK_RETURN);
        });
        EXPECT_EQ(IDOK, sheet.DoModal());
        EXPECT_FALSE(::IsWindow(seen));
        EXPECT_TRUE(MainWindow()->IsWindowEnabled());
    }
    EXPECT_EQ(start, desktop::GdiObjectCounts()) << desktop::Describe(desktop::GdiObjectCounts());
}

// The framework's page bookkeeping is tested with the platform; here what the library's pages
// report of it, and a sheet titled by a string that loads nothing.
TEST_F(DialogsTest, PagesExistOnceVisitedUntilRemovedOrDestroyed) {
    HostSheet sheet(12345u, MainWindow());
    EXPECT_FALSE(general_.bIsPageCreated());
    Open(sheet);
    EXPECT_EQ("", TextOf(sheet.m_hWnd));
    EXPECT_TRUE(general_.bIsPageCreated());
    EXPECT_FALSE(spin_.bIsPageCreated());
    desktop::PressKey(VK_TAB, {VK_CONTROL});
    EXPECT_TRUE(spin_.bIsPageCreated());
    EXPECT_FALSE(advanced_.bIsPageCreated());
    sheet.RemovePage(&spin_);
    EXPECT_FALSE(spin_.bIsPageCreated());
    EXPECT_EQ(&advanced_, sheet.GetActivePage());
    advanced_.DestroyWindow(); // the host destroys the page on show
    EXPECT_FALSE(advanced_.bIsPageCreated());
    EXPECT_TRUE(sheet.SetActivePage(0));
    EXPECT_TRUE(sheet.SetActivePage(1)); // made again
    EXPECT_TRUE(advanced_.bIsPageCreated());
    sheet.DestroyWindow();
    EXPECT_FALSE(general_.bIsPageCreated());
}

} // namespace
