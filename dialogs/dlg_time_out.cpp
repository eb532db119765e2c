// CDlg's time-out: system timer 234 on the dialog's window, polled every 15 seconds and ended
// with one exact last period, after which the dialog posts itself the chosen command.
#include <ruzav32/dialogs.h>

#include "dialogs/logic/time_out.h"

namespace {

constexpr UINT_PTR kTimeOutTimer = 234;

} // namespace

void CDlg::ArmTimeOut() {
    m_dwTimeOutTick = timeout::Deadline(::GetTickCount(), m_nTimeOut);
    if (SetTimer(kTimeOutTimer, timeout::FirstPeriod(m_nTimeOut), NULL) == 0) {
        m_nTimeOut = 0;
        m_dwTimeOutTick = 0;
    }
}

void CDlg::ResetTimeOut(int nTimeOut) {
    if (nTimeOut < 0)
        return;
    if (nTimeOut != 0)
        m_nTimeOut = timeout::ClampSeconds(nTimeOut);
    if (m_nTimeOut == 0)
        return;
    // Without a window a timer would belong to no dialog (Win32 would make a thread timer with
    // an identifier of its own choosing); OnInitDialog starts the time-out recorded here.
    if (!HasWindow())
        return;
    KillTimer(kTimeOutTimer);
    ArmTimeOut();
}

void CDlg::CancelTimeOut() {
    if (m_nTimeOut == 0)
        return;
    m_nTimeOut = 0;
    if (HasWindow())
        KillTimer(kTimeOutTimer);
    m_dwTimeOutTick = 0;
}

void CDlg::OnTimer(UINT nIDEvent) {
    // Other timers belong to the host's own handlers, which run before this one in its map.
    // A timer 234 with no time-out running is not ours either (a host timer that happens to
    // share the number): it must not close the dialog.
    if (nIDEvent != kTimeOutTimer || m_nTimeOut == 0)
        return;
    const timeout::Check check = timeout::CheckAt(::GetTickCount(), m_dwTimeOutTick);
    if (check.expired) {
        m_nTimeOut = 0;
        KillTimer(kTimeOutTimer);
        PostMessage(WM_COMMAND, static_cast<WPARAM>(static_cast<UINT>(m_nTimeOutID)), 0);
        m_nTimeOutID = 0;
        m_dwTimeOutTick = 0;
        return;
    }
    if (check.newPeriod == 0)
        return; // still more than one polling interval to go
    KillTimer(kTimeOutTimer);
    if (SetTimer(kTimeOutTimer, check.newPeriod, NULL) == 0) {
        m_nTimeOut = 0;
        m_dwTimeOutTick = 0;
    }
}

void CDlg::OnDestroy() {
    if (m_nTimeOut != 0) {
        m_nTimeOut = 0;
        KillTimer(kTimeOutTimer);
        m_dwTimeOutTick = 0;
    }
    CDialog::OnDestroy();
}
