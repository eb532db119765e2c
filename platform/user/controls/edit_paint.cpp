// Edit control geometry and painting: where the text starts given alignment, margins and
// horizontal scrolling; the character under a point; and the drawing of background, text,
// highlighted selection and caret.
#include "user/controls/control_paint.h"
#include "user/controls/control_state.h"
#include "user/controls/edit_control.h"

#include <algorithm>

namespace user_controls {
namespace {

int TextWidth(HDC hdc, const std::string& text, std::size_t count) {
    if (count == 0 || hdc == nullptr) {
        return 0;
    }
    SIZE size{0, 0};
    GetTextExtentPoint32A(hdc, text.data(), static_cast<int>(count), &size);
    return size.cx;
}

// The width of a whole shown line in the edit's font, measured once for the last two lines.
int LineWidth(const EditState& state, const std::string& line) {
    const HFONT font = FontOrSystem(state.font);
    // A deleted font (the program's fault) is measured as the DC measures it, never kept.
    const bool keep = GetObjectType(font) == OBJ_FONT;
    if (keep) {
        for (const MeasuredLine& m : state.measured) {
            if (m.width >= 0 && m.font == font && m.text == line) {
                return m.width;
            }
        }
    }
    MeasureScope measure(state.font);
    const int width = TextWidth(measure.dc(), line, line.size());
    if (keep && measure.dc() != nullptr) {
        MeasuredLine& slot = state.measured[state.nextMeasured];
        state.nextMeasured = 1 - state.nextMeasured;
        slot.font = font;
        slot.text.assign(line);
        slot.width = width;
    }
    return width;
}

int LineHeight(HDC hdc) {
    TEXTMETRICA metrics{};
    if (hdc == nullptr || !GetTextMetricsA(hdc, &metrics)) {
        return 0;
    }
    return metrics.tmHeight;
}

int VisibleWidth(HWND hwnd, const EditState& state) {
    const RECT client = ClientOf(hwnd);
    return std::max(0, static_cast<int>(client.right - client.left) - state.leftMargin -
                           state.rightMargin);
}

// Client x of the text's first character, for a text `width` wide in `visible` pixels.
int OriginX(HWND hwnd, const EditState& state, int visible, int width) {
    int offset = 0;
    if (width < visible) {
        // Alignment only matters while the whole text fits; a scrolled text is always left-bound.
        const DWORD style = StyleOf(hwnd);
        if ((style & ES_RIGHT) != 0) {
            offset = visible - width;
        } else if ((style & ES_CENTER) != 0) {
            offset = (visible - width) / 2;
        }
    }
    return state.leftMargin + offset - state.scrollX;
}

} // namespace

bool EditLineFits(HWND hwnd, const EditState& state, const std::string& line) {
    const bool masked = (StyleOf(hwnd) & ES_PASSWORD) != 0 && state.passwordChar != '\0';
    const std::string shown = masked ? std::string(line.size(), state.passwordChar) : line;
    return LineWidth(state, shown) <= VisibleWidth(hwnd, state);
}

namespace {

// Painting asks again and again; the same text rebuilt in place keeps any earlier reference
// valid and needs the heap only when the text outgrows the buffer. Out of line, so that the
// plain text's path does not test the static's guard.
[[gnu::noinline]] const std::string& MaskedText(const EditState& state) {
    static std::string& masked = *new std::string;
    masked.assign(state.buffer.length(), state.passwordChar);
    return masked;
}

} // namespace

const std::string& EditDisplayText(HWND hwnd, const EditState& state) {
    if ((StyleOf(hwnd) & ES_PASSWORD) != 0 && state.passwordChar != '\0') {
        return MaskedText(state);
    }
    return state.buffer.text();
}

EditLine EditLayout(HWND hwnd, const EditState& state, HDC measured) {
    const std::string& text = EditDisplayText(hwnd, state);
    const int width = TextWidth(measured, text, text.size());
    return EditLine{OriginX(hwnd, state, VisibleWidth(hwnd, state), width), LineHeight(measured),
                    width};
}

void EditScrollToCaret(HWND hwnd, EditState& state) {
    if (state.buffer.caret() == 0) {
        // A caret at the start (where a program's WM_SETTEXT leaves it) shows the text from
        // its first character whatever its width; a left-aligned line puts that caret at the
        // margin, so nothing needs measuring.
        const bool aligned = (StyleOf(hwnd) & (ES_RIGHT | ES_CENTER)) != 0;
        if (!state.focused || !aligned) {
            state.scrollX = 0;
            if (state.focused) {
                SetCaretPos(state.leftMargin, 0);
            }
            return;
        }
    }
    const std::string& text = EditDisplayText(hwnd, state);
    const int visible = VisibleWidth(hwnd, state);
    const int width = LineWidth(state, text);
    // Typing appends: a caret at the end is as far in as the whole text is wide.
    int caretX = width;
    if (state.buffer.caret() != text.size()) {
        MeasureScope measure(state.font);
        caretX = TextWidth(measure.dc(), text, state.buffer.caret());
    }
    int scroll = state.scrollX;
    if (caretX - scroll > visible) {
        scroll = caretX - visible;
    }
    if (caretX < scroll) {
        scroll = caretX;
    }
    // Never leave blank space at the right while text is hidden at the left.
    scroll = std::min(scroll, std::max(0, width - visible));
    state.scrollX = std::max(0, scroll);
    // The edit paints its own caret; the system caret only follows it, so that hosts reading
    // GetCaretPos see where typing goes, as on Windows.
    if (state.focused) {
        SetCaretPos(OriginX(hwnd, state, visible, width) + caretX, 0);
    }
}

RECT EditFormatRect(HWND hwnd, const EditState& state) {
    if (state.hasFormatRect) {
        return state.formatRect;
    }
    RECT client{};
    GetClientRect(hwnd, &client);
    RECT r = client;
    r.left += state.leftMargin;
    r.right = std::max(r.left, r.right - state.rightMargin);
    MeasureScope measure(state.font);
    const int line = std::max(1, LineHeight(measure.dc()));
    if ((StyleOf(hwnd) & ES_MULTILINE) != 0) {
        r.bottom = r.top + (client.bottom - client.top) / line * line;
    } else {
        r.bottom = std::min(client.bottom, r.top + line);
    }
    return r;
}

void EditSetFormatRect(HWND hwnd, EditState& state, const RECT& wanted) {
    MeasureScope measure(state.font);
    const int line = std::max(1, LineHeight(measure.dc()));
    RECT client{};
    GetClientRect(hwnd, &client);
    RECT r = wanted;
    r.right = std::max(r.right, r.left + 1);
    r.bottom = r.top + std::max(0L, static_cast<long>(r.bottom - r.top)) / line * line;
    r.bottom = std::min(r.bottom, client.bottom);
    state.formatRect = r;
    state.hasFormatRect = true;
}

std::size_t EditCharFromX(HWND hwnd, const EditState& state, int x) {
    MeasureScope measure(state.font);
    const std::string& text = EditDisplayText(hwnd, state);
    const int target = x - EditLayout(hwnd, state, measure.dc()).originX;
    // Prefix widths grow with the prefix: find the first boundary at or right of the target,
    // then take whichever neighbour is nearer.
    std::size_t low = 0;
    std::size_t high = text.size();
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (TextWidth(measure.dc(), text, mid) < target) {
            low = mid + 1;
        } else {
            high = mid;
        }
    }
    if (low > 0) {
        const int right = TextWidth(measure.dc(), text, low);
        const int left = TextWidth(measure.dc(), text, low - 1);
        if (target - left < right - target) {
            --low;
        }
    }
    return low;
}

