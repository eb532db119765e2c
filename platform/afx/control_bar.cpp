// CControlBar: a strip along one edge of a frame. The frame's layout asks each bar for its
// size (WM_SIZEPARENT) and gives it a place; idle time reaches the bar as WM_IDLEUPDATECMDUI
// and becomes OnUpdateCmdUI with the frame as the command target.
#include <afxext.h>
#include <afxpriv.h>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_LBUTTONDOWN()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_cxLeftBorder(6), m_cxRightBorder(6), m_cyTopBorder(1), m_cyBottomBorder(1), m_nCount(0),
      m_pData(NULL), m_dwStyle(0), m_bAutoDelete(FALSE) {}

CControlBar::~CControlBar() {
    DestroyWindow();
}

CFrameWnd* CControlBar::GetParentFrame() const {
    for (HWND hWnd = ::GetParent(m_hWnd); hWnd != NULL; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            return static_cast<CFrameWnd*>(pWnd);
    }
    return NULL;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    CSize size(0, m_cyTopBorder + m_cyBottomBorder);
    if (bStretch && bHorz)
        size.cx = 32767;
    return size;
}

void CControlBar::CalcInsideRect(CRect& rect) const {
    rect.left += m_cxLeftBorder;
    rect.right -= m_cxRightBorder;
    rect.top += m_cyTopBorder;
    rect.bottom -= m_cyBottomBorder;
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete)
        delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // A new bar takes its place at the frame's next idle update.
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->DelayRecalcLayout();
    return 0;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point) {
    // A bar that cannot be dragged away leaves the click to the window's default handling.
    CWnd::OnLButtonDown(nFlags, point);
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* pLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (pLayout == NULL || !(GetStyle() & WS_VISIBLE))
        return 0;
    CRect rect(pLayout->rect);
    CSize size = CalcFixedLayout(pLayout->bStretch, TRUE);
    if (m_dwStyle & CBRS_ALIGN_BOTTOM) {
        rect.top = rect.bottom - size.cy;
        pLayout->rect.bottom = rect.top;
    } else if (m_dwStyle & CBRS_ALIGN_TOP) {
        rect.bottom = rect.top + size.cy;
        pLayout->rect.top = rect.bottom;
    } else {
        return 0;
    }
    if (!pLayout->bStretch && size.cx < rect.Width())
        rect.right = rect.left + size.cx;
    // Moving a bar to where it already is would only repaint it.
    CRect now;
    GetWindowRect(&now);
    ::MapWindowPoints(NULL, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&now), 2);
    if (now != rect)
        SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CFrameWnd* pTarget = GetParentFrame();
    if (pTarget != NULL)
        OnUpdateCmdUI(pTarget, static_cast<BOOL>(wParam));
    return 0;
}
