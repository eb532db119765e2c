// What a dialog leaves behind: windows, framework objects, timers and drawing objects, after it
// closes by itself, is destroyed while its time-out runs, or is used before it has a window.
#include "dlg_fixture.h"

#include <memory>

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

// A modeless dialog whose window is destroyed, or whose object is deleted, while its time-out
// runs and its thin font is in use.
TEST_F(DlgLifetimeTest, ModelessGoneWhileItsTimeOutRuns) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
    MainWindow();
    gdiAtStart_ = desktop::GdiObjectCounts();
    for (bool deleteObject : {false, true}) {
        auto dlg = std::make_unique<HostDlg>(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
        OpenModeless(*dlg);
        const HWND hDlg = dlg->m_hWnd;
        ASSERT_NE(nullptr, dlg->ThinFont());
        desktop::AdvanceClock(4000);
        if (deleteObject) {
            dlg.reset();
        } else {
            ASSERT_TRUE(dlg->DestroyWindow());
            dlg->CancelTimeOut(); // harmless now
        }
        EXPECT_FALSE(::IsWindow(hDlg));
        desktop::MessageRecorder recorder;
        recorder.WatchAll();
        recorder.Only({WM_TIMER, WM_COMMAND});
        desktop::AdvanceClock(60000);
        EXPECT_TRUE(recorder.Messages().empty()) << recorder.Dump();
        dlg.reset();
        ExpectNothingLeft(deleteObject ? "after the destructor" : "after DestroyWindow");
    }
}

TEST_F(DlgLifetimeTest, TimeOutSetBeforeTheWindowStartsWhenItOpens) {
    HostDlg dlg(0, wpCenterScreen);
    dlg.ResetTimeOut(5);
    dlg.CancelTimeOut();
    dlg.ResetTimeOut(0);
    EXPECT_EQ(0, dlg.TimeOut()) << "cancelled: nothing to restart";
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
