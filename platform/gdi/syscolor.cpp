// System colours as the drawing layer sees them: the window manager's, through its hook, or the
// classic scheme before it sets one.
#include "gdi/gdi_internal.h"

namespace gdi_internal {
namespace {

SysColorHook& Hook() {
    static SysColorHook hook = nullptr;
    return hook;
}

COLORREF ClassicColor(int index) {
    switch (index) {
    case 1: // desktop
        return RGB(0, 128, 128);
    case 5:  // window
    case 20: // 3D highlight
        return RGB(255, 255, 255);
    case 15: // 3D face
    case 22: // 3D light
        return RGB(192, 192, 192);
    case 16: // 3D shadow
        return RGB(128, 128, 128);
    default: // window frame, texts, 3D dark shadow
        return RGB(0, 0, 0);
    }
}

} // namespace

SysColorHook SetSysColorHook(SysColorHook hook) {
    SysColorHook previous = Hook();
    Hook() = hook;
    return previous;
}

COLORREF SysColor(int index) {
    if (Hook())
        return Hook()(index) & 0x00FFFFFF;
    return ClassicColor(index);
}

} // namespace gdi_internal
