// CKPercentBar: registration as a superclass of "static", adoption of windows made from dialog
// templates, and painting.
#include <ruzav32/status.h>

#include "status/logic/percent_bar_layout.h"

#include <cstdio>
#include <new>

using ruzav::status::Box;
using ruzav::status::ClampPercent;
using ruzav::status::FrameLine;
using ruzav::status::LayoutPercentBar;
using ruzav::status::PercentBarLayout;

namespace {

constexpr char kClassName[] = "CKPercentBar";

RECT ToRect(const Box& b) {
    return RECT{b.left, b.top, b.right, b.bottom};
}

} // namespace

IMPLEMENT_DYNCREATE(CKPercentBar, CWnd)

WNDPROC CKPercentBar::pfnSuperWndProc = NULL;

BEGIN_MESSAGE_MAP(CKPercentBar, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CKPercentBar::CKPercentBar() : m_nPercent(0), m_bAutoDelete(FALSE) {
    m_brushFilled.CreateSolidBrush(::GetSysColor(COLOR_ACTIVECAPTION));
    m_brushEmpty.CreateSolidBrush(::GetSysColor(COLOR_INACTIVECAPTION));
}

CKPercentBar::~CKPercentBar() {
    m_brushFilled.DeleteObject();
    m_brushEmpty.DeleteObject();
}

void CKPercentBar::SetPercent(int nPercent) {
    m_nPercent = ClampPercent(nPercent);
}

BOOL CKPercentBar::RegisterClass(LPCSTR lpszResourceName, LPCSTR lpszResourceType) {
    WNDCLASSA wc;
    if (!::GetClassInfoA(NULL, "static", &wc))
        return FALSE;
    if (pfnSuperWndProc == NULL)
        pfnSuperWndProc = wc.lpfnWndProc;
    const HINSTANCE instance = AfxFindResourceHandle(lpszResourceName, lpszResourceType);

    WNDCLASSA existing;
    if (::GetClassInfoA(instance, kClassName, &existing))
        return existing.lpfnWndProc == FirstMsgOnlyWndProc;

    wc.lpfnWndProc = FirstMsgOnlyWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    return ::RegisterClassA(&wc) != 0;
}

BOOL CKPercentBar::UnregisterClass(LPCSTR lpszResourceName, LPCSTR lpszResourceType) {
    const HINSTANCE instance = AfxFindResourceHandle(lpszResourceName, lpszResourceType);
    WNDCLASSA existing;
    if (!::GetClassInfoA(instance, kClassName, &existing))
        return TRUE;
    return ::UnregisterClassA(kClassName, instance);
}

LRESULT CALLBACK CKPercentBar::FirstMsgOnlyWndProc(HWND hWnd, UINT message, WPARAM wParam,
                                                   LPARAM lParam) {
    // A bar the host made through the framework has its object already and reaches this
    // procedure only as a fallback: it must not get a second one.
    if (CWnd::FromHandlePermanent(hWnd) != NULL) {
        const WNDPROC super = pfnSuperWndProc;
        if (super == NULL || super == FirstMsgOnlyWndProc)
            return ::DefWindowProcA(hWnd, message, wParam, lParam);
        return ::CallWindowProcA(super, hWnd, message, wParam, lParam);
    }
    CKPercentBar* bar = new (std::nothrow) CKPercentBar;
    if (bar == NULL) {
        // Without an object the window can still be what it is made from: a plain "static".
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuperWndProc));
        return ::CallWindowProcA(pfnSuperWndProc, hWnd, message, wParam, lParam);
    }
    bar->Attach(hWnd);
    bar->m_bAutoDelete = TRUE;
    const WNDPROC framework = AfxGetAfxWndProc();
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(framework));
    return ::CallWindowProcA(framework, hWnd, message, wParam, lParam);
}

void CKPercentBar::PostNcDestroy() {
    if (m_bAutoDelete)
        delete this;
}

WNDPROC* CKPercentBar::GetSuperWndProcAddr() {
    // The framework's creation hook stores the class's own procedure here when a host makes a
    // bar of this class itself; every message the map leaves would then come back to the
    // first-message procedure. The slot always names "static" again before it is used.
    if (pfnSuperWndProc == FirstMsgOnlyWndProc) {
        WNDCLASSA wc;
        pfnSuperWndProc = ::GetClassInfoA(NULL, "static", &wc) ? wc.lpfnWndProc : NULL;
    }
    return &pfnSuperWndProc;
}

void CKPercentBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);

    // At most "100%" for a stored value, yet bounded for whatever the member may hold.
    char text[8];
    std::snprintf(text, sizeof text, "%d%%", m_nPercent);
    const int length = ::lstrlenA(text);

    const PercentBarLayout layout =
        LayoutPercentBar(Box{client.left, client.top, client.right, client.bottom}, m_nPercent);

    CPen shadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    CPen highlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen frame(PS_SOLID, 1, ::GetSysColor(COLOR_WINDOWFRAME));
    CPen face(PS_SOLID, 1, ::GetSysColor(COLOR_BTNFACE));
    CPen* pOldPen = NULL;
    for (const FrameLine& line : layout.frame) {
        CPen* pen = &face;
        if (line.colourIndex == COLOR_BTNSHADOW)
            pen = &shadow;
        else if (line.colourIndex == COLOR_BTNHIGHLIGHT)
            pen = &highlight;
        else if (line.colourIndex == COLOR_WINDOWFRAME)
            pen = &frame;
        CPen* previous = dc.SelectObject(pen);
        if (pOldPen == NULL)
            pOldPen = previous;
        dc.MoveTo(line.from.x, line.from.y);
        dc.LineTo(line.to.x, line.to.y);
    }
    if (pOldPen != NULL)
        dc.SelectObject(pOldPen);

    const RECT filled = ToRect(layout.filled);
    const RECT empty = ToRect(layout.empty);
    dc.FillRect(&filled, &m_brushFilled);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.SetTextColor(::GetSysColor(COLOR_CAPTIONTEXT));
    dc.SetBkMode(TRANSPARENT);
    dc.ExtTextOut(layout.text.x, layout.text.y, ETO_CLIPPED, &filled, text, length, NULL);
    if (layout.fillEmpty)
        dc.FillRect(&empty, &m_brushEmpty);
    dc.SetTextColor(::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    dc.ExtTextOut(layout.text.x, layout.text.y, ETO_CLIPPED, &empty, text, length, NULL);
}
