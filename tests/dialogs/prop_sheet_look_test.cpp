// The sheet's look: button titles and widths, placement after the framework's initialisation,
// the thin font on old systems, the Help button renumbered.
#include "dialogs_fixture.h"

#include <vector>

namespace {

using namespace dlgtest;

// Lays the standard buttons out as 100-pixel buttons with 8-pixel gaps, Help's right edge at
// 500, before the library gives them its look: the sheet of the worked example.
int CALLBACK HundredPixelButtons(HWND sheet, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED) {
        const int ids[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};
        for (int i = 0; i < 4; ++i)
            ::MoveWindow(::GetDlgItem(sheet, ids[i]), 500 - (4 - i) * 100 - (3 - i) * 8, 300, 100,
                         23, FALSE);
    }
    return 0;
}

TEST_F(DialogsTest, ButtonsOfFiftyUnitsBecomeFortyWithTheirGapsKept) {
    ASSERT_EQ(8, LOWORD(::GetDialogBaseUnits()));
    HostSheet sheet("Options", MainWindow());
    sheet.m_psh.dwFlags |= PSH_USECALLBACK;
    sheet.m_psh.pfnCallback = HundredPixelButtons;
    Open(sheet);
    // From the right, each left edge moves 20 pixels further right than the one before.
    const int ids[] = {ID_HELP, ID_APPLY_NOW, IDCANCEL, IDOK};
    const char* titles[] = {"&Help", "&Apply", "Cancel", "OK"};
    for (int slot = 1; slot <= 4; ++slot) {
        const RECT r = ChildRect(sheet, ids[slot - 1]);
        const int oldLeft = 500 - slot * 100 - (slot - 1) * 8;
        EXPECT_EQ(std::vector<LONG>({oldLeft + slot * 20, 300, 80, 23}),
                  std::vector<LONG>({r.left, r.top, r.right - r.left, r.bottom - r.top}));
        EXPECT_EQ(titles[slot - 1], TextOf(::GetDlgItem(sheet.m_hWnd, ids[slot - 1])));
    }
    EXPECT_EQ(500, ChildRect(sheet, ID_HELP).right);        // Help's right edge stays
    EXPECT_EQ(nullptr, ::GetDlgItem(sheet.m_hWnd, IDHELP)); // renumbered to ID_HELP
    sheet.DestroyWindow();
}

TEST_F(DialogsTest, SheetPlacedAfterItHasItsSize) {
    for (eWindowPositions rule : {wpCenterParent, wpCenterScreen}) {
        HostSheet sheet("Options", MainWindow(), rule);
        Open(sheet);
        CRect r, over;
        sheet.GetWindowRect(&r);
        if (rule == wpCenterParent)
            MainWindow()->GetWindowRect(&over);
        else
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
        EXPECT_NEAR(over.CenterPoint().x, r.CenterPoint().x, 1) << rule;
        EXPECT_NEAR(over.CenterPoint().y, r.CenterPoint().y, 1) << rule;
        sheet.DestroyWindow();
    }
}

HFONT FieldFont(CWnd& page) {
    return FontOf(::GetDlgItem(page.m_hWnd, IDC_NAME));
}

TEST_F(DialogsTest, OldSystemsGetTheThinFontOnSheetAndPages) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    sheet.SetActivePage(1);
    ASSERT_NE(nullptr, sheet.ThinFont());
    EXPECT_EQ(FW_NORMAL, Weight(sheet.ThinFont()));
    EXPECT_EQ(reinterpret_cast<LRESULT>(sheet.ThinFont()),
              ::SendDlgItemMessageA(sheet.m_hWnd, IDOK, WM_GETFONT, 0, 0));
    for (HostPage* page : {&general_, &spin_}) {
        ASSERT_NE(nullptr, page->ThinFont());
        EXPECT_EQ(FW_NORMAL, Weight(page->ThinFont()));
        EXPECT_EQ(FW_NORMAL, Weight(FieldFont(*page)));
    }
    // A page made later keeps its own thin font; the first page, made with the sheet, has the
    // sheet's font passed down to its controls after its own.
    EXPECT_EQ(spin_.ThinFont(), FieldFont(spin_));
    EXPECT_EQ(nullptr, advanced_.ThinFont()); // never shown
    sheet.DestroyWindow();
}

TEST_F(DialogsTest, RunTimeClassesAreTheFrameworks) {
    HostSheet sheet("Options");
    EXPECT_EQ(RUNTIME_CLASS(CPropertySheet), sheet.GetRuntimeClass());
    EXPECT_EQ(RUNTIME_CLASS(CPropertyPage), general_.GetRuntimeClass());
    EXPECT_EQ(RUNTIME_CLASS(CDialog), HostDlg(0x13, wpCascade).GetRuntimeClass());
    EXPECT_TRUE(sheet.m_psh.dwFlags & PSH_HASHELP);
}

} // namespace
