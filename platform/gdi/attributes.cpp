// The drawing attributes of a DC: colours, background mode, text alignment, raster operation.
#include "gdi/gdi_objects.h"

using namespace gdi;

namespace {

// Sets one attribute and answers the previous value, or `failure` for a bad handle.
template <class T, class V> T Exchange(HDC hdc, T DcState::*field, V value, T failure) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return failure;
    T previous = dc->state.*field;
    dc->state.*field = static_cast<T>(value);
    return previous;
}

template <class T> T Read(HDC hdc, T DcState::*field, T failure) {
    Dc* dc = LookupDc(hdc);
    return dc ? dc->state.*field : failure;
}

} // namespace

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::textColor, color & 0x00FFFFFF, CLR_INVALID);
}
COLORREF WINAPI GetTextColor(HDC hdc) {
    return Read(hdc, &DcState::textColor, CLR_INVALID);
}
COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
    return Exchange(hdc, &DcState::bkColor, color & 0x00FFFFFF, CLR_INVALID);
}
COLORREF WINAPI GetBkColor(HDC hdc) {
    return Read(hdc, &DcState::bkColor, CLR_INVALID);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
    if (mode != OPAQUE && mode != TRANSPARENT)
        return 0;
    return Exchange(hdc, &DcState::bkMode, mode, 0);
}
int WINAPI GetBkMode(HDC hdc) {
    return Read(hdc, &DcState::bkMode, 0);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
    return Exchange(hdc, &DcState::textAlign, align, static_cast<UINT>(GDI_ERROR));
}
UINT WINAPI GetTextAlign(HDC hdc) {
    return Read(hdc, &DcState::textAlign, static_cast<UINT>(GDI_ERROR));
}

int WINAPI SetROP2(HDC hdc, int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE)
        return 0;
    return Exchange(hdc, &DcState::rop2, rop2, 0);
}
int WINAPI GetROP2(HDC hdc) {
    return Read(hdc, &DcState::rop2, 0);
}

int WINAPI SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return Exchange(hdc, &DcState::stretchMode, mode, 0);
}
int WINAPI GetStretchBltMode(HDC hdc) {
    return Read(hdc, &DcState::stretchMode, 0);
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT old) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (old)
        *old = dc->state.brushOrg;
    dc->state.brushOrg = POINT{x, y};
    return TRUE;
}
