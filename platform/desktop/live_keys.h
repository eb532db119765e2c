// The keys of an X11 keyboard as the platform's virtual keys, on the US layout the driver
// types with. The keysym is the key's unshifted one (X's index 0), so Shift+1 is the key '1'
// with VK_SHIFT down, and TranslateMessage makes the '!' as it does for the driver.
#pragma once

#include <windows.h>

namespace desktop::live_keys {

// The virtual key of a keysym; 0 for a key with none (dead keys, multimedia keys, keysyms of
// other scripts).
UINT VirtualKey(unsigned long keysym);
// A key with no virtual key that still types a Latin-1 character (an accented letter on another
// layout): that character, sent as WM_CHAR alone; 0 for none.
unsigned char LatinChar(unsigned long keysym);

} // namespace desktop::live_keys
