// CCmdTarget: message-map lookup and command routing.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, NULL, NULL}};
    static const AFX_MSGMAP messageMap = {NULL, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode,
                                                   UINT nID) {
    for (; pMap != NULL; pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != NULL; ++p) {
            if (p->nMessage == 0xC000) {
                if (p->pnRegisteredMessage != NULL && *p->pnRegisteredMessage == nMsg && nMsg != 0)
                    return p;
                continue;
            }
            if (p->nMessage == nMsg && p->nCode == nCode && nID >= p->nID && nID <= p->nLastID)
                return p;
        }
    }
    return NULL;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // nCode carries the message in its high word for notifications and reflected commands.
    UINT nMsg = 0;
    UINT nNotify = static_cast<UINT>(nCode);
    if (nNotify != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(nNotify);
        nNotify = LOWORD(nNotify);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    // Commands are searched map by map so an _EX handler that declines passes the command on
    // to the base classes' entries.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != NULL; ++p) {
            if (p->nMessage != nMsg || p->nCode != nNotify || nID < p->nID || nID > p->nLastID)
                continue;
            if (pHandlerInfo != NULL) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pfn = p->pfn;
                return TRUE;
            }
            AFX_MSGCALL call = {nMsg, 0, reinterpret_cast<LPARAM>(pExtra), nID, nNotify, 0, TRUE};
            CCmdUI* pCmdUI = nNotify == CN_UPDATE_COMMAND_UI ? static_cast<CCmdUI*>(pExtra) : NULL;
            if (pCmdUI != NULL)
                pCmdUI->m_bContinueRouting = FALSE;
            p->pfn(this, call);
            if (pCmdUI != NULL && pCmdUI->m_bContinueRouting)
                call.bHandled = FALSE;
            // The handler may have destroyed the object; only the call record is read now.
            if (call.bHandled)
                return TRUE;
        }
    }
    return FALSE;
}
