// Text output and measurement: ExtTextOutA, TextOutA, GetTextExtentPointA, GetTextMetricsA,
// GetTextFaceA, GetCharWidthA.
//
// Glyphs are one bit deep, so every ink pixel has exactly the text colour. Alignment picks the
// reference point: with TA_BASELINE, TextOutA(x, y) puts the baseline on row y; with TA_BOTTOM
// the cell's last row is y - 1; with TA_CENTER the text's middle is at x.
#include "gdi/text_render.h"

#include "gdi/region_ops.h"

#include <algorithm>
#include <cstring>

namespace gdi {

int TextWidth(FontFace* face, const char* text, int count) {
    int width = 0;
    for (int i = 0; i < count; ++i)
        width += face->Advance(static_cast<unsigned char>(text[i]));
    return width;
}

namespace {

// The bits of a 64-column word of a glyph row that fall in columns [from, to) of the glyph.
std::uint64_t ColumnMask(int word, LONG from, LONG to) {
    const LONG lo = std::max<LONG>(from - 64 * word, 0);
    const LONG hi = std::min<LONG>(to - 64 * word, 64);
    if (lo >= hi)
        return 0;
    const std::uint64_t upTo = hi == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << hi) - 1;
    return upTo & ~((std::uint64_t{1} << lo) - 1);
}

void DrawGlyph(const Target& t, const Glyph& g, int originX, int baseline, std::uint32_t pixel) {
    if (g.ink.empty())
        return;
    const RECT box{originX + g.left, baseline - g.top, originX + g.left + g.width,
                   baseline - g.top + g.height};
    for (const RECT& c : *t.clip) {
        RECT part;
        if (!IntersectRects(box, c, &part))
            continue;
        for (int w = 0; w < g.words; ++w) {
            const std::uint64_t visible =
                ColumnMask(w, part.left - box.left, part.right - box.left);
            if (visible == 0)
                continue;
            const std::size_t words = static_cast<std::size_t>(g.words);
            const std::size_t stride = static_cast<std::size_t>(t.width);
            std::size_t bit = static_cast<std::size_t>(part.top - box.top) * words + w;
            std::size_t at = static_cast<std::size_t>(part.top) * stride +
                             static_cast<std::size_t>(box.left + 64 * w);
            for (LONG y = part.top; y < part.bottom; ++y, bit += words, at += stride) {
                std::uint32_t* row = t.pixels + at;
                for (std::uint64_t ink = g.ink[bit] & visible; ink != 0; ink &= ink - 1)
                    row[static_cast<unsigned>(__builtin_ctzll(ink))] = pixel;
            }
        }
    }
}

} // namespace

