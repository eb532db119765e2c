// The application object: AfxWinMain runs InitInstance and the message loop with idle time,
// and the loop ends with the main window.
#include "afx_fixture.h"

namespace {

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("Test App") {}
    int m_nIdle = 0;
    int m_nExit = 0;
    BOOL m_bFailInit = FALSE;

    BOOL InitInstance() override {
        if (m_bFailInit)
            return FALSE;
        CWnd* pMain = new CSelfOwned;
        if (!pMain->CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                             0, 300, 200, NULL, NULL))
            return FALSE;
        m_pMainWnd = pMain;
        return TRUE;
    }
    BOOL OnIdle(LONG lCount) override {
        ++m_nIdle;
        return CWinApp::OnIdle(lCount);
    }
    int ExitInstance() override {
        ++m_nExit;
        return CWinApp::ExitInstance() + 100;
    }

private:
    class CSelfOwned : public CWnd {
        void PostNcDestroy() override { delete this; }
    };
};

using WinAppTest = AfxTest;

TEST_F(WinAppTest, TheLoopRunsUntilTheMainWindowIsGone) {
    CTestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    desktop::QueueStep([&] {
        ASSERT_NE(AfxGetMainWnd(), nullptr);
        EXPECT_GT(app.m_nIdle, 0) << "idle time came before the loop waited";
        CWnd::FromHandle(::GetDesktopWindow()); // a temporary object for the next idle time
        AfxGetMainWnd()->DestroyWindow();
    });
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(NULL), NULL, const_cast<LPSTR>(""), SW_SHOW), 100);
    EXPECT_EQ(app.m_nExit, 1);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 0u);
}

TEST_F(WinAppTest, AFailedStartEndsAtOnce) {
    CTestApp app;
    app.m_bFailInit = TRUE;
    EXPECT_EQ(AfxWinMain(::GetModuleHandleA(NULL), NULL, const_cast<LPSTR>(""), SW_SHOW), 100);
    EXPECT_EQ(app.m_nExit, 1);
}

} // namespace
