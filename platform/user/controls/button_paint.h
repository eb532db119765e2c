// The BUTTON class's per-window state and the drawing of its built-in kinds (push, default push,
// check box, radio button, group box).
#pragma once

#include <windows.h>

namespace user_controls {

struct ButtonState {
    UINT check = BST_UNCHECKED;
    bool pushed = false; // drawn pressed (BST_PUSHED)
    bool focused = false;
    bool tracking = false;  // the left button went down here and the mouse is captured
    bool spaceDown = false; // the space bar went down here
    HFONT font = nullptr;
};

// The button's kind from its style, with unknown kinds drawn and handled as push buttons.
UINT ButtonKind(HWND hwnd);

// What a paint needs to know, apart from the window.
struct ButtonLook {
    UINT kind = BS_PUSHBUTTON;
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    bool enabled = true;
};

void PaintButton(HWND hwnd, HFONT font, const ButtonLook& look, HDC hdc);

} // namespace user_controls
