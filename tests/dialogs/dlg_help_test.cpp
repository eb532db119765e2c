// Help for each kind of dialog: the request the system records for each help identifier, help
// file and command, and the help file's bound.
#include "dialogs_fixture.h"

#include <string>

namespace {

using namespace dlgtest;

// The one help request since the last call, or none when file is NULL.
void ExpectHelp(HWND hwnd, const char* file, ULONG_PTR context, const std::string& what) {
    const std::vector<desktop::HelpRequest> requests = desktop::HelpRequests();
    desktop::ClearHelpRequests();
    ASSERT_EQ(file == NULL ? 0u : 1u, requests.size()) << what;
    if (file == NULL)
        return;
    EXPECT_EQ(hwnd, requests[0].hwnd) << what;
    EXPECT_EQ(file, requests[0].file) << what;
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command) << what;
    EXPECT_EQ(context, requests[0].data) << what;
}

// CDlg and pages pass the low 16 bits of the identifier on; without a Help button the command
// comes from a menu or accelerator; no identifier, no help.
TEST_F(DialogsTest, DlgHelpOpensTheContextOfTheDialog) {
    struct Row {
        UINT helpID;
        const char* helpFile; // NULL: the library's
        const char* file;
        ULONG_PTR context;
    };
    for (const Row& row :
         {Row{0x12345, NULL, "C:\\APPS\\BIN\\APP.HLP", 0x2345},
          Row{0x12345, "C:\\DOCS\\MINE.HLP", "C:\\DOCS\\MINE.HLP", 0x2345},
          Row{77, "", "C:\\APPS\\BIN\\APP.HLP", 77}, Row{0, "C:\\DOCS\\MINE.HLP", NULL, 0}}) {
        const UINT id = row.helpID == 77 ? IDD_NO_HELP : IDD_ASK;
        HostDlg dlg(id, MainWindow(), row.helpID);
        EXPECT_TRUE(dlg.SetHelpFile(row.helpFile));
        OpenModeless(dlg, id);
        if (id == IDD_ASK)
            ASSERT_TRUE(desktop::ClickControl(dlg.m_hWnd, ID_HELP));
        else
            dlg.SendMessage(WM_COMMAND, ID_HELP, 0);
        ExpectHelp(dlg.m_hWnd, row.file, row.context, std::to_string(row.helpID));
        dlg.DestroyWindow();
    }
}

TEST_F(DialogsTest, SheetHelpOpensTheActivePagesContext) {
    ASSERT_TRUE(spin_.SetHelpFile("C:\\DOCS\\SPIN.HLP"));
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    // The advanced page has no help identifier and swallows the request.
    const char* files[] = {"C:\\APPS\\BIN\\APP.HLP", "C:\\DOCS\\SPIN.HLP", NULL};
    for (int page = 0; page < 3; ++page) {
        ASSERT_TRUE(sheet.SetActivePage(page));
        ASSERT_TRUE(desktop::ClickControl(sheet.m_hWnd, ID_HELP));
        ExpectHelp(sheet.GetPage(page)->m_hWnd, files[page], page == 0 ? 0x10 : 21,
                   "page " + std::to_string(page));
    }
    EXPECT_EQ(TRUE, advanced_.SendMessage(WM_COMMANDHELP, 0, 0));
    sheet.DestroyWindow();
}

// The common dialogs pass all 32 bits on: the file dialog from its own Help button (1038) and
// ID_HELP, the print dialog from ID_HELP only.
TEST_F(DialogsTest, CommonDialogsOpenTheWholeContext) {
    struct Row {
        bool print;
        UINT helpID;
        const char* helpFile;
        int command; // pshHelp or ID_HELP
        const char* file;
    };
    for (const Row& row : {Row{false, 0x12345, NULL, pshHelp, "C:\\APPS\\BIN\\APP.HLP"},
                           Row{false, 0x12345, "C:\\DOCS\\MINE.HLP", ID_HELP, "C:\\DOCS\\MINE.HLP"},
                           Row{false, 0, "C:\\DOCS\\MINE.HLP", pshHelp, NULL},
                           Row{true, 0x12345, NULL, pshHelp, NULL},
                           Row{true, 0x12345, NULL, ID_HELP, "C:\\APPS\\BIN\\APP.HLP"}}) {
        CKFileDlg file(TRUE, "txt", nullptr, OFN_SHOWHELP, "Text files (*.txt)|*.txt||",
                       MainWindow());
        CKPrintDlg print(FALSE, PD_ALLPAGES | PD_SHOWHELP, MainWindow());
        row.print ? print.SetHelpID(row.helpID) : file.SetHelpID(row.helpID);
        EXPECT_TRUE(row.print ? print.SetHelpFile(row.helpFile) : file.SetHelpFile(row.helpFile));
        HWND seen = NULL;
        Step([&seen, row](HWND dialog) {
            seen = dialog;
            if (row.command == pshHelp)
                ASSERT_TRUE(desktop::ClickControl(dialog, pshHelp));
            else
                ::SendMessageA(dialog, WM_COMMAND, ID_HELP, 0);
        });
        Click(IDCANCEL);
        EXPECT_EQ(IDCANCEL, row.print ? print.DoModal() : file.DoModal());
        ExpectHelp(seen, row.file, 0x12345, row.print ? "print" : "file");
    }
}

// Every dialog keeps its help file in a MAX_PATH buffer through one rule.
TEST_F(DialogsTest, HelpFileOfMaxPathCharactersIsRefused) {
    HostDlg dlg(IDD_ASK, MainWindow(), 3);
    ASSERT_TRUE(dlg.SetHelpFile("C:\\DOCS\\MINE.HLP"));
    const std::string longest(MAX_PATH - 1, 'A'); // 259 characters and the zero fill the buffer
    EXPECT_TRUE(dlg.SetHelpFile(longest.c_str()));
    EXPECT_EQ(longest, dlg.HelpFile());
    EXPECT_FALSE(dlg.SetHelpFile(std::string(MAX_PATH, 'B').c_str()));
    EXPECT_EQ(longest, dlg.HelpFile()) << "the file set before stays";
    EXPECT_FALSE(dlg.SetHelpFile(std::string(100000, 'C').c_str()));
    EXPECT_TRUE(dlg.SetHelpFile(NULL));
    EXPECT_STREQ("", dlg.HelpFile()) << "back to the library's help file";
}

} // namespace
