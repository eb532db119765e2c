// CKFileDlg: the system's Open and Save As dialogs with help of their own.
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include "dialogs/dialog_help.h"

BEGIN_MESSAGE_MAP(CKFileDlg, CCommonDialog)
ON_COMMAND(ID_HELP, OnHelp)
ON_COMMAND(pshHelp, OnHelp)
END_MESSAGE_MAP()

CKFileDlg::CKFileDlg(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                     LPCSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd),
      m_nHelpID(0), m_hThinFont(NULL) {
    m_szHelpFile[0] = '\0';
}

CKFileDlg::~CKFileDlg() {
    if (m_hThinFont != NULL)
        ::DeleteObject(m_hThinFont);
}

BOOL CKFileDlg::OnInitDialog() {
    ApplyThinFont(this, m_hThinFont);
    return CFileDialog::OnInitDialog();
}

void CKFileDlg::SetHelpID(UINT nHelpID) {
    m_nHelpID = nHelpID;
}

BOOL CKFileDlg::SetHelpFile(LPCSTR lpszHelpFile) {
    return StoreHelpFile(m_szHelpFile, lpszHelpFile);
}

void CKFileDlg::OnHelp() {
    if (m_nHelpID != 0)
        OpenWholeContextHelp(m_hWnd, m_nHelpID, m_szHelpFile);
}

void CKFileDlg::SetWindowTextA(LPCSTR lpszTitle) {
    // Only stored: the system dialog shows it when it next opens.
    m_ofn.lpstrTitle = lpszTitle;
}
