// The framework window procedure and message routing: AfxWndProc, WindowProc, OnWndMsg,
// commands, notifications, reflection and the default handling of unhandled messages.
#include <afxwin.h>
#include <afxpriv.h>

#include "afx/afx_internal.h"

#include <cstdint>
#include <cstring>

namespace {
// The platform's libraries are linked, never loaded later, so their thread state sits in the
// static TLS block and is reached without a call (initial-exec) at every message.
#define AFX_THREAD_STATE_TLS __attribute__((tls_model("initial-exec")))
thread_local AFX_THREAD_STATE t_threadState AFX_THREAD_STATE_TLS = {};

// The entry a message finds in a class's message maps, remembered: a control answers the same
// few messages (WM_GETTEXT, WM_SETTEXT, WM_COMMAND...) over and over, and walking its maps and
// their bases each time is the largest share of a message's cost. Maps are static and never
// change, so an answer, found or not, holds for the life of the process. Registered messages
// (0xC000 and up) are not remembered: their numbers are given out while the program runs.
struct MessageCacheEntry {
    const AFX_MSGMAP* pMap;
    UINT nMsg;
    const AFX_MSGMAP_ENTRY* pEntry;
};
constexpr size_t kMessageCacheSize = 512;
MessageCacheEntry g_messageCache[kMessageCacheSize];

const AFX_MSGMAP_ENTRY* FindWindowMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg) {
    if (nMsg >= 0xC000)
        return AfxFindMessageEntry(pMap, nMsg, 0, 0);
    const size_t slot =
        (nMsg ^ (reinterpret_cast<std::uintptr_t>(pMap) >> 4)) & (kMessageCacheSize - 1);
    MessageCacheEntry& cached = g_messageCache[slot];
    if (cached.pMap == pMap && cached.nMsg == nMsg)
        return cached.pEntry;
    const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(pMap, nMsg, 0, 0);
    cached = MessageCacheEntry{pMap, nMsg, pEntry};
    return pEntry;
}

// The framework window procedure calls in progress on this thread, a list through their stack
// frames, innermost first. An object whose window is destroyed while one of its own handlers is
// still running (a parent closing the dialog from the control's notification, say) is not told
// PostNcDestroy until that outermost handler has returned, so the handler's remaining code never
// meets a deleted object. A plain pointer is all the thread keeps: every message passes here.
struct ActiveCall {
    CWnd* pWnd; // NULL once the object has been deleted by other means
    bool bPostNcDestroyPending;
    ActiveCall* pOuter;
};
thread_local ActiveCall* t_innermostCall AFX_THREAD_STATE_TLS = nullptr;
} // namespace

namespace afx_internal {
bool DeferPostNcDestroy(CWnd* pWnd) {
    // The innermost call is the WM_NCDESTROY being handled now; the outermost other call on
    // the same object waits for it.
    ActiveCall* pOutermost = NULL;
    for (ActiveCall* call = t_innermostCall != NULL ? t_innermostCall->pOuter : NULL; call != NULL;
         call = call->pOuter) {
        if (call->pWnd == pWnd)
            pOutermost = call;
    }
    if (pOutermost == NULL)
        return false;
    pOutermost->bPostNcDestroyPending = true;
    return true;
}

void ForgetActiveCalls(CWnd* pWnd) {
    for (ActiveCall* call = t_innermostCall; call != NULL; call = call->pOuter) {
        if (call->pWnd == pWnd)
            call->pWnd = NULL;
    }
}
} // namespace afx_internal

AFX_THREAD_STATE* AFXAPI AfxGetThreadState() {
    return &t_threadState;
}

WNDPROC AFXAPI AfxGetAfxWndProc() {
    return &AfxWndProc;
}

namespace {
// The body of AfxCallWndProc, inlined into AfxWndProc: every framework message passes here.
inline __attribute__((always_inline)) LRESULT CallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg,
                                                          WPARAM wParam, LPARAM lParam) {
    AFX_THREAD_STATE* pState = &t_threadState;
    // Messages nest (a handler sends another message); each level restores its caller's
    // current message, so Default() always means the message of the handler that calls it.
    // Copied whole, as one block: a handler may have written any of its fields.
    MSG oldState;
    std::memcpy(&oldState, &pState->m_lastSentMsg, sizeof oldState);
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    ++pState->m_nMsgDepth;
    ActiveCall call = {pWnd, false, t_innermostCall};
    t_innermostCall = &call;

    LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);

    t_innermostCall = call.pOuter;
    const ActiveCall finished = call;
    if (nMsg == WM_NCDESTROY)
        afx_internal::ForgetDestroyedWindow(hWnd);
    --pState->m_nMsgDepth;
    std::memcpy(&pState->m_lastSentMsg, &oldState, sizeof oldState);
    // The window went while this call ran; the object may now let go of itself.
    if (finished.pWnd != NULL && finished.bPostNcDestroyPending)
        finished.pWnd->PostNcDestroy();
    return lResult;
}

} // namespace

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* pWnd = afx_internal::g_permanentWindows.Find(hWnd);
    if (pWnd == NULL) {
        // A window of a class that uses this procedure, made while CreateEx waits for it,
        // is adopted on its first message; any other window without an object gets the
        // system's default handling.
        pWnd = afx_internal::AdoptPendingWindow(hWnd);
        if (pWnd == NULL)
            return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    }
    return CallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    return CallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
    return &t_threadState.m_lastSentMsg;
}

