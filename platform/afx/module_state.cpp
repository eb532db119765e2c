// The application's module state: instance and resource handles, the resource chain of
// extension libraries, and the extension-module records.
#include <afxwin.h>

#include "afx/afx_internal.h"

namespace {
HINSTANCE g_hInstance = NULL; // NULL: the host executable, asked for when needed
HINSTANCE g_hResource = NULL; // NULL: the same as the instance
CDynLinkLibrary* g_firstLibrary = NULL;
} // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle() {
    return g_hInstance != NULL ? g_hInstance : ::GetModuleHandleA(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle() {
    return g_hResource != NULL ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
    g_hResource = hInstResource;
}

LPCSTR AFXAPI AfxGetAppName() {
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->m_pszAppName != NULL ? pApp->m_pszAppName : "";
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResourceA(hInst, lpszName, lpszType) != NULL)
        return hInst;
    for (CDynLinkLibrary* pDLL = g_firstLibrary; pDLL != NULL; pDLL = pDLL->m_pNextDLL) {
        if (pDLL->m_hResource != NULL &&
            ::FindResourceA(pDLL->m_hResource, lpszName, lpszType) != NULL)
            return pDLL->m_hResource;
    }
    return hInst;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
    if (hModule == NULL)
        return FALSE;
    // A second call (a module loaded twice) keeps the first record.
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = NULL;
    state.pFirstSharedFactory = NULL;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    for (CDynLinkLibrary* pDLL = g_firstLibrary; pDLL != NULL;) {
        CDynLinkLibrary* pNext = pDLL->m_pNextDLL;
        if (pDLL->m_hModule == state.hModule)
            delete pDLL;
        pDLL = pNext;
    }
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource),
      m_pFirstSharedClass(state.pFirstSharedClass), m_bSystem(bSystem), m_pNextDLL(NULL) {
    // Later libraries are searched after earlier ones, as they were loaded.
    CDynLinkLibrary** link = &g_firstLibrary;
    while (*link != NULL)
        link = &(*link)->m_pNextDLL;
    *link = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    for (CDynLinkLibrary** link = &g_firstLibrary; *link != NULL; link = &(*link)->m_pNextDLL) {
        if (*link == this) {
            *link = m_pNextDLL;
            break;
        }
    }
}

namespace afx_internal {
void ResetModuleState() {
    g_hInstance = NULL;
    g_hResource = NULL;
    // The chain's objects belong to their libraries; the reset only unlinks them.
    while (g_firstLibrary != NULL) {
        CDynLinkLibrary* p = g_firstLibrary;
        g_firstLibrary = p->m_pNextDLL;
        p->m_pNextDLL = NULL;
    }
}
void SetInstanceHandle(HINSTANCE hInstance) {
    g_hInstance = hInstance;
}
} // namespace afx_internal
