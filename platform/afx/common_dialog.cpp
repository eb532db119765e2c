// CCommonDialog: the framework's side of the system's common dialogs. The object is attached to
// the dialog window as it is made (AfxHookWindowCreate), so the window procedure is the
// framework's and the system dialog's own procedure runs as the default behind it.
#include <afxdlgs.h>
#include <afxpriv.h>

#include "afx/afx_internal.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

BEGIN_MESSAGE_MAP(CCommonDialog, CDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog(static_cast<UINT>(0), pParentWnd) {
    m_lpszTemplateName = NULL;
    m_nIDHelp = 0;
}

void CCommonDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    // The system dialog checks the name or the numbers and ends itself.
    Default();
}

void CCommonDialog::OnCancel() {
    Default();
}

BOOL CCommonDialog::RunAttached(BOOL (*run)(void* record), void* record) {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pOldInit = pState->m_pWndInit;
    HHOOK hOldHook = pState->m_hHookOldCbtFilter;
    pState->m_hHookOldCbtFilter = NULL;
    AfxHookWindowCreate(this);
    const BOOL bResult = run(record);
    AfxUnhookWindowCreate();
    pState->m_pWndInit = pOldInit;
    pState->m_hHookOldCbtFilter = hOldHook;
    // The system dialog destroyed its window; make sure nothing of it stays attached.
    if (m_hWnd != NULL && !::IsWindow(m_hWnd))
        Detach();
    return bResult;
}

UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG)
        return 0;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
        return static_cast<UINT_PTR>(static_cast<CDialog*>(pWnd)->OnInitDialog());
    return TRUE;
}
