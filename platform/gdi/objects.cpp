// Object creation and deletion, GetObjectA and GetObjectType, permanence and the live counts.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

using namespace gdi;

namespace {

// Copies the description of an object as GetObjectA does: the size it needs when no buffer is
// given, otherwise as much as fits.
int CopyOut(const void* record, int recordSize, int size, LPVOID buffer) {
    if (!buffer)
        return recordSize;
    if (size <= 0)
        return 0;
    int n = std::min(size, recordSize);
    std::memcpy(buffer, record, static_cast<std::size_t>(n));
    return n;
}

} // namespace

HGDIOBJ WINAPI GetStockObject(int index) {
    return Stock(index);
}

HPEN WINAPI CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        return nullptr;
    auto pen = NewPen();
    if (!pen)
        return nullptr;
    pen->style = static_cast<UINT>(style);
    // Styled lines are one pixel wide whatever width is asked, as on Windows.
    pen->width = width < 1 ? 1 : width;
    if (style >= PS_DASH && style <= PS_DASHDOTDOT)
        pen->width = 1;
    pen->color = color & 0x00FFFFFF;
    return InsertAs<HPEN>(std::move(pen));
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* logpen) {
    if (!logpen)
        return nullptr;
    return CreatePen(static_cast<int>(logpen->lopnStyle), logpen->lopnWidth.x, logpen->lopnColor);
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    auto brush = NewBrush();
    if (!brush)
        return nullptr;
    brush->color = color & 0x00FFFFFF;
    return InsertAs<HBRUSH>(std::move(brush));
}

HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF color) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS)
        return nullptr;
    auto brush = NewBrush();
    if (!brush)
        return nullptr;
    brush->style = BS_HATCHED;
    brush->hatch = hatch;
    brush->color = color & 0x00FFFFFF;
    return InsertAs<HBRUSH>(std::move(brush));
}

// The brush keeps its own copy, so the bitmap may be deleted or drawn on afterwards.
HBRUSH WINAPI CreatePatternBrush(HBITMAP bitmap) {
    Bitmap* source = LookupBitmap(bitmap);
    if (!source || source->width <= 0 || source->height <= 0)
        return nullptr;
    auto brush = NewBrush();
    if (!brush)
        return nullptr;
    brush->style = BS_PATTERN;
    brush->patternWidth = source->width;
    brush->patternHeight = source->height;
    brush->patternMono = source->monochrome();
    brush->pattern = source->pixels;
    if (brush->patternMono)
        for (std::uint32_t& p : brush->pattern)
            p = p != 0 ? 1u : 0u;
    return InsertAs<HBRUSH>(std::move(brush));
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* logbrush) {
    if (!logbrush)
        return nullptr;
    switch (logbrush->lbStyle) {
    case BS_NULL:
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    case BS_HATCHED:
        return CreateHatchBrush(static_cast<int>(logbrush->lbHatch), logbrush->lbColor);
    case BS_PATTERN:
        return CreatePatternBrush(reinterpret_cast<HBITMAP>(logbrush->lbHatch));
    default:
        return CreateSolidBrush(logbrush->lbColor);
    }
}

