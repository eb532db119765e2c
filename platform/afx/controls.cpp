// The standard controls as framework classes: each makes a window of its system class and, for
// the button, turns the parent's WM_DRAWITEM into a call of its own DrawItem.
#include <afxwin.h>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {
    // An owner-drawn button class must paint itself; this one leaves the item as it is.
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                   reinterpret_cast<LPARAM>(&dwEnd));
    nStartChar = static_cast<int>(dwStart);
    nEndChar = static_cast<int>(dwEnd);
}

int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const {
    if (lpszBuffer == NULL || nMaxLength <= 0)
        return 0;
    // EM_GETLINE reads the buffer size from the buffer's first word.
    if (nMaxLength < static_cast<int>(sizeof(WORD))) {
        char scratch[sizeof(WORD) + 1] = {};
        *reinterpret_cast<WORD*>(scratch) = static_cast<WORD>(nMaxLength);
        int n = static_cast<int>(
            ::SendMessageA(m_hWnd, EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(scratch)));
        if (n > nMaxLength)
            n = nMaxLength;
        for (int i = 0; i < n; ++i)
            lpszBuffer[i] = scratch[i];
        return n;
    }
    *reinterpret_cast<WORD*>(lpszBuffer) =
        static_cast<WORD>(nMaxLength > 0xffff ? 0xffff : nMaxLength);
    return static_cast<int>(
        ::SendMessageA(m_hWnd, EM_GETLINE, nIndex, reinterpret_cast<LPARAM>(lpszBuffer)));
}

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("SCROLLBAR", NULL, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const {
    return static_cast<int>(::SendMessageA(m_hWnd, SBM_GETPOS, 0, 0));
}

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) {
    return static_cast<int>(::SendMessageA(m_hWnd, SBM_SETPOS, static_cast<WPARAM>(nPos), bRedraw));
}

void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
    int nMin = 0, nMax = 0;
    ::SendMessageA(m_hWnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(&nMin),
                   reinterpret_cast<LPARAM>(&nMax));
    if (lpMinPos != NULL)
        *lpMinPos = nMin;
    if (lpMaxPos != NULL)
        *lpMaxPos = nMax;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
    ::SendMessageA(m_hWnd, bRedraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE,
                   static_cast<WPARAM>(nMinPos), nMaxPos);
}
