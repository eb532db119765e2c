// CFileDialog: the system's Open and Save As dialogs with the framework's '|'-separated filter,
// its own file name buffers and the pieces of the chosen path.
#include <afxdlgs.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog) {
    std::memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = '\0';
    m_szFileTitle[0] = '\0';
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName);
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK;
    m_ofn.lpfnHook = AfxCommDlgProc;
    if (lpszFileName != NULL)
        lstrcpynA(m_szFileName, lpszFileName, sizeof(m_szFileName));
    if (lpszFilter != NULL) {
        // '|' becomes the terminator; two more make sure the list ends even when the caller
        // forgot the final "||".
        const int length = lstrlenA(lpszFilter);
        char* buffer = m_strFilter.GetBuffer(length + 2);
        for (int i = 0; i < length; ++i)
            buffer[i] = lpszFilter[i] == '|' ? '\0' : lpszFilter[i];
        buffer[length] = '\0';
        buffer[length + 1] = '\0';
        m_strFilter.ReleaseBuffer(length + 1);
        m_ofn.lpstrFilter = static_cast<LPCSTR>(m_strFilter);
    }
}

namespace {

BOOL RunOpen(void* record) {
    return ::GetOpenFileNameA(static_cast<OPENFILENAMEA*>(record));
}

BOOL RunSave(void* record) {
    return ::GetSaveFileNameA(static_cast<OPENFILENAMEA*>(record));
}

} // namespace

INT_PTR CFileDialog::DoModal() {
    m_ofn.hwndOwner = PreModal();
    const BOOL bResult = RunAttached(m_bOpenFileDialog ? RunOpen : RunSave, &m_ofn);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const {
    return CString(m_ofn.lpstrFile);
}

CString CFileDialog::GetFileName() const {
    if (m_ofn.nFileOffset == 0 && m_ofn.lpstrFile[0] == '\0')
        return CString();
    return CString(m_ofn.lpstrFile + m_ofn.nFileOffset);
}

CString CFileDialog::GetFileExt() const {
    const int length = lstrlenA(m_ofn.lpstrFile);
    if (m_ofn.nFileExtension == 0 || m_ofn.nFileExtension >= length)
        return CString();
    return CString(m_ofn.lpstrFile + m_ofn.nFileExtension);
}

CString CFileDialog::GetFileTitle() const {
    CString name = GetFileName();
    const int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}
