// Dialog templates built in C++ for the pages whose templates are not yet in gallery.rc.
#pragma once

#include <resources.h>
#include <windows.h>

namespace gallery {

// The frame every page's template shares: a captioned pop-up in "MS Sans Serif" 8 at (20, 20),
// cx x cy dialog units, without items.
resources::DialogTemplate PageTemplate(const char* caption, short cx, short cy);

resources::DialogItem Item(const char* cls, const char* text, int id, DWORD style, short x, short y,
                           short cx, short cy);

} // namespace gallery
