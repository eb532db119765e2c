// The drawing layer's objects behind their handles, and the handle table.
//
// Index: Kind, Object and its kinds (Pen, Brush, Font, Bitmap, Region), DcState and Dc, the
// table (Lookup, Insert, Destroy), stock objects.
//
// A handle is a slot of the table and that slot's generation: a stale handle (its slot since
// reused) or a foreign one simply finds nothing and the call fails as Win32 fails, instead of
// reaching another object.
#pragma once

#include "gdi/gdi_internal.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace gdi {

enum class Kind { Pen, Brush, Font, Bitmap, Region, Dc };

struct FontFace; // font_cache.h

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Kind kind;
    bool stock = false;     // GetStockObject: never deleted, not counted
    bool permanent = false; // gdi_internal::MakePermanent: same, for objects of other layers
    int selections = 0;     // DC states (current and saved) holding this object; always 0
                            // for stock objects, which nothing can delete
};

struct Pen : Object {
    Pen() : Object(Kind::Pen) {}
    UINT style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
    bool extended = false; // made by ExtCreatePen: an OBJ_EXTPEN described by EXTLOGPEN
    DWORD extStyle = 0;    // the full ExtCreatePen style (type, cap, join, dash)
    DWORD extWidth = 0;    // the width it was asked for
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0; // HS_ style of a hatched brush
    // A pattern brush's own copy of its bitmap: pixels, or for a monochrome bitmap its bits
    // (white = 1), coloured when painting.
    int patternWidth = 0;
    int patternHeight = 0;
    bool patternMono = false;
    std::vector<std::uint32_t> pattern;
};

struct Font : Object {
    Font() : Object(Kind::Font) {}
    LOGFONTA logfont{};
    FontFace* face = nullptr; // resolved on first use, owned by the font cache
};

struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32; // as reported; monochrome bitmaps hold only black and white pixels
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB, top-down
    HDC selectedInto = nullptr;
    bool monochrome() const { return bitsPerPixel == 1; }
};

struct Region : Object {
    Region() : Object(Kind::Region) {}
    std::vector<RECT> rects; // disjoint, non-empty, sorted by top then left
};

// The attributes a DC saves and restores.
struct DcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr; // memory DCs only
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int rop2 = R2_COPYPEN;
    int stretchMode = BLACKONWHITE;
    POINT windowOrg{0, 0};
    POINT viewportOrg{0, 0};
    POINT brushOrg{0, 0};
    POINT position{0, 0};
    bool hasClip = false;
    std::vector<RECT> clip; // device coordinates, when hasClip
};

struct Dc : Object {
    Dc() : Object(Kind::Dc) {}
    bool memory = false;       // draws into the selected bitmap
    bool screen = false;       // draws into the screen framebuffer
    POINT surfaceOrigin{0, 0}; // device (0,0) on the screen, for screen DCs
    std::vector<RECT> visible; // screen rectangles a screen DC may touch
    DcState state;
    std::vector<DcState> saved;
    // The clip in surface coordinates, recomputed when invalidated or the bitmap changes.
    bool clipValid = false;
    HBITMAP clipBitmap = nullptr;
    std::vector<RECT> clipCache;
};

// ---- The table -----------------------------------------------------------------------------

// Handle bits: 4 zero bits (handles are 16 apart), the slot in the next 20, the slot's
// generation above them, never 0, so every handle is far above a COLOR_* index passed as a brush.
constexpr unsigned kSlotShift = 4;
constexpr unsigned kGenerationShift = 24;
constexpr std::size_t kMaxSlots = std::size_t(1) << (kGenerationShift - kSlotShift);

struct HandleEntry {
    std::unique_ptr<Object> object; // null while the slot is free
    std::uint64_t generation = 1;   // of the handle the slot gives out, or gave out last
};
// Where the table's entries are, for Lookup: kept in step with the table as it grows, and
// hidden within the layer so that reading it is one PC-relative load, not a trip through the
// global offset table. Empty until the first object is made; the entries are never freed,
// since objects may be released by other layers' static destructors at exit.
struct HandleTableView {
    const unsigned char* entries = nullptr; // the first HandleEntry
    std::size_t bytes = 0;                  // the entries' size in bytes
};
extern HandleTableView g_handleTable __attribute__((visibility("hidden")));
static_assert(sizeof(HandleEntry) == std::size_t{1} << kSlotShift,
              "a handle's slot bits are then its entry's offset in the table");

