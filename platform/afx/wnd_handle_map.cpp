// The maps from window handles to CWnd objects: permanent (objects that own their window) and
// temporary (made by FromHandle for windows without an object, deleted at idle time).
#include <afxwin.h>

#include "afx/afx_internal.h"

#include <unordered_map>
#include <vector>

namespace {
std::unordered_map<HWND, CWnd*>& PermanentMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}
std::unordered_map<HWND, CWnd*>& TemporaryMap() {
    static std::unordered_map<HWND, CWnd*> map;
    return map;
}
std::vector<void (*)()>& TempMapCleanups() {
    static std::vector<void (*)()> cleanups;
    return cleanups;
}
} // namespace

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    if (hWnd == NULL)
        return NULL;
    auto& map = PermanentMap();
    auto it = map.find(hWnd);
    return it != map.end() ? it->second : NULL;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    if (hWnd == NULL)
        return NULL;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temp = TemporaryMap();
    auto it = temp.find(hWnd);
    if (it != temp.end())
        return it->second;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temp.emplace(hWnd, pWnd);
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap() {
    // Swap the map out first: a destructor must not find a half-cleared map.
    std::unordered_map<HWND, CWnd*> doomed;
    doomed.swap(TemporaryMap());
    for (auto& entry : doomed) {
        entry.second->m_hWnd = NULL; // a temporary object never owned its window
        delete entry.second;
    }
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == NULL || m_hWnd != NULL)
        return FALSE;
    auto& map = PermanentMap();
    // One object per window: a second claim is refused rather than orphaning the first.
    if (map.find(hWndNew) != map.end())
        return FALSE;
    map.emplace(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != NULL) {
        auto& map = PermanentMap();
        auto it = map.find(hWnd);
        if (it != map.end() && it->second == this)
            map.erase(it);
    }
    m_hWnd = NULL;
    return hWnd;
}

void AFXAPI AfxAddTempMapCleanup(void (*pfnCleanup)()) {
    if (pfnCleanup == NULL)
        return;
    for (auto pfn : TempMapCleanups()) {
        if (pfn == pfnCleanup)
            return;
    }
    TempMapCleanups().push_back(pfnCleanup);
}

void AFXAPI AfxDeleteTempMaps() {
    CWnd::DeleteTempMap();
    for (auto pfn : TempMapCleanups())
        pfn();
}

namespace afx_internal {
size_t PermanentWindowCount() {
    return PermanentMap().size();
}
size_t TemporaryWindowCount() {
    return TemporaryMap().size();
}
void CollectPermanentWindows(HWND* pOut, size_t nMax, size_t* pnCount) {
    size_t n = 0;
    for (auto& entry : PermanentMap()) {
        if (n < nMax)
            pOut[n] = entry.first;
        ++n;
    }
    *pnCount = n;
}
void ForgetPermanentMap() {
    // Objects in the map belong to the host or to themselves; the reset only lets go of them.
    std::unordered_map<HWND, CWnd*> doomed;
    doomed.swap(PermanentMap());
    for (auto& entry : doomed)
        entry.second->m_hWnd = NULL;
}
} // namespace afx_internal
