// The time-out as a host sees it on the manual clock: the timer messages the dialog receives,
// the command it posts itself at expiry, restarts and cancels in each state, foreign timers.
#include "dlg_fixture.h"

#include <vector>

namespace {

using dlgtest::HostDlg;
using dlgtest::IDD_ASK;
using dlgtest::kTimeOutTimer;

class DlgTimeOutTest : public DlgTest {
protected:
    // Watches the timer messages and commands of an open dialog.
    void Watch(HostDlg& dlg) {
        recorder_.Watch(dlg.m_hWnd);
        recorder_.Only({WM_TIMER, WM_COMMAND});
        hDlg_ = dlg.m_hWnd;
    }
    desktop::Expected Timer() const { return {hDlg_, WM_TIMER, kTimeOutTimer}; }
    desktop::Expected Command(WPARAM id) const { return {hDlg_, WM_COMMAND, id, 0}; }
    // Advances the clock and checks what arrived meanwhile, then forgets it. Notifications of
    // the controls are left out: a dialog that ends hides and its edit reports losing focus.
    void ExpectAfter(DWORD ms, const std::vector<desktop::Expected>& expected) {
        desktop::AdvanceClock(ms);
        std::vector<desktop::RecordedMessage> seen;
        for (const desktop::RecordedMessage& m : recorder_.Messages()) {
            if (m.msg != WM_COMMAND || m.lParam == 0)
                seen.push_back(m);
        }
        const desktop::SequenceResult r = desktop::expect_sequence(seen, expected);
        EXPECT_TRUE(r.ok) << "after " << ms << " ms:\n" << r.text;
        recorder_.Clear();
    }

    desktop::MessageRecorder recorder_;
    HWND hDlg_ = NULL;
};

TEST_F(DlgTimeOutTest, TenSecondsUseOnePeriodThenPressCancel) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    EXPECT_EQ(::GetTickCount() + 10000, dlg.TimeOutTick());
    ExpectAfter(9999, {});
    ExpectAfter(1, {Timer(), Command(IDCANCEL)});
    ExpectAfter(60000, {}); // no timer left
    EXPECT_EQ(0, dlg.TimeOut());
    EXPECT_EQ(0, dlg.TimeOutID());
    EXPECT_EQ(0u, dlg.TimeOutTick());
}

TEST_F(DlgTimeOutTest, FortySecondsPollEveryFifteenThenTheExactRest) {
    HostDlg dlg(IDD_ASK, MainWindow(), 40, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    ExpectAfter(14999, {});
    ExpectAfter(1, {Timer()});
    ExpectAfter(15000, {Timer()});
    ExpectAfter(9999, {});
    ExpectAfter(1, {Timer(), Command(IDCANCEL)});
    ExpectAfter(60000, {});
}

TEST_F(DlgTimeOutTest, EarlyTimerMessageOnlyReArmsForTheRest) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDOK, 0);
    OpenModeless(dlg);
    Watch(dlg);
    ExpectAfter(9997, {});
    dlg.SendMessage(WM_TIMER, kTimeOutTimer, 0); // three milliseconds early
    EXPECT_EQ(10, dlg.TimeOut()) << "still running";
    recorder_.Clear();
    // The rest is shorter than a timer can be set to; the system's 10 ms minimum applies.
    ExpectAfter(9, {});
    ExpectAfter(1, {Timer(), Command(IDOK)});
}

TEST_F(DlgTimeOutTest, ModalDialogClosesItselfAsIfCancelWerePressed) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(IDCANCEL, dlg.DoModal()) << "the idle modal loop runs the clock to the timer";
    EXPECT_EQ(start + 10000, ::GetTickCount());
    EXPECT_EQ(0, dlg.TimeOut());
}

TEST_F(DlgTimeOutTest, ResetWithZeroRestartsTheLastTimeOutOnlyWhileRunning) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    ExpectAfter(6000, {});
    dlg.ResetTimeOut(0); // the full ten seconds anew from here
    ExpectAfter(9999, {});
    ExpectAfter(1, {Timer(), Command(IDCANCEL)});
    dlg.ResetTimeOut(0); // expired: the seconds are 0 now, so nothing restarts
    ExpectAfter(60000, {});
}

