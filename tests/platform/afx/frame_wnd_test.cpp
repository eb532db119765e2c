// Frame windows with a menu and a status bar: layout of the bar, the idle prompt, menu prompts,
// command routing with update handlers, accelerators through the pump, indicator panes at idle
// time, and a frame destroyed from its own command. The host's idle prompt:
// tests/status/idle_messages_test.cpp.
#include "afx_fixture.h"

#include <afxext.h>
#include <afxpriv.h>

#include <string>
#include <vector>

namespace {

constexpr UINT ID_TEST_NEW = 0x8001, ID_TEST_OPEN = 0x8002, ID_TEST_CLOSE = 0x8003;

class CTestFrame : public CFrameWnd {
public:
    CStatusBar m_wndStatusBar;
    std::vector<UINT> m_commands;
    BOOL m_bOpenEnabled = FALSE;
    BOOL m_bNewChecked = TRUE;

    void OnNew() { m_commands.push_back(ID_TEST_NEW); }
    void OnOpen() { m_commands.push_back(ID_TEST_OPEN); }
    void OnCloseFrame() { DestroyWindow(); }
    void OnUpdateOpen(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bOpenEnabled); }
    void OnUpdateNew(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bNewChecked); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
ON_COMMAND(ID_TEST_NEW, OnNew)
ON_COMMAND(ID_TEST_OPEN, OnOpen)
ON_COMMAND(ID_TEST_CLOSE, OnCloseFrame)
ON_UPDATE_COMMAND_UI(ID_TEST_OPEN, OnUpdateOpen)
ON_UPDATE_COMMAND_UI(ID_TEST_NEW, OnUpdateNew)
END_MESSAGE_MAP()

const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};

class FrameWndTest : public AfxTest {
protected:
    HINSTANCE host = ::GetModuleHandleA(NULL);
    HMENU file = NULL, bar = NULL;
    HWND hFrame = NULL;

    void SetUp() override {
        AfxTest::SetUp();
        resources::AddString(host, ID_INDICATOR_CAPS, "CAP");
        resources::AddString(host, ID_INDICATOR_NUM, "NUM");
        resources::AddString(host, ID_TEST_NEW, "Makes a new document\nNew");
        resources::AddString(host, ID_TEST_OPEN, "Opens a document");
    }

    // A frame (it deletes itself with its window) with File: New, Open, Close and a status bar.
    CTestFrame* MakeFrame() {
        CTestFrame* pFrame = new CTestFrame;
        EXPECT_TRUE(pFrame->Create(NULL, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(50, 50, 450, 350)));
        file = ::CreatePopupMenu();
        ::AppendMenuA(file, MF_STRING, ID_TEST_NEW, "&New");
        ::AppendMenuA(file, MF_STRING, ID_TEST_OPEN, "&Open");
        ::AppendMenuA(file, MF_STRING, ID_TEST_CLOSE, "&Close");
        bar = ::CreateMenu();
        ::AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
        ::SetMenu(pFrame->m_hWnd, bar);
        EXPECT_TRUE(pFrame->m_wndStatusBar.Create(pFrame));
        EXPECT_TRUE(pFrame->m_wndStatusBar.SetIndicators(kIndicators, 3));
        hFrame = pFrame->m_hWnd;
        desktop::PumpUntilIdle();
        return pFrame;
    }

    static std::string Pane(CTestFrame* pFrame, int i) {
        return static_cast<LPCSTR>(pFrame->m_wndStatusBar.GetPaneText(i));
    }
};

// Where the bar sits in a new frame: tests/status; here it follows the frame as it grows.
TEST_F(FrameWndTest, TheStatusBarFollowsTheFramesBottomEdgeAndWidth) {
    CTestFrame* pFrame = MakeFrame();
    pFrame->MoveWindow(50, 50, 600, 400);
    desktop::PumpUntilIdle();
    CRect client, barRect;
    pFrame->GetClientRect(&client);
    pFrame->m_wndStatusBar.GetWindowRect(&barRect);
    pFrame->ScreenToClient(&barRect);
    EXPECT_EQ(barRect.bottom, client.bottom);
    EXPECT_EQ(barRect.right, client.right);
}

