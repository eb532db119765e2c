// What the drawing layer offers the layers above it beyond the public API: the window manager
// makes window and screen DCs here, reads and edits regions as rectangle lists, builds bitmaps
// from BMP bytes and marks its system-colour brushes permanent; the driver reads the screen and
// the object counts.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gdi_internal {

// ---- The screen framebuffer ----------------------------------------------------------------
// Pixels are 0x00RRGGBB, rows top to bottom, ScreenWidth() pixels per row.

int ScreenWidth();
int ScreenHeight();
// Reallocates the screen and clears it to the desktop colour. Sizes below 1 or above 16384
// pixels a side are refused.
bool SetScreenSize(int width, int height);
void ClearScreen(COLORREF color);
// Told the new size after every change of the screen's size (the window manager's desktop
// window follows it). Answers the hook it replaces.
typedef void (*ScreenSizeHook)(int width, int height);
ScreenSizeHook SetScreenSizeHook(ScreenSizeHook hook);
// The colour at a screen point, or CLR_INVALID outside the screen.
COLORREF ScreenPixel(int x, int y);
const std::uint32_t* ScreenBits();
// Where the screen may have changed since the last call, as one bounding rectangle: for a
// display that shows the framebuffer and repaints only what changed. Tracking starts with the
// first call (the whole screen counts as changed then) and stops with StopScreenChanges.
// False when nothing changed.
bool TakeScreenChanges(RECT* changed);
void StopScreenChanges();

// ---- Window and screen DCs -----------------------------------------------------------------

// A DC that draws on the screen: logical (0,0) lands on screen point `origin`, and drawing is
// clipped to the union of `clip` (screen rectangles, overlapping allowed) and to the screen.
// An empty list clips everything away. The DC is freed with DeleteDC and is counted as a DC.
HDC CreateScreenDC(POINT origin, const std::vector<RECT>& clip);
// The same for the whole screen at origin (0,0): GetDC(NULL).
HDC CreateWholeScreenDC();
// Moves or re-clips a screen DC made above; attributes, selections and the DC's own clip stay.
bool SetScreenDCGeometry(HDC hdc, POINT origin, const std::vector<RECT>& clip);
// True for a DC made by CreateScreenDC/CreateWholeScreenDC.
bool IsScreenDC(HDC hdc);

// ---- Regions as rectangle lists ------------------------------------------------------------

// The region's rectangles: disjoint, non-empty, sorted by top then left.
std::vector<RECT> RegionRects(HRGN hrgn);
HRGN CreateRegionFromRects(const std::vector<RECT>& rects);
bool SetRegionRects(HRGN hrgn, const std::vector<RECT>& rects);

// ---- Objects -------------------------------------------------------------------------------

// A device-dependent bitmap from the bytes of a BMP file (1, 4, 8, 24 or 32 bits per pixel,
// bottom-up or top-down), or NULL when the bytes are not a BMP this layer reads.
HBITMAP CreateBitmapFromBmp(const void* bytes, std::size_t size);
// The same from a packed DIB: a bitmap resource, the file without its header.
HBITMAP CreateBitmapFromDib(const void* bytes, std::size_t size);

// The object becomes permanent: DeleteObject leaves it alive (and reports success, as for
// system-colour brushes), reset keeps it, and it no longer counts among the live objects.
void MakePermanent(HGDIOBJ obj);

struct ObjectCounts {
    int pens = 0;
    int brushes = 0;
    int fonts = 0;
    int bitmaps = 0;
    int dcs = 0;
    int regions = 0;
    int total() const { return pens + brushes + fonts + bitmaps + dcs + regions; }
};
// Live objects made by hosts and layers above; stock and permanent objects are not counted.
ObjectCounts LiveObjectCounts();

// ---- System colours ------------------------------------------------------------------------

// DrawEdge, DrawFocusRect and the desktop take their colours from the window manager's system
// colours through this hook (index is a COLOR_* value). Without a hook the classic scheme
// applies. Answers the hook it replaces.
typedef COLORREF (*SysColorHook)(int index);
SysColorHook SetSysColorHook(SysColorHook hook);
COLORREF SysColor(int index);

// Printer DCs (printer_dc.cpp): DeleteDC forgets their job and page; GetDeviceCaps reports their
// page instead of the screen.
bool IsPrinterDc(HDC hdc);
bool PrinterPageSize(HDC hdc, int* width, int* height);
void ForgetPrinterDc(HDC hdc);

} // namespace gdi_internal
