// The standard window scroll bars (WS_VSCROLL, WS_HSCROLL): range, page and position kept with
// the window, drawn in its non-client area, and clicks on their arrows and shaft sent to the
// window as WM_VSCROLL/WM_HSCROLL. Dragging their thumb is not offered: a click on the thumb
// does nothing.
#include "user/controls/control_paint.h"
#include "user/controls/scrollbar_geometry.h"
#include "user/user_internal.h"

#include <algorithm>

namespace wm {
namespace {

using user_controls::ScrollGeometry;
using user_controls::ScrollPart;
using user_controls::ScrollRange;

ScrollRange RangeOf(const WindowScrollBar& bar) {
    ScrollRange range;
    range.min = bar.min;
    range.max = bar.max;
    range.page = bar.page;
    range.pos = bar.pos;
    return range;
}

// Where a bar lies in window coordinates, given the area inside the frames.
RECT BarRect(const Window* w, const RECT& inside, bool vertical) {
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    const int cy = GetSystemMetrics(SM_CYHSCROLL);
    const bool both = (w->style & WS_VSCROLL) && (w->style & WS_HSCROLL);
    if (vertical) {
        return RECT{inside.right - cx, inside.top, inside.right, inside.bottom - (both ? cy : 0)};
    }
    return RECT{inside.left, inside.bottom - cy, inside.right - (both ? cx : 0), inside.bottom};
}

ScrollGeometry GeometryOf(const Window* w, const RECT& rect, bool vertical) {
    const WindowScrollBar& bar = w->scrollBars[vertical ? 1 : 0];
    const ScrollRange range = RangeOf(bar);
    const int length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    const int metric = GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL);
    return user_controls::ComputeScrollGeometry(length, metric, range, bar.pos,
                                                !(w->style & WS_DISABLED));
}

RECT Piece(const RECT& rect, bool vertical, int from, int to) {
    if (vertical) {
        return RECT{rect.left, rect.top + from, rect.right, rect.top + to};
    }
    return RECT{rect.left + from, rect.top, rect.left + to, rect.bottom};
}

void DrawArrow(HDC dc, const RECT& box, user_controls::ArrowDirection direction, bool disabled) {
    RECT face = user_controls::DrawScrollFrame(dc, box);
    user_controls::FillSysColor(dc, face, COLOR_3DFACE);
    if (disabled) {
        user_controls::DrawArrowGlyph(dc, box, direction, COLOR_3DHILIGHT, 1, 1);
        user_controls::DrawArrowGlyph(dc, box, direction, COLOR_3DSHADOW, 0, 0);
    } else {
        user_controls::DrawArrowGlyph(dc, box, direction, COLOR_BTNTEXT, 0, 0);
    }
}

void DrawBar(const Window* w, HDC dc, const RECT& rect, bool vertical) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    const ScrollGeometry g = GeometryOf(w, rect, vertical);
    user_controls::FillSysColor(dc, Piece(rect, vertical, g.arrow, g.length - g.arrow),
                                COLOR_SCROLLBAR);
    if (g.thumbLength > 0) {
        const RECT thumb = Piece(rect, vertical, g.thumbStart, g.thumbStart + g.thumbLength);
        user_controls::FillSysColor(dc, user_controls::DrawScrollFrame(dc, thumb), COLOR_3DFACE);
    }
    const bool disabled = g.thumbLength == 0;
    using Direction = user_controls::ArrowDirection;
    DrawArrow(dc, Piece(rect, vertical, 0, g.arrow), vertical ? Direction::Up : Direction::Left,
              disabled);
    DrawArrow(dc, Piece(rect, vertical, g.length - g.arrow, g.length),
              vertical ? Direction::Down : Direction::Right, disabled);
}

} // namespace

void DrawWindowScrollBars(Window* w, HDC dc, const RECT& inside) {
    if (w->style & WS_VSCROLL) {
        DrawBar(w, dc, BarRect(w, inside, true), true);
    }
    if (w->style & WS_HSCROLL) {
        DrawBar(w, dc, BarRect(w, inside, false), false);
    }
    if ((w->style & WS_VSCROLL) && (w->style & WS_HSCROLL)) {
        const RECT v = BarRect(w, inside, true);
        const RECT h = BarRect(w, inside, false);
        user_controls::FillSysColor(dc, RECT{v.left, h.top, v.right, h.bottom}, COLOR_3DFACE);
    }
}

void ClickWindowScrollBar(Window* w, int hit, POINT screen) {
    const bool vertical = hit == HTVSCROLL;
    // The bars sit at the client area's right and bottom edges, just outside it.
    RECT client = ClientRectOnScreen(w);
    const RECT whole = WindowRectOnScreen(w);
    RECT inside{client.left - whole.left, client.top - whole.top, client.right - whole.left,
                client.bottom - whole.top};
    if (w->style & WS_VSCROLL) {
        inside.right += GetSystemMetrics(SM_CXVSCROLL);
    }
    if (w->style & WS_HSCROLL) {
        inside.bottom += GetSystemMetrics(SM_CYHSCROLL);
    }
    const RECT rect = BarRect(w, inside, vertical);
    const ScrollGeometry g = GeometryOf(w, rect, vertical);
    const int offset =
        vertical ? screen.y - whole.top - rect.top : screen.x - whole.left - rect.left;
    UINT code = 0;
    switch (user_controls::HitScrollPart(g, offset)) {
    case ScrollPart::LineUp:
        code = SB_LINEUP;
        break;
    case ScrollPart::LineDown:
        code = SB_LINEDOWN;
        break;
    case ScrollPart::PageUp:
        code = SB_PAGEUP;
        break;
    case ScrollPart::PageDown:
        code = SB_PAGEDOWN;
        break;
    default:
        return;
    }
    const UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
    HWND hwnd = w->handle;
    SendMessageA(hwnd, message, code, 0);
    if (IsWindow(hwnd)) {
        SendMessageA(hwnd, message, SB_ENDSCROLL, 0);
    }
}

} // namespace wm
