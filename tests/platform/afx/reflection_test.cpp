// Reflection: notifications a control sends its parent come back to the control's own object;
// the parent hears of them only when the control leaves them. An owner-drawn button painting
// through its DrawItem: tests/buttons.
#include "afx_fixture.h"

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

class CParent : public CWnd {
protected:
    afx_msg void OnButton() { g_events.push_back("parent heard click"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParent, CWnd)
ON_BN_CLICKED(2, OnButton)
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

} // namespace