HPEN WINAPI ExtCreatePen(DWORD style, DWORD width, const LOGBRUSH* logbrush, DWORD styleCount,
                         const DWORD* styles) {
    const DWORD type = style & PS_TYPE_MASK;
    const DWORD dash = style & PS_STYLE_MASK;
    const bool cosmetic = type == PS_COSMETIC;
    // A user style needs its dash lengths; only cosmetic pens have the alternate style; a
    // cosmetic pen is one pixel wide with a solid colour.
    if (!logbrush || (type != PS_COSMETIC && type != PS_GEOMETRIC) || dash > PS_ALTERNATE ||
        (dash == PS_USERSTYLE) != (styleCount > 0) || (styleCount > 0 && !styles) ||
        styleCount > 16 || (dash == PS_ALTERNATE && !cosmetic) ||
        (cosmetic && (width != 1 || logbrush->lbStyle != BS_SOLID))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const int plain =
        dash == PS_USERSTYLE || dash == PS_ALTERNATE ? PS_DOT : static_cast<int>(dash);
    HPEN handle = CreatePen(plain, static_cast<int>(width),
                            logbrush->lbStyle == BS_NULL ? 0 : logbrush->lbColor);
    if (Pen* pen = static_cast<Pen*>(Lookup(handle))) {
        pen->style = logbrush->lbStyle == BS_NULL ? PS_NULL : pen->style;
        pen->extended = true;
        pen->extStyle = style;
        pen->extWidth = width;
    }
    return handle;
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logfont) {
    if (!logfont)
        return nullptr;
    auto font = MakeObject<Font>();
    if (!font)
        return nullptr;
    font->logfont = *logfont;
    // A face name without its terminator is cut, never read past its 32 bytes.
    font->logfont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return InsertAs<HFONT>(std::move(font));
}

HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight,
                         DWORD italic, DWORD underline, DWORD strikeOut, DWORD charSet,
                         DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                         DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (faceName)
        std::strncpy(lf.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

BOOL WINAPI DeleteObject(HGDIOBJ obj) {
    Object* o = Lookup(obj);
    if (!o || o->kind == Kind::Dc)
        return FALSE;
    if (o->stock || o->permanent)
        return TRUE;
    // Windows refuses to delete what a DC still holds; the object stays usable.
    if (o->selections > 0)
        return FALSE;
    Destroy(obj);
    return TRUE;
}

int WINAPI GetObjectA(HGDIOBJ obj, int size, LPVOID buffer) {
    Object* o = Lookup(obj);
    if (!o)
        return 0;
    switch (o->kind) {
    case Kind::Pen: {
        auto* pen = static_cast<Pen*>(o);
        if (pen->extended) {
            EXTLOGPEN elp{};
            elp.elpPenStyle = pen->extStyle;
            elp.elpWidth = pen->extWidth;
            elp.elpBrushStyle = pen->style == PS_NULL ? BS_NULL : BS_SOLID;
            elp.elpColor = pen->color;
            return CopyOut(&elp, offsetof(EXTLOGPEN, elpStyleEntry), size, buffer);
        }
        LOGPEN lp{pen->style, POINT{pen->width, 0}, pen->color};
        return CopyOut(&lp, sizeof lp, size, buffer);
    }
    case Kind::Brush: {
        auto* brush = static_cast<Brush*>(o);
        ULONG_PTR hatch = brush->style == BS_HATCHED ? static_cast<ULONG_PTR>(brush->hatch) : 0;
        LOGBRUSH lb{brush->style, brush->color, hatch};
        return CopyOut(&lb, sizeof lb, size, buffer);
    }
    case Kind::Font:
        return CopyOut(&static_cast<Font*>(o)->logfont, sizeof(LOGFONTA), size, buffer);
    case Kind::Bitmap: {
        auto* bitmap = static_cast<Bitmap*>(o);
        BITMAP bm{};
        bm.bmWidth = bitmap->width;
        bm.bmHeight = bitmap->height;
        // Device-dependent rows are padded to a 16-bit boundary.
        bm.bmWidthBytes = ((bitmap->width * bitmap->bitsPerPixel + 15) / 16) * 2;
        bm.bmPlanes = 1;
        bm.bmBitsPixel = static_cast<WORD>(bitmap->bitsPerPixel);
        return CopyOut(&bm, sizeof bm, size, buffer);
    }
    default:
        return 0;
    }
}

DWORD WINAPI GetObjectType(HGDIOBJ obj) {
    Object* o = Lookup(obj);
    if (!o)
        return 0;
    switch (o->kind) {
    case Kind::Pen:
        return static_cast<Pen*>(o)->extended ? OBJ_EXTPEN : OBJ_PEN;
    case Kind::Brush:
        return OBJ_BRUSH;
    case Kind::Font:
        return OBJ_FONT;
    case Kind::Bitmap:
        return OBJ_BITMAP;
    case Kind::Region:
        return OBJ_REGION;
    case Kind::Dc:
        return static_cast<Dc*>(o)->memory ? OBJ_MEMDC : OBJ_DC;
    }
    return 0;
}

namespace gdi_internal {

void MakePermanent(HGDIOBJ obj) {
    if (Object* o = Lookup(obj))
        o->permanent = true;
}

ObjectCounts LiveObjectCounts() {
    ObjectCounts counts;
    for (void* handle : AllHandles()) {
        Object* o = Lookup(handle);
        if (!o || o->stock || o->permanent)
            continue;
        switch (o->kind) {
        case Kind::Pen:
            ++counts.pens;
            break;
        case Kind::Brush:
            ++counts.brushes;
            break;
        case Kind::Font:
            ++counts.fonts;
            break;
        case Kind::Bitmap:
            ++counts.bitmaps;
            break;
        case Kind::Region:
            ++counts.regions;
            break;
        case Kind::Dc:
            ++counts.dcs;
            break;
        }
    }
    return counts;
}

} // namespace gdi_internal
