// CPopupTip: sizing and placing itself by its text, showing without activation, painting, and
// deleting itself with its window.
#include <ruzav32/status.h>

#include "status/logic/tip_placement.h"

using ruzav::status::PlaceTip;
using ruzav::status::TipRect;
using ruzav::status::TipShape;

namespace {

constexpr COLORREF kTipYellow = RGB(255, 255, 128);

} // namespace

BEGIN_MESSAGE_MAP(CPopupTip, CWnd)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CPopupTip::CPopupTip(CString& strClassName)
    : m_pFont(NULL), m_strClassName(strClassName), m_nShape(0) {}

CPopupTip::~CPopupTip() = default;

void CPopupTip::SetDisplay(const CString& strDisplay) {
    m_strDisplay = strDisplay;
}

void CPopupTip::SetFont(CFont* pFont) {
    m_pFont = pFont;
}

BOOL CPopupTip::PopItUp(CPoint point, UINT nShape) {
    // One object serves one showing; a second window would orphan the first.
    if (m_hWnd != NULL)
        return FALSE;
    const UINT shape = TipShape(nShape);

    // Measured with a "1" more, which together with the additions below makes the margins.
    SIZE extent{0, 0};
    {
        CWindowDC dc(NULL);
        CFont* pOldFont = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
        const CString measured = m_strDisplay + "1";
        ::GetTextExtentPointA(dc.GetSafeHdc(), measured, measured.GetLength(), &extent);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }
    const TipRect r =
        PlaceTip(point.x, point.y, extent.cx, extent.cy, ::GetSystemMetrics(SM_CXSCREEN));
    if (!CreateEx(WS_EX_TOOLWINDOW, m_strClassName, NULL, WS_POPUP, r.x, r.y, r.width, r.height,
                  NULL, NULL, NULL))
        return FALSE;
    ShowWindow(SW_SHOWNOACTIVATE);
    m_nShape = shape;
    return TRUE;
}

BOOL CPopupTip::PreCreateWindow(CREATESTRUCT& cs) {
    (void)cs;
    return TRUE;
}

void CPopupTip::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);

    CBrush brush(kTipYellow);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    if (m_nShape == 1)
        dc.RoundRect(&client, CPoint(5, 10));
    else
        dc.Rectangle(&client);
    dc.SelectObject(pOldBrush);

    CFont* pOldFont = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF oldColour = dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(m_strDisplay, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

BOOL CPopupTip::OnEraseBkgnd(CDC* pDC) {
    (void)pDC;
    return TRUE;
}

void CPopupTip::Draw3DFrame(CDC* pDC, CRect& rect) {
    (void)pDC;
    (void)rect;
}

void CPopupTip::PostNcDestroy() {
    delete this;
}
