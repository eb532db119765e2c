// CKSpin's window class and lifetime: registration with a count, adoption of a window made from
// a dialog template, self-deletion, the message map, and the destructor that frees the children.
#include <ruzav32/spin.h>

#include "spin/ckspin_static.h"
#include "spin/ckspin_window_internal.h"

#include <new>

using ruzav::spin::kUpdateSpinMessage;

namespace {

constexpr char kClassName[] = "CKSpin";

} // namespace

int CKSpin::m_cRegisteredCount = 0;
WNDPROC CKSpin::m_pfnSuperWndProc = nullptr;

BEGIN_MESSAGE_MAP(CKSpin, CWnd)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_PAINT()
ON_WM_VSCROLL()
ON_MESSAGE(WM_GETTEXT, OnGetText)
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(kUpdateSpinMessage, OnUpdateSpin)
END_MESSAGE_MAP()

CKSpin::~CKSpin() {
    delete m_pEdit1;
    m_pEdit1 = nullptr;
    delete m_pEdit2;
    m_pEdit2 = nullptr;
    delete m_pEdit3;
    m_pEdit3 = nullptr;
    delete m_pSep1;
    m_pSep1 = nullptr;
    delete m_pSep2;
    m_pSep2 = nullptr;
    delete m_pSpinButton;
    m_pSpinButton = nullptr;
}

BOOL CKSpin::RegisterClass() {
    // Counted whatever follows, so that every call can be matched by an UnregisterClass.
    ++m_cRegisteredCount;
    const HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSA wc;
    if (::GetClassInfoA(instance, kClassName, &wc)) {
        return 1;
    }
    wc = WNDCLASSA{};
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_GLOBALCLASS;
    wc.lpfnWndProc = FirstMsgOnlyWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = instance;
    wc.hIcon = nullptr;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kClassName;
    const ATOM atom = ::RegisterClassA(&wc);
    if (atom == 0 && wc.hbrBackground != nullptr) {
        ::DeleteObject(wc.hbrBackground);
    }
    return atom;
}

BOOL CKSpin::UnregisterClass() {
    if (m_cRegisteredCount == 0) {
        return 1;
    }
    if (--m_cRegisteredCount > 0) {
        return 1;
    }
    const HINSTANCE instance = AfxGetInstanceHandle();
    WNDCLASSA wc;
    if (!::GetClassInfoA(instance, kClassName, &wc)) {
        return 1;
    }
    const BOOL removed = ::UnregisterClassA(kClassName, instance);
    // The background brush lives exactly as long as the class: once the class is gone no window
    // can paint with it, and a later registration makes a new one.
    if (removed && wc.hbrBackground != nullptr) {
        ::DeleteObject(wc.hbrBackground);
    }
    return removed;
}

LRESULT CALLBACK CKSpin::FirstMsgOnlyWndProc(HWND hWnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    // A window whose object the framework attached already (a host creating a CKSpin itself)
    // only comes here as the fallback procedure: it must not get a second object.
    if (CWnd::FromHandlePermanent(hWnd) != nullptr) {
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
    CKSpin* spin = new (std::nothrow) CKSpin;
    if (spin == nullptr) {
        // Without an object the window can only be an inert rectangle.
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&::DefWindowProcA));
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
    spin->Attach(hWnd);
    spin->m_bAutoDelete = TRUE;
    const WNDPROC framework = AfxGetAfxWndProc();
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(framework));
    return ::CallWindowProcA(framework, hWnd, message, wParam, lParam);
}

void CKSpin::PostNcDestroy() {
    if (m_bAutoDelete) {
        delete this;
    }
}

WNDPROC* CKSpin::GetSuperWndProcAddr() {
    return &m_pfnSuperWndProc;
}
