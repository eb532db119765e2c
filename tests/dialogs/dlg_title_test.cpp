// SetWindowTextA of CDlg, CPropSheet and CPropPage: nothing before the window exists, then the
// new title and the caption asked to be drawn again (the caption's pixels are the platform's,
// tested with its frames); titles of any length.
#include "dialogs_fixture.h"

#include <string>

namespace {

using namespace dlgtest;

TEST_F(DialogsTest, NewTitlesAreSetAndTheCaptionDrawnAgain) {
    HostDlg dlg(IDD_ASK, MainWindow());
    HostSheet sheet("Options", MainWindow());
    dlg.SetWindowTextA("Early"); // no window yet: ignored
    sheet.SetWindowTextA("Early");
    general_.SetWindowTextA("Early");
    OpenModeless(dlg);
    Open(sheet);
    EXPECT_EQ("Ask", TextOf(dlg.m_hWnd));
    EXPECT_EQ("Options", TextOf(sheet.m_hWnd));
    for (CWnd* wnd :
         {static_cast<CWnd*>(&dlg), static_cast<CWnd*>(&sheet), static_cast<CWnd*>(&general_)}) {
        desktop::MessageRecorder recorder;
        recorder.Watch(wnd->m_hWnd);
        recorder.Only({WM_NCPAINT});
        if (wnd == &dlg)
            dlg.SetWindowTextA("Printer settings");
        else
            wnd == &sheet ? sheet.SetWindowTextA("Printer settings")
                          : general_.SetWindowTextA("Printer settings");
        EXPECT_EQ("Printer settings", TextOf(wnd->m_hWnd));
        desktop::PumpUntilIdle();
        EXPECT_FALSE(recorder.Messages().empty()) << "no caption drawn again";
    }
    sheet.DestroyWindow();

    const std::string huge(100 * 1024, 'T');
    dlg.SetWindowTextA(huge.c_str());
    EXPECT_EQ(static_cast<int>(huge.size()), dlg.GetWindowTextLength()) << "kept whole";
    desktop::AnswerNextMessageBox(IDOK);
    dlg.ShowError("Long");
    EXPECT_EQ(huge, desktop::MessageBoxes().back().caption);
}

} // namespace
