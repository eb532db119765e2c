// Handle maps and object lifetime: permanent and temporary objects, self-deleting objects,
// windows destroyed from their own handlers, messages to dead windows, nested messages.
#include "afx_fixture.h"

namespace {

using WndLifetimeTest = AfxTest;

HWND MakePlainWindow() {
    return ::CreateWindowExA(0, "STATIC", "plain", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL, NULL,
                             NULL);
}

class CSelfDeleting : public CWnd {
public:
    explicit CSelfDeleting(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CSelfDeleting() override { ++*m_pDeleted; }

protected:
    void PostNcDestroy() override { delete this; }
    // Destroys its own window from inside a handler; nothing may touch the object afterwards.
    afx_msg void OnLButtonDown(UINT, CPoint) { DestroyWindow(); }
    afx_msg LRESULT OnNested(WPARAM, LPARAM) {
        UINT outer = GetCurrentMessage()->message;
        SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("inner"));
        // After a nested message the current message is this handler's again.
        return GetCurrentMessage()->message == outer ? 1 : 0;
    }
    int* m_pDeleted;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeleting, CWnd)
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_APP, OnNested)
END_MESSAGE_MAP()

CSelfDeleting* MakeSelfDeleting(int* pDeleted) {
    CSelfDeleting* pWnd = new CSelfDeleting(pDeleted);
    EXPECT_TRUE(
        pWnd->CreateEx(0, AfxRegisterWndClass(0), "self", WS_OVERLAPPED, 0, 0, 50, 50, NULL, NULL));
    return pWnd;
}

TEST_F(WndLifetimeTest, NullHandlesHaveNoObjects) {
    EXPECT_EQ(CWnd::FromHandle(NULL), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(NULL), nullptr);
    CWnd wnd;
    EXPECT_FALSE(wnd.Attach(NULL));
    EXPECT_EQ(wnd.GetSafeHwnd(), nullptr);
}

TEST_F(WndLifetimeTest, TemporaryObjectsLastUntilIdleTime) {
    HWND hWnd = MakePlainWindow();
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pTemp) << "one temporary object per window";
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(desktop::AfxTemporaryWindowCount(), 1u);
    desktop::AfxIdle();
    EXPECT_EQ(desktop::AfxTemporaryWindowCount(), 0u);
    EXPECT_TRUE(::IsWindow(hWnd)) << "deleting a temporary object leaves its window";
    ::DestroyWindow(hWnd);
}

TEST_F(WndLifetimeTest, AttachAndDetachEnterAndLeaveThePermanentMap) {
    HWND hWnd = MakePlainWindow();
    CWnd first, second;
    ASSERT_TRUE(first.Attach(hWnd));
    EXPECT_EQ(CWnd::FromHandle(hWnd), &first);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &first);
    EXPECT_FALSE(second.Attach(hWnd)) << "a window has one permanent object";
    EXPECT_EQ(second.m_hWnd, nullptr);
    EXPECT_EQ(first.Detach(), hWnd);
    EXPECT_EQ(first.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_TRUE(second.Attach(hWnd));
    second.Detach();
    ::DestroyWindow(hWnd);
}

TEST_F(WndLifetimeTest, DeletingAnAttachedObjectDestroysItsWindow) {
    HWND hWnd = NULL;
    {
        CWnd wnd;
        ASSERT_TRUE(MakeTop(wnd, "scoped"));
        hWnd = wnd.m_hWnd;
        EXPECT_TRUE(::IsWindow(hWnd));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 0u);
}

TEST_F(WndLifetimeTest, AnObjectThatOwnsItselfIsDeletedAfterItsWindow) {
    int deleted = 0;
    CSelfDeleting* pWnd = MakeSelfDeleting(&deleted);
    HWND hWnd = pWnd->m_hWnd;
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 1u);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 0u);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(WndLifetimeTest, AWindowDestroyedFromItsOwnHandlerIsSafe) {
    int deleted = 0;
    CSelfDeleting* pWnd = MakeSelfDeleting(&deleted);
    HWND hWnd = pWnd->m_hWnd;
    ::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_EQ(deleted, 1);
    EXPECT_FALSE(::IsWindow(hWnd));
    // Further messages to the dead handle are ignored.
    EXPECT_EQ(::SendMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0), 0);
    EXPECT_EQ(::SendMessageA(hWnd, WM_APP, 0, 0), 0);
    EXPECT_EQ(deleted, 1);
}

