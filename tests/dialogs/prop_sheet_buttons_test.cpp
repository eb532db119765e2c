// HideButton and ChangeButton on the standard buttons of an open sheet, and on what is not there.
#include "prop_sheet_fixture.h"

#include <map>

namespace {

using sheettest::ButtonRect;
using sheettest::HostSheet;
using sheettest::Title;

bool Same(const RECT& a, const RECT& b) {
    return ::EqualRect(&a, &b) != FALSE;
}

TEST_F(PropSheetTest, HidingAButtonMovesEachOneToItsLeftIntoItsNeighboursPlace) {
    const int order[] = {IDOK, IDCANCEL, ID_APPLY_NOW, ID_HELP}; // left to right
    for (int hidden = 0; hidden < 4; ++hidden) {
        HostSheet sheet("Options", MainWindow());
        Open(sheet);
        std::map<int, RECT> before;
        for (int id : order)
            before[id] = ButtonRect(sheet, id);
        sheet.HideButton(static_cast<UINT>(order[hidden]));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, order[hidden])));
        for (int i = 0; i < 4; ++i) {
            if (i == hidden)
                continue;
            // OK hidden: nothing moves. Otherwise each button left of the hidden one moves one
            // place right; those to its right stay.
            const RECT expected =
                (i < hidden && hidden > 0) ? before[order[i + 1]] : before[order[i]];
            EXPECT_TRUE(Same(expected, ButtonRect(sheet, order[i])))
                << "hid " << order[hidden] << ", button " << order[i];
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, order[i])));
        }
        sheet.DestroyWindow();
    }
}

TEST_F(PropSheetTest, HidingSkipsButtonsThatAreMissingOrHidden) {
    HostSheet sheet("Options", MainWindow());
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    Open(sheet);
    const RECT help = ButtonRect(sheet, ID_HELP);
    const RECT cancel = ButtonRect(sheet, IDCANCEL);
    sheet.HideButton(ID_HELP);
    EXPECT_TRUE(Same(help, ButtonRect(sheet, IDCANCEL)));
    EXPECT_TRUE(Same(cancel, ButtonRect(sheet, IDOK)));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)));

    sheet.HideButton(ID_HELP); // already hidden: nothing moves again
    EXPECT_TRUE(Same(help, ButtonRect(sheet, IDCANCEL)));
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, HidingAnythingElseOrBeforeTheWindowDoesNothing) {
    HostSheet early("Options", MainWindow());
    early.HideButton(IDOK);
    early.ChangeButton(IDOK, 77, sheettest::IDS_GO, FALSE);

    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    const int ids[] = {IDOK, IDCANCEL, ID_APPLY_NOW, ID_HELP};
    std::map<int, RECT> before;
    for (int id : ids)
        before[id] = ButtonRect(sheet, id);
    for (UINT other : {static_cast<UINT>(IDHELP), sheettest::IDC_FIELD, 0x3020u, 12345u})
        sheet.HideButton(other);
    for (int id : ids) {
        EXPECT_TRUE(Same(before[id], ButtonRect(sheet, id))) << id;
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, id))) << id;
    }
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, 0x3020))); // the tab control
    sheet.ChangeButton(4242, 77, sheettest::IDS_GO, FALSE);
    EXPECT_EQ(nullptr, ::GetDlgItem(sheet.m_hWnd, 77));
    sheet.DestroyWindow();
}

TEST_F(PropSheetTest, AChangedButtonSendsItsNewIdentifierToTheHost) {
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    HWND ok = ::GetDlgItem(sheet.m_hWnd, IDOK);
    sheet.ChangeButton(IDOK, sheettest::ID_HOST_COMMAND, 0, FALSE);
    EXPECT_EQ("OK", Title(ok)); // no title asked for
    EXPECT_EQ(static_cast<int>(sheettest::ID_HOST_COMMAND), ::GetDlgCtrlID(ok));
    EXPECT_FALSE(::IsWindowEnabled(ok));

    sheet.ChangeButton(sheettest::ID_HOST_COMMAND, sheettest::ID_HOST_COMMAND, 999, TRUE);
    EXPECT_EQ("OK", Title(ok)); // a title that cannot be loaded leaves the old one
    sheet.ChangeButton(sheettest::ID_HOST_COMMAND, sheettest::ID_HOST_COMMAND, sheettest::IDS_GO,
                       TRUE);
    EXPECT_EQ("&Go", Title(ok));
    ASSERT_TRUE(desktop::ClickControl(sheet.m_hWnd, sheettest::ID_HOST_COMMAND));
    EXPECT_EQ(1, sheet.m_nHostCommands);
    EXPECT_NE(nullptr, sheet.GetActivePage()); // the click did not end the sheet
    EXPECT_TRUE(sheettest::Calls().empty() || sheettest::Calls().back() == "general.OnSetActive");
    sheet.DestroyWindow();
}

} // namespace
