#include "user/controls/control_paint.h"
#include "user/controls/control_state.h"

#include "gdi/gdi_internal.h"

#include <algorithm>

namespace user_controls {

HDC MeasuringDC() {
    static HDC dc = nullptr;
    if (dc == nullptr || GetObjectType(dc) != OBJ_MEMDC) {
        dc = CreateCompatibleDC(nullptr);
        if (dc != nullptr) {
            gdi_internal::MakePermanent(dc);
        }
    }
    return dc;
}

int FontLineHeight(HFONT font) {
    MeasureScope measure(font);
    TEXTMETRICA metrics{};
    if (measure.dc() == nullptr || !GetTextMetricsA(measure.dc(), &metrics)) {
        return 16;
    }
    return std::max(1, static_cast<int>(metrics.tmHeight));
}

void FillSysColor(HDC hdc, const RECT& rect, int colorIndex) {
    if (rect.right > rect.left && rect.bottom > rect.top) {
        FillRect(hdc, &rect, GetSysColorBrush(colorIndex));
    }
}

void FillSysColor(HDC hdc, int left, int top, int right, int bottom, int colorIndex) {
    const RECT rect{left, top, right, bottom};
    FillSysColor(hdc, rect, colorIndex);
}

RECT DrawRing(HDC hdc, const RECT& r, int topLeft, int bottomRight) {
    if (r.right - r.left < 1 || r.bottom - r.top < 1) {
        return r;
    }
    FillSysColor(hdc, r.left, r.top, r.right - 1, r.top + 1, topLeft);
    FillSysColor(hdc, r.left, r.top, r.left + 1, r.bottom - 1, topLeft);
    FillSysColor(hdc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
    FillSysColor(hdc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
    RECT inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    inner.right = std::max(inner.right, inner.left);
    inner.bottom = std::max(inner.bottom, inner.top);
    return inner;
}

RECT DrawButtonFrame(HDC hdc, const RECT& rect) {
    RECT inner = DrawRing(hdc, rect, COLOR_3DHILIGHT, COLOR_3DDKSHADOW);
    return DrawRing(hdc, inner, COLOR_3DLIGHT, COLOR_3DSHADOW);
}

RECT DrawScrollFrame(HDC hdc, const RECT& rect) {
    RECT inner = DrawRing(hdc, rect, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
    return DrawRing(hdc, inner, COLOR_3DHILIGHT, COLOR_3DSHADOW);
}

RECT DrawSunkenFrame(HDC hdc, const RECT& rect) {
    RECT inner = DrawRing(hdc, rect, COLOR_3DSHADOW, COLOR_3DHILIGHT);
    return DrawRing(hdc, inner, COLOR_3DDKSHADOW, COLOR_3DLIGHT);
}

void DrawArrowGlyph(HDC hdc, const RECT& box, ArrowDirection direction, int colorIndex, int dx,
                    int dy) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
    // Across is the extent the triangle's base lies along; along is its height's direction.
    const int across = vertical ? width : height;
    const int along = vertical ? height : width;
    int rows = (std::min(width, height) - 2) / 3;
    rows = std::min(rows, (across - 2) / 2);
    rows = std::min(rows, along - 2);
    if (rows < 1) {
        return;
    }
    const int centre = (across - 1) / 2;
    const int first = (along - rows) / 2;
    for (int row = 0; row < rows; ++row) {
        // Row 0 is the apex; it points towards the arrow's direction.
        const bool apexFirst = direction == ArrowDirection::Up || direction == ArrowDirection::Left;
        const int line = first + (apexFirst ? row : rows - 1 - row);
        const int from = centre - row;
        const int to = centre + row + 1;
        if (vertical) {
            FillSysColor(hdc, box.left + from + dx, box.top + line + dy, box.left + to + dx,
                         box.top + line + 1 + dy, colorIndex);
        } else {
            FillSysColor(hdc, box.left + line + dx, box.top + from + dy, box.left + line + 1 + dx,
                         box.top + to + dy, colorIndex);
        }
    }
}

} // namespace user_controls
