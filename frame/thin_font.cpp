// Normal-weight fonts for dialogs on older systems, whose dialog fonts are bold.
#include "frame/frame_services.h"

AFX_EXT_API HFONT MakeThinFont(CWnd* pWnd, HFONT& hOldFont) {
    if (GetNewLookPlatformId() != 0)
        return NULL;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
        return NULL;

    // NULL: the window uses the system font, which has no weight to change.
    const HFONT hFont = reinterpret_cast<HFONT>(pWnd->SendMessage(WM_GETFONT, 0, 0));
    if (hFont == NULL)
        return NULL;

    LOGFONTA logFont = {};
    if (::GetObjectA(hFont, sizeof(logFont), &logFont) == 0)
        return NULL;
    logFont.lfWeight = FW_NORMAL;
    const HFONT hThinFont = ::CreateFontIndirectA(&logFont);
    if (hThinFont == NULL)
        return NULL;

    // Children copied their font from the window when they were made, so each one is told too,
    // whether or not the framework knows it. No redraw: callers do this before they are shown.
    pWnd->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hThinFont), 0);
    pWnd->SendMessageToDescendants(WM_SETFONT, reinterpret_cast<WPARAM>(hThinFont), 0, TRUE, FALSE);

    // Only now that no window uses it any more may the caller's previous font go.
    if (hOldFont != NULL) {
        ::DeleteObject(hOldFont);
        hOldFont = NULL;
    }
    return hThinFont;
}