// A control that tells its parent something and then carries on with its own work, while the
// parent closes everything in answer to the notification.
class CNotifier : public CWnd {
public:
    explicit CNotifier(int* pDeleted) : m_pDeleted(pDeleted) {}
    ~CNotifier() override {
        ++*m_pDeleted;
        m_nMagic = 0;
    }
    int m_nMagic = 0x1234;
    bool* m_pStillAlive = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            ::SendMessageA(::GetParent(m_hWnd), WM_APP + 1, 0, 0);
            *m_pStillAlive = m_nMagic == 0x1234; // the object must still be here
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { delete this; }
    int* m_pDeleted;
};

class CClosingParent : public CWnd {
protected:
    afx_msg LRESULT OnChildSaidSomething(WPARAM, LPARAM) {
        DestroyWindow();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClosingParent, CWnd)
ON_MESSAGE(WM_APP + 1, OnChildSaidSomething)
END_MESSAGE_MAP()

TEST_F(WndLifetimeTest, AnObjectOutlivesItsWindowUntilItsOwnHandlerReturns) {
    CClosingParent parent;
    ASSERT_TRUE(MakeTop(parent, "parent"));
    int deleted = 0;
    bool stillAlive = false;
    CNotifier* pChild = new CNotifier(&deleted);
    pChild->m_pStillAlive = &stillAlive;
    ASSERT_TRUE(pChild->Create(NULL, "child", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1));
    HWND hChild = pChild->m_hWnd;

    ::SendMessageA(hChild, WM_APP, 0, 0);
    EXPECT_TRUE(stillAlive);
    EXPECT_EQ(deleted, 1) << "deleted once its handler returned";
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(parent.m_hWnd, nullptr);
}

TEST_F(WndLifetimeTest, NestedMessagesRestoreTheCurrentMessage) {
    int deleted = 0;
    CSelfDeleting* pWnd = MakeSelfDeleting(&deleted);
    EXPECT_EQ(pWnd->SendMessage(WM_APP), 1);
    CString text;
    pWnd->GetWindowText(text);
    EXPECT_EQ(text, "inner");
    pWnd->DestroyWindow();
    EXPECT_EQ(deleted, 1);
}

TEST_F(WndLifetimeTest, ResetDeletesObjectsThatOwnThemselves) {
    int deleted = 0;
    MakeSelfDeleting(&deleted);
    MakeSelfDeleting(&deleted);
    desktop::reset();
    EXPECT_EQ(deleted, 2);
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 0u);
}

TEST_F(WndLifetimeTest, DestroyWindowThroughATemporaryObject) {
    HWND hWnd = MakePlainWindow();
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    EXPECT_TRUE(pTemp->DestroyWindow());
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(pTemp->m_hWnd, nullptr);
    EXPECT_FALSE(pTemp->DestroyWindow());
}

TEST_F(WndLifetimeTest, SendMessageToDescendantsReachesEveryLevel) {
    HWND hTop = MakePlainWindow();
    HWND hChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, hTop, NULL, NULL, NULL);
    HWND hGrandChild =
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, hChild, NULL, NULL, NULL);
    CWnd::SendMessageToDescendants(hTop, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("deep"), TRUE,
                                   FALSE);
    char text[16] = {};
    ::GetWindowTextA(hGrandChild, text, sizeof(text));
    EXPECT_STREQ(text, "deep");

    CWnd::SendMessageToDescendants(hTop, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("shallow"), FALSE,
                                   FALSE);
    ::GetWindowTextA(hChild, text, sizeof(text));
    EXPECT_STREQ(text, "shallow");
    ::GetWindowTextA(hGrandChild, text, sizeof(text));
    EXPECT_STREQ(text, "deep");

    // Only windows with permanent objects, when asked so.
    CWnd child;
    ASSERT_TRUE(child.SubclassWindow(hChild));
    CWnd::SendMessageToDescendants(hTop, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("perm"), TRUE,
                                   TRUE);
    ::GetWindowTextA(hChild, text, sizeof(text));
    EXPECT_STREQ(text, "perm");
    ::GetWindowTextA(hGrandChild, text, sizeof(text));
    EXPECT_STREQ(text, "deep");
    ::DestroyWindow(hTop);
    EXPECT_EQ(child.m_hWnd, nullptr);
}

} // namespace
