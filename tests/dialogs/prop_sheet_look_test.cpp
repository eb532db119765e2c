// The sheet's look: button titles and widths, placement after the framework's initialisation,
// the thin font on old systems, the Help button renumbered.
#include "prop_sheet_fixture.h"

namespace {

using sheettest::ButtonRect;
using sheettest::HostSheet;
using sheettest::Title;

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

TEST_F(PropSheetTest, ButtonsOfFiftyUnitsBecomeFortyWithTheirGapsKept) {
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
        const RECT r = ButtonRect(sheet, row.id);
        EXPECT_EQ(oldLeft + row.shift, r.left) << row.title;
        EXPECT_EQ(80, r.right - r.left) << row.title;
        EXPECT_EQ(300, r.top) << row.title;
        EXPECT_EQ(23, r.bottom - r.top) << row.title;
        EXPECT_EQ(row.title, Title(::GetDlgItem(sheet.m_hWnd, row.id)));
    }
    EXPECT_EQ(500, ButtonRect(sheet, ID_HELP).right); // Help's right edge stays
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, TheSystemsLayoutStaysRightAlignedWithItsGaps) {
    CPropertySheet plain("Plain", MainWindow());
    HostSheet sheet("Options", MainWindow());
    for (CPropertySheet* s :
         {static_cast<CPropertySheet*>(&plain), static_cast<CPropertySheet*>(&sheet)}) {
        s->m_psh.dwFlags |= PSH_HASHELP;
    }
    CPropertyPage one(sheettest::IDD_GENERAL);
    plain.AddPage(&one);
    ASSERT_TRUE(plain.Create());
    Open(sheet);
    const RECT before[] = {ButtonRect(plain, IDOK), ButtonRect(plain, IDCANCEL),
                           ButtonRect(plain, ID_APPLY_NOW), ButtonRect(plain, IDHELP)};
    const RECT after[] = {ButtonRect(sheet, IDOK), ButtonRect(sheet, IDCANCEL),
                          ButtonRect(sheet, ID_APPLY_NOW), ButtonRect(sheet, ID_HELP)};
    EXPECT_EQ(before[3].right, after[3].right);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(80, after[i].right - after[i].left) << i;
        if (i > 0) {
            EXPECT_EQ(before[i].left - before[i - 1].right, after[i].left - after[i - 1].right);
        }
    }
    EXPECT_EQ(nullptr, ::GetDlgItem(sheet.m_hWnd, IDHELP)); // renumbered to ID_HELP
    plain.DestroyWindow();
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, WithoutApplyTheOtherButtonsCloseUp) {
    HostSheet sheet(sheettest::IDS_TITLE, MainWindow());
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    Open(sheet);
    EXPECT_EQ("Options", Title(sheet.m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)));
    const RECT ok = ButtonRect(sheet, IDOK);
    const RECT cancel = ButtonRect(sheet, IDCANCEL);
    const RECT help = ButtonRect(sheet, ID_HELP);
    const int gap = help.left - cancel.right;
    EXPECT_GT(gap, 0); // no overlap, and no empty place either
    EXPECT_LT(gap, 20);
    EXPECT_EQ(gap, cancel.left - ok.right);
    EXPECT_EQ(80, ok.right - ok.left);
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, PlacedAfterItHasItsSize) {
    struct Row {
        eWindowPositions rule;
        bool overParent; // else centred in the work area
    };
    for (const Row& row : {Row{wpCenterParent, true}, Row{wpCenterScreen, false}}) {
        HostSheet sheet("Options", MainWindow(), row.rule);
        EXPECT_EQ(row.rule, sheet.Position());
        Open(sheet);
        RECT r{};
        sheet.GetWindowRect(&r);
        RECT over{};
        if (row.overParent)
            MainWindow()->GetWindowRect(&over);
        else
            ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &over, 0);
        EXPECT_NEAR((over.left + over.right) / 2, (r.left + r.right) / 2, 1) << row.rule;
        EXPECT_NEAR((over.top + over.bottom) / 2, (r.top + r.bottom) / 2, 1) << row.rule;
        sheet.DestroyWindow();
    }
}

LONG Weight(HFONT font) {
    LOGFONTA lf{};
    return ::GetObjectA(font, sizeof lf, &lf) != 0 ? lf.lfWeight : -1;
}

HFONT FieldFont(CWnd& page) {
    return reinterpret_cast<HFONT>(
        ::SendDlgItemMessageA(page.m_hWnd, sheettest::IDC_FIELD, WM_GETFONT, 0, 0));
}

TEST_F(PropSheetTest, OldSystemsGetTheThinFontOnSheetAndPages) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    sheet.SetActivePage(1);
    ASSERT_NE(nullptr, sheet.ThinFont());
    EXPECT_EQ(FW_NORMAL, Weight(sheet.ThinFont()));
    EXPECT_EQ(reinterpret_cast<LRESULT>(sheet.ThinFont()),
              ::SendDlgItemMessageA(sheet.m_hWnd, IDOK, WM_GETFONT, 0, 0));
    for (sheettest::HostPage* page : {&general_, &spin_}) {
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

TEST_F(PropSheetTest, NewSystemsKeepTheDialogFont) {
    desktop::SetSystemVersion(4, 0, VER_PLATFORM_WIN32_NT);
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    sheet.SetActivePage(1);
    EXPECT_EQ(nullptr, sheet.ThinFont());
    EXPECT_EQ(nullptr, general_.ThinFont());
    EXPECT_EQ(nullptr, spin_.ThinFont());
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, RunTimeClassesAreTheFrameworks) {
    HostSheet sheet("Options");
    EXPECT_EQ(RUNTIME_CLASS(CPropertySheet), sheet.GetRuntimeClass());
    EXPECT_EQ(RUNTIME_CLASS(CPropertyPage), general_.GetRuntimeClass());
    EXPECT_TRUE(sheet.m_psh.dwFlags & PSH_HASHELP);
}

} // namespace
