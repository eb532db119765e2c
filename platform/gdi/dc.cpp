// Device contexts: memory DCs, deletion, SaveDC/RestoreDC, SelectObject, origins and device
// capabilities.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"
#include "gdi/surface.h"

using namespace gdi;

HDC WINAPI CreateCompatibleDC(HDC hdc) {
    if (hdc && !LookupDc(hdc))
        return nullptr;
    HBITMAP stockBitmap = StockBitmap();
    // Drawing code makes a memory DC for every image it copies: it comes, with the storage of
    // its lists, from those freed before.
    auto dc = NewDc();
    if (!dc || !stockBitmap)
        return nullptr;
    dc->memory = true;
    // A fresh memory DC holds the 1x1 monochrome stock bitmap until the caller selects its own.
    // It and the other three are stock objects, which keep no selection count.
    dc->state.bitmap = stockBitmap;
    dc->state.pen = static_cast<HPEN>(Stock(BLACK_PEN));
    dc->state.brush = static_cast<HBRUSH>(Stock(WHITE_BRUSH));
    dc->state.font = static_cast<HFONT>(Stock(SYSTEM_FONT));
    return InsertAs<HDC>(std::move(dc));
}

BOOL WINAPI DeleteDC(HDC hdc) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    if (!dc->screen) // a print job belongs to a memory DC (CreateDCA makes one)
        gdi_internal::ForgetPrinterDc(hdc);
    ReleaseState(dc->state);
    for (DcState& saved : dc->saved)
        ReleaseState(saved);
    Destroy(hdc);
    return TRUE;
}

int WINAPI SaveDC(HDC hdc) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(dc->state);
    AddSelection(dc->state.pen);
    AddSelection(dc->state.brush);
    AddSelection(dc->state.font);
    AddSelection(dc->state.bitmap);
    return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int level) {
    Dc* dc = LookupDc(hdc);
    if (!dc || level == 0)
        return FALSE;
    int depth = static_cast<int>(dc->saved.size());
    // A negative level counts back from the latest save: -1 is the state SaveDC saved last.
    int target = level > 0 ? level : depth + 1 + level;
    if (target < 1 || target > depth)
        return FALSE;
    ReleaseState(dc->state);
    dc->state = dc->saved[static_cast<std::size_t>(target - 1)];
    for (int i = target; i < depth; ++i)
        ReleaseState(dc->saved[static_cast<std::size_t>(i)]);
    dc->saved.resize(static_cast<std::size_t>(target - 1));
    if (Bitmap* bitmap = LookupBitmap(dc->state.bitmap))
        if (!bitmap->stock)
            bitmap->selectedInto = hdc;
    InvalidateClip(dc);
    return TRUE;
}

namespace {

template <class H> HGDIOBJ Swap(H& slot, Object* o, HGDIOBJ obj) {
    H previous = slot;
    if (!o->stock) // AddSelection(obj), with the object already looked up
        ++o->selections;
    RemoveSelection(previous);
    slot = static_cast<H>(obj);
    return previous;
}

HGDIOBJ SelectBitmap(HDC hdc, Dc* dc, HGDIOBJ obj) {
    Bitmap* bitmap = LookupBitmap(obj);
    // Bitmaps go into memory DCs only, and into one DC at a time.
    if (!dc->memory || (!bitmap->stock && bitmap->selectedInto && bitmap->selectedInto != hdc))
        return nullptr;
    HBITMAP previous = dc->state.bitmap;
    if (previous == obj)
        return previous;
    AddSelection(obj);
    RemoveSelection(previous);
    if (Bitmap* old = LookupBitmap(previous))
        if (old->selections == 0)
            old->selectedInto = nullptr;
    if (!bitmap->stock)
        bitmap->selectedInto = hdc;
    dc->state.bitmap = static_cast<HBITMAP>(obj);
    InvalidateClip(dc);
    return previous;
}

} // namespace

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ obj) {
    Dc* dc = LookupDc(hdc);
    Object* o = Lookup(obj);
    if (!dc || !o)
        return nullptr;
    switch (o->kind) {
    case Kind::Pen:
        return Swap(dc->state.pen, o, obj);
    case Kind::Brush:
        return Swap(dc->state.brush, o, obj);
    case Kind::Font:
        return Swap(dc->state.font, o, obj);
    case Kind::Bitmap:
        return SelectBitmap(hdc, dc, obj);
    case Kind::Region: {
        // For a region SelectObject is SelectClipRgn and answers with the region's type.
        int type = SelectClipRgn(hdc, static_cast<HRGN>(obj));
        return type == ERROR ? HGDI_ERROR
                             : reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(type));
    }
    case Kind::Dc:
        return nullptr;
    }
    return nullptr;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_BITMAP:
        return dc->state.bitmap;
    default:
        return nullptr;
    }
}

