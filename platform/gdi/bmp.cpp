// Bitmaps from the bytes of a BMP file, or of a packed DIB (the file without its 14-byte header,
// as a bitmap resource holds it).
//
// Reads uncompressed 1, 4, 8, 24 and 32 bits per pixel (and 16 and 32 with bit fields), rows
// bottom-up (positive height) or top-down (negative height), with the old 12-byte core header
// or any of the 40-byte header's successors. Every offset and length is checked against the
// buffer, so a truncated or hostile file yields NULL, never a read past its end. One-bit images
// become monochrome bitmaps; the rest become 32-bit, like the screen.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"
#include "gdi/surface.h"

#include <cstring>

namespace {

std::uint32_t U16(const BYTE* p) {
    return p[0] | (p[1] << 8);
}
std::uint32_t U32(const BYTE* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Scales a masked field to eight bits.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (!mask)
        return 0;
    int shift = 0;
    while (!((mask >> shift) & 1))
        ++shift;
    std::uint32_t bits = mask >> shift, v = (value & mask) >> shift;
    return bits ? v * 255 / bits : 0;
}

} // namespace

namespace gdi_internal {

namespace {

// A DIB: the info header at b, the colour table after it, the pixels at offBits from b (or, for
// a packed DIB as resources hold it, right after the colour table).
HBITMAP FromDib(const BYTE* b, std::size_t size, bool packed, std::size_t offBits) {
    using namespace gdi;
    if (!b || size < 12)
        return nullptr;
    const BYTE* h = b;
    const std::uint32_t headerSize = U32(h);
    if (headerSize < 12 || static_cast<std::size_t>(headerSize) > size)
        return nullptr;
    long long width, height;
    int bpp;
    std::uint32_t compression = BI_RGB, colorsUsed = 0;
    bool core = headerSize == 12;
    if (core) {
        width = static_cast<std::int16_t>(U16(h + 4));
        height = static_cast<std::int16_t>(U16(h + 6));
        bpp = static_cast<int>(U16(h + 10));
    } else {
        if (headerSize < 40)
            return nullptr;
        width = static_cast<std::int32_t>(U32(h + 4));
        height = static_cast<std::int32_t>(U32(h + 8));
        bpp = static_cast<int>(U16(h + 14));
        compression = U32(h + 16);
        colorsUsed = U32(h + 32);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (width < 1 || height < 1 || width > 32767 || height > 32767)
        return nullptr;
    if (!(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32))
        return nullptr;

    // Channel masks: given after the 40-byte header for BI_BITFIELDS, else the defaults.
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bpp == 32)
        masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    std::size_t paletteAt = headerSize;
    if (compression == BI_BITFIELDS && (bpp == 16 || bpp == 32)) {
        if (paletteAt + 12 > size)
            return nullptr;
        for (int i = 0; i < 3; ++i)
            masks[i] = U32(b + paletteAt + 4 * i);
        if (headerSize == 40)
            paletteAt += 12;
    } else if (compression != BI_RGB) {
        return nullptr; // run-length compression is not read here
    }

    std::uint32_t palette[256] = {};
    if (bpp <= 8) {
        const std::uint32_t entries =
            colorsUsed && colorsUsed <= (1u << bpp) ? colorsUsed : (1u << bpp);
        const std::size_t entrySize = core ? 3 : 4;
        if (paletteAt + entries * entrySize > size)
            return nullptr;
        for (std::uint32_t i = 0; i < entries; ++i) {
            const BYTE* e = b + paletteAt + i * entrySize;
            palette[i] = (e[2] << 16) | (e[1] << 8) | e[0];
        }
    }

    if (packed) {
        offBits = paletteAt;
        if (bpp <= 8) {
            const std::uint32_t entries =
                colorsUsed && colorsUsed <= (1u << bpp) ? colorsUsed : (1u << bpp);
            offBits += entries * (core ? 3 : 4);
        }
    }
    const std::size_t stride = ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
    if (offBits > size || stride * static_cast<std::size_t>(height) > size - offBits)
        return nullptr;
    std::unique_ptr<Bitmap> bitmap =
        NewBitmap(static_cast<int>(width), static_cast<int>(height), bpp == 1 ? 1 : 32);
    if (!bitmap)
        return nullptr;
    for (long long y = 0; y < height; ++y) {
        const BYTE* row =
            b + offBits + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
        std::uint32_t* out = bitmap->pixels.data() + static_cast<std::size_t>(y) * width;
        for (long long x = 0; x < width; ++x) {
            std::uint32_t p;
            switch (bpp) {
            case 1:
                p = palette[(row[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                p = palette[(x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2]) & 15];
                break;
            case 8:
                p = palette[row[x]];
                break;
            case 16: {
                std::uint32_t v = U16(row + 2 * x);
                p = Channel(v, masks[0]) << 16 | Channel(v, masks[1]) << 8 | Channel(v, masks[2]);
                break;
            }
            case 24:
                p = (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
                break;
            default: {
                std::uint32_t v = U32(row + 4 * x);
                p = Channel(v, masks[0]) << 16 | Channel(v, masks[1]) << 8 | Channel(v, masks[2]);
                break;
            }
            }
            out[x] = bpp == 1 ? ToMonochrome(ToColorRef(p)) : p;
        }
    }
    return InsertAs<HBITMAP>(std::move(bitmap));
}

} // namespace

HBITMAP CreateBitmapFromBmp(const void* data, std::size_t size) {
    const BYTE* b = static_cast<const BYTE*>(data);
    if (!b || size < 14 + 12 || b[0] != 'B' || b[1] != 'M')
        return nullptr;
    const std::uint32_t offBits = U32(b + 10);
    if (offBits < 14)
        return nullptr;
    return FromDib(b + 14, size - 14, false, offBits - 14);
}

HBITMAP CreateBitmapFromDib(const void* data, std::size_t size) {
    return FromDib(static_cast<const BYTE*>(data), size, true, 0);
}

} // namespace gdi_internal
