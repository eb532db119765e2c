// CPropertyPage: a dialog made by the system property sheet, attached to its object as the
// sheet makes it, hearing the sheet's notifications as virtual calls.
#include <afxdlgs.h>

#include "afx/afx_internal.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

// The page's messages are a dialog's; its notifications come through OnNotify.
BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

namespace {

// The sheet is about to make the page's window: the window belongs to the page object.
UINT CALLBACK PageCallback(HWND, UINT message, PROPSHEETPAGEA* ppsp) {
    if (message == PSPCB_CREATE && ppsp != NULL)
        AfxHookWindowCreate(reinterpret_cast<CPropertyPage*>(ppsp->lParam));
    return TRUE;
}

INT_PTR CALLBACK PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        // The window was attached at its creation; nothing else is waiting for the hook.
        AfxUnhookWindowCreate();
    }
    return AfxDlgProc(hWnd, message, wParam, lParam);
}

} // namespace

CPropertyPage::CPropertyPage() {
    CommonConstruct(NULL, 0);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) {
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) {
    CommonConstruct(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCSTR lpszTemplateName, UINT nIDCaption) {
    CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption) {
    memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = sizeof m_psp;
    // Every framework page can ask for help; whether the sheet shows a Help button is the
    // sheet's choice (PSH_HASHELP).
    m_psp.dwFlags = PSP_USECALLBACK | PSP_HASHELP;
    m_lpszTemplateName = lpszTemplateName;
    if (lpszTemplateName != NULL) {
        m_psp.hInstance = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
        if (IS_INTRESOURCE(lpszTemplateName))
            m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    }
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = PageDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = PageCallback;
    m_strCaption.Empty();
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    m_bFirstSetActive = TRUE;
}

void CPropertyPage::SetModified(BOOL bChanged) {
    HWND hSheet = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hSheet != NULL)
        ::SendMessageA(hSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED,
                       reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose() {
    HWND hSheet = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hSheet != NULL)
        ::SendMessageA(hSheet, PSM_CANCELTOCLOSE, 0, 0);
}

BOOL CPropertyPage::OnSetActive() {
    // The first time the controls have their values from OnInitDialog already.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

// A page is not a dialog of its own: OK and Cancel end the sheet, not the page.
void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() {
    OnCancel();
}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG*) {
    // The sheet does the dialog keys for all its pages (Ctrl+Tab among them).
    return FALSE;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    switch (pHdr->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        return TRUE;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        return TRUE;
    case PSN_RESET:
        OnReset();
        return TRUE;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        return TRUE;
    case PSN_HELP:
        ::SendMessageA(m_hWnd, WM_COMMAND, ID_HELP, 0);
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
}
