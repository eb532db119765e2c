// System metrics, colours and parameters, with the classic defaults of a 1024x768 desktop.
#include "user/user_internal.h"

#include "gdi/gdi_internal.h"

#include <cstring>

namespace wm {
namespace {

constexpr int kMetricCount = 100;
constexpr int kColorCount = COLOR_GRADIENTINACTIVECAPTION + 1;

int g_metrics[kMetricCount];
COLORREF g_colors[kColorCount];
HBRUSH g_brushes[kColorCount];
COLORREF g_brushColors[kColorCount];
RECT g_workArea{};
bool g_workAreaSet = false;

constexpr COLORREF kClassicColors[kColorCount] = {
    RGB(192, 192, 192), // COLOR_SCROLLBAR
    RGB(0, 128, 128),   // COLOR_BACKGROUND
    RGB(0, 0, 128),     // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(192, 192, 192), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(192, 192, 192), // COLOR_ACTIVEBORDER
    RGB(192, 192, 192), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(0, 0, 128),     // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(192, 192, 192), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(192, 192, 192), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(0, 0, 0),       // COLOR_3DDKSHADOW
    RGB(223, 223, 223), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(192, 192, 192), // unused
    RGB(0, 0, 255),     // COLOR_HOTLIGHT
    RGB(0, 0, 128),     // COLOR_GRADIENTACTIVECAPTION
    RGB(128, 128, 128), // COLOR_GRADIENTINACTIVECAPTION
};

COLORREF ColorHook(int index) {
    return GetSysColor(index);
}

} // namespace

void ResetMetrics() {
    memset(g_metrics, 0, sizeof g_metrics);
    const struct {
        int index, value;
    } defaults[] = {
        {SM_CXVSCROLL, 16},     {SM_CYHSCROLL, 16},    {SM_CYCAPTION, 19},   {SM_CXBORDER, 1},
        {SM_CYBORDER, 1},       {SM_CXDLGFRAME, 3},    {SM_CYDLGFRAME, 3},   {SM_CYVTHUMB, 16},
        {SM_CXHTHUMB, 16},      {SM_CXICON, 32},       {SM_CYICON, 32},      {SM_CXCURSOR, 32},
        {SM_CYCURSOR, 32},      {SM_CYMENU, 19},       {SM_MOUSEPRESENT, 1}, {SM_CYVSCROLL, 16},
        {SM_CXHSCROLL, 16},     {SM_CXMIN, 112},       {SM_CYMIN, 27},       {SM_CXSIZE, 18},
        {SM_CYSIZE, 18},        {SM_CXFRAME, 4},       {SM_CYFRAME, 4},      {SM_CXMINTRACK, 112},
        {SM_CYMINTRACK, 27},    {SM_CXDOUBLECLK, 4},   {SM_CYDOUBLECLK, 4},  {SM_CXICONSPACING, 75},
        {SM_CYICONSPACING, 75}, {SM_CMOUSEBUTTONS, 2}, {SM_CXEDGE, 2},       {SM_CYEDGE, 2},
        {SM_CXSMICON, 16},      {SM_CYSMICON, 16},     {SM_CYSMCAPTION, 15}, {SM_CXSMSIZE, 12},
        {SM_CYSMSIZE, 14},      {SM_CXMENUSIZE, 18},   {SM_CYMENUSIZE, 18},  {SM_CXMENUCHECK, 13},
        {SM_CYMENUCHECK, 13},
    };
    for (const auto& d : defaults) {
        g_metrics[d.index] = d.value;
    }
    memcpy(g_colors, kClassicColors, sizeof g_colors);
    g_workAreaSet = false;
    gdi_internal::SetSysColorHook(ColorHook);
}

void SetMetric(int index, int value) {
    if (index >= 0 && index < kMetricCount) {
        g_metrics[index] = value;
    }
}

void SetSysColorValue(int index, COLORREF color) {
    if (index >= 0 && index < kColorCount) {
        g_colors[index] = color & 0xFFFFFF;
    }
}

void SetWorkArea(const RECT& r) {
    g_workArea = r;
    g_workAreaSet = true;
}

RECT WorkArea() {
    if (g_workAreaSet) {
        return g_workArea;
    }
    // The default leaves room for a 28-pixel task bar along the bottom of the screen.
    int w = gdi_internal::ScreenWidth();
    int h = gdi_internal::ScreenHeight();
    return RECT{0, 0, w, h > 28 ? h - 28 : h};
}

} // namespace wm

