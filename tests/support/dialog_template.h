// Dialog templates in the shape the tests' host dialogs share: a captioned pop-up in 8-point
// "MS Sans Serif" whose controls are visible children.
#pragma once

#include <resources.h>
#include <windows.h>

namespace test_support {

inline resources::DialogTemplate HostDialog(const char* caption, short cx, short cy,
                                            DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION) {
    resources::DialogTemplate t;
    t.style = style | DS_SETFONT;
    t.caption = caption;
    t.fontFace = "MS Sans Serif";
    t.x = 10;
    t.y = 10;
    t.cx = cx;
    t.cy = cy;
    return t;
}

// A visible child control; WS_TABSTOP and the rest come with `style`.
inline resources::DialogItem Control(const char* cls, WORD id, DWORD style, short x, short y,
                                     short cx, short cy, const char* text = "") {
    return resources::DialogItem{
        cls, text, id, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | style), 0, x, y, cx, cy};
}

// A modal form at the top left of the screen: an edit above OK (the default button) and Cancel.
inline resources::DialogTemplate EditOkCancel(const char* caption, short cx, short cy,
                                              WORD editId) {
    auto t = HostDialog(caption, cx, cy, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    t.x = t.y = 0;
    t.items = {Control("EDIT", editId, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 8, 8, 100, 12),
               Control("BUTTON", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 8, 48, 50, 14, "OK"),
               Control("BUTTON", IDCANCEL, WS_TABSTOP, 64, 48, 50, 14, "Cancel")};
    return t;
}

} // namespace test_support
