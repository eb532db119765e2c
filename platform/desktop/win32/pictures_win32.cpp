// The driver's pictures on real Win32: a window or a rectangle of the screen, read with BitBlt
// into a 32-bit DIB and saved as PNG.
#include "png_stored.h"

#include <desktop.h>

#include <cstdint>

namespace desktop {
namespace {

// w x h pixels of a DC from (x, y) on.
bool SaveDcPng(HDC source, int x, int y, int w, int h, const char* path) {
    if (source == nullptr || w <= 0 || h <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, w, h, source, x, y, SRCCOPY) &&
             WriteStoredPng(path, w, h, static_cast<const std::uint32_t*>(bits));
        SelectObject(memory, old);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (memory != nullptr)
        DeleteDC(memory);
    return ok;
}

} // namespace

// The screen can be read only where the system lets a program read it (not under Wine's null
// graphics driver, which has no screen); a window's own DC can always be read.
bool SaveScreenPng(const char* path, const RECT& area) {
    PumpUntilIdle();
    HDC screen = GetDC(nullptr);
    const bool ok = SaveDcPng(screen, area.left, area.top, area.right - area.left,
                              area.bottom - area.top, path);
    ReleaseDC(nullptr, screen);
    return ok;
}

SIZE ScreenSize() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool SaveScreenPng(const char* path) {
    const RECT all{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return SaveScreenPng(path, all);
}

bool SaveWindowPng(HWND hwnd, const char* path) {
    RECT r{};
    if (!GetWindowRect(hwnd, &r))
        return false;
    PumpUntilIdle();
    HDC window = GetWindowDC(hwnd);
    const bool ok = SaveDcPng(window, 0, 0, r.right - r.left, r.bottom - r.top, path);
    ReleaseDC(hwnd, window);
    return ok;
}

} // namespace desktop
