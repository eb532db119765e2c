// The driver's pictures on real Win32: a window or a rectangle of the screen, read with BitBlt
// into a 32-bit DIB and saved as PNG.
#include "png_stored.h"

#include <desktop.h>

#include <cstdint>
#include <vector>

namespace desktop {
namespace {

// A w x h picture in a 32-bit DIB selected into a memory DC, to copy from DCs and save.
class Picture {
public:
    Picture(int w, int h) : w_(w), h_(h) {
        if (w <= 0 || h <= 0)
            return;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h; // top row first
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ != nullptr && bitmap_ != nullptr)
            old_ = SelectObject(dc_, bitmap_);
    }
    ~Picture() {
        if (old_ != nullptr)
            SelectObject(dc_, old_);
        if (bitmap_ != nullptr)
            DeleteObject(bitmap_);
        if (dc_ != nullptr)
            DeleteDC(dc_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool Ready() const { return old_ != nullptr; }
    // w x h pixels of `source` from (x, y) on, placed at (at.x, at.y).
    bool Copy(HDC source, POINT at, int x, int y, int w, int h) {
        return Ready() && source != nullptr && BitBlt(dc_, at.x, at.y, w, h, source, x, y, SRCCOPY);
    }
    void Fill(COLORREF colour) {
        RECT all{0, 0, w_, h_};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    bool Save(const char* path) const {
        return Ready() && WriteStoredPng(path, w_, h_, static_cast<const std::uint32_t*>(bits_));
    }

private:
    int w_, h_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

// What the screen shows in `area`, made from the windows' own DCs: the desktop's colour, then
// each visible top-level window from the bottom of the stack up.
bool ComposeScreen(Picture& picture, const RECT& area) {
    std::vector<HWND> windows;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w != nullptr;
         w = GetWindow(w, GW_HWNDNEXT))
        windows.push_back(w);
    picture.Fill(GetSysColor(COLOR_DESKTOP));
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        RECT r{};
        if (!IsWindowVisible(*it) || !GetWindowRect(*it, &r))
            continue;
        HDC dc = GetWindowDC(*it);
        const bool copied = picture.Copy(dc, POINT{r.left - area.left, r.top - area.top}, 0, 0,
                                         r.right - r.left, r.bottom - r.top);
        ReleaseDC(*it, dc);
        if (!copied)
            return false;
    }
    return true;
}

} // namespace

// Read from the screen where the system lets a program read it; where it has no screen to read
// (Wine's null graphics driver) the picture is made from the windows on it.
bool SaveScreenPng(const char* path, const RECT& area) {
    PumpUntilIdle();
    Picture picture(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    const bool read = picture.Copy(screen, POINT{0, 0}, area.left, area.top, area.right - area.left,
                                   area.bottom - area.top);
    ReleaseDC(nullptr, screen);
    return (read || ComposeScreen(picture, area)) && picture.Save(path);
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
    Picture picture(r.right - r.left, r.bottom - r.top);
    HDC window = GetWindowDC(hwnd);
    const bool copied = picture.Copy(window, POINT{0, 0}, 0, 0, r.right - r.left, r.bottom - r.top);
    ReleaseDC(hwnd, window);
    return copied && picture.Save(path);
}

} // namespace desktop
