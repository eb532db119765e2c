// The SCROLLBAR window procedure (SBS_VERT and SBS_HORZ): clicks on the arrows and the shaft
// notify the parent with WM_VSCROLL/WM_HSCROLL, held buttons repeat on a timer, the thumb can be
// dragged, and the SBM_ messages keep range, page and position.
//
// Index: state and geometry; notifications; mouse tracking and repeat; keyboard; painting;
// SBM_ messages; the window procedure.
#include "user/controls/control_paint.h"
#include "user/controls/control_state.h"
#include "user/controls/scrollbar_control.h"
#include "user/controls/scrollbar_geometry.h"

#include <algorithm>

namespace user_controls {
namespace {

// A held arrow or shaft repeats after a first pause, then steadily, like Win32's.
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstDelay = 200;
constexpr UINT kRepeatDelay = 50;

struct ScrollBarState {
    ScrollRange range;
    UINT disabledArrows = ESB_ENABLE_BOTH;
    ScrollPart tracked = ScrollPart::None; // the part the left button went down on
    bool pointerOnTracked = false;         // the pointer is still over that part
    POINT pointer{0, 0};                   // last pointer position, client coordinates
    int trackPos = 0;                      // thumb position while dragging
    int grabOffset = 0;                    // pointer offset into the thumb when it was grabbed
};

// ---- state and geometry ----

bool IsVertical(HWND hwnd) {
    return (StyleOf(hwnd) & SBS_VERT) != 0;
}

POINT PointOf(LPARAM point) {
    return POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
}

int Along(HWND hwnd, POINT point) {
    return IsVertical(hwnd) ? point.y : point.x;
}

ScrollGeometry Geometry(HWND hwnd, const ScrollBarState& state) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const bool vertical = IsVertical(hwnd);
    const int length = vertical ? client.bottom - client.top : client.right - client.left;
    const int metric = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    const bool enabled = IsWindowEnabled(hwnd) && state.disabledArrows != ESB_DISABLE_BOTH;
    const int drawnPos = state.tracked == ScrollPart::Thumb ? state.trackPos : state.range.pos;
    return ComputeScrollGeometry(length, metric, state.range, drawnPos, enabled);
}

// The rectangle of the piece [from, to) along the axis, over the bar's full thickness.
RECT PieceRect(HWND hwnd, int from, int to) {
    RECT client{};
    GetClientRect(hwnd, &client);
    if (IsVertical(hwnd)) {
        return RECT{client.left, client.top + from, client.right, client.top + to};
    }
    return RECT{client.left + from, client.top, client.left + to, client.bottom};
}

// The part under a client point; none once the pointer left the bar sideways.
ScrollPart PartAt(HWND hwnd, const ScrollGeometry& geometry, POINT point) {
    RECT client{};
    GetClientRect(hwnd, &client);
    const int across = IsVertical(hwnd) ? point.x : point.y;
    const int thickness = IsVertical(hwnd) ? client.right : client.bottom;
    if (across < 0 || across >= thickness) {
        return ScrollPart::None;
    }
    return HitScrollPart(geometry, Along(hwnd, point));
}

bool ArrowDisabled(const ScrollBarState& state, ScrollPart part) {
    if (part == ScrollPart::LineUp) {
        return (state.disabledArrows & ESB_DISABLE_UP) != 0;
    }
    if (part == ScrollPart::LineDown) {
        return (state.disabledArrows & ESB_DISABLE_DOWN) != 0;
    }
    return false;
}

// ---- notifications ----

void Notify(HWND hwnd, UINT code, int pos = 0) {
    HWND parent = GetParent(hwnd);
    if (parent == nullptr) {
        return;
    }
    const UINT message = IsVertical(hwnd) ? WM_VSCROLL : WM_HSCROLL;
    SendMessageA(parent, message, MAKEWPARAM(code, static_cast<WORD>(pos)),
                 reinterpret_cast<LPARAM>(hwnd));
}

UINT CodeOf(ScrollPart part) {
    switch (part) {
    case ScrollPart::LineUp:
        return SB_LINEUP;
    case ScrollPart::LineDown:
        return SB_LINEDOWN;
    case ScrollPart::PageUp:
        return SB_PAGEUP;
    case ScrollPart::PageDown:
        return SB_PAGEDOWN;
    default:
        return SB_ENDSCROLL;
    }
}

// ---- mouse tracking and repeat ----

void OnButtonDown(HWND hwnd, ScrollBarState& state, LPARAM point) {
    if ((StyleOf(hwnd) & WS_TABSTOP) != 0 && GetFocus() != hwnd) {
        SetFocus(hwnd);
        if (!StillAttached(hwnd, &state)) {
            return;
        }
    }
    const ScrollGeometry geometry = Geometry(hwnd, state);
    state.pointer = PointOf(point);
    const ScrollPart part = PartAt(hwnd, geometry, state.pointer);
    if (part == ScrollPart::None || ArrowDisabled(state, part) ||
        state.disabledArrows == ESB_DISABLE_BOTH) {
        return;
    }
    state.tracked = part;
    state.pointerOnTracked = true;
    SetCapture(hwnd);
    if (part == ScrollPart::Thumb) {
        state.trackPos = state.range.pos;
        state.grabOffset = Along(hwnd, state.pointer) - geometry.thumbStart;
    } else {
        Notify(hwnd, CodeOf(part));
        SetTimer(hwnd, kRepeatTimer, kFirstDelay, nullptr);
    }
    InvalidateRect(hwnd, nullptr, FALSE);
}

void OnMouseMove(HWND hwnd, ScrollBarState& state, LPARAM point) {
    if (state.tracked == ScrollPart::None) {
        return;
    }
    state.pointer = PointOf(point);
    const ScrollGeometry geometry = Geometry(hwnd, state);
    if (state.tracked == ScrollPart::Thumb) {
        const int pos = ScrollPosFromThumb(geometry, state.range,
                                           Along(hwnd, state.pointer) - state.grabOffset);
        if (pos != state.trackPos) {
            state.trackPos = pos;
            InvalidateRect(hwnd, nullptr, FALSE);
            Notify(hwnd, SB_THUMBTRACK, pos);
        }
        return;
    }
    const bool on = PartAt(hwnd, geometry, state.pointer) == state.tracked;
    if (on != state.pointerOnTracked) {
        state.pointerOnTracked = on;
        InvalidateRect(hwnd, nullptr, FALSE);
    }
}

void OnRepeat(HWND hwnd, ScrollBarState& state) {
    if (state.tracked == ScrollPart::None || state.tracked == ScrollPart::Thumb) {
        KillTimer(hwnd, kRepeatTimer);
        return;
    }
    SetTimer(hwnd, kRepeatTimer, kRepeatDelay, nullptr);
    // The parent may have moved the thumb under a held shaft: page only while the pointer is
    // still on the part it pressed.
    state.pointerOnTracked = PartAt(hwnd, Geometry(hwnd, state), state.pointer) == state.tracked;
    if (state.pointerOnTracked) {
        Notify(hwnd, CodeOf(state.tracked));
    }
}

void EndTracking(HWND hwnd, ScrollBarState& state, bool notify) {
    const ScrollPart part = state.tracked;
    if (part == ScrollPart::None) {
        return;
    }
    state.tracked = ScrollPart::None;
    KillTimer(hwnd, kRepeatTimer);
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    if (notify) {
        if (part == ScrollPart::Thumb) {
            Notify(hwnd, SB_THUMBPOSITION, state.trackPos);
        }
        Notify(hwnd, SB_ENDSCROLL);
    }
}

// ---- keyboard ----

bool OnKeyDown(HWND hwnd, WPARAM key) {
    UINT code = 0;
    switch (key) {
    case VK_UP:
    case VK_LEFT:
        code = SB_LINEUP;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        code = SB_LINEDOWN;
        break;
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_HOME:
        code = SB_TOP;
        break;
    case VK_END:
        code = SB_BOTTOM;
        break;
    default:
        return false;
    }
    Notify(hwnd, code);
    Notify(hwnd, SB_ENDSCROLL);
    return true;
}

// ---- painting ----

void PaintArrow(HWND hwnd, HDC hdc, const RECT& box, ScrollPart part, bool pressed, bool disabled) {
    const bool vertical = IsVertical(hwnd);
    const ArrowDirection direction =
        part == ScrollPart::LineUp ? (vertical ? ArrowDirection::Up : ArrowDirection::Left)
                                   : (vertical ? ArrowDirection::Down : ArrowDirection::Right);
    RECT face{};
    if (pressed) {
        // Pressed: flat, framed in dark grey, the glyph one pixel down and right.
        face = DrawRing(hdc, box, COLOR_3DSHADOW, COLOR_3DSHADOW);
    } else {
        face = DrawScrollFrame(hdc, box);
    }
    FillSysColor(hdc, face, COLOR_3DFACE);
    const int shift = pressed ? 1 : 0;
    if (disabled) {
        DrawArrowGlyph(hdc, box, direction, COLOR_3DHILIGHT, 1, 1);
        DrawArrowGlyph(hdc, box, direction, COLOR_3DSHADOW, 0, 0);
    } else {
        DrawArrowGlyph(hdc, box, direction, COLOR_BTNTEXT, shift, shift);
    }
}

void Paint(HWND hwnd, const ScrollBarState& state, HDC hdc) {
    const ScrollGeometry geometry = Geometry(hwnd, state);
    const bool windowEnabled = IsWindowEnabled(hwnd) != FALSE;
    const auto pressed = [&state](ScrollPart part) {
        return state.tracked == part && state.pointerOnTracked;
    };

    const RECT shaft = PieceRect(hwnd, geometry.arrow, geometry.length - geometry.arrow);
    HBRUSH shaftBrush =
        ControlColor(hwnd, hdc, WM_CTLCOLORSCROLLBAR, COLOR_SCROLLBAR, COLOR_WINDOWTEXT);
    if (shaft.right > shaft.left && shaft.bottom > shaft.top) {
        FillRect(hdc, &shaft, shaftBrush);
    }
    if (geometry.thumbLength > 0) {
        // A held shaft darkens between the arrow and the thumb.
        if (pressed(ScrollPart::PageUp)) {
            FillSysColor(hdc, PieceRect(hwnd, geometry.arrow, geometry.thumbStart),
                         COLOR_3DDKSHADOW);
        } else if (pressed(ScrollPart::PageDown)) {
            FillSysColor(hdc,
                         PieceRect(hwnd, geometry.thumbStart + geometry.thumbLength,
                                   geometry.length - geometry.arrow),
                         COLOR_3DDKSHADOW);
        }
        const RECT thumb =
            PieceRect(hwnd, geometry.thumbStart, geometry.thumbStart + geometry.thumbLength);
        FillSysColor(hdc, DrawScrollFrame(hdc, thumb), COLOR_3DFACE);
    }
    const bool allDisabled = !windowEnabled || state.disabledArrows == ESB_DISABLE_BOTH;
    PaintArrow(hwnd, hdc, PieceRect(hwnd, 0, geometry.arrow), ScrollPart::LineUp,
               pressed(ScrollPart::LineUp),
               allDisabled || ArrowDisabled(state, ScrollPart::LineUp));
    PaintArrow(hwnd, hdc, PieceRect(hwnd, geometry.length - geometry.arrow, geometry.length),
               ScrollPart::LineDown, pressed(ScrollPart::LineDown),
               allDisabled || ArrowDisabled(state, ScrollPart::LineDown));
}

// ---- SBM_ messages ----

int SetPos(HWND hwnd, ScrollBarState& state, int pos, bool redraw) {
    const int previous = state.range.pos;
    state.range.pos = ClampScrollPos(state.range, pos);
    if (redraw && state.range.pos != previous) {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return previous;
}

int SetRange(HWND hwnd, ScrollBarState& state, int min, int max, bool redraw) {
    const int previous = state.range.pos;
    state.range.min = min;
    state.range.max = max < min ? min : max;
    state.range.pos = ClampScrollPos(state.range, state.range.pos);
    if (redraw) {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return previous;
}

LRESULT SetScrollInfoMessage(HWND hwnd, ScrollBarState& state, bool redraw,
                             const SCROLLINFO* info) {
    if (info == nullptr) {
        return state.range.pos;
    }
    if ((info->fMask & SIF_RANGE) != 0) {
        state.range.min = info->nMin;
        state.range.max = info->nMax < info->nMin ? info->nMin : info->nMax;
    }
    if ((info->fMask & SIF_PAGE) != 0) {
        const long long extent = static_cast<long long>(state.range.max) - state.range.min + 1;
        state.range.page =
            static_cast<unsigned>(std::min<long long>(info->nPage, extent > 0 ? extent : 0));
    }
    if ((info->fMask & SIF_POS) != 0) {
        state.range.pos = info->nPos;
    }
    state.range.pos = ClampScrollPos(state.range, state.range.pos);
    if (redraw) {
        InvalidateRect(hwnd, nullptr, FALSE);
    }
    return state.range.pos;
}

LRESULT GetScrollInfoMessage(const ScrollBarState& state, SCROLLINFO* info) {
    if (info == nullptr) {
        return FALSE;
    }
    if ((info->fMask & SIF_RANGE) != 0) {
        info->nMin = state.range.min;
        info->nMax = state.range.max;
    }
    if ((info->fMask & SIF_PAGE) != 0) {
        info->nPage = state.range.page;
    }
    if ((info->fMask & SIF_POS) != 0) {
        info->nPos = state.range.pos;
    }
    if ((info->fMask & SIF_TRACKPOS) != 0) {
        info->nTrackPos = state.tracked == ScrollPart::Thumb ? state.trackPos : state.range.pos;
    }
    return (info->fMask & SIF_ALL) != 0 ? TRUE : FALSE;
}

LRESULT ScrollBarMessage(HWND hwnd, ScrollBarState& state, UINT message, WPARAM wParam,
                         LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(hwnd, state, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, state, lParam);
        return 0;
    case WM_LBUTTONUP:
        EndTracking(hwnd, state, true);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hwnd) {
            EndTracking(hwnd, state, true);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kRepeatTimer) {
            OnRepeat(hwnd, state);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        if (OnKeyDown(hwnd, wParam)) {
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_ENABLE:
        if (wParam == 0) {
            EndTracking(hwnd, state, true);
        }
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel
    case WM_PAINT: {
        PaintScope paint(hwnd, wParam);
        Paint(hwnd, state, paint.dc());
        return 0;
    }
    case SBM_SETPOS:
        return SetPos(hwnd, state, static_cast<int>(wParam), lParam != 0);
    case SBM_GETPOS:
        return state.range.pos;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
        return SetRange(hwnd, state, static_cast<int>(wParam), static_cast<int>(lParam),
                        message == SBM_SETRANGEREDRAW);
    case SBM_GETRANGE:
        if (int* min = reinterpret_cast<int*>(wParam)) {
            *min = state.range.min;
        }
        if (int* max = reinterpret_cast<int*>(lParam)) {
            *max = state.range.max;
        }
        return 0;
    case SBM_SETSCROLLINFO:
        return SetScrollInfoMessage(hwnd, state, wParam != 0,
                                    reinterpret_cast<const SCROLLINFO*>(lParam));
    case SBM_GETSCROLLINFO:
        return GetScrollInfoMessage(state, reinterpret_cast<SCROLLINFO*>(lParam));
    case SBM_ENABLE_ARROWS: {
        const UINT arrows = static_cast<UINT>(wParam) & ESB_DISABLE_BOTH;
        if (arrows == state.disabledArrows) {
            return FALSE;
        }
        state.disabledArrows = arrows;
        InvalidateRect(hwnd, nullptr, FALSE);
        return TRUE;
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK ScrollBarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchWithState<ScrollBarState>(hwnd, message, wParam, lParam, ScrollBarMessage);
}

} // namespace user_controls
