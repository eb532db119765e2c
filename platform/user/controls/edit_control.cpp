// The EDIT window procedure (single line): typing, caret keys, mouse selection, the EM_ messages
// and the EN_ notifications, in Win32's order.
//
// Index: notifications and text changes; typing (WM_CHAR); caret keys (WM_KEYDOWN); mouse;
// EM_ messages; the window procedure.
//
// The text lives in the control's state and is mirrored into the window's own text, so
// GetWindowTextA and WM_GETTEXT agree whichever path a caller takes.
#include "user/controls/control_state.h"
#include "user/controls/edit_control.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace user_controls {
namespace {

// EM_LIMITTEXT with 0, and the largest limit a single-line edit accepts.
constexpr std::size_t kMaxLimit = 0x7FFFFFFE;

// The edit tells the window it was created with, which for an edit without WS_CHILD is its
// owner rather than a parent.
void Notify(HWND hwnd, const EditState& state, UINT code) {
    if (state.notify != nullptr && wm::Lookup(state.notify) != nullptr) {
        const UINT id = static_cast<UINT>(IdOf(hwnd));
        SendMessageA(state.notify, WM_COMMAND, MAKEWPARAM(id & 0xFFFF, code),
                     reinterpret_cast<LPARAM>(hwnd));
    }
}

// What DefWindowProcA's WM_SETTEXT does, without going through it at every keystroke.
void MirrorWindowText(HWND hwnd, const EditState& state) {
    if (wm::Window* w = wm::Lookup(hwnd)) {
        // The edit's text holds no NUL (every way in takes a C string): its length is the C
        // string's.
        wm::StoreWindowText(w, state.buffer.text().data(), state.buffer.length());
    }
}

// After the text changed: repaint, then EN_UPDATE (about to be shown) and EN_CHANGE (shown).
void TextChanged(HWND hwnd, EditState& state) {
    state.modified = true;
    MirrorWindowText(hwnd, state);
    EditScrollToCaret(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, state, EN_UPDATE);
    Notify(hwnd, state, EN_CHANGE);
}

void SelectionMoved(HWND hwnd, EditState& state) {
    EditScrollToCaret(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
}

// Inserts over the selection under the limit; EN_MAXTEXT when the limit cut the text. A
// program's replacement cut by the limit reports an update and a change even when nothing went
// in, as Windows does; a typed character does not.
//
// A single-line edit that does not scroll takes only what fits its width, as on Win32: the end
// of the inserted piece is cut until the line fits (a zero-width field takes nothing), and the
// selection is replaced all the same.
void Replace(HWND hwnd, EditState& state, const std::string& text, bool byProgram) {
    std::string piece = text;
    bool cutToWidth = false;
    if ((StyleOf(hwnd) & (ES_MULTILINE | ES_AUTOHSCROLL)) == 0 && !piece.empty()) {
        const std::string& now = state.buffer.text();
        const std::string head = now.substr(0, state.buffer.selectionStart());
        const std::string tail = now.substr(state.buffer.selectionEnd());
        while (!piece.empty() && !EditLineFits(hwnd, state, head + piece + tail)) {
            piece.pop_back();
            cutToWidth = true;
        }
    }
    EditBuffer::ReplaceResult result = state.buffer.ReplaceSelection(piece, state.limit);
    result.truncated = result.truncated || cutToWidth;
    if (result.truncated) {
        Notify(hwnd, state, EN_MAXTEXT);
        if (!StillAttached(hwnd, &state)) {
            return;
        }
    }
    if (result.changed || (result.truncated && byProgram)) {
        TextChanged(hwnd, state);
    }
}

// ---- typing ----

void OnChar(HWND hwnd, EditState& state, unsigned char ch) {
    const DWORD style = StyleOf(hwnd);
    if ((style & ES_READONLY) != 0) {
        return;
    }
    if (ch == '\b') {
        if (state.buffer.DeleteBackward()) {
            TextChanged(hwnd, state);
        }
        return;
    }
    // Tab, Enter, Escape, Ctrl+letters and Ctrl+Backspace (127) carry no text.
    if (ch < 0x20 || ch == 0x7F) {
        return;
    }
    if ((style & ES_NUMBER) != 0 && !std::isdigit(ch)) {
        return;
    }
    char typed = static_cast<char>(ch);
    if ((style & ES_UPPERCASE) != 0) {
        typed = static_cast<char>(std::toupper(ch));
    } else if ((style & ES_LOWERCASE) != 0) {
        typed = static_cast<char>(std::tolower(ch));
    }
    Replace(hwnd, state, std::string(1, typed), false);
}

// ---- caret keys ----

bool OnKeyDown(HWND hwnd, EditState& state, WPARAM key) {
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    EditBuffer& buffer = state.buffer;
    switch (key) {
    case VK_LEFT:
        buffer.MoveCaret(buffer.caret() > 0 ? buffer.caret() - 1 : 0, shift);
        break;
    case VK_RIGHT:
        buffer.MoveCaret(buffer.caret() + 1, shift);
        break;
    case VK_HOME:
        buffer.MoveCaret(0, shift);
        break;
    case VK_END:
        buffer.MoveCaret(buffer.length(), shift);
        break;
    case VK_DELETE:
        if ((StyleOf(hwnd) & ES_READONLY) == 0 && buffer.DeleteForward()) {
            TextChanged(hwnd, state);
        }
        return true;
    default:
        return false;
    }
    SelectionMoved(hwnd, state);
    return true;
}

// ---- mouse ----

void OnButtonDown(HWND hwnd, EditState& state, WPARAM keys, LPARAM point) {
    if (GetFocus() != hwnd) {
        SetFocus(hwnd);
        if (!StillAttached(hwnd, &state)) {
            return;
        }
    }
    const std::size_t position = EditCharFromX(hwnd, state, GET_X_LPARAM(point));
    state.buffer.MoveCaret(position, (keys & MK_SHIFT) != 0);
    state.tracking = true;
    SetCapture(hwnd);
    SelectionMoved(hwnd, state);
}

void OnMouseMove(HWND hwnd, EditState& state, LPARAM point) {
    if (!state.tracking || GetCapture() != hwnd) {
        return;
    }
    const std::size_t position = EditCharFromX(hwnd, state, GET_X_LPARAM(point));
    if (position != state.buffer.caret()) {
        state.buffer.MoveCaret(position, true);
        SelectionMoved(hwnd, state);
    }
}

// Double click selects the word (the run of non-blanks) under the pointer.
void OnDoubleClick(HWND hwnd, EditState& state, LPARAM point) {
    const std::string& text = state.buffer.text();
    std::size_t start = EditCharFromX(hwnd, state, GET_X_LPARAM(point));
    std::size_t end = start;
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (start > 0 && !blank(text[start - 1])) {
        --start;
    }
    while (end < text.size() && !blank(text[end])) {
        ++end;
    }
    state.buffer.SetSelection(static_cast<long long>(start), static_cast<long long>(end));
    SelectionMoved(hwnd, state);
}

// ---- EM_ messages and text ----

LRESULT OnGetSel(const EditState& state, WPARAM wParam, LPARAM lParam) {
    const std::size_t start = state.buffer.selectionStart();
    const std::size_t end = state.buffer.selectionEnd();
    if (DWORD* out = reinterpret_cast<DWORD*>(wParam)) {
        *out = static_cast<DWORD>(start);
    }
    if (DWORD* out = reinterpret_cast<DWORD*>(lParam)) {
        *out = static_cast<DWORD>(end);
    }
    // The packed result has 16 bits per position; beyond that only the pointers can tell.
    if (start > 0xFFFF || end > 0xFFFF) {
        return -1;
    }
    return MAKELRESULT(start, end);
}

LRESULT OnGetText(const EditState& state, WPARAM size, LPARAM lParam) {
    char* out = reinterpret_cast<char*>(lParam);
    if (out == nullptr || size == 0) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(state.buffer.length(), size - 1);
    std::memcpy(out, state.buffer.text().data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

void OnSetText(HWND hwnd, EditState& state, LPARAM lParam) {
    // The limit binds only the user: a program may set a longer text.
    state.buffer.SetText(reinterpret_cast<const char*>(lParam));
    state.modified = false;
    state.scrollX = 0;
    EditScrollToCaret(hwnd, state);
    MirrorWindowText(hwnd, state);
    InvalidateRect(hwnd, nullptr, TRUE);
    Notify(hwnd, state, EN_UPDATE);
    Notify(hwnd, state, EN_CHANGE);
}

void SetReadOnly(HWND hwnd, bool readOnly) {
    DWORD style = StyleOf(hwnd);
    style = readOnly ? (style | ES_READONLY) : (style & ~static_cast<DWORD>(ES_READONLY));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(style));
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT EditMessage(HWND hwnd, EditState& state, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        state.buffer.SetText(create != nullptr ? create->lpszName : nullptr);
        state.notify = create != nullptr ? create->hwndParent : nullptr;
        MirrorWindowText(hwnd, state);
        return 0;
    }
    case WM_GETDLGCODE: {
        LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
        if ((StyleOf(hwnd) & ES_MULTILINE) != 0) {
            code |= DLGC_WANTALLKEYS;
        }
        return code;
    }
    case WM_CHAR:
        OnChar(hwnd, state, static_cast<unsigned char>(wParam));
        return 1;
    case WM_KEYDOWN:
        if (OnKeyDown(hwnd, state, wParam)) {
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        OnButtonDown(hwnd, state, wParam, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(hwnd, state, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(hwnd, state, lParam);
        return 0;
    case WM_LBUTTONUP:
        if (state.tracking) {
            state.tracking = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
        }
        return 0;
    case WM_CAPTURECHANGED:
        state.tracking = false;
        return 0;
    case WM_SETFOCUS: {
        state.focused = true;
        HDC dc = GetDC(hwnd);
        const HGDIOBJ oldFont = state.font ? SelectObject(dc, state.font) : nullptr;
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        if (oldFont) {
            SelectObject(dc, oldFont);
        }
        ReleaseDC(hwnd, dc);
        CreateCaret(hwnd, nullptr, 1, metrics.tmHeight);
        EditScrollToCaret(hwnd, state);
        ShowCaret(hwnd);
        InvalidateRect(hwnd, nullptr, TRUE);
        Notify(hwnd, state, EN_SETFOCUS);
        return 0;
    }
    case WM_KILLFOCUS:
        state.focused = false;
        DestroyCaret();
        InvalidateRect(hwnd, nullptr, TRUE);
        Notify(hwnd, state, EN_KILLFOCUS);
        return 0;
    case WM_SETFONT:
        state.font = reinterpret_cast<HFONT>(wParam);
        EditScrollToCaret(hwnd, state);
        if (LOWORD(lParam) != 0) {
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state.font);
    case WM_SETTEXT:
        OnSetText(hwnd, state, lParam);
        return TRUE;
    case WM_GETTEXT:
        return OnGetText(state, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(state.buffer.length());
    case WM_ENABLE:
    case WM_SIZE:
        EditScrollToCaret(hwnd, state);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel
    case WM_PAINT: {
        PaintScope paint(hwnd, wParam);
        EditPaint(hwnd, state, paint.dc());
        return 0;
    }
    case EM_GETSEL:
        return OnGetSel(state, wParam, lParam);
    case EM_SETSEL:
        state.buffer.SetSelection(static_cast<int>(wParam), static_cast<int>(lParam));
        SelectionMoved(hwnd, state);
        return 1;
    case EM_REPLACESEL: {
        // Read-only binds the user only: a program may still replace text, as on Win32.
        const char* text = reinterpret_cast<const char*>(lParam);
        Replace(hwnd, state, text != nullptr ? text : "", true);
        if (wParam == 0) {
            state.buffer.ForgetUndo();
        }
        return 0;
    }
    case EM_LIMITTEXT: {
        const std::size_t limit = static_cast<std::size_t>(wParam);
        state.limit = (limit == 0 || limit > kMaxLimit) ? kMaxLimit : limit;
        return 0;
    }
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(state.limit);
    case EM_SETREADONLY:
        SetReadOnly(hwnd, wParam != 0);
        return TRUE;
    case EM_GETMODIFY:
        return state.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        state.modified = wParam != 0;
        return 0;
    case EM_CANUNDO:
        return state.buffer.canUndo() ? TRUE : FALSE;
    case EM_UNDO:
        if (state.buffer.Undo()) {
            TextChanged(hwnd, state);
            return TRUE;
        }
        return FALSE;
    case EM_EMPTYUNDOBUFFER:
        state.buffer.ForgetUndo();
        return 0;
    case EM_SCROLLCARET:
        SelectionMoved(hwnd, state);
        return TRUE;
    case EM_SETPASSWORDCHAR:
        state.passwordChar = static_cast<char>(wParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case EM_GETPASSWORDCHAR:
        return static_cast<unsigned char>(state.passwordChar);
    case EM_SETMARGINS:
        if ((wParam & EC_LEFTMARGIN) != 0) {
            state.leftMargin = LOWORD(lParam) == EC_USEFONTINFO ? 1 : LOWORD(lParam);
        }
        if ((wParam & EC_RIGHTMARGIN) != 0) {
            state.rightMargin = HIWORD(lParam) == EC_USEFONTINFO ? 1 : HIWORD(lParam);
        }
        EditScrollToCaret(hwnd, state);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case EM_GETMARGINS:
        return MAKELRESULT(state.leftMargin, state.rightMargin);
    case EM_GETRECT:
        if (RECT* out = reinterpret_cast<RECT*>(lParam)) {
            *out = EditFormatRect(hwnd, state);
        }
        return 0;
    case EM_SETRECT:
    case EM_SETRECTNP:
        // Single-line edits keep the rectangle their client and margins give them.
        if (lParam != 0 && (StyleOf(hwnd) & ES_MULTILINE) != 0) {
            EditSetFormatRect(hwnd, state, *reinterpret_cast<const RECT*>(lParam));
            if (message == EM_SETRECT) {
                InvalidateRect(hwnd, nullptr, TRUE);
            }
        }
        return 0;
    case EM_GETLINECOUNT:
        return 1;
    case EM_LINELENGTH:
        return static_cast<LRESULT>(state.buffer.length());
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

LRESULT CALLBACK EditWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchWithState<EditState>(hwnd, message, wParam, lParam, EditMessage);
}

} // namespace user_controls
