// What many conformance files need of a window of their own: a class for the test's procedure,
// and a window's text as a string.
#pragma once

#include <windows.h>

#include <string>

namespace conformance {

// Registers a class of this module for proc (a second registration of the name fails harmlessly)
// and returns its name, for CreateWindowExA.
inline const char* HostClass(const char* name, WNDPROC proc, UINT style = 0,
                             HBRUSH background = nullptr) {
    WNDCLASSA wc = {};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
    return name;
}

// The window's text (up to 255 characters); empty for no window.
inline std::string WindowText(HWND hwnd) {
    char buffer[256] = "";
    if (hwnd)
        GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

// An edit's selection as "start-end".
inline std::string EditSelection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::to_string(start) + "-" + std::to_string(end);
}

} // namespace conformance