void EditPaint(HWND hwnd, const EditState& state, HDC hdc) {
    const RECT client = ClientOf(hwnd);
    const DWORD style = StyleOf(hwnd);
    const wm::Window* record = wm::Lookup(hwnd);
    const bool enabled = record != nullptr && (record->style & WS_DISABLED) == 0;
    const bool readOnly = (style & ES_READONLY) != 0;

    // Read-only and disabled edits ask for static colours and default to the dialog face.
    HBRUSH background =
        (!enabled || readOnly)
            ? ControlColor(hwnd, hdc, WM_CTLCOLORSTATIC, COLOR_BTNFACE, COLOR_WINDOWTEXT)
            : ControlColor(hwnd, hdc, WM_CTLCOLOREDIT, COLOR_WINDOW, COLOR_WINDOWTEXT);
    FillRect(hdc, &client, background);
    const COLORREF textColor = enabled ? GetTextColor(hdc) : GetSysColor(COLOR_GRAYTEXT);

    HGDIOBJ oldFont = SelectObject(hdc, FontOrSystem(state.font));
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const std::string& text = EditDisplayText(hwnd, state);
    const EditLine line = EditLayout(hwnd, state, hdc);

    // Text and selection stay between the margins; clipping each drawing to that box keeps
    // the DC's own clip untouched.
    const int boxLeft = client.left + state.leftMargin;
    const int boxRight = client.right - state.rightMargin;
    const RECT box{std::min(boxLeft, boxRight), client.top, std::max(boxLeft, boxRight),
                   client.bottom};
    const COLORREF oldTextColor = SetTextColor(hdc, textColor);
    ExtTextOutA(hdc, line.originX, client.top, ETO_CLIPPED, &box, text.data(),
                static_cast<UINT>(text.size()), nullptr);

    const bool showSelection = state.focused || (style & ES_NOHIDESEL) != 0;
    if (showSelection && state.buffer.hasSelection()) {
        const std::size_t start = state.buffer.selectionStart();
        const std::size_t end = state.buffer.selectionEnd();
        const int left = line.originX + TextWidth(hdc, text, start);
        const int right = line.originX + TextWidth(hdc, text, end);
        FillSysColor(hdc, std::max(left, static_cast<int>(box.left)), box.top,
                     std::min(right, static_cast<int>(box.right)),
                     std::min(client.top + line.lineHeight, static_cast<int>(box.bottom)),
                     COLOR_HIGHLIGHT);
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        ExtTextOutA(hdc, left, client.top, ETO_CLIPPED, &box, text.data() + start,
                    static_cast<UINT>(end - start), nullptr);
    }
    SetTextColor(hdc, oldTextColor);

    if (state.focused) {
        // The caret never blinks here: painting stays deterministic.
        const std::size_t caret = state.buffer.caret();
        const int x =
            line.originX + (caret == text.size() ? line.width : TextWidth(hdc, text, caret));
        if (x >= client.left && x < client.right) {
            FillSysColor(hdc, x, client.top, x + 1, client.top + line.lineHeight, COLOR_WINDOWTEXT);
        }
    }
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, oldFont);
}

} // namespace user_controls
