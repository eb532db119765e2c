// Drawing targets of DCs and the pixel operations shared by all primitives.
#include "gdi/surface.h"

#include "gdi/gdi_internal.h"
#include "gdi/region_ops.h"

#include <algorithm>

namespace gdi {
namespace {

// The DC's clip in surface coordinates, into *clip (the DC's own cache, whose storage is reused).
// Out of line: it runs once per DC and clip change, and GetTarget runs at every drawing call.
__attribute__((noinline)) void ComputeClip(const Dc& dc, int surfaceWidth, int surfaceHeight,
                                           std::vector<RECT>* clip) {
    const RECT bounds{0, 0, surfaceWidth, surfaceHeight};
    if (dc.screen && !dc.state.hasClip) {
        // A window DC as BeginPaint and GetDC make it: its visible rectangles are the clip.
        clip->clear();
        RECT r;
        for (const RECT& v : dc.visible)
            if (IntersectRects(v, bounds, &r))
                clip->push_back(r);
        if (clip->size() > 1)
            NormalizeRectsInto(*clip, clip);
        return;
    }
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
    return dc && GetDcTarget(dc, t);
}

bool GetDcTarget(Dc* dc, Target* t) {
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

// Four pixels, which the compiler stores as one vector.
inline void Put4(std::uint32_t* p, std::uint32_t pixel) {
    for (int k = 0; k < 4; ++k)
        p[k] = pixel;
}

// 4 to 68 pixels of a row: a jump into a run of 4-pixel stores for the groups before the last,
// then the last 4 pixels as one group, which may overlap pixels already set (harmless: they get
// the same value). Rows here are short (an edit field is a few dozen pixels wide), so a loop's
// overhead would cost as much as the stores.
inline void FillShortRow(std::uint32_t* row, std::size_t count, std::uint32_t pixel) {
    switch ((count - 1) / 4) {
    case 16:
        Put4(row + 60, pixel);
        [[fallthrough]];
    case 15:
        Put4(row + 56, pixel);
        [[fallthrough]];
    case 14:
        Put4(row + 52, pixel);
        [[fallthrough]];
    case 13:
        Put4(row + 48, pixel);
        [[fallthrough]];
    case 12:
        Put4(row + 44, pixel);
        [[fallthrough]];
    case 11:
        Put4(row + 40, pixel);
        [[fallthrough]];
    case 10:
        Put4(row + 36, pixel);
        [[fallthrough]];
    case 9:
        Put4(row + 32, pixel);
        [[fallthrough]];
    case 8:
        Put4(row + 28, pixel);
        [[fallthrough]];
    case 7:
        Put4(row + 24, pixel);
        [[fallthrough]];
    case 6:
        Put4(row + 20, pixel);
        [[fallthrough]];
    case 5:
        Put4(row + 16, pixel);
        [[fallthrough]];
    case 4:
        Put4(row + 12, pixel);
        [[fallthrough]];
    case 3:
        Put4(row + 8, pixel);
        [[fallthrough]];
    case 2:
        Put4(row + 4, pixel);
        [[fallthrough]];
    case 1:
        Put4(row + 0, pixel);
        [[fallthrough]];
    default:
        break;
    }
    Put4(row + count - 4, pixel);
}

// Any row of 4 pixels or more: 64 pixels a step, then the rest as a short row.
inline void FillRow(std::uint32_t* row, std::size_t count, std::uint32_t pixel) {
    for (; count > 68; row += 64, count -= 64)
        for (int k = 0; k < 64; ++k)
            row[k] = pixel;
    FillShortRow(row, count, pixel);
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
            // The width decides the way every row is filled, so it is chosen once per part.
            if (count == 1) { // a caret or a vertical line
                for (LONG y = part.top; y < part.bottom; ++y, start += stride)
                    t.pixels[start] = pixel;
            } else if (count < 4) {
                for (LONG y = part.top; y < part.bottom; ++y, start += stride)
                    for (std::size_t i = 0; i < count; ++i)
                        t.pixels[start + i] = pixel;
            } else if (count <= 68) {
                for (LONG y = part.top; y < part.bottom; ++y, start += stride)
                    FillShortRow(t.pixels + start, count, pixel);
            } else {
                for (LONG y = part.top; y < part.bottom; ++y, start += stride)
                    FillRow(t.pixels + start, count, pixel);
            }
        }
        return;
    }
    const RopMasks masks = MasksFor(rop2, pixel);
    ForEachClippedRow(t, r, [&masks](std::uint32_t* row, LONG, const RECT& part) {
        for (LONG x = part.left; x < part.right; ++x)
            row[x] = ((row[x] & masks.keep) ^ masks.flip) & 0x00FFFFFFu;
    });
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

} // namespace gdi
