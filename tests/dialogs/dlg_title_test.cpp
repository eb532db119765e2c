// SetWindowTextA: the new title, the caption drawn again with it, and titles of any length.
#include "dialogs_fixture.h"

#include <string>

namespace {

using namespace dlgtest;

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
    int count = 0;
    for (COLORREF pixel : desktop::ScreenImage(bar).pixels)
        count += pixel == text ? 1 : 0;
    return count;
}

TEST_F(DialogsTest, NewTitleIsDrawnInTheCaption) {
    HostDlg dlg(IDD_ASK, MainWindow());
    dlg.SetWindowTextA("Nowhere"); // no window yet: ignored
    OpenModeless(dlg);
    const int before = CaptionTextPixels(dlg.m_hWnd);
    ASSERT_GT(before, 0) << "the caption shows \"Ask\"";
    dlg.SetWindowTextA("Ask the administrator");
    EXPECT_EQ("Ask the administrator", TextOf(dlg.m_hWnd));
    EXPECT_GT(CaptionTextPixels(dlg.m_hWnd), before * 3) << "a title seven times longer";
    dlg.SetWindowTextA("Ask");
    EXPECT_EQ(before, CaptionTextPixels(dlg.m_hWnd)) << "the first title, drawn as at first";

    const std::string huge(100 * 1024, 'T');
    dlg.SetWindowTextA(huge.c_str());
    EXPECT_EQ(static_cast<int>(huge.size()), dlg.GetWindowTextLength()) << "kept whole";
    desktop::AnswerNextMessageBox(IDOK);
    dlg.ShowError("Long");
    EXPECT_EQ(huge, desktop::MessageBoxes().back().caption);
}

} // namespace
