// The driver's screen, picture and object-count functions.
#include <desktop.h>
#include <resources.h>

#include "gdi/gdi_internal.h"
#include "gdi/png_io.h"

#include <algorithm>

namespace desktop {

namespace {

// The drawing layer stores 0x00RRGGBB; pictures hold COLORREF values, 0x00BBGGRR.
COLORREF Swap(std::uint32_t p) {
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

std::vector<std::uint32_t> ToPixels(const Image& image) {
    std::vector<std::uint32_t> out(image.pixels.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = Swap(image.pixels[i]);
    return out;
}

} // namespace

bool SetScreenSize(int width, int height) {
    return gdi_internal::SetScreenSize(width, height);
}

SIZE ScreenSize() {
    return SIZE{gdi_internal::ScreenWidth(), gdi_internal::ScreenHeight()};
}

COLORREF ScreenPixel(int x, int y) {
    return gdi_internal::ScreenPixel(x, y);
}

Image ScreenImage(const RECT& area) {
    const int sw = gdi_internal::ScreenWidth(), sh = gdi_internal::ScreenHeight();
    const LONG left = std::max<LONG>(area.left, 0), top = std::max<LONG>(area.top, 0);
    const LONG right = std::min<LONG>(area.right, sw), bottom = std::min<LONG>(area.bottom, sh);
    Image image;
    if (right <= left || bottom <= top)
        return image;
    image.width = right - left;
    image.height = bottom - top;
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    const std::uint32_t* bits = gdi_internal::ScreenBits();
    for (LONG y = top; y < bottom; ++y)
        for (LONG x = left; x < right; ++x)
            image.pixels.push_back(Swap(bits[static_cast<std::size_t>(y) * sw + x]));
    return image;
}

Image ScreenImage() {
    return ScreenImage(RECT{0, 0, gdi_internal::ScreenWidth(), gdi_internal::ScreenHeight()});
}

Image BitmapImage(HBITMAP bitmap) {
    Image image;
    BITMAP bm;
    if (GetObjectA(bitmap, sizeof bm, &bm) != sizeof bm)
        return image;
    // Read through a memory DC, the way a host would; the bitmap must not be selected elsewhere.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    if (old) {
        image.width = bm.bmWidth;
        image.height = bm.bmHeight;
        image.pixels.reserve(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
        for (int y = 0; y < bm.bmHeight; ++y)
            for (int x = 0; x < bm.bmWidth; ++x)
                image.pixels.push_back(GetPixel(dc, x, y));
        SelectObject(dc, old);
    }
    DeleteDC(dc);
    return image;
}

bool SavePng(const Image& image, const char* path) {
    if (image.width < 1 || image.height < 1 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return false;
    const std::vector<std::uint32_t> pixels = ToPixels(image);
    return gdi::WritePng(path, pixels.data(), image.width, image.height);
}

bool SaveScreenPng(const char* path) {
    return SavePng(ScreenImage(), path);
}

bool SaveScreenPng(const char* path, const RECT& area) {
    return SavePng(ScreenImage(area), path);
}

bool ReadPng(const char* path, Image* image) {
    if (!image)
        return false;
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    if (!gdi::ReadPng(path, &pixels, &width, &height))
        return false;
    image->width = width;
    image->height = height;
    image->pixels.resize(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i)
        image->pixels[i] = Swap(pixels[i]);
    return true;
}

bool LoadBitmapFile(HINSTANCE module, LPCSTR name, const char* hostPath) {
    return resources::AddBitmapFile(module, name, hostPath) != FALSE;
}

GdiCounts GdiObjectCounts() {
    const gdi_internal::ObjectCounts c = gdi_internal::LiveObjectCounts();
    GdiCounts out;
    out.pens = c.pens;
    out.brushes = c.brushes;
    out.fonts = c.fonts;
    out.bitmaps = c.bitmaps;
    out.dcs = c.dcs;
    out.regions = c.regions;
    return out;
}

std::string Describe(const GdiCounts& c) {
    return "pens " + std::to_string(c.pens) + ", brushes " + std::to_string(c.brushes) +
           ", fonts " + std::to_string(c.fonts) + ", bitmaps " + std::to_string(c.bitmaps) +
           ", DCs " + std::to_string(c.dcs) + ", regions " + std::to_string(c.regions);
}

} // namespace desktop
