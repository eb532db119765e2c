#include "gallery_templates.h"

namespace gallery {

resources::DialogTemplate PageTemplate(const char* caption, short cx, short cy) {
    resources::DialogTemplate t;
    t.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    t.caption = caption;
    t.fontFace = "MS Sans Serif";
    t.pointSize = 8;
    t.x = 20;
    t.y = 20;
    t.cx = cx;
    t.cy = cy;
    return t;
}

resources::DialogItem Item(const char* cls, const char* text, int id, DWORD style, short x, short y,
                           short cx, short cy) {
    resources::DialogItem item;
    item.className = cls;
    item.text = text;
    item.id = static_cast<WORD>(id);
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    return item;
}

} // namespace gallery
