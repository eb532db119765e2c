// Modal loops: CWnd::RunModalLoop and the message pump they share with CWinThread.
#include <afxwin.h>
#include <afxpriv.h>

#include "afx/afx_internal.h"

namespace {
// Wakes a modal loop that waits for a message when the loop was ended from inside that wait
// (a scripted step, a nested message loop). Such code may take every message from the queue
// on its way out, so a posted message could never reach the waiting loop; a timer can.
constexpr UINT_PTR kModalWakeTimer = 0xAFE0;
} // namespace

namespace afx_internal {

BOOL PumpMessage(MSG& msg) {
    if (!::GetMessageA(&msg, NULL, 0, 0))
        return FALSE;
    DispatchPumpedMessage(msg);
    return TRUE;
}

void DispatchPumpedMessage(MSG& msg) {
    if (msg.message == WM_TIMER && msg.wParam == kModalWakeTimer &&
        CWnd::FromHandlePermanent(msg.hwnd) != NULL) {
        ::KillTimer(msg.hwnd, kModalWakeTimer);
        return;
    }
    if (!PreTranslateThroughFramework(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL PreTranslateThroughFramework(MSG* pMsg) {
    // From the window the message is for, up through its parents: each framework object may
    // take the message (a dialog runs its keyboard navigation this way).
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (!::IsWindow(hWnd))
            break;
    }
    return FALSE;
}

BOOL IsIdleMessage(const MSG& msg) {
    // Messages that come by the thousand or say nothing new do not restart idle processing.
    return msg.message != WM_MOUSEMOVE && msg.message != WM_NCMOUSEMOVE &&
           msg.message != WM_PAINT && msg.message != 0x0118 /* system timer tick */;
}

} // namespace afx_internal

BOOL CWnd::ContinueModal() {
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        if ((m_nFlags & WF_MODALWAITING) && m_hWnd != NULL)
            ::SetTimer(m_hWnd, kModalWakeTimer, 1, NULL);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags) {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    HWND hWndSelf = m_hWnd;
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG msg = {};

    for (;;) {
        // Idle: show the window, tell the owner, delete temporary objects.
        while (bIdle && !::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX,
                               reinterpret_cast<LPARAM>(m_hWnd));
            if (lIdleCount == 0)
                AfxDeleteTempMaps();
            if ((dwFlags & MLF_NOKICKIDLE) ||
                !::SendMessageA(m_hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }

        // Pump: GetMessage runs the driver's scripted steps when the queue is empty.
        do {
            m_nFlags |= WF_MODALWAITING;
            BOOL bGotMessage = ::GetMessageA(&msg, NULL, 0, 0);
            if (!::IsWindow(hWndSelf)) {
                // Destroyed while waiting; the message still belongs to someone.
                if (bGotMessage)
                    afx_internal::DispatchPumpedMessage(msg);
                else
                    AfxPostQuitMessage(static_cast<int>(msg.wParam));
                goto ExitModal;
            }
            m_nFlags &= ~WF_MODALWAITING;
            if (!bGotMessage) {
                AfxPostQuitMessage(static_cast<int>(msg.wParam));
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            afx_internal::DispatchPumpedMessage(msg);
            if (!::IsWindow(hWndSelf) || !ContinueModal())
                goto ExitModal;
            if (bShowIdle && (msg.message == 0x0118 || msg.message == WM_SYSKEYDOWN)) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (afx_internal::IsIdleMessage(msg)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE));
    }

ExitModal:
    if (::IsWindow(hWndSelf)) {
        ::KillTimer(hWndSelf, kModalWakeTimer);
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL | WF_MODALWAITING);
    }
    return m_nModalResult;
}
