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

} // namespace test_support
