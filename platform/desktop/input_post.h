// Input as the platform's queue takes it from a keyboard and a mouse: shared by the driver's
// scripted input and the live display's X11 events, so both go the same way.
#pragma once

#include <windows.h>

namespace desktop::input {

// WM_KEYDOWN or WM_KEYUP for a virtual key; with Alt held, the system-key forms.
void PostKey(UINT msg, UINT vk);
// A mouse message at a screen point; the window is chosen when the message is taken.
void PostMouse(UINT msg, POINT screen, WPARAM keys);
// The MK_* flags of the buttons and modifier keys down now.
WPARAM MouseKeys();
// A character that no key of the US layout types, as WM_CHAR alone.
void PostChar(unsigned char c);

} // namespace desktop::input
