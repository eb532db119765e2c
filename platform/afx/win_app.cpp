// CWinThread and CWinApp: the application object, its message loop with idle time, and the
// global accessors and message boxes that go through it.
#include <afxwin.h>
#include <afxpriv.h>

#include "afx/afx_internal.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinApp* g_pApp = NULL;
} // namespace

CWinThread::CWinThread() : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(FALSE), m_msgCur() {}

CWinThread::~CWinThread() = default;

BOOL CWinThread::InitInstance() {
    return FALSE;
}

CWnd* CWinThread::GetMainWnd() {
    return m_pActiveWnd != NULL ? m_pActiveWnd : m_pMainWnd;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    return afx_internal::PreTranslateThroughFramework(pMsg);
}

BOOL CWinThread::PumpMessage() {
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        AfxIdleUpdateFrames();
        // A main window that is no frame still hears of idle time.
        CWnd* pMain = m_pMainWnd;
        if (pMain != NULL && pMain->m_hWnd != NULL && !pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)) &&
            pMain->IsWindowVisible()) {
            AfxCallWndProc(pMain, pMain->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMain->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        AfxDeleteTempMaps();
    }
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
    return afx_internal::IsIdleMessage(*pMsg);
}

int CWinThread::Run() {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

int CWinThread::ExitInstance() {
    return static_cast<int>(m_msgCur.wParam);
}

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_pszHelpFilePath(NULL), m_pszExeName(NULL),
      m_pszProfileName(NULL), m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL) {
    // One application object per process; a second one does not displace the first.
    if (g_pApp == NULL)
        g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = NULL;
}

BOOL CWinApp::InitApplication() {
    return TRUE;
}

int CWinApp::Run() {
    if (m_pMainWnd == NULL) {
        // Nothing to run a loop for: an application that did its work in InitInstance.
        return ExitInstance();
    }
    return CWinThread::Run();
}

int CWinApp::ExitInstance() {
    return CWinThread::ExitInstance();
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    CWnd* pMain = GetMainWnd();
    ::WinHelpA(CWnd::GetSafeHwndOf(pMain), m_pszHelpFilePath, nCmd, dwData);
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
    CWnd* pOwner = GetMainWnd();
    HWND hOwner = CWnd::GetSafeHwndOf(pOwner);
    if (hOwner == NULL)
        hOwner = ::GetActiveWindow();
    return ::MessageBoxA(hOwner, lpszPrompt, AfxGetAppName(), nType);
}

CWinApp* AFXAPI AfxGetApp() {
    return g_pApp;
}

CWinThread* AFXAPI AfxGetThread() {
    return g_pApp;
}

CWnd* AFXAPI AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

void AFXAPI AfxPostQuitMessage(int nExitCode) {
    ::PostQuitMessage(nExitCode);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    // Without an application there is no name to show; the system's caption applies.
    return ::MessageBoxA(::GetActiveWindow(), lpszText, NULL, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    CString string;
    string.LoadString(nIDPrompt);
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(string, nType, nIDHelp);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return -1;
    if (hInstance != NULL)
        afx_internal::SetInstanceHandle(hInstance);
    pApp->m_hInstance = AfxGetInstanceHandle();
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    if (!pApp->InitApplication() || !pApp->InitInstance()) {
        if (pApp->m_pMainWnd != NULL)
            pApp->m_pMainWnd->DestroyWindow();
        return pApp->ExitInstance();
    }
    return pApp->Run();
}
