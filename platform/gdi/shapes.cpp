// Closed shapes: Rectangle, RoundRect and Ellipse, outlined with the pen and filled with the
// brush, right and bottom edges outside as everywhere in Win32.
//
// Each shape is a stack of rows, one horizontal span per row. The outline is every shape pixel
// with a neighbour (up, down, left or right, widened by the pen width) outside the shape; the
// fill is the rest. Rectangle(2, 2, 8, 8) with a one-pixel pen outlines x and y 2..7 and fills
// 3..6; with NULL_PEN the shape loses its last column and row and is all fill, 2..6.
#include "gdi/stroke.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace gdi;

namespace {

struct Span {
    int left, right; // right exclusive; empty when right <= left
};

// Rows of a rectangle with elliptic corners of the given width and height, in surface
// coordinates. A pixel belongs to a corner when its centre lies inside the corner's ellipse.
std::vector<Span> ShapeRows(const RECT& r, int cornerWidth, int cornerHeight) {
    std::vector<Span> rows(static_cast<std::size_t>(r.bottom - r.top), Span{r.left, r.right});
    const double rx = cornerWidth / 2.0, ry = cornerHeight / 2.0;
    if (rx <= 0 || ry <= 0)
        return rows;
    for (int y = r.top; y < r.bottom; ++y) {
        const double centre = y + 0.5;
        double dy = 0;
        if (centre < r.top + ry)
            dy = r.top + ry - centre;
        else if (centre > r.bottom - ry)
            dy = centre - (r.bottom - ry);
        if (dy <= 0)
            continue;
        const double q = 1.0 - (dy / ry) * (dy / ry);
        const double dx = rx * std::sqrt(q > 0 ? q : 0);
        int left = static_cast<int>(std::ceil(r.left + rx - dx - 0.5));
        int right = r.left + r.right - left; // mirrored, so the shape is symmetric
        if (right <= left) {
            left = (r.left + r.right - 1) / 2;
            right = r.left + r.right - left;
        }
        rows[static_cast<std::size_t>(y - r.top)] = Span{left, right};
    }
    return rows;
}

Span RowAt(const std::vector<Span>& rows, int index) {
    if (index < 0 || index >= static_cast<int>(rows.size()))
        return Span{0, 0};
    return rows[static_cast<std::size_t>(index)];
}

// The part of row `index` that stays more than `depth` pixels away from the shape's edge.
Span Interior(const std::vector<Span>& rows, int index, int depth) {
    Span row = RowAt(rows, index);
    Span in{row.left + depth, row.right - depth};
    for (int d = 1; d <= depth; ++d) {
        for (int other : {index - d, index + d}) {
            Span s = RowAt(rows, other);
            in.left = std::max(in.left, s.left);
            in.right = std::min(in.right, s.right);
            if (s.right <= s.left)
                in.right = in.left;
        }
    }
    return in;
}

void FillSpan(const Target& t, int y, int left, int right, std::uint32_t pixel, int rop2) {
    if (right > left)
        FillSurfaceRect(t, RECT{left, y, right, y + 1}, pixel, rop2);
}

void FillSpan(const Target& t, int y, int left, int right, const BrushPaint& paint, int rop2) {
    if (right > left)
        FillSurfaceBrush(t, RECT{left, y, right, y + 1}, paint, rop2);
}

BOOL DrawShape(HDC hdc, int left, int top, int right, int bottom, int cornerWidth,
               int cornerHeight) {
    Target t;
    if (!LookupDc(hdc))
        return FALSE;
    if (!GetTarget(hdc, &t))
        return TRUE;
    RECT r{std::min(left, right) + t.offsetX, std::min(top, bottom) + t.offsetY,
           std::max(left, right) + t.offsetX, std::max(top, bottom) + t.offsetY};
    const Stroke stroke = CurrentStroke(t);
    BrushPaint fillPaint;
    const bool fill = GetBrushPaint(t, t.dc->state.brush, &fillPaint);
    const int rop2 = t.dc->state.rop2;

    int depth = 0;
    if (stroke.visible) {
        depth = stroke.width;
        if (stroke.width > 1 && stroke.style != PS_INSIDEFRAME) {
            // A wide pen is centred on the outline of the one-pixel shape.
            const int before = (stroke.width - 1) / 2, after = stroke.width - 1 - before;
            r = RECT{r.left - before, r.top - before, r.right + after, r.bottom + after};
        }
    } else {
        r.right -= 1;
        r.bottom -= 1;
    }
    if (r.right <= r.left || r.bottom <= r.top)
        return TRUE;
    cornerWidth = std::min(std::abs(cornerWidth), static_cast<int>(r.right - r.left));
    cornerHeight = std::min(std::abs(cornerHeight), static_cast<int>(r.bottom - r.top));
    const std::vector<Span> rows = ShapeRows(r, cornerWidth, cornerHeight);

    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const int y = r.top + i;
        const Span row = rows[static_cast<std::size_t>(i)];
        const Span in = depth ? Interior(rows, i, depth) : row;
        if (in.right > in.left) {
            if (fill)
                FillSpan(t, y, in.left, in.right, fillPaint, rop2);
            if (stroke.visible) {
                FillSpan(t, y, row.left, in.left, stroke.pixel, rop2);
                FillSpan(t, y, in.right, row.right, stroke.pixel, rop2);
            }
        } else if (stroke.visible) {
            FillSpan(t, y, row.left, row.right, stroke.pixel, rop2);
        }
    }
    return TRUE;
}

} // namespace

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return DrawShape(hdc, left, top, right, bottom, 0, 0);
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return DrawShape(hdc, left, top, right, bottom, width, height);
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return DrawShape(hdc, left, top, right, bottom, std::abs(right - left), std::abs(bottom - top));
}
