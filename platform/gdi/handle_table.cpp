// The handle table: objects by handle, the stock objects (made on first use, kept for the
// life of the process) and the selection counts that keep a selected object alive.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"

#include <algorithm>
#include <cstring>

namespace gdi {

HandleTableView g_handleTable;
HGDIOBJ g_stockObjects[DEFAULT_GUI_FONT + 1] = {};

namespace {

// Window DCs come and go with every paint and every GetDC, and controls make their pens and
// brushes afresh at each paint; the objects themselves (a DC with the storage of its rectangle
// lists) are kept for the next one rather than returned to the heap.
constexpr std::size_t kSpares = 8;

struct Table {
    std::vector<HandleEntry> entries;
    std::vector<std::uint32_t> freeSlots; // the most recently freed last
    std::vector<std::unique_ptr<Dc>> spareDcs;
    std::vector<std::unique_ptr<Pen>> sparePens;
    std::vector<std::unique_ptr<Brush>> spareBrushes;
    HBITMAP stockBitmap = nullptr;
};

// Made on first use and never freed (objects may be released by other layers' static
// destructors at exit); a plain pointer rather than a function-local static, whose guard every
// DC made and released would test.
Table* g_table = nullptr;

Table& table() {
    if (!g_table)
        g_table = new Table;
    return *g_table;
}

void* HandleOf(std::size_t slot, std::uint64_t generation) {
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(
        (generation << kGenerationShift) | (static_cast<std::uint64_t>(slot) << kSlotShift)));
}

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

// A DC as new, but keeping the storage of its lists. Field by field: a fresh DC assigned over
// it costs a construction, a move of every list and a destruction, and this runs at every
// paint. The size check fails when a field is added, so that it is reset here too.
void ClearForReuse(Dc* dc) {
    static_assert(sizeof(void*) != 8 || (sizeof(Dc) == 240 && sizeof(DcState) == 120),
                  "Dc or DcState changed: reset the new fields in ClearForReuse");
    dc->stock = false;
    dc->permanent = false;
    dc->selections = 0;
    dc->memory = false;
    dc->screen = false;
    dc->surfaceOrigin = POINT{0, 0};
    dc->visible.clear();
    std::vector<RECT> clip = std::move(dc->state.clip);
    clip.clear();
    dc->state = DcState();
    dc->state.clip = std::move(clip);
    dc->saved.clear();
    dc->clipValid = false;
    dc->clipBitmap = nullptr;
    dc->clipCache.clear();
}

} // namespace

void* Insert(std::unique_ptr<Object> object) {
    if (!object)
        return nullptr;
    Table& t = table();
    std::size_t slot;
    if (!t.freeSlots.empty()) {
        slot = t.freeSlots.back();
        t.freeSlots.pop_back();
    } else {
        if (t.entries.size() >= kMaxSlots)
            return nullptr;
        slot = t.entries.size();
        t.entries.emplace_back();
        g_handleTable = HandleTableView{reinterpret_cast<const unsigned char*>(t.entries.data()),
                                        t.entries.size() * sizeof(HandleEntry)};
    }
    HandleEntry& entry = t.entries[slot];
    entry.object = std::move(object);
    return HandleOf(slot, entry.generation);
}

namespace {

template <class T> std::unique_ptr<T> Reused(std::vector<std::unique_ptr<T>>& spares) {
    if (spares.empty())
        return MakeObject<T>();
    std::unique_ptr<T> object = std::move(spares.back());
    spares.pop_back();
    return object;
}

// Keeps a pen or brush as new for the next Reused (a pattern brush's copy is freed here).
template <class T>
void Keep(std::vector<std::unique_ptr<T>>& spares, std::unique_ptr<Object>& doomed) {
    if (spares.size() >= kSpares)
        return;
    std::unique_ptr<T> object(static_cast<T*>(doomed.release()));
    *object = T();
    spares.push_back(std::move(object));
}

} // namespace

std::unique_ptr<Dc> NewDc() {
    return Reused(table().spareDcs);
}

std::unique_ptr<Pen> NewPen() {
    return Reused(table().sparePens);
}

std::unique_ptr<Brush> NewBrush() {
    return Reused(table().spareBrushes);
}

void Destroy(const void* handle) {
    if (!Lookup(handle))
        return;
    Table& t = table();
    const std::size_t slot =
        (reinterpret_cast<std::uintptr_t>(handle) >> kSlotShift) & (kMaxSlots - 1);
    HandleEntry& entry = t.entries[slot];
    std::unique_ptr<Object> doomed = std::move(entry.object);
    // The next object of this slot gets another handle, so this one stays dead.
    ++entry.generation;
    t.freeSlots.push_back(static_cast<std::uint32_t>(slot));
    if (doomed->kind == Kind::Dc && t.spareDcs.size() < kSpares) {
        auto* dc = static_cast<Dc*>(doomed.release());
        ClearForReuse(dc);
        t.spareDcs.emplace_back(dc);
    } else if (doomed->kind == Kind::Pen) {
        Keep(t.sparePens, doomed);
    } else if (doomed->kind == Kind::Brush) {
        Keep(t.spareBrushes, doomed);
    }
}

std::vector<void*> AllHandles() {
    std::vector<void*> handles;
    const Table& t = table();
    for (std::size_t slot = 0; slot < t.entries.size(); ++slot)
        if (t.entries[slot].object)
            handles.push_back(HandleOf(slot, t.entries[slot].generation));
    return handles;
}

HGDIOBJ MakeStockObject(int index) {
    if (index < 0 || index > DEFAULT_GUI_FONT)
        return nullptr;
    if (!g_stockObjects[index]) {
        std::unique_ptr<Object> object = MakeStock(index);
        if (!object)
            return nullptr;
        object->stock = true;
        g_stockObjects[index] = Insert(std::move(object));
    }
    return g_stockObjects[index];
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

namespace {

// A DC released with the stock object it started with (as window DCs nearly always are) has
// nothing to count down: stock objects keep no selection count, and comparing handles spares
// looking the object up.
void ReleaseSelection(const void* handle, int stockIndex) {
    if (handle != g_stockObjects[stockIndex])
        RemoveSelection(handle);
}

} // namespace

void ReleaseState(DcState& state) {
    ReleaseSelection(state.pen, BLACK_PEN);
    ReleaseSelection(state.brush, WHITE_BRUSH);
    ReleaseSelection(state.font, SYSTEM_FONT);
    if (Bitmap* bitmap = LookupBitmap(state.bitmap)) {
        if (bitmap->selections > 0)
            --bitmap->selections;
        if (bitmap->selections == 0)
            bitmap->selectedInto = nullptr;
    }
    state.pen = nullptr;
    state.brush = nullptr;
    state.font = nullptr;
    state.bitmap = nullptr;
}

} // namespace gdi
