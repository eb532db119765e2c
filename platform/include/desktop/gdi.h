// The driver's view of the screen and of drawing: pixels, pictures, screen size, object counts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace desktop {

// A picture: width x height colours, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    // CLR_INVALID outside the picture.
    COLORREF at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return CLR_INVALID;
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
};

// The screen. A new size clears the screen to the desktop colour.
bool SetScreenSize(int width, int height);
SIZE ScreenSize();
// The colour at a screen point, or CLR_INVALID outside the screen.
COLORREF ScreenPixel(int x, int y);
// A rectangle of the screen (clipped to it), or the whole screen.
Image ScreenImage(const RECT& area);
Image ScreenImage();
// The pixels of a bitmap (empty for a bad handle).
Image BitmapImage(HBITMAP bitmap);

// PNG files. The save functions return false when the file cannot be written.
bool SavePng(const Image& image, const char* path);
bool SaveScreenPng(const char* path);
bool SaveScreenPng(const char* path, const RECT& area);
bool ReadPng(const char* path, Image* image);

// Adds the BMP file at hostPath to a module's bitmap resources under `name`.
bool LoadBitmapFile(HINSTANCE module, LPCSTR name, const char* hostPath);

// Live GDI objects of the host and the layers above, per kind; stock objects and the window
// manager's permanent brushes are not counted.
struct GdiCounts {
    int pens = 0;
    int brushes = 0;
    int fonts = 0;
    int bitmaps = 0;
    int dcs = 0;
    int regions = 0;
    int total() const { return pens + brushes + fonts + bitmaps + dcs + regions; }
    bool operator==(const GdiCounts& o) const {
        return pens == o.pens && brushes == o.brushes && fonts == o.fonts && bitmaps == o.bitmaps &&
               dcs == o.dcs && regions == o.regions;
    }
    bool operator!=(const GdiCounts& o) const { return !(*this == o); }
};
GdiCounts GdiObjectCounts();
// "pens 1, brushes 0, ..." for failure messages.
std::string Describe(const GdiCounts& counts);

} // namespace desktop