LRESULT CWnd::Default() {
    const MSG& msg = t_threadState.m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

WNDPROC* CWnd::GetSuperWndProcAddr() {
    return &m_pfnSuper;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != NULL)
        return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
    WNDPROC pfnWndProc = *GetSuperWndProcAddr();
    // A class-wide procedure that is the framework's own would send the message round again.
    if (pfnWndProc == NULL || pfnWndProc == &AfxWndProc)
        return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
    return ::CallWindowProcA(pfnWndProc, m_hWnd, nMsg, wParam, lParam);
}

namespace {
// Commands and notifications, kept out of OnWndMsg so that its path for every other message
// stays short.
__attribute__((noinline)) BOOL CommandOrNotifyMsg(CWnd* pWnd, UINT message, WPARAM wParam,
                                                  LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (!pWnd->OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != NULL)
            *pResult = 1;
        return TRUE;
    }
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    LRESULT lResult = 0;
    if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !pWnd->OnNotify(wParam, lParam, &lResult))
        return FALSE;
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

// Runs a handler found in the maps and gives its result.
__attribute__((noinline)) LRESULT CallMapEntry(CWnd* pWnd, const AFX_MSGMAP_ENTRY* pEntry,
                                               UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT nID) {
    AFX_MSGCALL call = {message, wParam, lParam, nID, 0, 0, TRUE};
    pEntry->pfn(pWnd, call);
    // Nothing of the object is touched after the handler: it may have deleted itself.
    return call.lResult;
}
} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND || message == WM_NOTIFY)
        return CommandOrNotifyMsg(this, message, wParam, lParam, pResult);
    UINT nLookup = message;
    UINT nID = 0;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        nLookup = WM_CTLCOLOR;
        nID = message - WM_CTLCOLORMSGBOX;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindWindowMessageEntry(GetMessageMap(), nLookup);
    if (pEntry == NULL)
        return FALSE;
    const LRESULT lResult = CallMapEntry(this, pEntry, message, wParam, lParam, nID);
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == NULL) {
        if (nID == 0)
            return FALSE;
        nCode = CN_COMMAND; // menus and accelerators alike
    } else {
        if (t_threadState.m_hLockoutNotifyWindow == m_hWnd)
            return TRUE; // notifications are locked out while this window changes its children
        if (ReflectLastMsg(hWndCtrl))
            return TRUE; // the control handled its own notification
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = static_cast<UINT>(pNMHDR->idFrom);
    int nCode = static_cast<int>(pNMHDR->code);
    if (t_threadState.m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(nID, static_cast<int>(MAKELONG(nCode, WM_NOTIFY)), &notify, NULL);
}

// ---- Reflection ------------------------------------------------------------------------------

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = afx_internal::g_permanentWindows.Find(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& msg = t_threadState.m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
        // Most controls have no reflected-command entry: known without routing the command.
        if (!afx_internal::MapMayRoute(GetMessageMap(), WM_REFLECT_BASE + WM_COMMAND))
            return FALSE;
        int nCode = HIWORD(wParam);
        if (CCmdTarget::OnCmdMsg(0, static_cast<int>(MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND)),
                                 NULL, NULL)) {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        if (!afx_internal::MapMayRoute(GetMessageMap(), WM_REFLECT_BASE + WM_NOTIFY))
            return FALSE;
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        LRESULT lDummy = 0;
        AFX_NOTIFY notify = {pResult != NULL ? pResult : &lDummy, pNMHDR};
        int nCode = static_cast<int>(pNMHDR->code);
        return CCmdTarget::OnCmdMsg(
            0, static_cast<int>(MAKELONG(nCode, WM_REFLECT_BASE + WM_NOTIFY)), &notify, NULL);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            AFX_CTLCOLOR ctl = {m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
            LRESULT lResult = 0;
            BOOL bResult = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0,
                                          reinterpret_cast<LPARAM>(&ctl), &lResult);
            // A control that gives no brush leaves the colours to its parent.
            if (lResult == 0)
                return FALSE;
            if (pResult != NULL)
                *pResult = lResult;
            return bResult;
        }
        return FALSE;
    }
}
