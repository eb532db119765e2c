// CDC: selection, attributes, coordinates and clipping.
#include <afxwin.h>

namespace {

// The handle of an object that may be missing: selecting or filling with nothing is refused by
// GDI, not a crash here.
HGDIOBJ Handle(const CGdiObject* object) {
    return object ? object->m_hObject : nullptr;
}

} // namespace

int CDC::SaveDC() {
    return ::SaveDC(m_hDC);
}
BOOL CDC::RestoreDC(int nSavedDC) {
    return ::RestoreDC(m_hDC, nSavedDC);
}
int CDC::GetDeviceCaps(int nIndex) const {
    return ::GetDeviceCaps(m_hDC, nIndex);
}

// ---- Selection -----------------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pPen) {
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, Handle(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, Handle(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, Handle(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, Handle(pBitmap))));
}

int CDC::SelectObject(CRgn* pRgn) {
    return ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(pRgn->m_hObject) : nullptr);
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    if (!pObject)
        return nullptr;
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->m_hObject));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) {
    return ::SelectObject(m_hDC, hObject);
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
    HGDIOBJ stock = ::GetStockObject(nIndex);
    return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

CPen* CDC::GetCurrentPen() const {
    return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}
CBrush* CDC::GetCurrentBrush() const {
    return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const {
    return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}
CBitmap* CDC::GetCurrentBitmap() const {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

// ---- Attributes ----------------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF crColor) {
    return ::SetTextColor(m_hDC, crColor);
}
COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hDC);
}
COLORREF CDC::SetBkColor(COLORREF crColor) {
    return ::SetBkColor(m_hDC, crColor);
}
COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hDC);
}
int CDC::SetBkMode(int nBkMode) {
    return ::SetBkMode(m_hDC, nBkMode);
}
int CDC::GetBkMode() const {
    return ::GetBkMode(m_hDC);
}
UINT CDC::SetTextAlign(UINT nFlags) {
    return ::SetTextAlign(m_hDC, nFlags);
}
UINT CDC::GetTextAlign() const {
    return ::GetTextAlign(m_hDC);
}
int CDC::SetROP2(int nDrawMode) {
    return ::SetROP2(m_hDC, nDrawMode);
}
int CDC::GetROP2() const {
    return ::GetROP2(m_hDC);
}
int CDC::SetMapMode(int nMapMode) {
    return ::SetMapMode(m_hDC, nMapMode);
}
int CDC::GetMapMode() const {
    return ::GetMapMode(m_hDC);
}

// ---- Coordinates ---------------------------------------------------------------------------

CPoint CDC::SetWindowOrg(int x, int y) {
    POINT old{0, 0};
    ::SetWindowOrgEx(m_hDC, x, y, &old);
    return old;
}
CPoint CDC::SetWindowOrg(POINT point) {
    return SetWindowOrg(point.x, point.y);
}
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
    POINT old{0, 0};
    ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &old);
    return old;
}
CPoint CDC::GetWindowOrg() const {
    POINT origin{0, 0};
    ::GetWindowOrgEx(m_hDC, &origin);
    return origin;
}
CPoint CDC::SetViewportOrg(int x, int y) {
    POINT old{0, 0};
    ::SetViewportOrgEx(m_hDC, x, y, &old);
    return old;
}
CPoint CDC::SetViewportOrg(POINT point) {
    return SetViewportOrg(point.x, point.y);
}
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    POINT old{0, 0};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &old);
    return old;
}
CPoint CDC::GetViewportOrg() const {
    POINT origin{0, 0};
    ::GetViewportOrgEx(m_hDC, &origin);
    return origin;
}
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const {
    ::LPtoDP(m_hDC, lpPoints, nCount);
}
void CDC::LPtoDP(LPRECT lpRect) const {
    ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const {
    ::DPtoLP(m_hDC, lpPoints, nCount);
}
void CDC::DPtoLP(LPRECT lpRect) const {
    ::DPtoLP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

// ---- Clipping ------------------------------------------------------------------------------

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::IntersectClipRect(LPCRECT lpRect) {
    return ::IntersectClipRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::ExcludeClipRect(LPCRECT lpRect) {
    return ::ExcludeClipRect(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}
int CDC::SelectClipRgn(CRgn* pRgn) {
    return SelectObject(pRgn);
}
int CDC::GetClipBox(LPRECT lpRect) const {
    return ::GetClipBox(m_hDC, lpRect);
}
BOOL CDC::PtVisible(int x, int y) const {
    return ::PtVisible(m_hDC, x, y);
}
BOOL CDC::PtVisible(POINT point) const {
    return ::PtVisible(m_hDC, point.x, point.y);
}
BOOL CDC::RectVisible(LPCRECT lpRect) const {
    return ::RectVisible(m_hDC, lpRect);
}
