// The Help button: the help request the system records for each help identifier and help file.
#include "dlg_fixture.h"

#include "frame/frame_services.h"

#include <fstream>
#include <string>

namespace {

using dlgtest::HostDlg;
using dlgtest::IDD_ASK;

class DlgHelpTest : public DlgTest {
protected:
    // The library installed at C:\APPS\BIN\ with APP.HLP beside it.
    void SetUp() override {
        DlgTest::SetUp();
        desktop::SetModuleFileName(GetLibraryInstance(), "C:\\APPS\\BIN\\RUZAV32.DLL");
        ASSERT_TRUE(::CreateDirectoryA("C:\\APPS", NULL));
        ASSERT_TRUE(::CreateDirectoryA("C:\\APPS\\BIN", NULL));
        std::ofstream(desktop::HostPath("C:\\APPS\\BIN\\APP.HLP")) << "help";
    }
};

TEST_F(DlgHelpTest, HelpButtonOpensTheContextOfTheDialog) {
    struct Row {
        UINT helpID;
        const char* helpFile; // NULL: the library's
        const char* file;     // the file asked for; NULL: no request
        ULONG_PTR context;
    };
    // Only the low 16 bits of the identifier reach the help engine. Without a Help button the
    // command comes from a menu or accelerator.
    for (const Row& row :
         {Row{0x12345, NULL, "C:\\APPS\\BIN\\APP.HLP", 0x2345},
          Row{0x12345, "C:\\DOCS\\MINE.HLP", "C:\\DOCS\\MINE.HLP", 0x2345},
          Row{77, "", "C:\\APPS\\BIN\\APP.HLP", 77}, Row{0, "C:\\DOCS\\MINE.HLP", NULL, 0}}) {
        desktop::ClearHelpRequests();
        const UINT id = row.helpID == 77 ? dlgtest::IDD_NO_HELP : IDD_ASK;
        HostDlg dlg(id, MainWindow(), row.helpID);
        EXPECT_TRUE(dlg.SetHelpFile(row.helpFile));
        OpenModeless(dlg, id);
        if (id == IDD_ASK)
            ASSERT_TRUE(desktop::ClickControl(dlg.m_hWnd, ID_HELP));
        else
            dlg.SendMessage(WM_COMMAND, ID_HELP, 0);
        const std::vector<desktop::HelpRequest> requests = desktop::HelpRequests();
        if (row.file == NULL) {
            EXPECT_TRUE(requests.empty()) << "no help identifier, no help";
        } else {
            ASSERT_EQ(1u, requests.size()) << row.helpID;
            EXPECT_EQ(dlg.m_hWnd, requests[0].hwnd);
            EXPECT_EQ(row.file, requests[0].file);
            EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command);
            EXPECT_EQ(row.context, requests[0].data);
        }
        dlg.DestroyWindow();
    }
}

TEST_F(DlgHelpTest, HelpFileOfMaxPathCharactersIsRefused) {
    HostDlg dlg(IDD_ASK, MainWindow(), 3);
    ASSERT_TRUE(dlg.SetHelpFile("C:\\DOCS\\MINE.HLP"));
    const std::string longest(MAX_PATH - 1, 'A'); // 259 characters and the zero fill the buffer
    EXPECT_TRUE(dlg.SetHelpFile(longest.c_str()));
    EXPECT_EQ(longest, dlg.HelpFile());
    const std::string tooLong(MAX_PATH, 'B');
    EXPECT_FALSE(dlg.SetHelpFile(tooLong.c_str()));
    EXPECT_EQ(longest, dlg.HelpFile()) << "the file set before stays";
    EXPECT_FALSE(dlg.SetHelpFile(std::string(100000, 'C').c_str()));
    EXPECT_TRUE(dlg.SetHelpFile(NULL));
    EXPECT_STREQ("", dlg.HelpFile()) << "back to the library's help file";
}

} // namespace
