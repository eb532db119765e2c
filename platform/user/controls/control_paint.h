// Drawing pieces shared by the standard controls: system-colour fills, the two-ring classic 3D
// frames and the triangular arrow glyph of scroll-bar buttons. Everything is drawn with the
// permanent system-colour brushes, so painting makes and leaks no GDI object.
#pragma once

#include <windows.h>

namespace user_controls {

void FillSysColor(HDC hdc, const RECT& rect, int colorIndex);
void FillSysColor(HDC hdc, int left, int top, int right, int bottom, int colorIndex);

// One 1-pixel ring: topLeft paints the top row and left column, bottomRight the bottom row and
// right column (which own the two corners they share). Returns the rectangle inside the ring.
RECT DrawRing(HDC hdc, const RECT& rect, int topLeft, int bottomRight);

// Classic raised push-button frame: white outside top-left, black outside bottom-right, light
// grey and dark grey inside. Scroll-bar buttons swap the top-left colours (see DrawScrollFrame).
RECT DrawButtonFrame(HDC hdc, const RECT& rect);
RECT DrawScrollFrame(HDC hdc, const RECT& rect);
// Sunken well of check boxes and edits: grey/white outside, black/light grey inside.
RECT DrawSunkenFrame(HDC hdc, const RECT& rect);

enum class ArrowDirection { Up, Down, Left, Right };

// A solid triangle centred in box, moved by (dx, dy): a 16-pixel button carries rows of 1, 3, 5
// and 7 pixels; smaller buttons carry fewer rows.
void DrawArrowGlyph(HDC hdc, const RECT& box, ArrowDirection direction, int colorIndex, int dx,
                    int dy);

} // namespace user_controls
