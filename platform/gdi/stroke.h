// The selected pen as the line and shape code draws it.
#pragma once

#include "gdi/surface.h"

namespace gdi {

struct Stroke {
    bool visible = false; // false for PS_NULL or an unusable pen
    std::uint32_t pixel = 0;
    int width = 1;
    UINT style = PS_SOLID;
    int rop2 = R2_COPYPEN;
    // Geometric pens of ExtCreatePen may end flat or square; other wide pens end round.
    DWORD endCap = PS_ENDCAP_ROUND;
    bool opaqueGaps = false; // styled pens fill their gaps with the background colour
    std::uint32_t gapPixel = 0;
};

Stroke CurrentStroke(const Target& t);
// Whether the n-th pixel of a styled line is drawn (true) or is a gap.
bool StyleOn(UINT style, int n);
// Draws a line between surface points, first point included, last excluded; `counter` carries
// the dash pattern from one segment to the next.
void StrokeLine(const Target& t, const Stroke& s, int x0, int y0, int x1, int y1, int* counter);

} // namespace gdi
