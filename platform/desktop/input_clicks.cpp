// Clicks on windows and dialog controls, made of the driver's clicks at screen points: shared
// by the driver on the platform and the one on real Win32, as they stand on public calls alone.
#include <desktop.h>

namespace desktop {

void ClickWindow(HWND hwnd, POINT client, Button button) {
    ClientToScreen(hwnd, &client);
    Click(client, button);
}

bool ClickControl(HWND dialog, int id) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        return false;
    }
    RECT r{};
    GetClientRect(item, &r);
    ClickWindow(item, POINT{(r.right - r.left) / 2, (r.bottom - r.top) / 2});
    return true;
}

bool ClickControl(HWND dialog, int id, POINT client) {
    HWND item = GetDlgItem(dialog, id);
    if (!item) {
        return false;
    }
    ClickWindow(item, client);
    return true;
}

} // namespace desktop
