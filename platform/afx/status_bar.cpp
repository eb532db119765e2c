// CStatusBar: a row of panes along the bottom of a frame, each a sunken box with a text.
//
// Geometry, left to right inside the borders: each pane is its text width plus
// kPaneBorder pixels (a 1-pixel edge and 2 pixels of space on each side), panes are kPaneGap
// apart, and the first SBPS_STRETCH pane takes whatever width is left over. Panes are as high
// as the bar's font plus kPaneBorder. A pane 36 pixels wide of a bar whose font is 14 pixels
// high is a 42 by 20 box whose text area is 36 by 14.
#include <afxext.h>
#include <afxpriv.h>

#include <cstring>
#include <new>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {

constexpr int kPaneBorder = 6;
constexpr int kPaneGap = 2;

// The update of one pane: enabling shows its text, checking pops it out.
class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        UINT nStyle = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        pBar->SetPaneStyle(static_cast<int>(m_nIndex),
                           bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED));
    }
    void SetCheck(int nCheck) override {
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        UINT nStyle = pBar->GetPaneStyle(static_cast<int>(m_nIndex));
        pBar->SetPaneStyle(static_cast<int>(m_nIndex),
                           nCheck ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT));
    }
    void SetText(LPCSTR lpszText) override {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }
};

int TextHeight(HDC hDC) {
    TEXTMETRICA tm{};
    ::GetTextMetricsA(hDC, &tm);
    return tm.tmHeight;
}

} // namespace

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
ON_WM_PAINT()
ON_WM_SIZE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
END_MESSAGE_MAP()

CStatusBar::CStatusBar() : m_hFont(NULL) {
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 0;
}

CStatusBar::~CStatusBar() {
    DestroyWindow();
    FreePanes();
}

