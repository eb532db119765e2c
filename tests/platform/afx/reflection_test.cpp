// Reflection: notifications a control sends its parent come back to the control's own object;
// the parent hears of them only when the control leaves them. An owner-drawn button painting
// through its DrawItem: tests/buttons.
#include "afx_fixture.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

class CSelfClicking : public CButton {
public:
    BOOL m_bLetParentKnow = FALSE;

protected:
    afx_msg BOOL OnClicked() {
        g_events.push_back("button clicked");
        return !m_bLetParentKnow;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClicking, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CClickableEdit : public CEdit {
protected:
    afx_msg void Clicked(NMHDR*, LRESULT* pResult) {
        g_events.push_back("edit clicked");
        *pResult = 7;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickableEdit, CEdit)
ON_NOTIFY_REFLECT(NM_CLICK, Clicked)
END_MESSAGE_MAP()

class CParent : public CWnd {
protected:
    afx_msg void OnButton() { g_events.push_back("parent heard click"); }
    afx_msg void OnRightClick(NMHDR*, LRESULT* pResult) {
        g_events.push_back("parent heard right click");
        *pResult = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParent, CWnd)
ON_BN_CLICKED(2, OnButton)
ON_NOTIFY(NM_RCLICK, 5, OnRightClick)
END_MESSAGE_MAP()

class ReflectionTest : public AfxParentTest<CParent> {
protected:
    void SetUp() override {
        AfxParentTest::SetUp();
        g_events.clear();
    }
};

TEST_F(ReflectionTest, DrawItemForAWindowWithoutAnObjectGoesToTheDefault) {
    HWND hPlain = ::CreateWindowExA(0, "BUTTON", "plain", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                    m_parent.m_hWnd, reinterpret_cast<HMENU>(3), NULL, NULL);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = 3;
    dis.hwndItem = hPlain;
    // Nothing to reflect to: the default handling answers, and reflection makes no object.
    EXPECT_EQ(m_parent.SendMessage(WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&dis)),
              ::DefWindowProcA(m_parent.m_hWnd, WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&dis)));
    EXPECT_EQ(CWnd::FromHandlePermanent(hPlain), nullptr);
    EXPECT_EQ(desktop::AfxTemporaryWindowCount(), 0u);
}

TEST_F(ReflectionTest, AReflectedCommandIsTheControlsUnlessItDeclines) {
    CSelfClicking button;
    ASSERT_TRUE(
        button.Create("click", BS_PUSHBUTTON | WS_VISIBLE, CRect(10, 50, 90, 80), &m_parent, 2));
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(2, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(g_events, std::vector<std::string>({"button clicked"}));

    g_events.clear();
    button.m_bLetParentKnow = TRUE;
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(2, BN_CLICKED),
                         reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(g_events, std::vector<std::string>({"button clicked", "parent heard click"}));
}

// Notifications take the same way as commands: the control's reflected entry first, then the
// parent's own; each kind of entry is found whichever other kinds a class has.
TEST_F(ReflectionTest, ANotificationIsTheControlsWhenItHasAReflectedEntry) {
    CClickableEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, CRect(10, 90, 90, 110), &m_parent, 5));
    const struct {
        UINT code;
        LRESULT result;
        const char* heard;
    } cases[] = {
        {static_cast<UINT>(NM_CLICK), 7, "edit clicked"},
        {static_cast<UINT>(NM_RCLICK), 9, "parent heard right click"},
        {static_cast<UINT>(NM_CLICK), 7, "edit clicked"},
    };
    for (const auto& c : cases) {
        g_events.clear();
        NMHDR hdr = {edit.m_hWnd, 5, c.code};
        EXPECT_EQ(c.result, m_parent.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&hdr)));
        EXPECT_EQ(g_events, std::vector<std::string>({c.heard}));
    }
}

} // namespace
