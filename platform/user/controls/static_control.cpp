// The STATIC window procedure: text in the window's font with the SS_ alignment and wrapping
// styles, the filled and framed rectangle styles, etched lines, and SS_BITMAP images.
//
// It keeps the window's text in the window itself (DefWindowProcA), so a superclass that
// answers WM_GETTEXT/WM_SETTEXT through this procedure sees the same text as GetWindowTextA.
#include "user/controls/control_paint.h"
#include "user/controls/control_state.h"
#include "user/controls/static_control.h"

namespace user_controls {
namespace {

struct StaticState {
    HFONT font = nullptr;
    HANDLE image = nullptr; // SS_BITMAP: borrowed from the caller, never deleted here
};

UINT TextFormat(DWORD style) {
    UINT format = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_SIMPLE:
        format = DT_LEFT | DT_SINGLELINE;
        break;
    case SS_LEFTNOWORDWRAP:
        format |= DT_LEFT;
        break;
    default:
        format |= DT_LEFT | DT_WORDBREAK;
        break;
    }
    if ((style & SS_NOPREFIX) != 0) {
        format |= DT_NOPREFIX;
    }
    if ((style & SS_CENTERIMAGE) != 0) {
        // Vertical centring works on one line only.
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_VCENTER | DT_SINGLELINE;
    }
    return format;
}

void PaintText(HWND hwnd, const StaticState& state, HDC hdc, const RECT& client, DWORD style) {
    HBRUSH background = ControlColor(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE, COLOR_WINDOWTEXT);
    FillRect(hdc, &client, background);
    if (!IsWindowEnabled(hwnd)) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    const WindowText text(hwnd);
    if (text.empty()) {
        return;
    }
    HGDIOBJ oldFont = SelectObject(hdc, FontOrSystem(state.font));
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    RECT area = client;
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &area, TextFormat(style));
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, oldFont);
}

void PaintBitmap(HWND hwnd, const StaticState& state, HDC hdc, const RECT& client, DWORD style) {
    FillRect(hdc, &client,
             ControlColor(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE, COLOR_WINDOWTEXT));
    HBITMAP bitmap = static_cast<HBITMAP>(state.image);
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof(info), &info) == 0) {
        return;
    }
    HDC memory = CreateCompatibleDC(hdc);
    if (memory == nullptr) {
        return;
    }
    HGDIOBJ old = SelectObject(memory, bitmap);
    int x = client.left;
    int y = client.top;
    if ((style & SS_CENTERIMAGE) != 0) {
        x += (client.right - client.left - info.bmWidth) / 2;
        y += (client.bottom - client.top - info.bmHeight) / 2;
    }
    BitBlt(hdc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void Paint(HWND hwnd, const StaticState& state, HDC hdc) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const DWORD style = StyleOf(hwnd);
    switch (style & SS_TYPEMASK) {
    case SS_BLACKRECT:
        FillSysColor(hdc, client, COLOR_3DDKSHADOW);
        break;
    case SS_GRAYRECT:
        FillSysColor(hdc, client, COLOR_3DSHADOW);
        break;
    case SS_WHITERECT:
        FillSysColor(hdc, client, COLOR_3DHILIGHT);
        break;
    case SS_BLACKFRAME:
        DrawRing(hdc, client, COLOR_3DDKSHADOW, COLOR_3DDKSHADOW);
        break;
    case SS_GRAYFRAME:
        DrawRing(hdc, client, COLOR_3DSHADOW, COLOR_3DSHADOW);
        break;
    case SS_WHITEFRAME:
        DrawRing(hdc, client, COLOR_3DHILIGHT, COLOR_3DHILIGHT);
        break;
    case SS_ETCHEDHORZ:
        FillSysColor(hdc, client.left, client.top, client.right, client.top + 1, COLOR_3DSHADOW);
        FillSysColor(hdc, client.left, client.top + 1, client.right, client.top + 2,
                     COLOR_3DHILIGHT);
        break;
    case SS_ETCHEDVERT:
        FillSysColor(hdc, client.left, client.top, client.left + 1, client.bottom, COLOR_3DSHADOW);
        FillSysColor(hdc, client.left + 1, client.top, client.left + 2, client.bottom,
                     COLOR_3DHILIGHT);
        break;
    case SS_ETCHEDFRAME: {
        // Etched: a grey ring with a white ring one pixel inside-right of it.
        const RECT outer{client.left, client.top, client.right - 1, client.bottom - 1};
        const RECT inner{client.left + 1, client.top + 1, client.right, client.bottom};
        DrawRing(hdc, inner, COLOR_3DHILIGHT, COLOR_3DHILIGHT);
        DrawRing(hdc, outer, COLOR_3DSHADOW, COLOR_3DSHADOW);
        break;
    }
    case SS_BITMAP:
        PaintBitmap(hwnd, state, hdc, client, style);
        break;
    case SS_ICON:
    case SS_OWNERDRAW:
    case SS_USERITEM:
    case SS_ENHMETAFILE:
        // Not drawn by this platform: the parent's background shows.
        FillRect(hdc, &client,
                 ControlColor(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE, COLOR_WINDOWTEXT));
        break;
    default:
        PaintText(hwnd, state, hdc, client, style);
        break;
    }
}

LRESULT StaticMessage(HWND hwnd, StaticState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PaintScope paint(hwnd, wParam);
        Paint(hwnd, state, paint.dc());
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_GETFONT:
        return TextAndFontMessage(hwnd, state.font, message, wParam, lParam);
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_NCHITTEST:
        // Clicks fall through a plain static to the window beneath it, as on Win32.
        return (StyleOf(hwnd) & SS_NOTIFY) != 0 ? HTCLIENT : HTTRANSPARENT;
    case WM_LBUTTONDOWN:
        if ((StyleOf(hwnd) & SS_NOTIFY) != 0) {
            NotifyParent(hwnd, STN_CLICKED);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if ((StyleOf(hwnd) & SS_NOTIFY) != 0) {
            NotifyParent(hwnd, STN_DBLCLK);
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case STM_SETIMAGE: {
        if (wParam != IMAGE_BITMAP) {
            return 0;
        }
        HANDLE previous = state.image;
        state.image = reinterpret_cast<HANDLE>(lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return reinterpret_cast<LRESULT>(previous);
    }
    case STM_GETIMAGE:
        return wParam == IMAGE_BITMAP ? reinterpret_cast<LRESULT>(state.image) : 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        DetachState<StaticState>(hwnd);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    StaticState* state = AttachState<StaticState>(hwnd);
    if (state == nullptr) {
        // A superclass without room for the state still gets a working static, with defaults.
        StaticState defaults;
        return StaticMessage(hwnd, defaults, message, wParam, lParam);
    }
    return StaticMessage(hwnd, *state, message, wParam, lParam);
}

} // namespace user_controls
