// AfxRegisterWndClass: window classes with the framework's procedure, named after their
// attributes so that equal requests share one class.
#include <afxwin.h>

#include "afx/afx_internal.h"

#include <cstdio>
#include <string>
#include <unordered_set>

namespace {
// The names handed out stay valid as long as the set keeps them (until a reset).
std::unordered_set<std::string>& ClassNames() {
    static std::unordered_set<std::string> names;
    return names;
}
} // namespace

LPCSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                  HICON hIcon) {
    HINSTANCE hInst = AfxGetInstanceHandle();
    char szName[96];
    std::snprintf(szName, sizeof(szName), "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst),
                  nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                  static_cast<void*>(hIcon));
    const std::string& name = *ClassNames().insert(szName).first;

    WNDCLASSA wc;
    if (::GetClassInfoA(hInst, name.c_str(), &wc))
        return name.c_str();
    wc = WNDCLASSA();
    wc.style = nClassStyle;
    wc.lpfnWndProc = AfxGetAfxWndProc();
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name.c_str();
    if (!::RegisterClassA(&wc))
        return NULL;
    return name.c_str();
}

namespace afx_internal {
void ForgetRegisteredClassNames() {
    ClassNames().clear();
}
} // namespace afx_internal
