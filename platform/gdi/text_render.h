// Text output shared by ExtTextOutA, TextOutA and DrawTextA.
#pragma once

#include "gdi/font_cache.h"
#include "gdi/surface.h"

namespace gdi {

// The advance width of text in the DC's font.
int TextWidth(FontFace* face, const char* text, int count);

// Draws one line of text the way ExtTextOutA does: alignment, background mode and colours of
// the DC, ETO_OPAQUE/ETO_CLIPPED with `rect` (logical coordinates). `underlineAt` is the index
// of a character to underline (a DrawTextA prefix), or -1. `forceTopLeft` ignores the DC's
// alignment, as DrawTextA does.
BOOL OutputText(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, int count,
                const INT* dx, int underlineAt, bool forceTopLeft);

} // namespace gdi
