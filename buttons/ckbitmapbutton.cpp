// CKBitmapButton: loading its images, sizing itself to them and drawing the one for its state.
#include <ruzav32/buttons.h>

#include "buttons/logic/button_image.h"

using ruzav::buttons::ButtonImage;
using ruzav::buttons::ChooseButtonImage;
using ruzav::buttons::LoadedImages;

IMPLEMENT_DYNAMIC(CKBitmapButton, CButton)

namespace {

// The bitmap from whichever module of the host's resource chain holds the name. FALSE, with the
// object left empty, when there is no such bitmap.
BOOL LoadButtonImage(CBitmap& bitmap, LPCSTR name) {
    if (name == NULL)
        return FALSE;
    const HINSTANCE module = AfxFindResourceHandle(name, RT_BITMAP);
    return bitmap.Attach(::LoadBitmapA(module, name));
}

// An identifier as a resource name: its low 16 bits in the integer-resource form, NULL for 0.
LPCSTR IdName(UINT nID) {
    return nID == 0 ? NULL : MAKEINTRESOURCEA(LOWORD(nID));
}

} // namespace

CKBitmapButton::CKBitmapButton() = default;

CKBitmapButton::~CKBitmapButton() = default;

BOOL CKBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                 UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled) {
    // The normal image is needed, so even an identifier of 0 names it (and finds nothing).
    return LoadBitmaps(MAKEINTRESOURCEA(LOWORD(nIDBitmapResource)), IdName(nIDBitmapResourceSel),
                       IdName(nIDBitmapResourceFocus), IdName(nIDBitmapResourceDisabled));
}

BOOL CKBitmapButton::LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel,
                                 LPCSTR lpszBitmapResourceFocus,
                                 LPCSTR lpszBitmapResourceDisabled) {
    // Each call replaces the whole set: an image of an earlier set never mixes with this one.
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();

    if (!LoadButtonImage(m_bitmap, lpszBitmapResource))
        return FALSE;
    BOOL result = TRUE;
    if (lpszBitmapResourceSel != NULL && !LoadButtonImage(m_bitmapSel, lpszBitmapResourceSel))
        result = FALSE;
    if (lpszBitmapResourceFocus != NULL && !LoadButtonImage(m_bitmapFocus, lpszBitmapResourceFocus))
        result = FALSE;
    if (lpszBitmapResourceDisabled != NULL &&
        !LoadButtonImage(m_bitmapDisabled, lpszBitmapResourceDisabled))
        result = FALSE;
    return result;
}

BOOL CKBitmapButton::AutoLoad(UINT nID, CWnd* pParent) {
    if (pParent == NULL || !SubclassDlgItem(nID, pParent))
        return FALSE;
    CString title;
    GetWindowText(title);
    // Whether the optional images were all there does not matter here: a state without its
    // own image shows the normal one.
    LoadBitmaps(title + "U", title + "D", title + "F", title + "X");
    if (m_bitmap.GetSafeHandle() == NULL)
        return FALSE;
    SizeToContent();
    return TRUE;
}

void CKBitmapButton::SizeToContent() {
    BITMAP bm;
    if (m_bitmap.GetSafeHandle() == NULL || m_bitmap.GetObject(sizeof bm, &bm) == 0)
        return;
    SetWindowPos(NULL, -1, -1, bm.bmWidth, bm.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void CKBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    // Only a caller other than the framework can hand over no item or no DC.
    if (lpDIS == NULL)
        return;
    LoadedImages loaded;
    loaded.pressed = m_bitmapSel.GetSafeHandle() != NULL;
    loaded.focused = m_bitmapFocus.GetSafeHandle() != NULL;
    loaded.disabled = m_bitmapDisabled.GetSafeHandle() != NULL;
    CBitmap* image = &m_bitmap;
    switch (ChooseButtonImage(lpDIS->itemState, loaded)) {
    case ButtonImage::Pressed:
        image = &m_bitmapSel;
        break;
    case ButtonImage::Focused:
        image = &m_bitmapFocus;
        break;
    case ButtonImage::Disabled:
        image = &m_bitmapDisabled;
        break;
    case ButtonImage::Normal:
        break;
    }

    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CDC memDC;
    if (pDC == NULL || !memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = memDC.SelectObject(image);
    if (pOld == NULL)
        return; // no image loaded: the button shows nothing
    const CRect rect(lpDIS->rcItem);
    pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}