int WINAPI GetDeviceCaps(HDC hdc, int index) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return 0;
    int width = gdi_internal::ScreenWidth(), height = gdi_internal::ScreenHeight();
    if (gdi_internal::PrinterPageSize(hdc, &width, &height)) {
        switch (index) {
        case TECHNOLOGY:
            return DT_RASPRINTER;
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 100;
        case PHYSICALWIDTH:
            return width;
        case PHYSICALHEIGHT:
            return height;
        case HORZSIZE:
            return width * 254 / 1000;
        case VERTSIZE:
            return height * 254 / 1000;
        default:
            break;
        }
    }
    switch (index) {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZRES:
        return width;
    case VERTRES:
        return height;
    case HORZSIZE: // millimetres at 96 pixels per inch
        return width * 254 / 960;
    case VERTSIZE:
        return height * 254 / 960;
    case BITSPIXEL:
        return 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return 0x0001 | 0x0008 | 0x0800; // bitblt, bitmaps over 64K, stretchblt
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}

int WINAPI SetMapMode(HDC hdc, int mode) {
    // Only text mode exists here: one logical unit is one pixel.
    return LookupDc(hdc) && mode == MM_TEXT ? MM_TEXT : 0;
}

int WINAPI GetMapMode(HDC hdc) {
    return LookupDc(hdc) ? MM_TEXT : 0;
}

namespace {

BOOL SetOrigin(HDC hdc, POINT DcState::*field, int x, int y, bool relative, LPPOINT old) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return FALSE;
    POINT& origin = dc->state.*field;
    if (old)
        *old = origin;
    origin = relative ? POINT{origin.x + x, origin.y + y} : POINT{x, y};
    return TRUE;
}

BOOL GetOrigin(HDC hdc, POINT DcState::*field, LPPOINT out) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !out)
        return FALSE;
    *out = dc->state.*field;
    return TRUE;
}

} // namespace

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT old) {
    return SetOrigin(hdc, &DcState::windowOrg, x, y, false, old);
}
BOOL WINAPI OffsetWindowOrgEx(HDC hdc, int dx, int dy, LPPOINT old) {
    return SetOrigin(hdc, &DcState::windowOrg, dx, dy, true, old);
}
BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT origin) {
    return GetOrigin(hdc, &DcState::windowOrg, origin);
}
BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT old) {
    return SetOrigin(hdc, &DcState::viewportOrg, x, y, false, old);
}
BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT old) {
    return SetOrigin(hdc, &DcState::viewportOrg, dx, dy, true, old);
}
BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT origin) {
    return GetOrigin(hdc, &DcState::viewportOrg, origin);
}

BOOL WINAPI LPtoDP(HDC hdc, LPPOINT points, int count) {
    Dc* dc = LookupDc(hdc);
    if (!dc || (!points && count > 0))
        return FALSE;
    POINT d = LogicalToDevice(dc->state);
    for (int i = 0; i < count; ++i) {
        points[i].x += d.x;
        points[i].y += d.y;
    }
    return TRUE;
}

BOOL WINAPI DPtoLP(HDC hdc, LPPOINT points, int count) {
    Dc* dc = LookupDc(hdc);
    if (!dc || (!points && count > 0))
        return FALSE;
    POINT d = LogicalToDevice(dc->state);
    for (int i = 0; i < count; ++i) {
        points[i].x -= d.x;
        points[i].y -= d.y;
    }
    return TRUE;
}
