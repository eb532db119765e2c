// The bitmap button: CKBitmapButton, a push button drawn from up to four bitmaps.
//
// The button control must have the owner-draw style (BS_OWNERDRAW); the button never sets it.
// Its images come from the host's resources, either by identifier or name (LoadBitmaps) or by
// the button's own title plus a state letter (AutoLoad):
//
//     title "SAVE":  SAVEU normal - SAVED pressed - SAVEF focused - SAVEX disabled
//
// Only the normal image is needed; a state without its own image shows the normal one. The
// images carry the whole look: no frame and no focus rectangle are drawn.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CKBitmapButton : public CButton {
    DECLARE_DYNAMIC(CKBitmapButton)

public:
    CKBitmapButton();
    ~CKBitmapButton() override;

    // Each call first drops all four images. The normal image must load, or nothing else is
    // loaded and the result is FALSE; an optional image that is asked for but missing makes the
    // result FALSE too, and its state falls back to the normal image. Identifiers count by
    // their low 16 bits (0x10065 names bitmap 0x65); 0 or NULL means "not wanted".
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0,
                     UINT nIDBitmapResourceFocus = 0, UINT nIDBitmapResourceDisabled = 0);
    BOOL LoadBitmaps(LPCSTR lpszBitmapResource, LPCSTR lpszBitmapResourceSel = NULL,
                     LPCSTR lpszBitmapResourceFocus = NULL,
                     LPCSTR lpszBitmapResourceDisabled = NULL);

    // Takes over the dialog's button nID and loads its images by its title; sizes the button to
    // the normal image. FALSE when the button cannot be taken over or has no normal image (it
    // then stays taken over, drawing nothing).
    BOOL AutoLoad(UINT nID, CWnd* pParent);

    // Makes the button exactly as large as its normal image; without one it keeps its size.
    void SizeToContent();

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    // ---- Data, in this order ------------------------------------------------------------------
    CBitmap m_bitmap;         // normal (up); the one that must be present
    CBitmap m_bitmapSel;      // pressed
    CBitmap m_bitmapFocus;    // focused
    CBitmap m_bitmapDisabled; // disabled
};
