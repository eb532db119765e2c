// The handle table, stock objects, object creation and deletion, GetObjectA, and the counts.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace gdi {
namespace {

struct Table {
    std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> objects;
    std::uintptr_t nextSerial = 1;
    gdi_internal::ObjectDeletedHook deletedHook = nullptr;
    HGDIOBJ stock[DEFAULT_GUI_FONT + 1] = {};
    HBITMAP stockBitmap = nullptr;
};

// Never destroyed: objects may be released by other layers' static destructors at exit.
Table& table() {
    static Table* t = new Table;
    return *t;
}

// Spaced apart and well above small integers, so a system-colour index passed as a brush
// (COLOR_WINDOW + 1) never collides with a real handle.
constexpr std::uintptr_t kHandleBase = 0x10000;
constexpr std::uintptr_t kHandleStep = 0x10;

std::unique_ptr<Object> MakeStockPen(UINT style, COLORREF color) {
    auto pen = MakeObject<Pen>();
    pen->style = style;
    pen->color = color;
    return pen;
}

std::unique_ptr<Object> MakeStockBrush(UINT style, COLORREF color) {
    auto brush = MakeObject<Brush>();
    brush->style = style;
    brush->color = color;
    return brush;
}

std::unique_ptr<Object> MakeStockFont(const char* face, LONG height, LONG weight, BYTE pitch) {
    auto font = MakeObject<Font>();
    font->logfont.lfHeight = height;
    font->logfont.lfWeight = weight;
    font->logfont.lfCharSet = ANSI_CHARSET;
    font->logfont.lfPitchAndFamily = pitch;
    std::strncpy(font->logfont.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

std::unique_ptr<Object> MakeStock(int index) {
    switch (index) {
    case WHITE_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(255, 255, 255));
    case LTGRAY_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(192, 192, 192));
    case GRAY_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(64, 64, 64));
    case BLACK_BRUSH:
        return MakeStockBrush(BS_SOLID, RGB(0, 0, 0));
    case NULL_BRUSH:
        return MakeStockBrush(BS_NULL, 0);
    case WHITE_PEN:
        return MakeStockPen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN:
        return MakeStockPen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN:
        return MakeStockPen(PS_NULL, 0);
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
        return MakeStockFont("System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
    case DEFAULT_GUI_FONT:
    case ANSI_VAR_FONT:
        return MakeStockFont("MS Sans Serif", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        return MakeStockFont("Courier", 13, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    default:
        return nullptr;
    }
}

} // namespace

Object* Lookup(const void* handle) {
    auto& objects = table().objects;
    auto it = objects.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == objects.end() ? nullptr : it->second.get();
}

void* Insert(std::unique_ptr<Object> object) {
    if (!object)
        return nullptr;
    Table& t = table();
    std::uintptr_t value = kHandleBase + kHandleStep * t.nextSerial++;
    t.objects.emplace(value, std::move(object));
    return reinterpret_cast<void*>(value);
}

void Destroy(const void* handle) {
    Table& t = table();
    auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == t.objects.end())
        return;
    if (t.deletedHook)
        t.deletedHook(const_cast<void*>(handle));
    std::unique_ptr<Object> doomed = std::move(it->second);
    t.objects.erase(it);
}

std::vector<void*> AllHandles() {
    std::vector<void*> handles;
    for (auto& entry : table().objects)
        handles.push_back(reinterpret_cast<void*>(entry.first));
    std::sort(handles.begin(), handles.end());
    return handles;
}

HGDIOBJ Stock(int index) {
    if (index < 0 || index > DEFAULT_GUI_FONT)
        return nullptr;
    Table& t = table();
    if (!t.stock[index]) {
        std::unique_ptr<Object> object = MakeStock(index);
        if (!object)
            return nullptr;
        object->stock = true;
        t.stock[index] = Insert(std::move(object));
    }
    return t.stock[index];
}

HBITMAP StockBitmap() {
    Table& t = table();
    if (!t.stockBitmap) {
        std::unique_ptr<Bitmap> bitmap = NewBitmap(1, 1, 1);
        if (!bitmap)
            return nullptr;
        bitmap->stock = true;
        t.stockBitmap = InsertAs<HBITMAP>(std::move(bitmap));
    }
    return t.stockBitmap;
}

void AddSelection(const void* handle) {
    if (Object* o = Lookup(handle))
        ++o->selections;
}

void RemoveSelection(const void* handle) {
    if (Object* o = Lookup(handle))
        if (o->selections > 0)
            --o->selections;
}

void ReleaseState(DcState& state) {
    RemoveSelection(state.pen);
    RemoveSelection(state.brush);
    RemoveSelection(state.font);
    if (state.bitmap) {
        RemoveSelection(state.bitmap);
        Bitmap* bitmap = LookupBitmap(state.bitmap);
        if (bitmap && bitmap->selections == 0)
            bitmap->selectedInto = nullptr;
    }
    state.pen = nullptr;
    state.brush = nullptr;
    state.font = nullptr;
    state.bitmap = nullptr;
}

void SetDeletedHook(gdi_internal::ObjectDeletedHook hook) {
    table().deletedHook = hook;
}

} // namespace gdi

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
    auto pen = MakeObject<Pen>();
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
    auto brush = MakeObject<Brush>();
    if (!brush)
        return nullptr;
    brush->color = color & 0x00FFFFFF;
    return InsertAs<HBRUSH>(std::move(brush));
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* logbrush) {
    if (!logbrush)
        return nullptr;
    if (logbrush->lbStyle == BS_NULL) {
        auto brush = MakeObject<Brush>();
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