void CStatusBar::FreePanes() {
    delete[] static_cast<AFX_STATUSPANE*>(m_pData);
    m_pData = NULL;
    m_nCount = 0;
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(NULL, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CRect rect(0, 0, 0, 0);
    return CWnd::Create(lpszClass, NULL, (dwStyle & ~CBRS_ALL) | WS_CHILD, rect, pParentWnd, nID);
}

HFONT CStatusBar::GetBarFont() const {
    return m_hFont != NULL ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

AFX_STATUSPANE* CStatusBar::GetPanePtr(int nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount || m_pData == NULL)
        return NULL;
    return static_cast<AFX_STATUSPANE*>(m_pData) + nIndex;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    if (nIDCount < 0 || (nIDCount > 0 && lpIDArray == NULL))
        return FALSE;
    AFX_STATUSPANE* pPanes = NULL;
    if (nIDCount > 0) {
        pPanes = new (std::nothrow) AFX_STATUSPANE[static_cast<size_t>(nIDCount)];
        if (pPanes == NULL)
            return FALSE;
    }
    FreePanes();
    m_pData = pPanes;
    m_nCount = nIDCount;

    BOOL bResult = TRUE;
    HDC hDC = m_hWnd != NULL ? ::GetDC(m_hWnd) : NULL;
    HGDIOBJ hOldFont = hDC != NULL ? ::SelectObject(hDC, GetBarFont()) : NULL;
    for (int i = 0; i < nIDCount; ++i) {
        AFX_STATUSPANE& pane = pPanes[i];
        pane.nID = lpIDArray[i];
        pane.nStyle = SBPS_NORMAL;
        pane.cxText = 0;
        if (pane.nID == ID_SEPARATOR) {
            // A pane without an indicator starts a quarter of the screen wide; the first one
            // is the message pane, which stretches and has no border of its own.
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pane.nStyle = SBPS_STRETCH | SBPS_NOBORDERS;
            continue;
        }
        // An indicator without its string keeps an empty pane, and the caller hears of it.
        if (!pane.strText.LoadString(pane.nID)) {
            bResult = FALSE;
            continue;
        }
        SIZE size{0, 0};
        if (hDC != NULL)
            ::GetTextExtentPoint32A(hDC, pane.strText, pane.strText.GetLength(), &size);
        pane.cxText = size.cx;
    }
    if (hDC != NULL) {
        ::SelectObject(hDC, hOldFont);
        ::ReleaseDC(m_hWnd, hDC);
    }
    UpdateAllPanes(TRUE, TRUE);
    return bResult;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (int i = 0; i < m_nCount; ++i) {
        if (GetPanePtr(i)->nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const {
    AFX_STATUSPANE* pPane = GetPanePtr(nIndex);
    return pPane != NULL ? pPane->nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (lpRect == NULL)
        return;
    ::SetRectEmpty(lpRect);
    if (GetPanePtr(nIndex) == NULL || m_hWnd == NULL)
        return;
    CRect inside;
    ::GetClientRect(m_hWnd, &inside);
    const_cast<CStatusBar*>(this)->CalcInsideRect(inside);

    int nTotal = 0;
    for (int i = 0; i < m_nCount; ++i)
        nTotal += GetPanePtr(i)->cxText + kPaneBorder + (i > 0 ? kPaneGap : 0);
    int nExtra = inside.Width() - nTotal;
    bool bStretched = false;
    int x = inside.left;
    for (int i = 0; i <= nIndex; ++i) {
        const AFX_STATUSPANE* pPane = GetPanePtr(i);
        if (i > 0)
            x += kPaneGap;
        int cx = pPane->cxText + kPaneBorder;
        if (!bStretched && (pPane->nStyle & SBPS_STRETCH) && nExtra > 0) {
            cx += nExtra;
            bStretched = true;
        }
        if (i == nIndex)
            ::SetRect(lpRect, x, inside.top, x + cx, inside.bottom);
        x += cx;
    }
}

void CStatusBar::GetPaneText(int nIndex, CString& rString) const {
    AFX_STATUSPANE* pPane = GetPanePtr(nIndex);
    rString = pPane != NULL ? static_cast<LPCSTR>(pPane->strText) : "";
}

CString CStatusBar::GetPaneText(int nIndex) const {
    CString s;
    GetPaneText(nIndex, s);
    return s;
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
    AFX_STATUSPANE* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return FALSE;
    if (lpszNewText == NULL)
        lpszNewText = "";
    // The same text again changes nothing and costs no repaint.
    if (std::strcmp(pPane->strText, lpszNewText) == 0)
        return TRUE;
    pPane->strText = lpszNewText;
    if (bUpdate && m_hWnd != NULL) {
        CRect rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect, TRUE);
    }
    return TRUE;
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    AFX_STATUSPANE* pPane = GetPanePtr(nIndex);
    if (pPane == NULL) {
        nID = 0;
        nStyle = 0;
        cxWidth = 0;
        return;
    }
    nID = pPane->nID;
    nStyle = pPane->nStyle;
    cxWidth = pPane->cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    AFX_STATUSPANE* pPane = GetPanePtr(nIndex);
    if (pPane == NULL)
        return;
    bool bChanged = pPane->nID != nID || pPane->nStyle != nStyle || pPane->cxText != cxWidth;
    pPane->nID = nID;
    pPane->nStyle = nStyle;
    pPane->cxText = cxWidth < 0 ? 0 : cxWidth;
    if (bChanged)
        UpdateAllPanes(TRUE, FALSE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    AFX_STATUSPANE* pPane = GetPanePtr(nIndex);
    return pPane != NULL ? pPane->nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    AFX_STATUSPANE* pPane = GetPanePtr(nIndex);
    if (pPane == NULL || pPane->nStyle == nStyle)
        return;
    bool bWidthMatters = ((pPane->nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    pPane->nStyle = nStyle;
    if (bWidthMatters) {
        UpdateAllPanes(TRUE, FALSE);
    } else if (m_hWnd != NULL) {
        CRect rect;
        GetItemRect(nIndex, &rect);
        InvalidateRect(&rect, TRUE);
    }
}

void CStatusBar::UpdateAllPanes(BOOL, BOOL) {
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    HDC hDC = m_hWnd != NULL ? ::GetDC(m_hWnd) : ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, GetBarFont());
    size.cy += TextHeight(hDC) + kPaneBorder;
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return size;
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) {
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(m_nCount);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = GetItemID(static_cast<int>(state.m_nIndex));
        // Status panes are never disabled for want of a handler: most show plain text.
        state.DoUpdate(pTarget, FALSE);
    }
}

void CStatusBar::OnPaint() {
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWnd, &ps);
    HGDIOBJ hOldFont = ::SelectObject(hDC, GetBarFont());
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNTEXT));
    for (int i = 0; i < m_nCount; ++i) {
        const AFX_STATUSPANE* pPane = GetPanePtr(i);
        CRect rect;
        GetItemRect(i, &rect);
        CRect clip;
        if (!clip.IntersectRect(&rect, &ps.rcPaint))
            continue;
        if (!(pPane->nStyle & SBPS_NOBORDERS))
            ::DrawEdge(hDC, &rect,
                       (pPane->nStyle & SBPS_POPOUT) ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        if ((pPane->nStyle & SBPS_DISABLED) || pPane->strText.IsEmpty())
            continue;
        CRect text(rect);
        text.DeflateRect(kPaneBorder / 2, 1);
        ::DrawTextA(hDC, pPane->strText, pPane->strText.GetLength(), &text,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    }
    ::SelectObject(hDC, hOldFont);
    ::EndPaint(m_hWnd, &ps);
}

void CStatusBar::OnSize(UINT nType, int cx, int cy) {
    CControlBar::OnSize(nType, cx, cy);
    // The stretch pane follows the bar's width.
    Invalidate(TRUE);
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    int nIndex = CommandToIndex(0);
    if (nIndex < 0)
        return -1;
    return SetPaneText(nIndex, reinterpret_cast<LPCSTR>(lParam)) ? TRUE : -1;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
    int nMax = static_cast<int>(wParam);
    LPSTR lpBuf = reinterpret_cast<LPSTR>(lParam);
    if (nMax <= 0 || lpBuf == NULL)
        return 0;
    int nIndex = CommandToIndex(0);
    LPCSTR lpsz = nIndex >= 0 ? static_cast<LPCSTR>(GetPanePtr(nIndex)->strText) : "";
    int n = static_cast<int>(std::strlen(lpsz));
    if (n > nMax - 1)
        n = nMax - 1;
    std::memcpy(lpBuf, lpsz, static_cast<size_t>(n));
    lpBuf[n] = '\0';
    return n;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM) {
    int nIndex = CommandToIndex(0);
    return nIndex >= 0 ? GetPanePtr(nIndex)->strText.GetLength() : 0;
}

LRESULT CStatusBar::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_hFont = reinterpret_cast<HFONT>(wParam);
    // A new font may make the bar taller: the frame lays its bars out again when idle.
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    if (lParam)
        Invalidate(TRUE);
    return 0;
}

LRESULT CStatusBar::OnGetFont(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hFont);
}
