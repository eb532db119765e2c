// Pages: help through the sheet's Help button, whether a page was made, what pages are told
// in order, and what is left when the sheet closes or cannot open.
#include "prop_sheet_fixture.h"

#include "frame/frame_services.h"

#include <fstream>

namespace {

using sheettest::Calls;
using sheettest::HostPage;
using sheettest::HostSheet;

class PropPageHelpTest : public PropSheetTest {
protected:
    // The library installed at C:\APPS\BIN\ with APP.HLP beside it.
    void SetUp() override {
        PropSheetTest::SetUp();
        desktop::SetModuleFileName(GetLibraryInstance(), "C:\\APPS\\BIN\\RUZAV32.DLL");
        ASSERT_TRUE(::CreateDirectoryA("C:\\APPS", NULL));
        ASSERT_TRUE(::CreateDirectoryA("C:\\APPS\\BIN", NULL));
        std::ofstream(desktop::HostPath("C:\\APPS\\BIN\\APP.HLP")) << "help";
    }
};

TEST_F(PropPageHelpTest, HelpOpensTheActivePagesContext) {
    ASSERT_TRUE(spin_.SetHelpFile("C:\\DOCS\\SPIN.HLP"));
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    struct Row {
        int page;
        const char* file; // NULL: no request
        ULONG_PTR context;
    };
    // 0x10010 reaches the help engine as 0x10; the advanced page has no help and swallows it.
    for (const Row& row : {Row{0, "C:\\APPS\\BIN\\APP.HLP", 0x10}, Row{1, "C:\\DOCS\\SPIN.HLP", 21},
                           Row{2, NULL, 0}}) {
        ASSERT_TRUE(sheet.SetActivePage(row.page));
        desktop::ClearHelpRequests();
        ASSERT_TRUE(desktop::ClickControl(sheet.m_hWnd, ID_HELP));
        const auto requests = desktop::HelpRequests();
        if (row.file == NULL) {
            EXPECT_TRUE(requests.empty());
            EXPECT_EQ(TRUE, advanced_.SendMessage(WM_COMMANDHELP, 0, 0));
            continue;
        }
        ASSERT_EQ(1u, requests.size()) << row.page;
        EXPECT_EQ(sheet.GetPage(row.page)->m_hWnd, requests[0].hwnd);
        EXPECT_EQ(row.file, requests[0].file);
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command);
        EXPECT_EQ(row.context, requests[0].data);
    }
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, HelpFileOfMaxPathCharactersIsRefused) {
    ASSERT_TRUE(general_.SetHelpFile("C:\\DOCS\\MINE.HLP"));
    const std::string longest(MAX_PATH - 1, 'A');
    EXPECT_TRUE(general_.SetHelpFile(longest.c_str()));
    EXPECT_EQ(longest, general_.HelpFile());
    const std::string tooLong(MAX_PATH, 'B');
    EXPECT_FALSE(general_.SetHelpFile(tooLong.c_str()));
    EXPECT_EQ(longest, general_.HelpFile());
    EXPECT_TRUE(general_.SetHelpFile(NULL));
    EXPECT_STREQ("", general_.HelpFile());
    general_.SetHelpID(0x12345);
    EXPECT_EQ(0x12345u, general_.GetHelpID());
}

TEST_F(PropSheetTest, PagesExistOnceVisitedAndHearTheSheetInOrder) {
    HostSheet sheet("Options", MainWindow());
    EXPECT_FALSE(general_.bIsPageCreated());
    Open(sheet);
    EXPECT_TRUE(general_.bIsPageCreated());
    EXPECT_FALSE(spin_.bIsPageCreated());
    desktop::PressKey(VK_TAB, {VK_CONTROL});
    EXPECT_TRUE(spin_.bIsPageCreated());
    EXPECT_FALSE(advanced_.bIsPageCreated());
    spin_.SetModified();
    ASSERT_TRUE(desktop::ClickControl(sheet.m_hWnd, ID_APPLY_NOW));
    desktop::PressKey(VK_ESCAPE);
    EXPECT_EQ(
        (std::vector<std::string>{"general.OnSetActive", "general.OnKillActive", "spin.OnSetActive",
                                  "spin.OnKillActive", "general.OnApply", "spin.OnApply",
                                  "spin.OnSetActive", "general.OnReset", "spin.OnReset"}),
        Calls());
    sheet.DestroyWindow();
    EXPECT_FALSE(general_.bIsPageCreated());
    general_.OnDefault(); // does nothing, with or without a window
}

TEST_F(PropSheetTest, AModalSheetLeavesNothingBehind) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT); // thin fonts are made and freed too
    MainWindow();
    const desktop::GdiCounts start = desktop::GdiObjectCounts();
    {
        // The pages own their thin fonts until they go, after the sheet.
        HostPage general(sheettest::IDD_GENERAL, "general", 3);
        HostPage spin(sheettest::IDD_SPIN, "spin");
        HostPage advanced(sheettest::IDD_ADVANCED, "advanced");
        HostSheet sheet(sheettest::IDS_TITLE, MainWindow(), 2u, wpCenterParent);
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

TEST_F(PropSheetTest, SheetsThatCannotOpenSayWhy) {
    HostSheet none("Empty", MainWindow());
    EXPECT_EQ(-1, none.DoModal());
    EXPECT_FALSE(none.Create());

    HostPage missing(999, "missing");
    HostSheet broken(12345u, MainWindow()); // a title that loads nothing
    broken.AddPage(&general_);
    broken.AddPage(&missing);
    EXPECT_EQ(-1, broken.DoModal());
    EXPECT_EQ(nullptr, broken.m_hWnd);
    EXPECT_FALSE(general_.bIsPageCreated());
    EXPECT_TRUE(MainWindow()->IsWindowEnabled());

    HostSheet untitled(12345u, MainWindow());
    untitled.AddPage(&general_);
    ASSERT_TRUE(untitled.Create());
    EXPECT_EQ("", sheettest::Title(untitled.m_hWnd));
    untitled.DestroyWindow();
}

TEST_F(PropSheetTest, RemovingOrDestroyingTheActivePageKeepsTheSheetWorking) {
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    sheet.SetActivePage(1);
    sheet.RemovePage(&spin_);
    EXPECT_FALSE(spin_.bIsPageCreated());
    EXPECT_EQ(&advanced_, sheet.GetActivePage());
    EXPECT_EQ(2, sheet.GetPageCount());

    advanced_.DestroyWindow(); // the host destroys the page on show
    EXPECT_FALSE(advanced_.bIsPageCreated());
    EXPECT_TRUE(sheet.SetActivePage(0));
    EXPECT_TRUE(sheet.SetActivePage(1)); // made again
    EXPECT_TRUE(advanced_.bIsPageCreated());
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, TitleSettersRepaintTheCaption) {
    HostSheet sheet("Options", MainWindow());
    sheet.SetWindowTextA("Early"); // no window yet: nothing
    Open(sheet);
    sheet.SetWindowTextA("Printer settings");
    EXPECT_EQ("Printer settings", sheettest::Title(sheet.m_hWnd));
    general_.SetWindowTextA("Page title");
    EXPECT_EQ("Page title", sheettest::Title(general_.m_hWnd));
    desktop::MessageRecorder recorder;
    recorder.Watch(sheet.m_hWnd);
    recorder.Only({WM_NCPAINT});
    sheet.SetWindowTextA("Again");
    desktop::PumpUntilIdle();
    EXPECT_FALSE(recorder.Messages().empty());
    sheet.DestroyWindow();
}

} // namespace