TEST_F(DlgTimeOutTest, ResetWithZeroOnADialogWithoutTimeOutDoesNothing) {
    HostDlg dlg(0, wpCenterParent);
    OpenModeless(dlg);
    Watch(dlg);
    dlg.ResetTimeOut(0);
    EXPECT_EQ(0, dlg.TimeOut());
    ExpectAfter(60000, {});
}

TEST_F(DlgTimeOutTest, ResetWithSecondsRestartsARunningTimeOutWithThem) {
    HostDlg dlg(IDD_ASK, MainWindow(), 40, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    ExpectAfter(20000, {Timer()});
    dlg.ResetTimeOut(5);
    ExpectAfter(4999, {});
    ExpectAfter(1, {Timer(), Command(IDCANCEL)});
}

TEST_F(DlgTimeOutTest, CancelStopsItAndLeavesNothingToRestartWithZero) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    ExpectAfter(3000, {});
    dlg.CancelTimeOut();
    EXPECT_EQ(0, dlg.TimeOut());
    EXPECT_EQ(0u, dlg.TimeOutTick());
    EXPECT_EQ(IDCANCEL, dlg.TimeOutID()) << "the command is kept";
    dlg.ResetTimeOut(0);
    ExpectAfter(60000, {});
    dlg.ResetTimeOut(5); // starts anew with the command given at construction
    ExpectAfter(5000, {Timer(), Command(IDCANCEL)});
}

TEST_F(DlgTimeOutTest, TimeOutStartedAgainAfterExpiryPostsCommandZero) {
    HostDlg dlg(IDD_ASK, MainWindow(), 2, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    ExpectAfter(2000, {Timer(), Command(IDCANCEL)});
    dlg.ResetTimeOut(3);
    ExpectAfter(3000, {Timer(), Command(0)});
}

TEST_F(DlgTimeOutTest, ForeignTimersChangeNothing) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    const DWORD deadline = dlg.TimeOutTick();
    ASSERT_NE(0u, dlg.SetTimer(7, 1000));
    recorder_.Only({WM_COMMAND}); // the host's own timer ticks away meanwhile
    dlg.SendMessage(WM_TIMER, 99, 0);
    ExpectAfter(9999, {});
    recorder_.Only({WM_TIMER, WM_COMMAND});
    EXPECT_EQ(deadline, dlg.TimeOutTick());
    EXPECT_EQ(10, dlg.TimeOut());
    dlg.KillTimer(7);
    ExpectAfter(1, {Timer(), Command(IDCANCEL)});
}

TEST_F(DlgTimeOutTest, TimerMessageWithNoTimeOutRunningIsNotOurs) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    OpenModeless(dlg);
    dlg.CancelTimeOut();
    Watch(dlg);
    dlg.SendMessage(WM_TIMER, kTimeOutTimer, 0);
    ExpectAfter(1000, {Timer()}); // the message sent above; no command follows
}

TEST_F(DlgTimeOutTest, DeadlinePastTheTickCountWrapWaitsItsFullTime) {
    desktop::SetTickCount(0xFFFFF000u);
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    ExpectAfter(9999, {});
    ExpectAfter(1, {Timer(), Command(IDCANCEL)});
}

TEST_F(DlgTimeOutTest, NegativeSecondsStartNothingAndChangeNothing) {
    HostDlg dlg(IDD_ASK, MainWindow(), -5, IDCANCEL, 0);
    OpenModeless(dlg);
    Watch(dlg);
    EXPECT_EQ(0, dlg.TimeOut());
    ExpectAfter(60000, {});
    dlg.ResetTimeOut(8);
    dlg.ResetTimeOut(-1); // refused: the running time-out goes on
    ExpectAfter(8000, {Timer(), Command(IDCANCEL)});
}

} // namespace
