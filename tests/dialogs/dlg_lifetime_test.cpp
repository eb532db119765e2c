// What a dialog leaves behind: windows, framework objects, timers and drawing objects, after it
// closes by itself, is destroyed while its time-out runs, or is used before it has a window.
#include "dlg_fixture.h"

namespace {

using dlgtest::HostDlg;
using dlgtest::IDD_ASK;

class DlgLifetimeTest : public DlgTest {
protected:
    void ExpectNothingLeft(const char* when) {
        desktop::AfxIdle();
        EXPECT_EQ(main_ ? 1u : 0u, desktop::AfxPermanentWindowCount()) << when;
        EXPECT_EQ(gdiAtStart_, desktop::GdiObjectCounts())
            << when << ": " << desktop::Describe(desktop::GdiObjectCounts());
        EXPECT_EQ(0, desktop::AfxAssertFailures()) << when;
    }
};

TEST_F(DlgLifetimeTest, ModalDialogThatTimesOutLeavesNothingOnOldAndNewSystems) {
    MainWindow();
    gdiAtStart_ = desktop::GdiObjectCounts();
    for (DWORD major : {3u, 4u}) {
        desktop::SetSystemVersion(major, 51, VER_PLATFORM_WIN32_NT);
        HWND hSeen = NULL;
        {
            HostDlg dlg(IDD_ASK, MainWindow(), 20, IDCANCEL, 0x30);
            desktop::QueueStep([&] { hSeen = dlg.m_hWnd; });
            EXPECT_EQ(IDCANCEL, dlg.DoModal());
            EXPECT_EQ(major == 3, dlg.ThinFont() != NULL);
        }
        EXPECT_FALSE(::IsWindow(hSeen));
        ExpectNothingLeft(major == 3 ? "old system" : "new system");
        // No timer outlives the dialog: the loop below would take it.
        desktop::MessageRecorder recorder;
        recorder.WatchAll();
        recorder.Only({WM_TIMER});
        desktop::AdvanceClock(60000);
        EXPECT_TRUE(recorder.Messages().empty()) << recorder.Dump();
    }
}

TEST_F(DlgLifetimeTest, ModelessDestroyedWhileItsTimeOutRuns) {
    MainWindow();
    gdiAtStart_ = desktop::GdiObjectCounts();
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    OpenModeless(dlg);
    desktop::AdvanceClock(4000);
    ASSERT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(0, dlg.TimeOut());
    EXPECT_EQ(0u, dlg.TimeOutTick());
    desktop::MessageRecorder recorder;
    recorder.WatchAll();
    recorder.Only({WM_TIMER, WM_COMMAND});
    desktop::AdvanceClock(60000);
    EXPECT_TRUE(recorder.Messages().empty()) << recorder.Dump();
    dlg.CancelTimeOut(); // harmless now
    ExpectNothingLeft("after DestroyWindow");
}

TEST_F(DlgLifetimeTest, ObjectDeletedWhileItsModelessWindowRuns) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
    MainWindow();
    gdiAtStart_ = desktop::GdiObjectCounts();
    HWND hDlg = NULL;
    {
        HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
        OpenModeless(dlg);
        hDlg = dlg.m_hWnd;
        ASSERT_NE(nullptr, dlg.ThinFont());
    }
    EXPECT_FALSE(::IsWindow(hDlg));
    desktop::AdvanceClock(60000);
    ExpectNothingLeft("after the destructor");
}

TEST_F(DlgLifetimeTest, TimeOutSetBeforeTheWindowStartsWhenItOpens) {
    HostDlg dlg(0, wpCenterScreen);
    dlg.ResetTimeOut(5);
    EXPECT_EQ(5, dlg.TimeOut());
    EXPECT_EQ(0u, dlg.TimeOutTick()) << "no timer without a window";
    dlg.CancelTimeOut();
    dlg.ResetTimeOut(0);
    EXPECT_EQ(0, dlg.TimeOut());
    dlg.ResetTimeOut(5);
    const DWORD opened = ::GetTickCount();
    OpenModeless(dlg);
    EXPECT_EQ(opened + 5000, dlg.TimeOutTick());
    desktop::MessageRecorder recorder;
    recorder.Watch(dlg.m_hWnd);
    recorder.Only({WM_TIMER});
    desktop::AdvanceClock(5000);
    EXPECT_EQ(1u, recorder.Messages().size()) << recorder.Dump();
    EXPECT_EQ(0, dlg.TimeOut());
}

TEST_F(DlgLifetimeTest, ModalDialogWithoutAnyParent) {
    HostDlg dlg(IDD_ASK, NULL, 3, IDOK, 0, wpCascade);
    EXPECT_EQ(IDOK, dlg.DoModal());
    ExpectNothingLeft("no parent");
}

} // namespace
