// CKFileDlg: help from the Help button (1038) and ID_HELP for the whole help identifier, the title
// set while the dialog is closed, the thin font, and the chosen path as the framework reports it.
#include "common_dlg_fixture.h"

#include <string>

namespace {

// A host's file dialog that sees its own protected state and counts its initialisations.
class HostFileDlg : public CKFileDlg {
public:
    using CKFileDlg::CKFileDlg;
    BOOL OnInitDialog() override {
        ++inits;
        return CKFileDlg::OnInitDialog();
    }
    HFONT ThinFont() const { return m_hThinFont; }
    const char* HelpFile() const { return m_szHelpFile; }
    int inits = 0;
};

constexpr const char* kFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*||";

class KFileDlgTest : public CommonDlgTest {
protected:
    std::unique_ptr<HostFileDlg> Open(DWORD flags = OFN_SHOWHELP | OFN_HIDEREADONLY,
                                      const char* filter = kFilter) {
        auto dlg = std::make_unique<HostFileDlg>(TRUE, "txt", nullptr, flags, filter, main_.get());
        dlg->m_ofn.lpstrInitialDir = "C:\\DOCS";
        return dlg;
    }
};

TEST_F(KFileDlgTest, HelpOpensTheWholeContextFromEitherHelpCommand) {
    struct Row {
        UINT helpID;
        const char* helpFile; // NULL: the library's
        bool viaHelpButton;   // 1038, else ID_HELP sent by the host
        const char* file;     // NULL: no request
    };
    for (const Row& row : {Row{0x12345, NULL, true, "C:\\APPS\\BIN\\APP.HLP"},
                           Row{0x12345, NULL, false, "C:\\APPS\\BIN\\APP.HLP"},
                           Row{0x12345, "C:\\DOCS\\MINE.HLP", true, "C:\\DOCS\\MINE.HLP"},
                           Row{0, "C:\\DOCS\\MINE.HLP", true, NULL}}) {
        desktop::ClearHelpRequests();
        auto dlg = Open();
        dlg->SetHelpID(row.helpID);
        EXPECT_TRUE(dlg->SetHelpFile(row.helpFile));
        HWND seen = NULL;
        Step([&seen, row](HWND dialog) {
            seen = dialog;
            if (row.viaHelpButton)
                ASSERT_TRUE(desktop::ClickControl(dialog, pshHelp));
            else
                ::SendMessageA(dialog, WM_COMMAND, ID_HELP, 0);
        });
        Click(IDCANCEL);
        EXPECT_EQ(IDCANCEL, dlg->DoModal());
        const auto requests = desktop::HelpRequests();
        if (row.file == NULL) {
            EXPECT_TRUE(requests.empty());
            continue;
        }
        ASSERT_EQ(1u, requests.size()) << row.helpID;
        EXPECT_EQ(seen, requests[0].hwnd);
        EXPECT_EQ(row.file, requests[0].file);
        EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command);
        EXPECT_EQ(0x12345u, requests[0].data) << "all 32 bits reach the help engine";
    }
}

TEST_F(KFileDlgTest, ATitleSetWhileClosedShowsAtTheNextOpening) {
    auto dlg = Open();
    static const char kTitle[] = "Pick a letter";
    dlg->SetWindowTextA(kTitle);
    EXPECT_EQ(NULL, dlg->m_hWnd) << "nothing was opened by setting the title";
    Step([](HWND dialog) { EXPECT_EQ("Pick a letter", TextOf(dialog)); });
    Click(IDCANCEL);
    dlg->DoModal();
    dlg->SetWindowTextA(NULL);
    Step([](HWND dialog) { EXPECT_EQ("Open", TextOf(dialog)); });
    Click(IDCANCEL);
    dlg->DoModal();
    EXPECT_EQ(2, dlg->inits) << "OnInitDialog ran at each opening";
}

TEST_F(KFileDlgTest, TheChosenPathInItsPieces) {
    auto dlg = Open(OFN_FILEMUSTEXIST, "Text files (*.txt)|*.txt"); // no final "||"
    Step([](HWND dialog) { EXPECT_EQ(1, ::SendDlgItemMessageA(dialog, cmb1, CB_GETCOUNT, 0, 0)); });
    Type("notes.doc");
    Press(VK_RETURN);
    ASSERT_EQ(IDOK, dlg->DoModal());
    EXPECT_STREQ("C:\\DOCS\\notes.doc", dlg->GetPathName());
    EXPECT_STREQ("notes.doc", dlg->GetFileName());
    EXPECT_STREQ("doc", dlg->GetFileExt());
    EXPECT_STREQ("notes", dlg->GetFileTitle());
    EXPECT_EQ(NULL, dlg->m_hWnd);
}

TEST_F(KFileDlgTest, OnOldSystemsTheDialogGetsAThinFontThatItsObjectOwns) {
    desktop::SetSystemVersion(3, 51);
    {
        auto dlg = Open();
        LONG weight = 0;
        Step([&weight](HWND dialog) {
            HFONT font = reinterpret_cast<HFONT>(
                ::SendMessageA(::GetDlgItem(dialog, edt1), WM_GETFONT, 0, 0));
            LOGFONTA description{};
            ASSERT_NE(0, ::GetObjectA(font, sizeof(description), &description));
            weight = description.lfWeight;
        });
        Click(IDCANCEL);
        dlg->DoModal();
        EXPECT_EQ(FW_NORMAL, weight);
        EXPECT_NE(nullptr, dlg->ThinFont());
    }
    EXPECT_EQ(desktop::Describe(gdiAtStart_), desktop::Describe(desktop::GdiObjectCounts()))
        << "the thin font went with its dialog";
}

TEST_F(KFileDlgTest, ANewSystemKeepsTheTemplateFont) {
    auto dlg = Open();
    Click(IDCANCEL);
    dlg->DoModal();
    EXPECT_EQ(nullptr, dlg->ThinFont());
    EXPECT_EQ(desktop::Describe(gdiAtStart_), desktop::Describe(desktop::GdiObjectCounts()));
}

TEST_F(KFileDlgTest, AHelpFileOfMaxPathCharactersIsRefused) {
    auto dlg = Open();
    EXPECT_TRUE(dlg->SetHelpFile("C:\\DOCS\\MINE.HLP"));
    const std::string tooLong = "C:\\" + std::string(MAX_PATH, 'x');
    EXPECT_FALSE(dlg->SetHelpFile(tooLong.c_str()));
    EXPECT_STREQ("C:\\DOCS\\MINE.HLP", dlg->HelpFile()) << "the file set before stays";
    const std::string longest = "C:\\" + std::string(MAX_PATH - 4, 'y');
    EXPECT_TRUE(dlg->SetHelpFile(longest.c_str()));
    EXPECT_EQ(longest, dlg->HelpFile());
}

} // namespace
