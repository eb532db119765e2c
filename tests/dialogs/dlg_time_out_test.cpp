// The time-out as a host sees it on the manual clock: the timer messages the dialog receives and
// the command it posts itself at expiry, through restarts and cancels in each state.
#include "dialogs_fixture.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace dlgtest;

class DlgTimeOutTest : public DialogsTest {
protected:
    // Watches the timer messages and commands of an open dialog.
    void Watch(HostDlg& dlg) {
        recorder_.Watch(dlg.m_hWnd);
        recorder_.Only({WM_TIMER, WM_COMMAND});
        hDlg_ = dlg.m_hWnd;
    }
    // Advances the clock and checks what arrived meanwhile: "-" nothing, "T" the timer alone,
    // "T2" the timer and then the command 2 (IDCANCEL). Notifications of the controls are left
    // out: a dialog that ends hides and its edit reports losing focus.
    void ExpectAfter(DWORD ms, const std::string& what) {
        desktop::AdvanceClock(ms);
        std::vector<desktop::Expected> expected;
        if (what != "-")
            expected.push_back({hDlg_, WM_TIMER, kTimeOutTimer});
        if (what.size() > 1)
            expected.push_back({hDlg_, WM_COMMAND, std::stoul(what.substr(1)), 0});
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

// Each script runs on a dialog opened with a time-out of the row's seconds that presses Cancel:
// "ms:what" advances the clock and checks as ExpectAfter does; "R5" is ResetTimeOut(5), "C"
// CancelTimeOut, "E" a timer message sent early, "F" a foreign timer 99; steps marked "@" run
// before the window exists.
TEST_F(DlgTimeOutTest, ScriptsOnTheManualClock) {
    const struct {
        const char* what;
        int seconds;
        const char* script;
        DWORD startTick = 0; // 0: as the desktop starts
    } rows[] = {
        {"ten seconds: one period", 10, "9999:- 1:T2 60000:-"},
        {"forty: every 15 s, then the rest", 40, "14999:- 1:T 15000:T 9999:- 1:T2 60000:-"},
        // The rest is shorter than a timer can be set to; the system's 10 ms minimum applies.
        {"an early message re-arms for the rest", 10, "9997:- E 9:- 1:T2"},
        {"reset with 0 restarts while running", 10, "6000:- R0 9999:- 1:T2 R0 60000:-"},
        {"reset with seconds uses them", 40, "20000:T R5 4999:- 1:T2"},
        {"cancel leaves nothing for 0", 10, "3000:- C R0 60000:- R5 5000:T2"},
        {"again after expiry: command 0", 2, "2000:T2 R3 3000:T0"},
        {"no time-out: reset 0 does nothing", 0, "R0 60000:-"},
        {"negative seconds start nothing", -5, "60000:- R8 R-1 8000:T2"},
        {"foreign timers change nothing", 10, "F 9999:- 1:T2"},
        // A timer 234 with no time-out running is a host's own: it must not close the dialog.
        {"234 with none running is not ours", 10, "C E 60000:-"},
        {"deadline past the tick count's wrap", 10, "9999:- 1:T2", 0xFFFFF000u},
        // Cut to about 24.8 days, which must still lie ahead rather than overflow.
        {"the longest time-out is polled", INT32_MAX, "15000:T 15000:T"},
        {"set before the window: starts when it opens", 0, "@R5 4999:- 1:T2"},
        {"cancelled before the window: nothing to restart", 0, "@R5 @C @R0 60000:-"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.startTick != 0)
            desktop::SetTickCount(row.startTick);
        HostDlg dlg(IDD_ASK, MainWindow(), row.seconds, IDCANCEL, 0);
        std::istringstream script(row.script);
        for (std::string step; script >> step;) {
            if (step[0] == '@')
                step.erase(0, 1);
            else if (dlg.m_hWnd == NULL) {
                OpenModeless(dlg);
                Watch(dlg);
            }
            if (step[0] == 'R')
                dlg.ResetTimeOut(std::stoi(step.substr(1)));
            else if (step == "C")
                dlg.CancelTimeOut();
            else if (step == "E" || step == "F")
                dlg.SendMessage(WM_TIMER, step == "E" ? kTimeOutTimer : 99, 0);
            else
                ExpectAfter(std::stoul(step), step.substr(step.find(':') + 1));
            if (step == "E" || step == "F")
                recorder_.Clear();
        }
        dlg.DestroyWindow();
        recorder_.Clear();
    }
}

TEST_F(DlgTimeOutTest, ModalDialogClosesItselfAsIfCancelWerePressed) {
    HostDlg dlg(IDD_ASK, MainWindow(), 10, IDCANCEL, 0);
    const DWORD start = ::GetTickCount();
    EXPECT_EQ(IDCANCEL, dlg.DoModal()) << "the idle modal loop runs the clock to the timer";
    EXPECT_EQ(start + 10000, ::GetTickCount());
}

} // namespace
