// SetWindowTextA: the new title, the caption drawn again with it, and titles of any length.
#include "dlg_fixture.h"

#include <string>

namespace {

using dlgtest::HostDlg;
using dlgtest::IDD_ASK;

// Pixels of the caption text's colour in the caption bar of an open dialog: the bar's rows
// above the client area, inside the frame, over the left two thirds (clear of its buttons).
int CaptionTextPixels(HWND hDlg) {
    desktop::PumpUntilIdle();
    RECT client;
    ::GetClientRect(hDlg, &client);
    POINT origin = {0, 0};
    ::ClientToScreen(hDlg, &origin);
    const RECT bar = {origin.x, origin.y - ::GetSystemMetrics(SM_CYCAPTION),
                      origin.x + client.right * 2 / 3, origin.y - 1};
    const COLORREF text =
        ::GetSysColor(::GetActiveWindow() == hDlg ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT);
    const desktop::Image image = desktop::ScreenImage(bar);
    int count = 0;
    for (COLORREF pixel : image.pixels)
        count += pixel == text ? 1 : 0;
    return count;
}

TEST_F(DlgTest, NewTitleIsDrawnInTheCaption) {
    HostDlg dlg(IDD_ASK, MainWindow());
    dlg.SetWindowTextA("Nowhere"); // no window yet: ignored
    OpenModeless(dlg);
    const int before = CaptionTextPixels(dlg.m_hWnd);
    ASSERT_GT(before, 0) << "the caption shows \"Ask\"";

    desktop::MessageRecorder recorder;
    recorder.Watch(dlg.m_hWnd);
    recorder.Only({WM_SETTEXT, WM_NCPAINT});
    dlg.SetWindowTextA("Ask the administrator");
    const int after = CaptionTextPixels(dlg.m_hWnd);
    const desktop::SequenceResult r = desktop::expect_sequence(
        recorder.Messages(),
        {{dlg.m_hWnd, WM_SETTEXT}, {dlg.m_hWnd, WM_NCPAINT, 0, 0}}); // the caption asked for
    EXPECT_TRUE(r.ok) << r.text;
    CString title;
    dlg.GetWindowText(title);
    EXPECT_EQ("Ask the administrator", title);
    EXPECT_GT(after, before * 3) << "a title seven times longer";

    dlg.SetWindowTextA("Ask");
    EXPECT_EQ(before, CaptionTextPixels(dlg.m_hWnd)) << "the first title, drawn as at first";
}

TEST_F(DlgTest, TitleOfAHundredKilobytesIsKeptWhole) {
    HostDlg dlg(IDD_ASK, MainWindow());
    OpenModeless(dlg);
    const std::string huge(100 * 1024, 'T');
    dlg.SetWindowTextA(huge.c_str());
    desktop::PumpUntilIdle();
    EXPECT_EQ(static_cast<int>(huge.size()), dlg.GetWindowTextLength());
    desktop::AnswerNextMessageBox(IDOK);
    EXPECT_EQ(IDOK, dlg.ShowError("Long"));
    EXPECT_EQ(huge, desktop::MessageBoxes().back().caption);
}

} // namespace
