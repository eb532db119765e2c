// CKPrintDlg: the system's Print and Print Setup dialogs with help of their own.
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include "dialogs/dialog_help.h"

BEGIN_MESSAGE_MAP(CKPrintDlg, CPrintDialog)
ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CKPrintDlg::CKPrintDlg(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CPrintDialog(bPrintSetupOnly, dwFlags, pParentWnd), m_nHelpID(0), m_hThinFont(NULL) {
    m_szHelpFile[0] = '\0';
}

CKPrintDlg::~CKPrintDlg() {
    if (m_hThinFont != NULL)
        ::DeleteObject(m_hThinFont);
}

BOOL CKPrintDlg::OnInitDialog() {
    ApplyThinFont(this, m_hThinFont);
    return CPrintDialog::OnInitDialog();
}

void CKPrintDlg::SetHelpID(UINT nHelpID) {
    m_nHelpID = nHelpID;
}

BOOL CKPrintDlg::SetHelpFile(LPCSTR lpszHelpFile) {
    return StoreHelpFile(m_szHelpFile, lpszHelpFile);
}

void CKPrintDlg::OnHelp() {
    if (m_nHelpID != 0)
        OpenWholeContextHelp(m_hWnd, m_nHelpID, m_szHelpFile);
}
