// The COMBOBOX class's window procedure.
#pragma once

#include <windows.h>

namespace user_controls {

LRESULT CALLBACK ComboBoxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace user_controls