// Every drawing call starts here, so it is inline: a mask, a bounds check, and one comparison
// with the handle the slot gives out now, which checks the generation and the zero low bits.
inline Object* Lookup(const void* handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    const std::uintptr_t offset = value & ((kMaxSlots - 1) << kSlotShift);
    if (offset >= g_handleTable.bytes)
        return nullptr;
    const auto& entry = *reinterpret_cast<const HandleEntry*>(g_handleTable.entries + offset);
    return ((entry.generation << kGenerationShift) | offset) == value ? entry.object.get()
                                                                      : nullptr;
}
template <class T> T* LookupAs(const void* handle, Kind kind) {
    Object* o = Lookup(handle);
    return o && o->kind == kind ? static_cast<T*>(o) : nullptr;
}
inline Pen* LookupPen(const void* h) {
    return LookupAs<Pen>(h, Kind::Pen);
}
inline Brush* LookupBrush(const void* h) {
    return LookupAs<Brush>(h, Kind::Brush);
}
inline Font* LookupFont(const void* h) {
    return LookupAs<Font>(h, Kind::Font);
}
inline Bitmap* LookupBitmap(const void* h) {
    return LookupAs<Bitmap>(h, Kind::Bitmap);
}
inline Region* LookupRegion(const void* h) {
    return LookupAs<Region>(h, Kind::Region);
}
inline Dc* LookupDc(const void* h) {
    return LookupAs<Dc>(h, Kind::Dc);
}

// Takes ownership and hands out a fresh handle; nullptr if the object is null or every one of
// the table's 1,048,576 slots is taken.
void* Insert(std::unique_ptr<Object> object);
template <class H> H InsertAs(std::unique_ptr<Object> object) {
    return static_cast<H>(Insert(std::move(object)));
}
// A fresh DC object, perhaps one freed before (for its storage); nullptr when memory runs out.
std::unique_ptr<Dc> NewDc();
// A fresh pen or brush, perhaps one freed before; nullptr when memory runs out.
std::unique_ptr<Pen> NewPen();
std::unique_ptr<Brush> NewBrush();
// Removes and frees the object, telling the deletion hook first.
void Destroy(const void* handle);
// Every live handle, in slot order, for reset and the object counts.
std::vector<void*> AllHandles();

// Allocates without throwing: nullptr when memory runs out or the size is absurd.
template <class T> std::unique_ptr<T> MakeObject() {
    return std::unique_ptr<T>(new (std::nothrow) T());
}

// The stock objects made so far, by index; they live as long as the process.
extern HGDIOBJ g_stockObjects[DEFAULT_GUI_FONT + 1] __attribute__((visibility("hidden")));
// Makes the stock object of an index on first use; nullptr for an index that names none.
HGDIOBJ MakeStockObject(int index);
// The object a stock index names (created on first use), or nullptr. Inline: every DC made
// selects three.
inline HGDIOBJ Stock(int index) {
    if (index >= 0 && index <= DEFAULT_GUI_FONT && g_stockObjects[index])
        return g_stockObjects[index];
    return MakeStockObject(index);
}
// The 1x1 monochrome bitmap every fresh memory DC holds.
HBITMAP StockBitmap();

// Selection bookkeeping shared by SelectObject, SaveDC and DeleteDC; inline, since every DC
// made and every SelectObject counts several.
inline void AddSelection(const void* handle) {
    if (Object* o = Lookup(handle))
        if (!o->stock)
            ++o->selections;
}
inline void RemoveSelection(const void* handle) {
    if (Object* o = Lookup(handle))
        if (o->selections > 0)
            --o->selections;
}
void ReleaseState(DcState& state); // drops the selections a state holds

// Bitmap helpers (bitmap.cpp).
// A new bitmap; nullptr for sizes that are negative or too large to allocate.
std::unique_ptr<Bitmap> NewBitmap(int width, int height, int bitsPerPixel);
// The colour a monochrome surface stores for a colour drawn onto it.
std::uint32_t ToMonochrome(COLORREF color);

} // namespace gdi
