// The handle table: objects by handle, the stock objects (made on first use, kept for the
// life of the process) and the selection counts that keep a selected object alive.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace gdi {
namespace {

using ObjectMap = std::unordered_map<std::uintptr_t, std::unique_ptr<Object>>;

// Window DCs come and go with every paint and every GetDC, and controls make their pens and
// brushes afresh at each paint; their table entries and the objects themselves (a DC with the
// storage of its rectangle lists) are kept for the next one rather than returned to the heap.
constexpr std::size_t kSpares = 8;

struct Table {
    ObjectMap objects;
    std::vector<ObjectMap::node_type> spareNodes;
    std::vector<std::unique_ptr<Dc>> spareDcs;
    std::vector<std::unique_ptr<Pen>> sparePens;
    std::vector<std::unique_ptr<Brush>> spareBrushes;
    // Handles looked up lately, by the low bits of their serial: drawing asks for the same DC,
    // pens, brushes and font over and over, in turn.
    struct Recent {
        std::uintptr_t handle = 0;
        Object* object = nullptr;
    };
    Recent recent[64];
    std::uintptr_t nextSerial = 1;
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

std::size_t RecentSlot(std::uintptr_t handle) {
    return (handle / kHandleStep) % (sizeof(Table::recent) / sizeof(Table::recent[0]));
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

// A DC as new, but keeping the storage of its lists.
void ClearForReuse(Dc* dc) {
    std::vector<RECT> visible = std::move(dc->visible);
    std::vector<RECT> clip = std::move(dc->state.clip);
    std::vector<RECT> cache = std::move(dc->clipCache);
    std::vector<DcState> saved = std::move(dc->saved);
    visible.clear();
    clip.clear();
    cache.clear();
    saved.clear();
    *dc = Dc();
    dc->visible = std::move(visible);
    dc->state.clip = std::move(clip);
    dc->clipCache = std::move(cache);
    dc->saved = std::move(saved);
}

} // namespace

Object* Lookup(const void* handle) {
    Table& t = table();
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    Table::Recent& recent = t.recent[RecentSlot(value)];
    if (value == recent.handle && value != 0)
        return recent.object;
    auto it = t.objects.find(value);
    if (it == t.objects.end())
        return nullptr;
    recent.handle = value;
    recent.object = it->second.get();
    return recent.object;
}

void* Insert(std::unique_ptr<Object> object) {
    if (!object)
        return nullptr;
    Table& t = table();
    std::uintptr_t value = kHandleBase + kHandleStep * t.nextSerial++;
    if (!t.spareNodes.empty()) {
        ObjectMap::node_type node = std::move(t.spareNodes.back());
        t.spareNodes.pop_back();
        node.key() = value;
        node.mapped() = std::move(object);
        t.objects.insert(std::move(node));
    } else {
        t.objects.emplace(value, std::move(object));
    }
    return reinterpret_cast<void*>(value);
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
    Table& t = table();
    auto it = t.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == t.objects.end())
        return;
    Table::Recent& recent = t.recent[RecentSlot(it->first)];
    if (recent.handle == it->first)
        recent = Table::Recent{};
    ObjectMap::node_type node = t.objects.extract(it);
    std::unique_ptr<Object> doomed = std::move(node.mapped());
    if (t.spareNodes.size() < kSpares)
        t.spareNodes.push_back(std::move(node));
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

} // namespace gdi
