// What a dialog leaves behind: windows, framework objects, timers and drawing objects, after it
// closes by itself, or is destroyed while its time-out runs.
#include "dialogs_fixture.h"

#include <memory>
#include <string>

namespace {

using namespace dlgtest;

// A modal dialog that times out, and a modeless one whose window is destroyed, or whose object
// is deleted, while its time-out runs and its thin font is in use; on new systems too.
TEST_F(DialogsTest, NothingIsLeftAfterTheTimeOutOrWhileItRuns) {
    MainWindow();
    gdiAtStart_ = desktop::GdiObjectCounts();
    for (DWORD major : {3u, 4u}) {
        desktop::SetSystemVersion(major, 51, VER_PLATFORM_WIN32_NT);
        for (const char* how : {"modal", "destroyed", "deleted"}) {
            SCOPED_TRACE(std::string(how) + (major == 3 ? " on an old system" : ""));
            auto dlg = std::make_unique<HostDlg>(IDD_ASK, MainWindow(), 10, IDCANCEL, 0x30);
            HWND hSeen = NULL;
            if (how[0] == 'm') {
                desktop::QueueStep([&] { hSeen = dlg->m_hWnd; });
                EXPECT_EQ(IDCANCEL, dlg->DoModal());
            } else {
                OpenModeless(*dlg);
                hSeen = dlg->m_hWnd;
                desktop::AdvanceClock(4000);
                if (how[1] == 'e') {
                    EXPECT_TRUE(major != 3 || dlg->ThinFont() != NULL);
                    ASSERT_TRUE(dlg->DestroyWindow());
                    dlg->CancelTimeOut(); // harmless now
                } else {
                    dlg.reset();
                }
            }
            EXPECT_FALSE(::IsWindow(hSeen));
            // No timer or command outlives the window: the loop below would take it.
            desktop::MessageRecorder recorder;
            recorder.WatchAll();
            recorder.Only({WM_TIMER, WM_COMMAND});
            desktop::AdvanceClock(60000);
            EXPECT_TRUE(recorder.Messages().empty()) << recorder.Dump();
            dlg.reset();
            desktop::AfxIdle();
            EXPECT_EQ(1u, desktop::AfxPermanentWindowCount()) << "the main window only";
            EXPECT_EQ(gdiAtStart_, desktop::GdiObjectCounts())
                << Describe(desktop::GdiObjectCounts());
            EXPECT_EQ(0, desktop::AfxAssertFailures());
        }
    }
}

} // namespace
