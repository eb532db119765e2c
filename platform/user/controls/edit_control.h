// The EDIT class: its per-window state and the pieces its message handling and its painting share.
#pragma once

#include "user/controls/edit_buffer.h"

#include <windows.h>

#include <string>

namespace user_controls {

LRESULT CALLBACK EditWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The width of a whole line as last measured in a font. A font never changes once made and its
// handle is never given to another font, so the handle and the text are all the width depends on.
struct MeasuredLine {
    HFONT font = nullptr;
    std::string text;
    int width = -1; // -1: nothing measured yet
};

struct EditState {
    EditBuffer buffer;
    std::size_t limit = 30000;
    bool modified = false;
    bool focused = false;
    bool tracking = false; // the left button went down here and the mouse is captured
    HFONT font = nullptr;
    char passwordChar = '*';
    int leftMargin = 1;
    int rightMargin = 1;
    int scrollX = 0;            // pixels of text scrolled out at the left
    HWND notify = nullptr;      // the parent it was created with, told of changes even when unowned
    bool hasFormatRect = false; // EM_SETRECT gave one (multiline edits)
    RECT formatRect{};
    // Typing measures the new line before it goes in and again to place the caret, and a
    // Backspace brings back the line before: the last two lines measured answer all three.
    mutable MeasuredLine measured[2];
    mutable int nextMeasured = 0;
};

// The text as the user sees it: the real text, or password characters. No copy is made: the
// reference is the edit's own text, or a shared masked copy, valid until the text next changes.
const std::string& EditDisplayText(HWND hwnd, const EditState& state);

// Whether a single line of text fits the width within the margins.
bool EditLineFits(HWND hwnd, const EditState& state, const std::string& line);

// Where the text starts (client x of its first character), how tall a line is and how wide
// the whole shown text is.
struct EditLine {
    int originX;
    int lineHeight;
    int width;
};
EditLine EditLayout(HWND hwnd, const EditState& state, HDC measured);

// Scrolls horizontally, as little as possible, so the caret is inside the visible part, and
// moves the system caret there while the edit has the focus.
void EditScrollToCaret(HWND hwnd, EditState& state);

// EM_GETRECT: the formatting rectangle, the client area within the margins, one line high for
// a single-line edit.
RECT EditFormatRect(HWND hwnd, const EditState& state);
// EM_SETRECT (multiline edits): the rectangle is kept, cut to whole lines and to the client.
void EditSetFormatRect(HWND hwnd, EditState& state, const RECT& wanted);

// The character boundary nearest to client x.
std::size_t EditCharFromX(HWND hwnd, const EditState& state, int x);

void EditPaint(HWND hwnd, const EditState& state, HDC hdc);

} // namespace user_controls
