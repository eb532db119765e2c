// Device-dependent bitmaps: creation, the 1x1 stock bitmap and the packed bits of
// GetBitmapBits/SetBitmapBits. Pixels live unpacked as 0x00RRGGBB whatever depth a bitmap
// reports; the reported depth decides how bits are packed on the way in and out.
#include "gdi/gdi_objects.h"
#include "gdi/surface.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

// 256 M pixels (1 GB) is refused outright rather than left to the allocator.
constexpr long long kMaxPixels = 1LL << 28;

// The sixteen colours of the standard VGA palette, for 4- and 8-bit packed data.
const std::uint32_t kVga[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

int RowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 15) / 16) * 2;
}

std::uint32_t UnpackPixel(const BYTE* row, int x, int bpp) {
    switch (bpp) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0;
    case 4: {
        int index = (x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2]) & 15;
        return kVga[index];
    }
    case 8:
        return row[x] < 16 ? kVga[row[x]] : 0;
    case 16: {
        unsigned v = row[2 * x] | (row[2 * x + 1] << 8); // x1r5g5b5
        unsigned r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        return ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
    }
    case 24:
        return row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16);
    default:
        return (row[4 * x] | (row[4 * x + 1] << 8) | (row[4 * x + 2] << 16)) & 0xFFFFFFu;
    }
}

void PackPixel(BYTE* row, int x, int bpp, std::uint32_t p) {
    switch (bpp) {
    case 1:
        if (p == 0xFFFFFF)
            row[x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        break;
    case 4:
    case 8: {
        int index = 0;
        for (int i = 0; i < 16; ++i)
            if (kVga[i] == p)
                index = i;
        if (bpp == 8)
            row[x] = static_cast<BYTE>(index);
        else
            row[x / 2] |= static_cast<BYTE>(x % 2 == 0 ? index << 4 : index);
        break;
    }
    case 16: {
        unsigned v = ((p >> 19) & 31) << 10 | ((p >> 11) & 31) << 5 | ((p >> 3) & 31);
        row[2 * x] = static_cast<BYTE>(v);
        row[2 * x + 1] = static_cast<BYTE>(v >> 8);
        break;
    }
    case 24:
        row[3 * x] = static_cast<BYTE>(p);
        row[3 * x + 1] = static_cast<BYTE>(p >> 8);
        row[3 * x + 2] = static_cast<BYTE>(p >> 16);
        break;
    default:
        std::memcpy(row + 4 * x, &p, 4);
        break;
    }
}

bool SupportedDepth(int bpp) {
    return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
}

void Unpack(Bitmap& bitmap, const BYTE* bits, std::size_t size) {
    const int rowBytes = RowBytes(bitmap.width, bitmap.bitsPerPixel);
    for (int y = 0; y < bitmap.height; ++y) {
        if (static_cast<std::size_t>(y + 1) * rowBytes > size)
            break;
        const BYTE* row = bits + static_cast<std::size_t>(y) * rowBytes;
        for (int x = 0; x < bitmap.width; ++x)
            bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x] =
                UnpackPixel(row, x, bitmap.bitsPerPixel);
    }
}

} // namespace

std::unique_ptr<Bitmap> NewBitmap(int width, int height, int bitsPerPixel) {
    if (width < 1 || height < 1 || static_cast<long long>(width) * height > kMaxPixels ||
        !SupportedDepth(bitsPerPixel))
        return nullptr;
    auto bitmap = MakeObject<Bitmap>();
    if (!bitmap)
        return nullptr;
    try {
        bitmap->pixels.assign(static_cast<std::size_t>(width) * height, 0);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = bitsPerPixel;
    return bitmap;
}

} // namespace gdi

using namespace gdi;

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel,
                            const void* bits) {
    if (width < 0 || height < 0 || planes != 1)
        return nullptr;
    // Windows answers a zero size with the 1x1 monochrome stock bitmap.
    if (width == 0 || height == 0)
        return StockBitmap();
    auto bitmap = NewBitmap(width, height, static_cast<int>(bitsPerPixel));
    if (!bitmap)
        return nullptr;
    if (bits)
        Unpack(*bitmap, static_cast<const BYTE*>(bits),
               static_cast<std::size_t>(RowBytes(width, bitmap->bitsPerPixel)) * height);
    return InsertAs<HBITMAP>(std::move(bitmap));
}

HBITMAP WINAPI CreateBitmapIndirect(const BITMAP* bm) {
    if (!bm)
        return nullptr;
    return CreateBitmap(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, bm->bmBits);
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int width, int height) {
    Dc* dc = LookupDc(hdc);
    if (!dc || width < 0 || height < 0)
        return nullptr;
    if (width == 0 || height == 0)
        return StockBitmap();
    // Compatible with a memory DC means with the bitmap it holds: a fresh memory DC makes
    // monochrome bitmaps, a classic surprise kept here on purpose.
    int depth = 32;
    if (dc->memory)
        if (Bitmap* current = LookupBitmap(dc->state.bitmap))
            depth = current->bitsPerPixel;
    auto bitmap = NewBitmap(width, height, depth);
    return bitmap ? InsertAs<HBITMAP>(std::move(bitmap)) : nullptr;
}

LONG WINAPI GetBitmapBits(HBITMAP handle, LONG size, LPVOID bits) {
    Bitmap* bitmap = LookupBitmap(handle);
    if (!bitmap || size < 0)
        return 0;
    const int rowBytes = RowBytes(bitmap->width, bitmap->bitsPerPixel);
    const long long total = static_cast<long long>(rowBytes) * bitmap->height;
    if (!bits)
        return static_cast<LONG>(total);
    const int rows = static_cast<int>(std::min<long long>(size / rowBytes, bitmap->height));
    auto* out = static_cast<BYTE*>(bits);
    std::memset(out, 0, static_cast<std::size_t>(rows) * rowBytes);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < bitmap->width; ++x)
            PackPixel(out + static_cast<std::size_t>(y) * rowBytes, x, bitmap->bitsPerPixel,
                      bitmap->pixels[static_cast<std::size_t>(y) * bitmap->width + x]);
    return rows * rowBytes;
}

LONG WINAPI SetBitmapBits(HBITMAP handle, DWORD size, const void* bits) {
    Bitmap* bitmap = LookupBitmap(handle);
    if (!bitmap || !bits || bitmap->stock)
        return 0;
    const int rowBytes = RowBytes(bitmap->width, bitmap->bitsPerPixel);
    const int rows = static_cast<int>(std::min<long long>(size / rowBytes, bitmap->height));
    Unpack(*bitmap, static_cast<const BYTE*>(bits), static_cast<std::size_t>(rows) * rowBytes);
    return rows * rowBytes;
}
