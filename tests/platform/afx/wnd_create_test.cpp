// Creation and subclassing: the object owns its window from the first message on, and windows
// made elsewhere are adopted on their first message or subclassed later.
#include "afx_fixture.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_seen;

class CRecorder : public CWnd {
public:
    int m_nPostNcDestroy = 0;
    BOOL m_bFailCreate = FALSE;

protected:
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs) {
        g_seen.push_back(std::string("OnNcCreate ") + lpcs->lpszName);
        return CWnd::OnNcCreate(lpcs);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        g_seen.push_back("OnCreate");
        if (m_bFailCreate)
            return -1;
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnDestroy() {
        g_seen.push_back("OnDestroy");
        CWnd::OnDestroy();
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecorder, CWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

// An edit field that sees its characters and keeps editing as usual.
class CWatchedEdit : public CEdit {
public:
    std::string m_chars;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
        m_chars += static_cast<char>(nChar);
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWatchedEdit, CEdit)
ON_WM_CHAR()
END_MESSAGE_MAP()

class WndCreateTest : public AfxParentTest<> {
protected:
    void SetUp() override {
        AfxParentTest::SetUp();
        g_seen.clear();
    }
};

TEST_F(WndCreateTest, TheObjectSeesItsWindowsFirstMessages) {
    CRecorder wnd;
    ASSERT_TRUE(wnd.Create(NULL, "rec", WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, 5));
    ASSERT_GE(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0], "OnNcCreate rec");
    EXPECT_EQ(g_seen[1], "OnCreate");
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(wnd.GetDlgCtrlID(), 5);
    EXPECT_EQ(wnd.GetParent(), &m_parent);
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(g_seen.back(), "OnDestroy");
    EXPECT_EQ(wnd.m_nPostNcDestroy, 1);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST_F(WndCreateTest, AWindowThatCannotBeMadeLeavesTheObjectToItsOwner) {
    CRecorder wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "NoSuchClass", "x", WS_POPUP, 0, 0, 5, 5, NULL, NULL));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.m_nPostNcDestroy, 0) << "no window existed, so nothing was destroyed";
    // The object can still make a window afterwards.
    EXPECT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "x", WS_POPUP, 0, 0, 5, 5, NULL, NULL));
    // Creating a second window for the same object is refused.
    EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), "y", WS_POPUP, 0, 0, 5, 5, NULL, NULL));
}

TEST_F(WndCreateTest, AWindowRefusedByOnCreateIsDestroyedAndReported) {
    CRecorder wnd;
    wnd.m_bFailCreate = TRUE;
    EXPECT_FALSE(wnd.Create(NULL, "refused", 0, CRect(0, 0, 5, 5), &m_parent, 1));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.m_nPostNcDestroy, 1);
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 1u) << "only the parent is left";
}

TEST_F(WndCreateTest, SubclassingTakesOverAnExistingControlAndGivesItBack) {
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20,
                                   m_parent.m_hWnd, reinterpret_cast<HMENU>(20), NULL, NULL);
    LONG_PTR original = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    CWatchedEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(20, &m_parent));
    EXPECT_EQ(edit.m_hWnd, hEdit);
    EXPECT_EQ(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()));
    ::SendMessageA(hEdit, WM_CHAR, 'x', 1);
    EXPECT_EQ(edit.m_chars, "x");
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "x");

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), original);
    ::SendMessageA(hEdit, WM_CHAR, 'y', 1);
    EXPECT_EQ(edit.m_chars, "x");
    EXPECT_FALSE(edit.SubclassDlgItem(99, &m_parent)) << "no such item";
}

// A window class whose first message makes and attaches the window's object, as a library
// control placed in a dialog template does.
class CAdopted : public CWnd {
public:
    static int s_nLive;
    static int s_nCreates;
    CAdopted() { ++s_nLive; }
    ~CAdopted() override { --s_nLive; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
        ++s_nCreates;
        return CWnd::OnCreate(lpcs);
    }
    void PostNcDestroy() override { delete this; }
    DECLARE_MESSAGE_MAP()
};
int CAdopted::s_nLive = 0;
int CAdopted::s_nCreates = 0;

