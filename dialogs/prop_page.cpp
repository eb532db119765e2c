// CPropPage: a property page with its own help context and file, and the thin font.
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include "dialogs/dialog_help.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CPropPage, CPropertyPage)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

CPropPage::CPropPage(LPCSTR lpszTemplateName, UINT nIDCaption, UINT nHelpID)
    : CPropertyPage(lpszTemplateName, nIDCaption) {
    CommonConstruct(nHelpID);
}

CPropPage::CPropPage(UINT nIDTemplate, UINT nIDCaption, UINT nHelpID)
    : CPropertyPage(nIDTemplate, nIDCaption) {
    CommonConstruct(nHelpID);
}

CPropPage::CPropPage(LPCSTR lpszTemplateName, UINT nHelpID) : CPropertyPage(lpszTemplateName, 0) {
    CommonConstruct(nHelpID);
}

CPropPage::CPropPage(UINT nIDTemplate, UINT nHelpID) : CPropertyPage(nIDTemplate, 0) {
    CommonConstruct(nHelpID);
}

void CPropPage::CommonConstruct(UINT nHelpID) {
    m_hThinFont = NULL;
    SetHelpID(nHelpID);
    std::memset(m_szHelpFile, 0, sizeof(m_szHelpFile));
}

CPropPage::~CPropPage() {
    // The window goes before the font its controls use.
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_hThinFont != NULL)
        ::DeleteObject(m_hThinFont);
}

BOOL CPropPage::OnInitDialog() {
    // A page does not place itself: the sheet puts it on its tab control.
    const BOOL bResult = CDialog::OnInitDialog();
    HFONT hThin = MakeThinFont(this, m_hThinFont);
    if (hThin != NULL)
        m_hThinFont = hThin;
    return bResult;
}

void CPropPage::OnDefault() {}

BOOL CPropPage::bIsPageCreated() const {
    return m_hWnd != NULL && ::IsWindow(m_hWnd);
}

BOOL CPropPage::SetHelpFile(LPCSTR lpszHelpFile) {
    return StoreHelpFile(m_szHelpFile, lpszHelpFile);
}

void CPropPage::SetWindowTextA(LPCSTR lpszString) {
    if (!bIsPageCreated())
        return;
    CPropertyPage::SetWindowText(lpszString);
    PostMessage(WM_NCPAINT, 0, 0);
}

int CPropPage::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    return CPropertyPage::OnCreate(lpCreateStruct);
}

void CPropPage::OnDestroy() {
    CPropertyPage::OnDestroy();
}

LRESULT CPropPage::OnCommandHelp(WPARAM, LPARAM) {
    OpenDialogHelp(m_hWnd, GetHelpID(), m_szHelpFile);
    // Taken in every case, so the framework looks no further for help; a page without help
    // swallows the request.
    return TRUE;
}
