// DefWindowProcA: what a window does with the messages its procedure leaves alone.
#include "user/user_internal.h"

#include <cstring>

namespace wm {
namespace {

// Alt went down with no other key after it (released so, it selects the menu bar).
bool g_altAlone = false;

LRESULT CopyText(const std::string& text, WPARAM size, LPARAM buffer) {
    char* out = (char*)buffer;
    if (!out || size == 0) {
        return 0;
    }
    size_t n = text.size() < size - 1 ? text.size() : (size_t)size - 1;
    memcpy(out, text.data(), n);
    out[n] = 0;
    return (LRESULT)n;
}

HBRUSH ClassBrush(HBRUSH b) {
    // A class brush may be a system colour index plus one, as in (HBRUSH)(COLOR_WINDOW + 1).
    ULONG_PTR v = (ULONG_PTR)b;
    if (v != 0 && v <= COLOR_GRADIENTINACTIVECAPTION + 1) {
        return GetSysColorBrush((int)v - 1);
    }
    return b;
}

LRESULT HitTest(Window* w, LPARAM lParam) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT wr = WindowRectOnScreen(w);
    if (!PtInRect(&wr, pt)) {
        return HTNOWHERE;
    }
    RECT cr = ClientRectOnScreen(w);
    if (PtInRect(&cr, pt)) {
        return HTCLIENT;
    }
    RECT in = NonClientInsets(w->style & ~(WS_VSCROLL | WS_HSCROLL), w->exStyle,
                              w->menu && !(w->style & WS_CHILD));
    int frameTop = wr.top + in.left; // the frame is as wide at the top as at the sides
    if ((w->style & WS_CAPTION) == WS_CAPTION && pt.y >= frameTop &&
        pt.y < frameTop + GetSystemMetrics(SM_CYCAPTION) && pt.x >= wr.left + in.left &&
        pt.x < wr.right - in.right) {
        return HTCAPTION;
    }
    if (w->menu && !(w->style & WS_CHILD) && pt.y < wr.top + in.top && pt.y >= wr.top + in.left) {
        return HTMENU;
    }
    if ((w->style & WS_VSCROLL) && pt.x >= cr.right && pt.y >= cr.top && pt.y < cr.bottom) {
        return HTVSCROLL;
    }
    if ((w->style & WS_HSCROLL) && pt.y >= cr.bottom && pt.x >= cr.left && pt.x < cr.right) {
        return HTHSCROLL;
    }
    return HTBORDER;
}

} // namespace

void StoreWindowText(Window* w, const char* text, std::size_t length) {
    w->text.assign(text, length);
    if ((w->style & WS_CAPTION) == WS_CAPTION && IsReallyVisible(w)) {
        DrawNonClient(w);
    }
}

} // namespace wm