BEGIN_MESSAGE_MAP(CAdopted, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

LRESULT CALLBACK FirstMessageProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    CAdopted* pWnd = new CAdopted;
    pWnd->Attach(hWnd);
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()));
    return ::CallWindowProcA(AfxGetAfxWndProc(), hWnd, msg, wParam, lParam);
}

TEST_F(WndCreateTest, AWindowIsAdoptedOnItsFirstMessage) {
    CAdopted::s_nLive = 0;
    CAdopted::s_nCreates = 0;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = FirstMessageProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "AdoptOnFirstMessage";
    ASSERT_NE(::RegisterClassA(&wc), 0);

    HWND hWnd = ::CreateWindowExA(0, "AdoptOnFirstMessage", "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20,
                                  m_parent.m_hWnd, reinterpret_cast<HMENU>(30),
                                  ::GetModuleHandleA(NULL), NULL);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(CAdopted::s_nLive, 1);
    EXPECT_EQ(CAdopted::s_nCreates, 1) << "WM_CREATE reached the adopted object";
    CWnd* pWnd = m_parent.GetDlgItem(30);
    ASSERT_NE(pWnd, nullptr);
    EXPECT_TRUE(pWnd->IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), pWnd);

    m_parent.DestroyWindow();
    EXPECT_EQ(CAdopted::s_nLive, 0) << "the object went with its window";
}

// Classes that keep one procedure for all their windows, in a static slot.
class CStaticLike : public CWnd {
public:
    static WNDPROC s_pfnSuper;

protected:
    WNDPROC* GetSuperWndProcAddr() override { return &s_pfnSuper; }
};
WNDPROC CStaticLike::s_pfnSuper = NULL;

TEST_F(WndCreateTest, AClassWideSlotNamesWhereUnhandledMessagesGo) {
    CStaticLike::s_pfnSuper = NULL;
    HWND hFirst = ::CreateWindowExA(0, "STATIC", "a", WS_CHILD, 0, 0, 10, 10, m_parent.m_hWnd, NULL,
                                    NULL, NULL);
    HWND hSecond = ::CreateWindowExA(0, "STATIC", "b", WS_CHILD, 0, 0, 10, 10, m_parent.m_hWnd,
                                     NULL, NULL, NULL);
    WNDPROC staticProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hFirst, GWLP_WNDPROC));
    CStaticLike first, second;
    ASSERT_TRUE(first.SubclassWindow(hFirst));
    EXPECT_EQ(CStaticLike::s_pfnSuper, staticProc) << "the first window fills the slot";
    // A static control answers WM_GETDLGCODE itself; the default procedure would say 0.
    LRESULT staticAnswer = ::CallWindowProcA(staticProc, hSecond, WM_GETDLGCODE, 0, 0);
    ASSERT_NE(staticAnswer, 0);
    EXPECT_EQ(::SendMessageA(hFirst, WM_GETDLGCODE, 0, 0), staticAnswer);

    // A window attached by hand and given the framework procedure also uses the slot.
    ASSERT_TRUE(second.Attach(hSecond));
    ::SetWindowLongPtrA(hSecond, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()));
    EXPECT_EQ(::SendMessageA(hSecond, WM_GETDLGCODE, 0, 0), staticAnswer);

    // With the slot empty, unhandled messages go to the system's default procedure.
    CStaticLike::s_pfnSuper = NULL;
    EXPECT_EQ(::SendMessageA(hSecond, WM_GETDLGCODE, 0, 0), 0);

    // The controls need their own procedure again to clean up when they are destroyed.
    CStaticLike::s_pfnSuper = staticProc;
    first.DestroyWindow();
    second.DestroyWindow();
    CStaticLike::s_pfnSuper = NULL;
}

} // namespace
