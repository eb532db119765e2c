// The live display: the platform's screen in a window on an X11 display, for a person to use.
//
// Start() opens the display that DISPLAY names, shows the whole screen framebuffer 1:1 in a
// window and makes the platform live: GetTickCount and timers run on the real clock, and a
// message loop with nothing to do (GetMessageA, a modal dialog's loop) repaints what changed
// and sleeps until X11 input arrives or the next timer is due. Keys and clicks go into the same
// input path the driver uses (the queue, TranslateMessage, IsDialogMessageA), keys as on a US
// layout. Closing the window posts WM_QUIT, so modal loops end and the host's own loop ends
// after them. A display that goes away ends the process with a message and exit status 1.
//
// Waiting for idle from outside (tests, automation): send the window a ClientMessage of type
// _RUZAV_IDLE_PING with a number in data.l[0]; once every event before it has been handled and
// the screen shown, the window's CARDINAL property _RUZAV_IDLE is set to that number.
//
// Include <desktop/live.h> explicitly; <desktop.h> does not bring it.
#pragma once

#include <windows.h>

#include <string>

namespace desktop::live {

// False, with a one-line reason, when there is no display to use ("DISPLAY is not set", a
// display that cannot be opened, one without 24-bit true colour) or the live display is
// already running.
bool Start(const char* title, std::string* error);
// Closes the window and the connection; the platform keeps the real clock.
void Stop();
bool Running();
// The window was closed (by its close button or by being destroyed) and WM_QUIT posted.
bool Closed();

struct Stats {
    DWORD firstFrameMs = 0;        // from Start to the first picture shown in the mapped window
    unsigned long frames = 0;      // times a changed area was sent to the display
    unsigned long long pixels = 0; // pixels sent
    unsigned long window = 0;      // the X window's identifier
};
Stats Statistics();

} // namespace desktop::live
