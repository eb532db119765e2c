// CCmdTarget: message-map lookup and command routing.
#include <afxwin.h>

#include "afx/afx_internal.h"

#include <cstddef>
#include <cstdint>

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

namespace {

// Whether any entry of a map or its bases answers a command, remembered: most notifications a
// window routes (a field's EN_CHANGE at every keystroke) have no handler at all, and walking
// every map to learn that again is the larger part of routing them. Maps are static, so an
// answer holds for the life of the process.
struct CommandCacheEntry {
    const AFX_MSGMAP* pMap;
    UINT nMsg;
    UINT nNotify;
    UINT nID;
    bool bAnswered;
};
constexpr std::size_t kCommandCacheSize = 256;
CommandCacheEntry g_commandCache[kCommandCacheSize];

bool AnyCommandEntry(const AFX_MSGMAP* pFirst, UINT nMsg, UINT nNotify, UINT nID) {
    // Mixed, so that notifications differing only in high bits (EN_CHANGE 0x300 and EN_UPDATE
    // 0x400, sent in turn) do not evict each other.
    std::uint64_t h = (reinterpret_cast<std::uintptr_t>(pFirst) >> 4) ^
                      (static_cast<std::uint64_t>(nID) << 32) ^ (nNotify * 0x9E3779B1ull) ^
                      (nMsg * 0x85EBCA77ull);
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    const std::size_t slot = static_cast<std::size_t>(h) & (kCommandCacheSize - 1);
    CommandCacheEntry& cached = g_commandCache[slot];
    if (cached.pMap == pFirst && cached.nMsg == nMsg && cached.nNotify == nNotify &&
        cached.nID == nID)
        return cached.bAnswered;
    bool bAnswered = false;
    for (const AFX_MSGMAP* pMap = pFirst; pMap != NULL && !bAnswered;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != NULL; ++p) {
            if (p->nMessage == nMsg && p->nCode == nNotify && nID >= p->nID && nID <= p->nLastID) {
                bAnswered = true;
                break;
            }
        }
    }
    cached = CommandCacheEntry{pFirst, nMsg, nNotify, nID, bAnswered};
    return bAnswered;
}

// The kinds of command a map and its bases answer at all, remembered per map: a control's own
// map mostly has no reflected-notification entry, and a window's no entry for a notification
// at all, so most routing ends here after one table read, before any hashing.
enum : unsigned {
    kCommandEntries = 1,
    kNotifyEntries = 2,
    kReflectedCommandEntries = 4,
    kReflectedNotifyEntries = 8,
    kOtherEntries = 16,
};

unsigned EntryKind(UINT nMsg) {
    switch (nMsg) {
    case WM_COMMAND:
        return kCommandEntries;
    case WM_NOTIFY:
        return kNotifyEntries;
    case WM_REFLECT_BASE + WM_COMMAND:
        return kReflectedCommandEntries;
    case WM_REFLECT_BASE + WM_NOTIFY:
        return kReflectedNotifyEntries;
    default:
        return kOtherEntries;
    }
}

struct MapKindsEntry {
    const AFX_MSGMAP* pMap;
    unsigned kinds;
};
constexpr std::size_t kMapKindsCacheSize = 64;
MapKindsEntry g_mapKindsCache[kMapKindsCacheSize];

// The map walk, out of line so that the look-up before it stays a few instructions.
__attribute__((noinline)) unsigned RememberEntryKinds(const AFX_MSGMAP* pFirst,
                                                      MapKindsEntry* cached) {
    unsigned kinds = 0;
    for (const AFX_MSGMAP* pMap = pFirst; pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != NULL; ++p)
            kinds |= EntryKind(p->nMessage);
    }
    *cached = MapKindsEntry{pFirst, kinds};
    return kinds;
}

unsigned EntryKinds(const AFX_MSGMAP* pFirst) {
    MapKindsEntry& cached =
        g_mapKindsCache[(reinterpret_cast<std::uintptr_t>(pFirst) >> 4) & (kMapKindsCacheSize - 1)];
    if (cached.pMap == pFirst)
        return cached.kinds;
    return RememberEntryKinds(pFirst, &cached);
}

} // namespace

namespace afx_internal {
bool MapMayRoute(const AFX_MSGMAP* pMap, UINT nMsg) {
    return (EntryKinds(pMap) & EntryKind(nMsg)) != 0;
}
} // namespace afx_internal

namespace {
// Commands are searched map by map so an _EX handler that declines passes the command on to the
// base classes' entries. Kept out of OnCmdMsg, whose usual answer is "no handler".
__attribute__((noinline)) BOOL RouteCommand(CCmdTarget* pTarget, const AFX_MSGMAP* pFirst,
                                            UINT nMsg, UINT nNotify, UINT nID, void* pExtra,
                                            AFX_CMDHANDLERINFO* pHandlerInfo) {
    for (const AFX_MSGMAP* pMap = pFirst; pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != NULL; ++p) {
            if (p->nMessage != nMsg || p->nCode != nNotify || nID < p->nID || nID > p->nLastID)
                continue;
            if (pHandlerInfo != NULL) {
                pHandlerInfo->pTarget = pTarget;
                pHandlerInfo->pfn = p->pfn;
                return TRUE;
            }
            AFX_MSGCALL call = {nMsg, 0, reinterpret_cast<LPARAM>(pExtra), nID, nNotify, 0, TRUE};
            CCmdUI* pCmdUI = nNotify == CN_UPDATE_COMMAND_UI ? static_cast<CCmdUI*>(pExtra) : NULL;
            if (pCmdUI != NULL)
                pCmdUI->m_bContinueRouting = FALSE;
            p->pfn(pTarget, call);
            if (pCmdUI != NULL && pCmdUI->m_bContinueRouting)
                call.bHandled = FALSE;
            // The handler may have destroyed the object; only the call record is read now.
            if (call.bHandled)
                return TRUE;
        }
    }
    return FALSE;
}
} // namespace

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

    const AFX_MSGMAP* pFirst = GetMessageMap();
    if (!afx_internal::MapMayRoute(pFirst, nMsg) || !AnyCommandEntry(pFirst, nMsg, nNotify, nID))
        return FALSE;
    return RouteCommand(this, pFirst, nMsg, nNotify, nID, pExtra, pHandlerInfo);
}
