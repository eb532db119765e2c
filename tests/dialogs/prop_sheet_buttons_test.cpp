// HideButton and ChangeButton on the standard buttons of an open sheet, and on what is not there.
#include "dialogs_fixture.h"

#include <map>

namespace {

using namespace dlgtest;

const int kOrder[] = {IDOK, IDCANCEL, ID_APPLY_NOW, ID_HELP}; // left to right

std::map<int, RECT> Buttons(CWnd& sheet) {
    std::map<int, RECT> rects;
    for (int id : kOrder)
        rects[id] = ChildRect(sheet, id);
    return rects;
}

// OK hidden: nothing moves. Otherwise each button left of the hidden one moves one place right;
// those to its right stay.
TEST_F(DialogsTest, HidingAButtonMovesEachOneToItsLeftIntoItsNeighboursPlace) {
    for (int hidden = 0; hidden < 4; ++hidden) {
        HostSheet sheet("Options", MainWindow());
        Open(sheet);
        std::map<int, RECT> before = Buttons(sheet);
        sheet.HideButton(static_cast<UINT>(kOrder[hidden]));
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, kOrder[hidden])));
        for (int i = 0; i < 4; ++i) {
            if (i == hidden)
                continue;
            const RECT expected = i < hidden ? before[kOrder[i + 1]] : before[kOrder[i]];
            EXPECT_TRUE(CRect(expected) == CRect(ChildRect(sheet, kOrder[i])))
                << "hid " << kOrder[hidden] << ", button " << kOrder[i];
            EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, kOrder[i])));
        }
        sheet.DestroyWindow();
    }
}

TEST_F(DialogsTest, HidingSkipsButtonsThatAreMissingOrHiddenAndIgnoresOthers) {
    HostSheet early("Options", MainWindow());
    early.HideButton(IDOK); // before the window: nothing
    early.ChangeButton(IDOK, 77, IDS_GO, FALSE);
    HostSheet sheet(IDS_TITLE, MainWindow());
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    Open(sheet);
    EXPECT_EQ("Options", TextOf(sheet.m_hWnd));
    std::map<int, RECT> before = Buttons(sheet);
    // Without Apply the others close up: no overlap, and no empty place either.
    const int gap = before[ID_HELP].left - before[IDCANCEL].right;
    EXPECT_TRUE(gap > 0 && gap < 20) << gap;
    EXPECT_EQ(gap, before[IDCANCEL].left - before[IDOK].right);
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)));
    for (UINT other : {UINT{IDHELP}, UINT{IDC_NAME}, 0x3020u, 12345u})
        sheet.HideButton(other);
    sheet.ChangeButton(4242, 77, IDS_GO, FALSE);
    EXPECT_EQ(nullptr, ::GetDlgItem(sheet.m_hWnd, 77));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(sheet.m_hWnd, 0x3020))); // the tab control
    for (int id : kOrder)
        EXPECT_TRUE(CRect(before[id]) == CRect(ChildRect(sheet, id))) << id;
    for (int twice = 0; twice < 2; ++twice) { // the second time nothing moves again
        sheet.HideButton(ID_HELP);
        EXPECT_TRUE(CRect(before[ID_HELP]) == CRect(ChildRect(sheet, IDCANCEL)));
        EXPECT_TRUE(CRect(before[IDCANCEL]) == CRect(ChildRect(sheet, IDOK)))
            << "Apply was skipped";
    }
    sheet.DestroyWindow();
}

TEST_F(DialogsTest, AChangedButtonSendsItsNewIdentifierToTheHost) {
    HostSheet sheet("Options", MainWindow());
    Open(sheet);
    HWND ok = ::GetDlgItem(sheet.m_hWnd, IDOK);
    sheet.ChangeButton(IDOK, ID_HOST_COMMAND, 0, FALSE);
    EXPECT_EQ("OK", TextOf(ok)); // no title asked for
    EXPECT_EQ(static_cast<int>(ID_HOST_COMMAND), ::GetDlgCtrlID(ok));
    EXPECT_FALSE(::IsWindowEnabled(ok));
    sheet.ChangeButton(ID_HOST_COMMAND, ID_HOST_COMMAND, 999, TRUE);
    EXPECT_EQ("OK", TextOf(ok)); // a title that cannot be loaded leaves the old one
    sheet.ChangeButton(ID_HOST_COMMAND, ID_HOST_COMMAND, IDS_GO, TRUE);
    EXPECT_EQ("&Go", TextOf(ok));
    ASSERT_TRUE(desktop::ClickControl(sheet.m_hWnd, ID_HOST_COMMAND));
    EXPECT_EQ(1, sheet.m_nHostCommands);
    EXPECT_NE(nullptr, sheet.GetActivePage()); // the click did not end the sheet
    sheet.DestroyWindow();
}

} // namespace
