// The maps from window handles to CWnd objects: permanent (objects that own their window) and
// temporary (made by FromHandle for windows without an object, deleted at idle time).
#include <afxwin.h>

#include "afx/afx_internal.h"
#include "afx/handle_slots.h"

#include <vector>

afx_internal::WindowMap& afx_internal::g_permanentWindows = *new afx_internal::WindowMap;

namespace {
using afx_internal::WindowMap;

WindowMap& PermanentMap() {
    return afx_internal::g_permanentWindows;
}
// Deletes the map's objects, emptying the map first: a destructor must not find it half-cleared.
void DeleteTemporaries(WindowMap& map) {
    std::vector<CWnd*> doomed;
    map.ForEach([&](HWND, CWnd* pWnd) { doomed.push_back(pWnd); });
    map.Clear();
    for (CWnd* pWnd : doomed) {
        pWnd->m_hWnd = NULL; // a temporary object never owned its window
        delete pWnd;
    }
}

// Temporaries are deleted at idle time; a host that never idles (a test, a tool pumping its own
// loop) would otherwise leave the last ones to the end of the process, so they go with the map.
struct TemporaryWindows {
    WindowMap map;
    ~TemporaryWindows() { DeleteTemporaries(map); }
};

WindowMap& TemporaryMap() {
    static TemporaryWindows temporaries;
    return temporaries.map;
}
std::vector<void (*)()>& TempMapCleanups() {
    static std::vector<void (*)()> cleanups;
    return cleanups;
}
} // namespace

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    return afx_internal::g_permanentWindows.Find(hWnd);
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    if (hWnd == NULL)
        return NULL;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& temp = TemporaryMap();
    if (CWnd* pWnd = temp.Find(hWnd))
        return pWnd;
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = hWnd;
    temp.Assign(hWnd, pWnd);
    return pWnd;
}

void PASCAL CWnd::DeleteTempMap() {
    DeleteTemporaries(TemporaryMap());
}

BOOL CWnd::Attach(HWND hWndNew) {
    if (hWndNew == NULL || m_hWnd != NULL)
        return FALSE;
    auto& map = PermanentMap();
    // One object per window: a second claim is refused rather than orphaning the first.
    if (map.Contains(hWndNew))
        return FALSE;
    map.Assign(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND hWnd = m_hWnd;
    if (hWnd != NULL) {
        auto& map = PermanentMap();
        if (map.Find(hWnd) == this)
            map.Erase(hWnd);
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
    return PermanentMap().Size();
}
size_t TemporaryWindowCount() {
    return TemporaryMap().Size();
}
void CollectPermanentWindows(HWND* pOut, size_t nMax, size_t* pnCount) {
    size_t n = 0;
    PermanentMap().ForEach([&](HWND hWnd, CWnd*) {
        if (n < nMax)
            pOut[n] = hWnd;
        ++n;
    });
    *pnCount = n;
}
void ForgetPermanentMap() {
    // Objects in the map belong to the host or to themselves; the reset only lets go of them.
    std::vector<CWnd*> doomed;
    PermanentMap().ForEach([&](HWND, CWnd* pWnd) { doomed.push_back(pWnd); });
    PermanentMap().Clear();
    for (CWnd* pWnd : doomed)
        pWnd->m_hWnd = NULL;
}
} // namespace afx_internal
