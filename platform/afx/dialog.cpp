// CDialog: modal and modeless dialogs made from templates, with the framework's object attached
// before WM_INITDIALOG.
#include <afxwin.h>
#include <afxpriv.h>

#include "afx/afx_internal.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

void CDialog::CommonConstruct() {
    m_lpszTemplateName = NULL;
    m_lpDialogTemplate = NULL;
    m_pParentWnd = NULL;
    m_nIDHelp = 0;
}

CDialog::CDialog() {
    CommonConstruct();
}

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    CommonConstruct();
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    if (lpszTemplateName != NULL && IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) {
    CommonConstruct();
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_pParentWnd = pParentWnd;
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog() {
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
            return static_cast<CDialog*>(pWnd)->OnInitDialog();
        return TRUE;
    }
    return FALSE;
}

const DLGTEMPLATE* CDialog::LoadTemplate(HINSTANCE& hInst) const {
    if (m_lpszTemplateName == NULL) {
        hInst = AfxGetResourceHandle();
        return m_lpDialogTemplate;
    }
    hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
    if (hResource == NULL)
        return NULL;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (hTemplate == NULL)
        return NULL;
    return static_cast<const DLGTEMPLATE*>(::LockResource(hTemplate));
}

BOOL CDialog::CreateDlgIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd,
                                HINSTANCE hInst) {
    if (lpDialogTemplate == NULL || m_hWnd != NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxGetInstanceHandle();

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pOldInit = pState->m_pWndInit;
    HHOOK hOldHook = pState->m_hHookOldCbtFilter;
    pState->m_hHookOldCbtFilter = NULL;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, GetSafeHwndOf(pParentWnd),
                                             AfxDlgProc, 0);
    BOOL bAttachedEarly = AfxUnhookWindowCreate();
    pState->m_pWndInit = pOldInit;
    pState->m_hHookOldCbtFilter = hOldHook;
    if (hWnd == NULL)
        return FALSE;
    if (!bAttachedEarly && FromHandlePermanent(hWnd) == NULL) {
        // Without the hook the dialog ran WM_INITDIALOG on its own; adopt it now.
        SubclassWindow(hWnd);
    }
    return FromHandlePermanent(hWnd) == this;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (lpszTemplateName != NULL && IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst = NULL;
    const DLGTEMPLATE* lpTemplate = LoadTemplate(hInst);
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd) {
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd) {
    m_lpszTemplateName = NULL;
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != NULL;
}

HWND CDialog::PreModal() {
    // The owner of a modal dialog is a top-level window; the main window when none is given.
    CWnd* pOwner = GetSafeOwner_(GetSafeHwndOf(m_pParentWnd));
    return GetSafeHwndOf(pOwner);
}

INT_PTR CDialog::DoModal() {
    HINSTANCE hInst = NULL;
    const DLGTEMPLATE* lpTemplate = LoadTemplate(hInst);
    if (lpTemplate == NULL)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    // The parent goes in as a handle wrapped by a temporary object that lives only for the
    // creation; the modal loop's idle time may delete temporary objects.
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
        if (m_nFlags & WF_CONTINUEMODAL) {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd != NULL)
            ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE |
                               SWP_NOZORDER);
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);

    if (bEnableParent && ::IsWindow(hWndParent))
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && m_hWnd != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);

    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    else
        m_nModalResult = nResult;
    if (m_hWnd != NULL)
        ::EndDialog(m_hWnd, nResult);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl != NULL)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

BOOL CDialog::OnInitDialog() {
    // Controls that exchange data get their first values here.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnSetFont(CFont*) {}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (m_hWnd == NULL || !::IsWindow(m_hWnd))
        return FALSE;
    // Keyboard navigation: Tab, arrows, Enter and Escape, for this dialog's controls.
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Commands no dialog handler took go on to the application, as menus' commands do.
    if ((nCode != CN_COMMAND && nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)))
        return FALSE;
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread != static_cast<CCmdTarget*>(this))
        return pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return FALSE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    // The dialog procedure (AfxDlgProc) calls OnInitDialog from the default handling.
    return Default();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM) {
    OnSetFont(afx_internal::FontFromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam) {
    if (lParam == 0 && m_nIDHelp != 0)
        lParam = static_cast<LPARAM>(HID_BASE_RESOURCE + m_nIDHelp);
    if (lParam == 0)
        return FALSE;
    if (CWinApp* pApp = AfxGetApp())
        pApp->WinHelp(static_cast<DWORD_PTR>(lParam), HELP_CONTEXT);
    else
        WinHelp(static_cast<DWORD_PTR>(lParam), HELP_CONTEXT);
    return TRUE;
}

LRESULT CDialog::OnHelpHitTest(WPARAM, LPARAM) {
    if (m_nIDHelp != 0)
        return static_cast<LRESULT>(HID_BASE_RESOURCE + m_nIDHelp);
    return 0;
}
