// CPropertySheet: the system property sheet made from the sheet's pages, attached to its object,
// modal through the framework's modal loop or modeless.
#include <afxdlgs.h>

#include "afx/afx_internal.h"

#include <vector>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() {
    CommonConstruct(NULL, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() {
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    CommonConstruct(pParentWnd, iSelectPage);
    // A caption that cannot be loaded leaves the sheet untitled.
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage) {
    memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
    m_bModeless = FALSE;
}

BOOL CPropertySheet::MakeSheet(HWND hWndOwner, BOOL bModeless) {
    if (m_hWnd != NULL || m_pages.GetSize() == 0)
        return FALSE;
    // The pages as the system takes them: each page's own record, pointing back at the page.
    std::vector<PROPSHEETPAGEA> pages;
    for (int i = 0; i < m_pages.GetSize(); ++i)
        pages.push_back(GetPage(i)->m_psp);
    PROPSHEETHEADERA psh = m_psh;
    psh.dwFlags = (psh.dwFlags | PSH_PROPSHEETPAGE | PSH_MODELESS) & ~PSH_USEPSTARTPAGE;
    psh.hwndParent = hWndOwner;
    psh.hInstance = AfxGetResourceHandle();
    psh.pszCaption = m_strCaption;
    psh.nPages = static_cast<UINT>(pages.size());
    psh.ppsp = pages.data();
    if (psh.nStartPage >= psh.nPages)
        psh.nStartPage = 0;
    m_bModeless = bModeless;

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pOldInit = pState->m_pWndInit;
    HHOOK hOldHook = pState->m_hHookOldCbtFilter;
    pState->m_hHookOldCbtFilter = NULL;
    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(::PropertySheetA(&psh));
    AfxUnhookWindowCreate();
    pState->m_pWndInit = pOldInit;
    pState->m_hHookOldCbtFilter = hOldHook;
    if (hWnd == NULL) {
        if (m_hWnd != NULL)
            Detach();
        return FALSE;
    }
    return FromHandlePermanent(hWnd) == this;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    if (!MakeSheet(GetSafeHwndOf(m_pParentWnd), TRUE))
        return FALSE;
    if (dwStyle != static_cast<DWORD>(-1))
        ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
    if (dwExStyle != 0)
        ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(dwExStyle));
    return TRUE;
}

INT_PTR CPropertySheet::DoModal() {
    CWnd* pOwner = GetSafeOwner_(GetSafeHwndOf(m_pParentWnd));
    HWND hWndOwner = GetSafeHwndOf(pOwner);
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner)) {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }
    m_nModalResult = -1;
    INT_PTR nResult = -1;
    if (MakeSheet(hWndOwner, FALSE)) {
        m_bModeless = FALSE;
        m_nModalResult = IDCANCEL;
        m_nFlags |= WF_CONTINUEMODAL;
        if (ContinueModal())
            RunModalLoop(0);
        nResult = m_nModalResult;
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    }
    if (bEnableOwner && ::IsWindow(hWndOwner))
        ::EnableWindow(hWndOwner, TRUE);
    if (hWndOwner != NULL && m_hWnd != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndOwner);
    if (m_hWnd != NULL)
        DestroyWindow();
    return nResult;
}

BOOL CPropertySheet::ContinueModal() {
    if (!CWnd::ContinueModal())
        return FALSE;
    // The system sheet has ended (OK, Cancel) when it has no current page any more.
    if (m_hWnd == NULL || ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) {
        EndModalLoop(m_nModalResult);
        return FALSE;
    }
    return TRUE;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // The button that ends the sheet is the modal result.
    UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (nID == IDOK || nID == IDCANCEL))
        m_nModalResult = static_cast<int>(nID);
    return FALSE; // the system sheet does the button's work
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (pPage == NULL)
        return;
    m_pages.Add(pPage);
    if (m_hWnd == NULL)
        return;
    HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
    if (hPage == NULL || !::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage))) {
        if (hPage != NULL)
            ::DestroyPropertySheetPage(hPage);
        m_pages.RemoveAt(m_pages.GetSize() - 1);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage) {
    if (nPage < 0 || nPage >= m_pages.GetSize())
        return;
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const {
    return static_cast<int>(m_pages.GetSize());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    if (nPage < 0 || nPage >= m_pages.GetSize())
        return NULL;
    return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
    for (int i = 0; i < m_pages.GetSize(); ++i) {
        if (m_pages.GetAt(i) == pPage)
            return i;
    }
    return -1;
}

int CPropertySheet::GetActiveIndex() const {
    if (m_hWnd == NULL)
        return static_cast<int>(m_psh.nStartPage);
    HWND hTab = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return hTab != NULL ? static_cast<int>(::SendMessageA(hTab, TCM_GETCURSEL, 0, 0)) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (nPage < 0 || nPage >= m_pages.GetSize())
        return FALSE;
    if (m_hWnd == NULL) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return ::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0) != 0;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle) {
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~static_cast<DWORD>(PSH_PROPTITLE)) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(lpszText));
}

void CPropertySheet::PressButton(int nButton) {
    if (m_hWnd != NULL)
        ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(nButton), 0);
}

void CPropertySheet::EndDialog(int nEndID) {
    m_nModalResult = nEndID;
    if (m_bModeless) {
        DestroyWindow();
        return;
    }
    PressButton(nEndID == IDOK ? PSBTN_OK : PSBTN_CANCEL);
}

BOOL CPropertySheet::OnInitDialog() {
    return TRUE;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
    // The system sheet builds itself first (buttons, tab control, the first page).
    LRESULT lResult = Default();
    OnInitDialog();
    return lResult;
}

LRESULT CPropertySheet::OnCommandHelp(WPARAM wParam, LPARAM lParam) {
    CPropertyPage* pPage = GetActivePage();
    if (pPage == NULL || pPage->m_hWnd == NULL)
        return FALSE;
    return AfxCallWndProc(pPage, pPage->m_hWnd, WM_COMMANDHELP, wParam, lParam);
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || m_hWnd == NULL)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    return ::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)) != 0;
}
