// Object creation and deletion, GetObjectA and GetObjectType, permanence and the live counts.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"

#include <algorithm>
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

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* logbrush) {
    if (!logbrush)
        return nullptr;
    if (logbrush->lbStyle == BS_NULL) {
        auto brush = NewBrush();
        if (!brush)
            return nullptr;
        brush->style = BS_NULL;
        return InsertAs<HBRUSH>(std::move(brush));
    }
    // Hatched and pattern brushes are not drawn by this platform; they paint solid.
    return CreateSolidBrush(logbrush->lbColor);
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
        LOGPEN lp{pen->style, POINT{pen->width, 0}, pen->color};
        return CopyOut(&lp, sizeof lp, size, buffer);
    }
    case Kind::Brush: {
        auto* brush = static_cast<Brush*>(o);
        LOGBRUSH lb{brush->style, brush->color, 0};
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
        return OBJ_PEN;
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

void SetObjectDeletedHook(ObjectDeletedHook hook) {
    gdi::SetDeletedHook(hook);
}

} // namespace gdi_internal