BOOL OutputText(HDC hdc, int x, int y, UINT options, const RECT* rect, const char* text, int count,
                const INT* dx, int underlineAt, bool forceTopLeft) {
    Dc* dc = LookupDc(hdc);
    if (!dc || count < 0 || (!text && count > 0))
        return FALSE;
    DcState& state = dc->state;
    FontFace* face = FaceOf(state.font);
    const UINT align = forceTopLeft ? (state.textAlign & TA_UPDATECP) : state.textAlign;
    // Left-aligned text drawn without its background nor lines needs no width.
    int width = 0;
    if ((align & (TA_CENTER | TA_UPDATECP)) != 0 || state.bkMode == OPAQUE || face->underline ||
        face->strikeOut)
        for (int i = 0; i < count; ++i)
            width += dx ? dx[i] : face->Advance(static_cast<unsigned char>(text[i]));

    if (align & TA_UPDATECP) {
        x = state.position.x;
        y = state.position.y;
    }
    int left = x;
    if ((align & TA_CENTER) == TA_CENTER)
        left = x - width / 2;
    else if (align & TA_RIGHT)
        left = x - width;
    int top = y;
    if ((align & TA_BASELINE) == TA_BASELINE)
        top = y - face->ascent;
    else if (align & TA_BOTTOM)
        top = y - face->height;
    if (align & TA_UPDATECP) {
        if ((align & TA_CENTER) == TA_CENTER)
            ; // a centred run leaves the current position where it was
        else if (align & TA_RIGHT)
            state.position.x = x - width;
        else
            state.position.x = x + width;
    }

    Target t;
    if (!GetDcTarget(dc, &t))
        return TRUE;
    RECT surfaceRect{0, 0, 0, 0};
    if (rect)
        surfaceRect = RECT{std::min(rect->left, rect->right) + t.offsetX,
                           std::min(rect->top, rect->bottom) + t.offsetY,
                           std::max(rect->left, rect->right) + t.offsetX,
                           std::max(rect->top, rect->bottom) + t.offsetY};
    const std::uint32_t bk = SurfaceColor(t, state.bkColor);
    if ((options & ETO_OPAQUE) && rect)
        FillSurfaceRect(t, surfaceRect, bk);

    // Kept from call to call (text is drawn all the time), never destroyed.
    static std::vector<RECT>& clipped = *new std::vector<RECT>;
    Target textTarget = t;
    if ((options & ETO_CLIPPED) && rect) {
        // The clip's rectangles are disjoint, so each one cut by the box gives the clipped
        // list directly: no general region arithmetic for what is nearly always one rectangle.
        clipped.clear();
        RECT part;
        for (const RECT& c : *t.clip)
            if (IntersectRects(c, surfaceRect, &part))
                clipped.push_back(part);
        textTarget.clip = &clipped;
    }
    const int sx = left + t.offsetX, sy = top + t.offsetY;
    if (state.bkMode == OPAQUE && count > 0)
        FillSurfaceRect(textTarget, RECT{sx, sy, sx + width, sy + face->height}, bk);

    const std::uint32_t ink = SurfaceColor(t, state.textColor);
    const int baseline = sy + face->ascent;
    int pen = sx;
    for (int i = 0; i < count; ++i) {
        const Glyph& g = face->GetGlyph(static_cast<unsigned char>(text[i]));
        DrawGlyph(textTarget, g, pen, baseline, ink);
        const int advance = dx ? dx[i] : g.advance;
        if (i == underlineAt)
            FillSurfaceRect(textTarget, RECT{pen, baseline + 1, pen + advance, baseline + 2}, ink);
        pen += advance;
    }
    if (face->underline && count > 0)
        FillSurfaceRect(textTarget, RECT{sx, baseline + 1, sx + width, baseline + 2}, ink);
    if (face->strikeOut && count > 0) {
        const int strike = baseline - (face->ascent - face->internalLeading) / 3;
        FillSurfaceRect(textTarget, RECT{sx, strike, sx + width, strike + 1}, ink);
    }
    return TRUE;
}

} // namespace gdi

using namespace gdi;

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, LPCRECT rect, LPCSTR text, UINT count,
                        const INT* dx) {
    if (count > 0x7FFFFFFF)
        return FALSE;
    return OutputText(hdc, x, y, options, rect, text, static_cast<int>(count), dx, -1, false);
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count) {
    return OutputText(hdc, x, y, 0, nullptr, text, count, nullptr, -1, false);
}

BOOL WINAPI GetTextExtentPointA(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !size || count < 0 || (!text && count > 0))
        return FALSE;
    FontFace* face = FaceOf(dc->state.font);
    size->cx = TextWidth(face, text, count);
    size->cy = face->height;
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR text, int count, LPSIZE size) {
    return GetTextExtentPointA(hdc, text, count, size);
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA tm) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !tm)
        return FALSE;
    *tm = FaceOf(dc->state.font)->metrics;
    return TRUE;
}

int WINAPI GetTextFaceA(HDC hdc, int count, LPSTR name) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return 0;
    const std::string& face = FaceOf(dc->state.font)->faceName;
    if (!name)
        return static_cast<int>(face.size()) + 1;
    if (count <= 0)
        return 0;
    const std::size_t n = std::min(face.size(), static_cast<std::size_t>(count - 1));
    std::memcpy(name, face.data(), n);
    name[n] = '\0';
    return static_cast<int>(n); // characters copied, the terminator not counted
}

BOOL WINAPI GetCharWidthA(HDC hdc, UINT first, UINT last, LPINT widths) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !widths || first > last || last > 255)
        return FALSE;
    FontFace* face = FaceOf(dc->state.font);
    for (UINT c = first; c <= last; ++c)
        widths[c - first] = face->Advance(static_cast<unsigned char>(c));
    return TRUE;
}
