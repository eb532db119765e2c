// Drawing targets of DCs and the pixel operations shared by all primitives.
#include "gdi/surface.h"

#include "gdi/gdi_internal.h"
#include "gdi/region_ops.h"

#include <algorithm>

namespace gdi {
namespace {

// The DC's clip in surface coordinates, into *clip (the DC's own cache, whose storage is reused).
void ComputeClip(const Dc& dc, int surfaceWidth, int surfaceHeight, std::vector<RECT>* clip) {
    const RECT bounds{0, 0, surfaceWidth, surfaceHeight};
    // Reused from call to call, and never destroyed (DCs may draw from static destructors).
    static std::vector<RECT>& base = *new std::vector<RECT>;
    static std::vector<RECT>& user = *new std::vector<RECT>;
    base.clear();
    if (dc.screen) {
        RECT r;
        for (const RECT& v : dc.visible)
            if (IntersectRects(v, bounds, &r))
                base.push_back(r);
        NormalizeRectsInto(base, &base);
    } else {
        base.push_back(bounds);
    }
    if (!dc.state.hasClip) {
        clip->assign(base.begin(), base.end());
        return;
    }
    user.assign(dc.state.clip.begin(), dc.state.clip.end());
    OffsetRects(user, dc.surfaceOrigin.x, dc.surfaceOrigin.y);
    CombineRectsInto(base, user, RGN_AND, clip);
}

} // namespace

void InvalidateClip(Dc* dc) {
    dc->clipValid = false;
}

POINT LogicalToDevice(const DcState& state) {
    return POINT{state.viewportOrg.x - state.windowOrg.x, state.viewportOrg.y - state.windowOrg.y};
}

bool GetTarget(HDC hdc, Target* t) {
    Dc* dc = LookupDc(hdc);
    if (!dc)
        return false;
    t->dc = dc;
    if (dc->memory) {
        Bitmap* bitmap = LookupBitmap(dc->state.bitmap);
        if (!bitmap || bitmap->pixels.empty())
            return false;
        t->pixels = bitmap->pixels.data();
        t->width = bitmap->width;
        t->height = bitmap->height;
        t->mono = bitmap->monochrome();
    } else {
        Screen& screen = TheScreen();
        if (screen.pixels.empty())
            return false;
        t->pixels = screen.pixels.data();
        t->width = screen.width;
        t->height = screen.height;
        t->mono = false;
    }
    POINT device = LogicalToDevice(dc->state);
    t->offsetX = device.x + dc->surfaceOrigin.x;
    t->offsetY = device.y + dc->surfaceOrigin.y;
    if (!dc->clipValid || dc->clipBitmap != dc->state.bitmap) {
        ComputeClip(*dc, t->width, t->height, &dc->clipCache);
        dc->clipValid = true;
        dc->clipBitmap = dc->state.bitmap;
    }
    t->clip = &dc->clipCache;
    if (!dc->memory)
        NoteScreenChange(dc->clipCache);
    return true;
}

std::uint32_t ToMonochrome(COLORREF color) {
    int sum = GetRValue(color) + GetGValue(color) + GetBValue(color);
    return sum > 382 ? 0xFFFFFF : 0;
}

std::uint32_t SurfaceColor(const Target& t, COLORREF color) {
    color &= 0x00FFFFFF;
    return t.mono ? ToMonochrome(color) : ToPixel(color);
}

std::uint32_t ApplyRop2(int rop2, std::uint32_t pen, std::uint32_t dst) {
    // The operation's number less one is its truth table over (pen bit, destination bit):
    // bit (2 * pen + dst) of it is the result. R2_COPYPEN = 13: 1100b, the pen.
    unsigned table = static_cast<unsigned>(rop2 - 1) & 15u;
    std::uint32_t out = 0;
    if (table & 1u)
        out |= ~pen & ~dst;
    if (table & 2u)
        out |= ~pen & dst;
    if (table & 4u)
        out |= pen & ~dst;
    if (table & 8u)
        out |= pen & dst;
    return out & 0x00FFFFFF;
}

namespace {

// For a pen fixed over a whole fill, every bit of a binary raster operation's result is 0, 1,
// the destination bit or its inverse, so the operation is (dst & keep) ^ flip for two masks
// worked out once: a row then becomes one branch-free loop the compiler vectorises.
struct RopMasks {
    std::uint32_t keep;
    std::uint32_t flip;
};

RopMasks MasksFor(int rop2, std::uint32_t pen) {
    const unsigned table = static_cast<unsigned>(rop2 - 1) & 15u;
    auto all = [](unsigned bit) { return bit != 0 ? ~std::uint32_t{0} : std::uint32_t{0}; };
    // Bit (2 * pen + dst) of the table is the result; keep where it differs between the two
    // destination values, flip where it is 1 for a clear destination bit.
    const std::uint32_t keep =
        (~pen & all((table ^ (table >> 1)) & 1u)) | (pen & all(((table >> 2) ^ (table >> 3)) & 1u));
    const std::uint32_t flip = (~pen & all(table & 1u)) | (pen & all(table & 4u));
    return RopMasks{keep, flip};
}

} // namespace

namespace {

// One row of a solid fill. Rows here are short (a caret is one pixel wide, an edit field a few
// dozen), so loop overhead costs as much as the stores: 16 pixels a step, then 4, and a tail as
// one group of 4 that overlaps pixels already set (harmless, since they get the same value).
inline void FillRow(std::uint32_t* row, std::size_t count, std::uint32_t pixel) {
    if (count < 4) {
        for (std::size_t i = 0; i < count; ++i)
            row[i] = pixel;
        return;
    }
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16)
        for (std::size_t k = 0; k < 16; ++k)
            row[i + k] = pixel;
    for (; i + 4 <= count; i += 4)
        for (std::size_t k = 0; k < 4; ++k)
            row[i + k] = pixel;
    if (i < count)
        for (std::size_t k = 0; k < 4; ++k)
            row[count - 4 + k] = pixel;
}

} // namespace