TEST_F(FrameWndTest, MenuSelectionsWritePromptsAndTheCloseWritesTheIdlePrompt) {
    CTestFrame* pFrame = MakeFrame();
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_NEW, MF_HILITE), (LPARAM)file);
    EXPECT_EQ(Pane(pFrame, 0), "Makes a new document") << "the prompt ends at the newline";
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_CLOSE, MF_HILITE), (LPARAM)file);
    EXPECT_EQ(Pane(pFrame, 0), "") << "a command without a string has an empty prompt";
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(Pane(pFrame, 0), "Ready");
    pFrame->SetMessageText("Some text");
    EXPECT_EQ(Pane(pFrame, 0), "Some text");
}

TEST_F(FrameWndTest, PromptsReachPaneZeroWhileTheMenuIsOpen) {
    CTestFrame* pFrame = MakeFrame();
    std::vector<std::string> seen; // File (a pop-up has no prompt), New, Open
    for (UINT key : {VK_DOWN, VK_DOWN, VK_ESCAPE})
        desktop::QueueStep([&, key] {
            seen.push_back(Pane(pFrame, 0));
            desktop::PressKey(key);
        });
    desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
    desktop::PressKey(VK_F10);
    EXPECT_EQ(seen, (std::vector<std::string>{"", "Makes a new document", "Opens a document"}));
    EXPECT_EQ(Pane(pFrame, 0), "Ready");
}

TEST_F(FrameWndTest, OpeningAMenuRunsUpdateHandlersAndGraysItemsWithoutHandlers) {
    CTestFrame* pFrame = MakeFrame();
    ::AppendMenuA(file, MF_STRING, 0x8100, "&Nobody");
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)file, MAKELPARAM(0, FALSE));
    EXPECT_EQ(::GetMenuState(file, ID_TEST_NEW, MF_BYCOMMAND), (UINT)MF_CHECKED);
    EXPECT_EQ(::GetMenuState(file, ID_TEST_OPEN, MF_BYCOMMAND), (UINT)(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(::GetMenuState(file, ID_TEST_CLOSE, MF_BYCOMMAND), (UINT)MF_ENABLED);
    EXPECT_EQ(::GetMenuState(file, 0x8100, MF_BYCOMMAND), (UINT)(MF_GRAYED | MF_DISABLED));
    pFrame->m_bOpenEnabled = TRUE;
    pFrame->m_bNewChecked = FALSE;
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)file, MAKELPARAM(0, FALSE));
    EXPECT_EQ(::GetMenuState(file, ID_TEST_NEW, MF_BYCOMMAND), (UINT)MF_UNCHECKED);
    EXPECT_EQ(::GetMenuState(file, ID_TEST_OPEN, MF_BYCOMMAND), (UINT)MF_ENABLED);
}

TEST_F(FrameWndTest, ADisabledCommandDoesNotRunFromMenuOrAccelerator) {
    CTestFrame* pFrame = MakeFrame();
    ACCEL keys[] = {{FVIRTKEY, VK_F5, static_cast<WORD>(ID_TEST_OPEN)},
                    {FVIRTKEY | FCONTROL, 'N', static_cast<WORD>(ID_TEST_NEW)}};
    pFrame->m_hAccelTable = ::CreateAcceleratorTableA(keys, 2);
    desktop::PressKey(VK_F5);
    desktop::PressKey('N', {VK_CONTROL});
    pFrame->SendMessage(WM_COMMAND, ID_TEST_OPEN);
    EXPECT_EQ(pFrame->m_commands, std::vector<UINT>{ID_TEST_NEW});
    pFrame->m_bOpenEnabled = TRUE;
    desktop::PressKey(VK_F5);
    EXPECT_EQ(pFrame->m_commands, (std::vector<UINT>{ID_TEST_NEW, ID_TEST_OPEN}));
    // Chosen from the menu bar, through the posted WM_COMMAND.
    desktop::QueueStep([] { desktop::PressKey('O'); });
    desktop::PressKey('F', {VK_MENU});
    EXPECT_EQ(pFrame->m_commands.back(), ID_TEST_OPEN);
    EXPECT_EQ(pFrame->m_commands.size(), 3u);
}

