// The CWnd members that hand out drawing objects (DCs, fonts) and take them back.
#include <afxwin.h>

#include "afx/afx_internal.h"

CDC* CWnd::GetDC() {
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC() {
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

int CWnd::ReleaseDC(CDC* pDC) {
    if (pDC == NULL)
        return 0;
    return ::ReleaseDC(m_hWnd, pDC->m_hDC);
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint) {
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    HFONT hFont = pFont != NULL ? static_cast<HFONT>(pFont->m_hObject) : NULL;
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), bRedraw);
}

CFont* CWnd::GetFont() const {
    return afx_internal::FontFromHandle(
        reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags) {
    HRGN hRgn = prgnUpdate != NULL ? static_cast<HRGN>(prgnUpdate->m_hObject) : NULL;
    return ::RedrawWindow(m_hWnd, lpRectUpdate, hRgn, flags);
}

namespace afx_internal {
CFont* FontFromHandle(HFONT hFont) {
    return hFont != NULL ? CFont::FromHandle(hFont) : NULL;
}
} // namespace afx_internal