using namespace wm;

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (!w) {
        return 0;
    }
    switch (msg) {
    case WM_NCCREATE:
        return TRUE;
    case WM_NCCALCSIZE: {
        if (!lParam) {
            return 0;
        }
        RECT* r = wParam ? &((NCCALCSIZE_PARAMS*)lParam)->rgrc[0] : (RECT*)lParam;
        RECT in = NonClientInsets(w->style, w->exStyle, w->menu && !(w->style & WS_CHILD));
        r->left += in.left;
        r->top += in.top;
        r->right -= in.right;
        r->bottom -= in.bottom;
        if (r->right < r->left) {
            r->right = r->left;
        }
        if (r->bottom < r->top) {
            r->bottom = r->top;
        }
        return 0;
    }
    case WM_NCHITTEST:
        return HitTest(w, lParam);
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTVSCROLL || wParam == HTHSCROLL) {
            ClickWindowScrollBar(w, (int)wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        return 0;
    case WM_NCPAINT:
        DrawNonClient(w);
        return 0;
    case WM_NCACTIVATE:
        if (IsReallyVisible(w) && (w->style & WS_CAPTION) == WS_CAPTION) {
            DrawNonClient(w);
        }
        return TRUE;
    case WM_SETTEXT:
        if (const char* text = lParam ? (const char*)lParam : "") {
            StoreWindowText(w, text, std::strlen(text));
        }
        return TRUE;
    case WM_GETTEXT:
        return CopyText(w->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return (LRESULT)w->text.size();
    case WM_SETREDRAW:
        // Drawing is switched off by hiding the window without telling anyone, as Win32 does;
        // switching it on again shows it the same way (the caller then invalidates).
        if (wParam) {
            w->style |= WS_VISIBLE;
        } else {
            w->style &= ~WS_VISIBLE;
        }
        LayoutChanged();
        return 0;
    case WM_SETFONT:
        w->font = (HFONT)wParam;
        if (LOWORD(lParam)) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return (LRESULT)w->font;
    case WM_ERASEBKGND: {
        HBRUSH brush = ClassBrush(w->cls->background);
        if (!brush || !wParam) {
            return 0;
        }
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect((HDC)wParam, &r, brush);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        if (BeginPaint(hwnd, &ps)) {
            EndPaint(hwnd, &ps);
        }
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            SendMessageA(hwnd, WM_CLOSE, 0, 0);
        } else if ((wParam & 0xFFF0) == SC_KEYMENU || (wParam & 0xFFF0) == SC_MOUSEMENU) {
            TrackMenuBar(hwnd, wParam, lParam);
        }
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTMENU) {
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOUSEMENU | HTMENU, lParam);
        } else if (wParam == HTVSCROLL || wParam == HTHSCROLL) {
            ClickWindowScrollBar(w, (int)wParam, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        }
        return 0;
    case WM_SYSCHAR:
        // Alt with a letter: the menu bar item with that mnemonic opens.
        if (wParam == VK_ESCAPE || wParam == '\t' || wParam == ' ') {
            return 0;
        }
        if ((w->style & WS_CHILD) && w->parent) {
            return SendMessageA(w->parent->handle, WM_SYSCHAR, wParam, lParam);
        }
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_KEYMENU, (LPARAM)wParam);
        return 0;
    case WM_SYSKEYUP:
        // F10, or Alt pressed and released alone, selects the menu bar.
        if (wParam == VK_F10 || (wParam == VK_MENU && g_altAlone)) {
            g_altAlone = false;
            Window* top = TopLevelOf(w);
            if (top) {
                SendMessageA(top->handle, WM_SYSCOMMAND, SC_KEYMENU, 0);
            }
        }
        return 0;
    case WM_SETCURSOR:
        if ((w->style & WS_CHILD) && w->parent) {
            if (SendMessageA(w->parent->handle, WM_SETCURSOR, wParam, lParam)) {
                return TRUE;
            }
        }
        if (LOWORD(lParam) == HTCLIENT && w->cls->cursor) {
            SetCursor(w->cls->cursor);
            return TRUE;
        }
        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        return FALSE;
    case WM_MOUSEACTIVATE:
        if ((w->style & WS_CHILD) && w->parent) {
            LRESULT r = SendMessageA(w->parent->handle, WM_MOUSEACTIVATE, wParam, lParam);
            if (r) {
                return r;
            }
        }
        return MA_ACTIVATE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !(w->style & WS_MINIMIZE)) {
            SetFocus(hwnd);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_F1) {
            HELPINFO hi{};
            hi.cbSize = sizeof hi;
            hi.iContextType = HELPINFO_WINDOW;
            hi.iCtrlId = (w->style & WS_CHILD) ? (int)w->id : 0;
            hi.hItemHandle = hwnd;
            GetCursorPos(&hi.MousePos);
            SendMessageA(hwnd, WM_HELP, 0, (LPARAM)&hi);
        }
        return 0;
    case WM_SYSKEYDOWN:
        // Whether Alt is pressed alone: any other key in between makes it a modifier.
        if (!(lParam & 0x40000000)) {
            g_altAlone = wParam == VK_MENU;
        }
        if (wParam == VK_F4 && (lParam & 0x20000000)) {
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_HELP:
        if ((w->style & WS_CHILD) && w->parent) {
            return SendMessageA(w->parent->handle, WM_HELP, wParam, lParam);
        }
        return 0;
    case WM_CANCELMODE:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const WINDOWPOS* wp = (const WINDOWPOS*)lParam;
        if (!wp) {
            return 0;
        }
        if (!(wp->flags & 0x1000 /* client unmoved */)) {
            SendMessageA(hwnd, WM_MOVE, 0,
                         MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
        }
        if (Lookup(hwnd) && !(wp->flags & 0x0800 /* client unsized */)) {
            WPARAM kind = (w->style & WS_MAXIMIZE)   ? SIZE_MAXIMIZED
                          : (w->style & WS_MINIMIZE) ? SIZE_MINIMIZED
                                                     : SIZE_RESTORED;
            SendMessageA(
                hwnd, WM_SIZE, kind,
                MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
        }
        return 0;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HDC dc = (HDC)wParam;
        if (msg == WM_CTLCOLORSCROLLBAR) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            return (LRESULT)GetSysColorBrush(COLOR_SCROLLBAR);
        }
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX) {
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return (LRESULT)GetSysColorBrush(COLOR_WINDOW);
        }
        SetBkColor(dc, GetSysColor(COLOR_3DFACE));
        return (LRESULT)GetSysColorBrush(COLOR_3DFACE);
    }
    case WM_QUERYENDSESSION:
    case WM_QUERYOPEN:
        return TRUE;
    default:
        return 0;
    }
}