void FillSurfaceRect(const Target& t, RECT r, std::uint32_t pixel, int rop2) {
    if (rop2 == R2_NOP)
        return;
    const std::size_t stride = static_cast<std::size_t>(t.width);
    if (rop2 == R2_COPYPEN) {
        for (const RECT& c : *t.clip) {
            RECT part;
            if (!IntersectRects(r, c, &part))
                continue;
            const std::size_t count = static_cast<std::size_t>(part.right - part.left);
            std::size_t start = static_cast<std::size_t>(part.top) * stride + part.left;
            for (LONG y = part.top; y < part.bottom; ++y, start += stride)
                FillRow(t.pixels + start, count, pixel);
        }
        return;
    }
    const RopMasks masks = MasksFor(rop2, pixel);
    for (const RECT& c : *t.clip) {
        RECT part;
        if (!IntersectRects(r, c, &part))
            continue;
        const std::size_t count = static_cast<std::size_t>(part.right - part.left);
        std::size_t start = static_cast<std::size_t>(part.top) * stride + part.left;
        for (LONG y = part.top; y < part.bottom; ++y, start += stride) {
            std::uint32_t* row = t.pixels + start;
            for (std::size_t i = 0; i < count; ++i)
                row[i] = ((row[i] & masks.keep) ^ masks.flip) & 0x00FFFFFFu;
        }
    }
}

bool SurfacePointVisible(const Target& t, int x, int y) {
    for (const RECT& c : *t.clip)
        if (x >= c.left && x < c.right && y >= c.top && y < c.bottom)
            return true;
    return false;
}

void PlotSurfacePixel(const Target& t, int x, int y, std::uint32_t pixel, int rop2) {
    if (!SurfacePointVisible(t, x, y))
        return;
    std::uint32_t& p = t.pixels[static_cast<std::size_t>(y) * t.width + x];
    p = rop2 == R2_COPYPEN ? pixel : ApplyRop2(rop2, pixel, p);
}

bool BrushColor(HBRUSH handle, COLORREF* color) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (value >= 1 && value <= 31) {
        *color = gdi_internal::SysColor(static_cast<int>(value) - 1);
        return true;
    }
    Brush* brush = LookupBrush(handle);
    if (!brush || brush->style == BS_NULL)
        return false;
    *color = brush->color;
    return true;
}

} // namespace gdi
