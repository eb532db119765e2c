// CKFileDlg and CKPrintDlg beyond help: the file dialog's title set while it is closed, and the
// thin font that old systems get and the dialog object owns.
#include "dialogs_fixture.h"

namespace {

using namespace dlgtest;

TEST_F(DialogsTest, FileDialogTitleSetWhileClosedShowsAtTheNextOpening) {
    CKFileDlg dlg(TRUE, "txt", nullptr, OFN_HIDEREADONLY, NULL, MainWindow());
    dlg.SetWindowTextA("Pick a letter");
    EXPECT_EQ(NULL, dlg.m_hWnd) << "nothing was opened by setting the title";
    for (const char* title : {"Pick a letter", "Open"}) {
        Step([title](HWND dialog) { EXPECT_EQ(title, TextOf(dialog)); });
        Click(IDCANCEL);
        dlg.DoModal();
        dlg.SetWindowTextA(NULL);
    }
}

TEST_F(DialogsTest, CommonDialogsOnOldSystemsGetAThinFontThatTheirObjectOwns) {
    MainWindow();
    gdiAtStart_ = desktop::GdiObjectCounts();
    for (DWORD major : {3u, 4u}) {
        desktop::SetSystemVersion(major, 51);
        for (bool print : {false, true}) {
            CKFileDlg file(TRUE, "txt", nullptr, OFN_HIDEREADONLY, NULL, MainWindow());
            CKPrintDlg printer(FALSE, PD_ALLPAGES, MainWindow());
            LONG weight = 0;
            Step([&weight](HWND dialog) { weight = Weight(FontOf(::GetDlgItem(dialog, IDOK))); });
            Click(IDCANCEL);
            EXPECT_EQ(IDCANCEL, print ? printer.DoModal() : file.DoModal());
            EXPECT_TRUE(major != 3 || weight == FW_NORMAL) << print;
            EXPECT_EQ(gdiAtStart_.fonts + (major == 3 ? 1 : 0), desktop::GdiObjectCounts().fonts)
                << print << ": the thin font lives with its object";
        }
        EXPECT_EQ(desktop::Describe(gdiAtStart_), desktop::Describe(desktop::GdiObjectCounts()));
    }
}

} // namespace