TEST_F(FrameWndTest, CapsLockEnablesItsPaneAtTheNextIdleTime) {
    CTestFrame* pFrame = MakeFrame();
    EXPECT_NE(pFrame->m_wndStatusBar.GetPaneStyle(1) & SBPS_DISABLED, 0u);
    desktop::PressKey(VK_CAPITAL);
    EXPECT_EQ(pFrame->m_wndStatusBar.GetPaneStyle(1) & SBPS_DISABLED, 0u);
    EXPECT_NE(pFrame->m_wndStatusBar.GetPaneStyle(2) & SBPS_DISABLED, 0u) << "Num Lock is off";
    desktop::PressKey(VK_CAPITAL);
    EXPECT_NE(pFrame->m_wndStatusBar.GetPaneStyle(1) & SBPS_DISABLED, 0u);
}

TEST_F(FrameWndTest, PanesAreSunkenBoxesWithTheirTextAndDisabledPanesShowNone) {
    CTestFrame* pFrame = MakeFrame();
    CStatusBar& bar = pFrame->m_wndStatusBar;
    CRect r0, r1;
    bar.GetItemRect(0, &r0);
    bar.GetItemRect(1, &r1);
    HWND hBar = bar.m_hWnd;
    EXPECT_EQ(desktop::WindowPixel(hBar, r1.left, r1.top), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(desktop::WindowPixel(hBar, r1.right - 1, r1.bottom - 1),
              ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(desktop::WindowPixel(hBar, r0.left, r0.top), ::GetSysColor(COLOR_BTNFACE))
        << "the message pane has no border of its own";
    auto countText = [&](const CRect& r) {
        int n = 0;
        for (int y = r.top + 1; y < r.bottom - 1; ++y)
            for (int x = r.left + 1; x < r.right - 1; ++x)
                n += desktop::WindowPixel(hBar, x, y) == ::GetSysColor(COLOR_BTNTEXT);
        return n;
    };
    EXPECT_GT(countText(r0), 10) << "Ready";
    EXPECT_EQ(countText(r1), 0) << "CAP is disabled while Caps Lock is off";
    EXPECT_GT(r0.Width(), r1.Width()) << "pane 0 stretches";
}

TEST_F(FrameWndTest, IndicatorsWithoutStringsStillGetTheirPanes) {
    CTestFrame* pFrame = MakeFrame();
    const UINT ids[] = {ID_SEPARATOR, 0x7777, ID_INDICATOR_CAPS};
    EXPECT_FALSE(pFrame->m_wndStatusBar.SetIndicators(ids, 3)) << "the caller hears of it";
    EXPECT_EQ(pFrame->m_wndStatusBar.GetCount(), 3);
    EXPECT_EQ(Pane(pFrame, 2), "CAP");
}

TEST_F(FrameWndTest, LoadFrameTakesMenuAcceleratorsAndTitleFromResources) {
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->LoadFrame(30, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
    char title[32] = "";
    pFrame->GetWindowText(title, sizeof title);
    EXPECT_STREQ(title, "Resource Frame") << "the title ends at the newline";
    HMENU hMenu = pFrame->GetMenu();
    ASSERT_NE(hMenu, nullptr);
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(hMenu, 0)), 4);
    ASSERT_NE(pFrame->m_hAccelTable, nullptr);
    desktop::PumpUntilIdle();
    desktop::PressKey('N', {VK_CONTROL});
    EXPECT_EQ(pFrame->m_commands, std::vector<UINT>{ID_TEST_NEW});
    pFrame->DestroyWindow();
    // Without a menu of that name the frame is not made, and nothing is left behind.
    CTestFrame* pNone = new CTestFrame;
    EXPECT_FALSE(pNone->LoadFrame(31, WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(pNone->m_hWnd, nullptr);
    delete pNone;
}

TEST_F(FrameWndTest, AFrameDestroyedFromItsOwnMenuCommandIsGone) {
    MakeFrame();
    desktop::QueueStep([] { desktop::PressKey('C'); });
    desktop::PressKey('F', {VK_MENU});
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_FALSE(::IsMenu(bar));
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 0u);
}

} // namespace
