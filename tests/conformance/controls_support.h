// A visible parent window that logs the notifications of its standard-control children, shared
// by the controls conformance tests.
#pragma once

#include "conformance.h"
#include "host_window.h"

#include <windows.h>

#include <string>
#include <vector>

namespace controls_conformance {

struct Notification {
    UINT message; // WM_COMMAND, WM_VSCROLL or WM_DRAWITEM
    UINT code;    // notification code, scroll code, or the item action of WM_DRAWITEM
    HWND from;
    UINT state; // itemState of WM_DRAWITEM
};

// Creates the parent (a plain visible pop-up window) on first use; later calls empty the log.
HWND Parent();
std::vector<Notification>& Log();

HWND CreateChild(const char* className, const char* text, DWORD style, int id, int x, int y, int cx,
                 int cy);

using conformance::Pump;
using conformance::WindowText;

// The WM_COMMAND codes from one control, in order.
std::vector<UINT> Codes(HWND from);

} // namespace controls_conformance
