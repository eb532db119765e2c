// Pane 0 of the extended status bar: the frame's prompts, the idle prompt replaced by the host's
// idle message or a timed one (menu prompts reach pane 0 through the framework, whose tests
// cover them).
#include "status_host.h"

namespace {

using namespace status_test;

using IdleMessages = StatusBarTest;

TEST_F(IdleMessages, TheDefaultIdlePromptIsStringE001OrReady) {
    for (const char* hostString : {"", "Waiting for you"}) {
        SetUp();
        if (hostString[0] != '\0')
            resources::AddString(host, AFX_IDS_IDLEMESSAGE, hostString);
        MakeFrame();
        const std::string expected = hostString[0] != '\0' ? hostString : "Ready";
        EXPECT_EQ(Pane0(), expected);
        EXPECT_EQ(expected, static_cast<LPCSTR>(frame->m_bar.m_strIdle));
    }
}

// The host's idle message replaces the idle prompt, shown at once; a null or empty one leaves
// pane 0 empty when idle. Other prompts show as they come, even the idle prompt's text in
// another case.
TEST_F(IdleMessages, TheHostsIdleMessageReplacesTheIdlePrompt) {
    MakeFrame();
    for (LPCSTR idle : {"Connected to PRINTER1", "", (LPCSTR)NULL}) {
        frame->m_bar.SetIdleMessage("something");
        frame->m_bar.SetIdleMessage(idle);
        const std::string shown = idle ? idle : "";
        EXPECT_EQ(Pane0(), shown);
        for (const char* text : {"Opens a document", "READY", "ready", "Ready "}) {
            frame->SetMessageText(text);
            EXPECT_EQ(Pane0(), text);
        }
        frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
        EXPECT_EQ(Pane0(), shown);
    }
    frame->m_bar.SetWindowText(NULL);
    EXPECT_EQ(Pane0(), "") << "a null text empties pane 0";
}

TEST_F(IdleMessages, ATimedMessageReplacesIdlePromptsUntilTheFirstIdleUpdateAfterItsEnd) {
    MakeFrame();
    frame->m_bar.SetIdleMessage("Idle");
    frame->m_bar.SetTimedIdleMessage("Saved", 3000);
    EXPECT_EQ(Pane0(), "Saved");
    frame->SetMessageText("Prints the document");
    EXPECT_EQ(Pane0(), "Prints the document") << "other prompts show as they come";
    desktop::AdvanceClock(2000);
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(Pane0(), "Saved");
    desktop::AdvanceClock(1000);
    desktop::PumpUntilIdle();
    EXPECT_EQ(Pane0(), "Saved") << "the end tick itself has not passed yet";
    frame->SetMessageText("Prints the document");
    desktop::AdvanceClock(1);
    EXPECT_EQ(Pane0(), "Prints the document") << "nothing happens before the idle update";
    desktop::PumpUntilIdle();
    EXPECT_EQ(Pane0(), "Idle") << "the idle update writes the idle message over the prompt";
    EXPECT_EQ(frame->m_bar.m_dwTimedIdleEnd, 0u);
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    EXPECT_EQ(Pane0(), "Idle");
}

// A null text shows an empty pane for the duration; the end holds across the tick count's wrap.
TEST_F(IdleMessages, ATimedMessageEndsAcrossTheTickCountsWrap) {
    MakeFrame();
    desktop::SetTickCount(0xFFFFFF00u);
    frame->m_bar.SetTimedIdleMessage(NULL, 0x200);
    frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    desktop::AdvanceClock(0x100); // the tick count wrapped, the end has not come
    desktop::PumpUntilIdle();
    EXPECT_EQ(Pane0(), "");
    desktop::AdvanceClock(0x101);
    desktop::PumpUntilIdle();
    EXPECT_EQ(Pane0(), "Ready");
}

TEST_F(IdleMessages, AHundredKilobyteTextIsShownAndPainted) {
    MakeFrame();
    std::string big(100 * 1024, 'x');
    frame->SetMessageText(big.c_str());
    desktop::PumpUntilIdle();
    EXPECT_EQ(Pane0().size(), big.size());
    CRect r = ItemRect(0);
    EXPECT_EQ(desktop::WindowPixel(frame->m_bar.m_hWnd, r.right + 1, r.top + 3),
              ::GetSysColor(COLOR_BTNFACE))
        << "the text stays inside its pane";
}

} // namespace