using namespace wm;

int WINAPI GetSystemMetrics(int index) {
    EnsureStarted();
    switch (index) {
    case SM_CXSCREEN:
        return gdi_internal::ScreenWidth();
    case SM_CYSCREEN:
        return gdi_internal::ScreenHeight();
    case SM_CXFULLSCREEN: {
        RECT r = WorkArea();
        return r.right - r.left;
    }
    case SM_CYFULLSCREEN: {
        RECT r = WorkArea();
        return r.bottom - r.top - g_metrics[SM_CYCAPTION];
    }
    case SM_CXMAXIMIZED: {
        RECT r = WorkArea();
        return r.right - r.left + 2 * g_metrics[SM_CXFRAME];
    }
    case SM_CYMAXIMIZED: {
        RECT r = WorkArea();
        return r.bottom - r.top + 2 * g_metrics[SM_CYFRAME];
    }
    case SM_CXMAXTRACK:
        return gdi_internal::ScreenWidth() + 2 * g_metrics[SM_CXFRAME];
    case SM_CYMAXTRACK:
        return gdi_internal::ScreenHeight() + 2 * g_metrics[SM_CYFRAME];
    default:
        return index >= 0 && index < kMetricCount ? g_metrics[index] : 0;
    }
}

BOOL WINAPI SystemParametersInfoA(UINT action, UINT uiParam, LPVOID pvParam, UINT winIni) {
    (void)uiParam;
    (void)winIni;
    switch (action) {
    case SPI_GETWORKAREA:
        if (!pvParam) {
            return FALSE;
        }
        *(RECT*)pvParam = WorkArea();
        return TRUE;
    case SPI_SETWORKAREA:
        if (pvParam) {
            SetWorkArea(*(const RECT*)pvParam);
        } else {
            g_workAreaSet = false;
        }
        return TRUE;
    case SPI_GETBEEP:
    case SPI_GETICONTITLEWRAP:
    case SPI_GETSHOWSOUNDS:
    case SPI_GETDRAGFULLWINDOWS:
    case SPI_GETKEYBOARDCUES:
        if (!pvParam) {
            return FALSE;
        }
        *(BOOL*)pvParam = action == SPI_GETBEEP || action == SPI_GETICONTITLEWRAP;
        return TRUE;
    case SPI_GETBORDER:
        if (!pvParam) {
            return FALSE;
        }
        *(int*)pvParam = 1;
        return TRUE;
    case SPI_GETKEYBOARDDELAY:
    case SPI_GETKEYBOARDSPEED:
    case SPI_GETMENUDROPALIGNMENT:
    case SPI_GETSCREENSAVETIMEOUT:
        if (!pvParam) {
            return FALSE;
        }
        *(int*)pvParam =
            action == SPI_GETKEYBOARDSPEED ? 31 : (action == SPI_GETKEYBOARDDELAY ? 1 : 0);
        return TRUE;
    default:
        SetLastErrorValue(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

DWORD WINAPI GetSysColor(int index) {
    EnsureStarted();
    return index >= 0 && index < kColorCount ? g_colors[index] : 0;
}

HBRUSH WINAPI GetSysColorBrush(int index) {
    if (index < 0 || index >= kColorCount) {
        return nullptr;
    }
    // The brush follows its colour: a changed colour gets a new permanent brush.
    if (!g_brushes[index] || g_brushColors[index] != g_colors[index]) {
        g_brushes[index] = CreateSolidBrush(g_colors[index]);
        g_brushColors[index] = g_colors[index];
        gdi_internal::MakePermanent(g_brushes[index]);
    }
    return g_brushes[index];
}

BOOL WINAPI SetSysColors(int count, const INT* elements, const COLORREF* values) {
    if (count < 0 || (count > 0 && (!elements || !values))) {
        return FALSE;
    }
    for (int i = 0; i < count; ++i) {
        SetSysColorValue(elements[i], values[i]);
    }
    return TRUE;
}
