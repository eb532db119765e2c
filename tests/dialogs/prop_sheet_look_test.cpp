// The sheet's look: button titles and widths, placement after the framework's initialisation,
// the thin font on old systems, the Help button renumbered.
#include "dialogs_fixture.h"

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
    struct Row {
        int id;
        int shift; // how far the left edge moved right
        const char* title;
    };
    for (const Row& row : {Row{ID_HELP, 20, "&Help"}, Row{ID_APPLY_NOW, 40, "&Apply"},
                           Row{IDCANCEL, 60, "Cancel"}, Row{IDOK, 80, "OK"}}) {
        const int slot = row.shift / 20;
        const int oldLeft = 500 - slot * 100 - (slot - 1) * 8;
        const RECT r = ChildRect(sheet, row.id);
        EXPECT_EQ(oldLeft + row.shift, r.left) << row.title;
        EXPECT_EQ(80, r.right - r.left) << row.title;
        EXPECT_EQ(300, r.top) << row.title;
        EXPECT_EQ(23, r.bottom - r.top) << row.title;
        EXPECT_EQ(row.title, TextOf(::GetDlgItem(sheet.m_hWnd, row.id)));
    }
    EXPECT_EQ(500, ChildRect(sheet, ID_HELP).right);        // Help's right edge stays
    EXPECT_EQ(nullptr, ::GetDlgItem(sheet.m_hWnd, IDHELP)); // renumbered to ID_HELP
    sheet.DestroyWindow();
}

TEST_F(DialogsTest, WithoutApplyTheOtherButtonsCloseUp) {
    HostSheet sheet(IDS_TITLE, MainWindow());
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    Open(sheet);
    EXPECT_EQ("Options", TextOf(sheet.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)));
    const RECT ok = ChildRect(sheet, IDOK);
    const RECT cancel = ChildRect(sheet, IDCANCEL);
    const RECT help = ChildRect(sheet, ID_HELP);
    const int gap = help.left - cancel.right;
    EXPECT_GT(gap, 0); // no overlap, and no empty place either
    EXPECT_LT(gap, 20);
    EXPECT_EQ(gap, cancel.left - ok.right);
    EXPECT_EQ(80, ok.right - ok.left);
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
