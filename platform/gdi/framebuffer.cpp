// The screen: one framebuffer of 32-bit pixels that every window and screen DC draws into.
#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"
#include "gdi/surface.h"

#include <algorithm>
#include <new>

namespace gdi {

ScreenChanges g_screenChanges;
Screen* g_screen = nullptr;

namespace {

ScreenChanges& Changes() {
    return g_screenChanges;
}

void AddChange(const RECT& r) {
    RECT& b = Changes().bounds;
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (b.right <= b.left || b.bottom <= b.top) {
        b = r;
        return;
    }
    b.left = std::min(b.left, r.left);
    b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right);
    b.bottom = std::max(b.bottom, r.bottom);
}

void ChangeAll() {
    if (Changes().tracking)
        AddChange(RECT{0, 0, TheScreen().width, TheScreen().height});
}

} // namespace

void NoteTrackedScreenChange(const std::vector<RECT>& areas) {
    for (const RECT& r : areas)
        AddChange(r);
}

Screen& MakeScreen() {
    static Screen* screen = [] {
        auto* s = new Screen;
        s->width = 1024;
        s->height = 768;
        s->pixels.assign(static_cast<std::size_t>(s->width) * s->height,
                         ToPixel(gdi_internal::SysColor(1 /* COLOR_DESKTOP */)));
        return s;
    }();
    g_screen = screen;
    return *screen;
}

namespace {

std::unique_ptr<Dc> NewScreenDc(POINT origin, const std::vector<RECT>& clip) {
    auto dc = NewDc();
    if (!dc)
        return nullptr;
    dc->screen = true;
    dc->surfaceOrigin = origin;
    dc->visible.assign(clip.begin(), clip.end());
    // Stock objects, which keep no selection count.
    dc->state.pen = static_cast<HPEN>(Stock(BLACK_PEN));
    dc->state.brush = static_cast<HBRUSH>(Stock(WHITE_BRUSH));
    dc->state.font = static_cast<HFONT>(Stock(SYSTEM_FONT));
    return dc;
}

void InvalidateScreenClips() {
    for (void* handle : AllHandles())
        if (Dc* dc = LookupDc(handle))
            if (dc->screen)
                InvalidateClip(dc);
}

} // namespace
} // namespace gdi

using namespace gdi;

namespace gdi_internal {

int ScreenWidth() {
    return TheScreen().width;
}
int ScreenHeight() {
    return TheScreen().height;
}

namespace {
ScreenSizeHook g_screenSizeHook = nullptr;
} // namespace

ScreenSizeHook SetScreenSizeHook(ScreenSizeHook hook) {
    ScreenSizeHook previous = g_screenSizeHook;
    g_screenSizeHook = hook;
    return previous;
}

bool SetScreenSize(int width, int height) {
    // 16384 pixels a side is far beyond any screen this platform pretends to be.
    if (width < 1 || height < 1 || width > 16384 || height > 16384)
        return false;
    Screen& screen = TheScreen();
    std::vector<std::uint32_t> pixels;
    try {
        pixels.assign(static_cast<std::size_t>(width) * height, ToPixel(SysColor(1)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    screen.pixels.swap(pixels);
    screen.width = width;
    screen.height = height;
    InvalidateScreenClips();
    ChangeAll();
    if (g_screenSizeHook)
        g_screenSizeHook(width, height);
    return true;
}

void ClearScreen(COLORREF color) {
    Screen& screen = TheScreen();
    std::fill(screen.pixels.begin(), screen.pixels.end(), ToPixel(color & 0x00FFFFFF));
    ChangeAll();
}

COLORREF ScreenPixel(int x, int y) {
    Screen& screen = TheScreen();
    if (x < 0 || y < 0 || x >= screen.width || y >= screen.height)
        return CLR_INVALID;
    return ToColorRef(screen.pixels[static_cast<std::size_t>(y) * screen.width + x]);
}

bool TakeScreenChanges(RECT* changed) {
    ScreenChanges& c = Changes();
    if (!c.tracking) {
        c.tracking = true;
        c.bounds = RECT{0, 0, TheScreen().width, TheScreen().height};
    }
    *changed = c.bounds;
    c.bounds = RECT{0, 0, 0, 0};
    return changed->right > changed->left && changed->bottom > changed->top;
}

void StopScreenChanges() {
    Changes() = ScreenChanges{};
}

const std::uint32_t* ScreenBits() {
    return TheScreen().pixels.data();
}

HDC CreateScreenDC(POINT origin, const std::vector<RECT>& clip) {
    return InsertAs<HDC>(NewScreenDc(origin, clip));
}

HDC CreateWholeScreenDC() {
    // The clip is generous rather than the current size, so the DC stays whole if the screen
    // grows while it is held.
    return CreateScreenDC(POINT{0, 0}, {RECT{0, 0, 16384, 16384}});
}

bool SetScreenDCGeometry(HDC hdc, POINT origin, const std::vector<RECT>& clip) {
    Dc* dc = LookupDc(hdc);
    if (!dc || !dc->screen)
        return false;
    dc->surfaceOrigin = origin;
    dc->visible.assign(clip.begin(), clip.end());
    InvalidateClip(dc);
    return true;
}

bool IsScreenDC(HDC hdc) {
    Dc* dc = LookupDc(hdc);
    return dc && dc->screen;
}

} // namespace gdi_internal
