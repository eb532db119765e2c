// The CWnd members that do more than forward one Win32 call: styles, owners, geometry in
// rectangles, texts into CStrings, fonts and DCs as framework objects, help and message boxes,
// data exchange, and sending to every descendant.
#include <afxwin.h>

#include <vector>

namespace {

// Changes the bits of the style at index (GWL_STYLE or GWL_EXSTYLE); with nFlags, the frame is
// told through SetWindowPos. False when the style was already so.
BOOL ChangeStyle(HWND hWnd, int index, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hWnd, index));
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongA(hWnd, index, static_cast<LONG>(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ChangeStyle(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ChangeStyle(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

int CWnd::SetDlgCtrlID(int nID) {
    return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID));
}

CWnd* CWnd::GetOwner() const {
    if (m_hWndOwner != NULL)
        return FromHandle(m_hWndOwner);
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND hWnd = m_hWnd;
    if (hWnd == NULL)
        return NULL;
    while ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) && ::GetParent(hWnd) != NULL)
        hWnd = ::GetParent(hWnd);
    return FromHandle(hWnd);
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop) {
    return GetSafeOwner_(GetSafeHwndOf(pParent), pWndTop);
}

CWnd* PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop) {
    // The top-level window above the given parent (or the main window), as message boxes and
    // modal dialogs want for their owner; disabled or child windows do not qualify.
    HWND hWnd = hParent;
    if (hWnd == NULL) {
        CWnd* pMain = AfxGetMainWnd();
        hWnd = GetSafeHwndOf(pMain);
    }
    while (hWnd != NULL && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (pWndTop != NULL)
        *pWndTop = hWnd;
    return FromHandle(hWnd);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, GetSafeHwndOf(pWndInsertAfter), x, y, cx, cy, nFlags);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->left));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(&lpRect->right));
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    RECT rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    RECT rcCenter;
    HWND hCenter = pAlternateOwner != NULL ? pAlternateOwner->m_hWnd : ::GetParent(m_hWnd);
    if (hCenter != NULL && ::IsWindowVisible(hCenter) && !::IsIconic(hCenter)) {
        ::GetWindowRect(hCenter, &rcCenter);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcCenter, 0);
    }
    int cx = rcWindow.right - rcWindow.left;
    int cy = rcWindow.bottom - rcWindow.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    if (GetStyle() & WS_CHILD) {
        POINT pt = {x, y};
        ::ScreenToClient(::GetParent(m_hWnd), &pt);
        x = pt.x;
        y = pt.y;
    }
    ::SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::GetWindowText(CString& rString) const {
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != NULL) {
        int nLen = ::GetWindowTextLengthA(hWnd);
        ::GetWindowTextA(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
        rString.ReleaseBuffer();
    }
    return rString.GetLength();
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    CWinApp* pApp = AfxGetApp();
    LPCSTR lpszHelpFile = pApp != NULL ? pApp->m_pszHelpFilePath : NULL;
    ::WinHelpA(m_hWnd, lpszHelpFile, nCmd, dwData);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    if (lpszCaption == NULL && *AfxGetAppName() != '\0')
        lpszCaption = AfxGetAppName(); // without an application name the system's caption

    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT) {
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle());
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void PASCAL CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           BOOL bDeep, BOOL bOnlyPerm) {
    // Take the list of children first: a child may be destroyed, or make new children, while
    // it handles the message.
    std::vector<HWND> children;
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
        children.push_back(hWndChild);
    for (HWND hWndChild : children) {
        if (!::IsWindow(hWndChild))
            continue;
        if (bOnlyPerm) {
            if (CWnd* pWnd = FromHandlePermanent(hWndChild))
                AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
        } else {
            ::SendMessageA(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::IsWindow(hWndChild) && ::GetTopWindow(hWndChild) != NULL)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}
