// A CWnd's life with its window: construction, creation through the framework (with the
// creation hook that attaches the object before the window's first message), subclassing,
// destruction and the clean-up after WM_NCDESTROY.
#include <afxwin.h>
#include <afxpriv.h>

#include "afx/afx_internal.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

CWnd::CWnd() : m_hWnd(NULL), m_pfnSuper(NULL), m_hWndOwner(NULL), m_nFlags(0), m_nModalResult(0) {}

CWnd::~CWnd() {
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this) {
        // The object goes first: its window cannot outlive it, since the window would route
        // its messages to freed memory. Only CWnd's own handlers run from here on.
        ::DestroyWindow(m_hWnd);
    }
    if (m_hWnd != NULL)
        Detach();
    afx_internal::ForgetPendingWindow(this);
    afx_internal::ForgetActiveCalls(this);
}

HWND CWnd::GetSafeHwnd() const {
    // Framework code has always called this through possibly NULL pointers; keep the compiler
    // from assuming this is never NULL.
    const CWnd* self = this;
    __asm__("" : "+r"(self));
    return self != NULL ? self->m_hWnd : NULL;
}

// ---- The creation hook ---------------------------------------------------------------------

namespace {
LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code != HCBT_CREATEWND || pState->m_pWndInit == NULL)
        return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);

    HWND hWnd = reinterpret_cast<HWND>(wParam);
    CWnd* pWndInit = pState->m_pWndInit;
    // Only the first window made while the hook waits belongs to the object; windows that
    // window makes in turn are its children, not the object's.
    pState->m_pWndInit = NULL;
    if (pWndInit->Attach(hWnd)) {
        pWndInit->PreSubclassWindow();
        WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
        WNDPROC afxWndProc = AfxGetAfxWndProc();
        WNDPROC oldWndProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(afxWndProc)));
        if (oldWndProc != afxWndProc)
            *pOldWndProc = oldWndProc;
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}
} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pWndInit == pWnd)
        return;
    if (pState->m_hHookOldCbtFilter == NULL)
        // This thread's hook: Win32 refuses a system-wide one without a module to load.
        pState->m_hHookOldCbtFilter =
            ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL) {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    if (pState->m_pWndInit != NULL) {
        pState->m_pWndInit = NULL;
        return FALSE; // no window was made for the object
    }
    return TRUE;
}

namespace afx_internal {
CWnd* AdoptPendingWindow(HWND hWnd) {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pWnd = pState->m_pWndInit;
    if (pWnd == NULL)
        return NULL;
    pState->m_pWndInit = NULL;
    if (!pWnd->Attach(hWnd))
        return NULL;
    return pWnd;
}

void ForgetPendingWindow(CWnd* pWnd) {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pWndInit == pWnd)
        pState->m_pWndInit = NULL;
}

void ForgetDestroyedWindow(HWND hWnd) {
    // An object whose map replaced WM_NCDESTROY without calling CWnd::OnNcDestroy would keep a
    // dead handle; let go of it so the handle cannot reach the object again.
    if (CWnd* pWnd = CWnd::FromHandlePermanent(hWnd))
        pWnd->Detach();
}
} // namespace afx_internal

// ---- Creation ------------------------------------------------------------------------------

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
    if (m_hWnd != NULL)
        return FALSE; // one object, one window

    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    // A refusal here or a failed creation leaves the object as it was: no window ever
    // belonged to it, so it is not treated as destroyed and the caller still owns it.
    if (!PreCreateWindow(cs))
        return FALSE;

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pOldInit = pState->m_pWndInit;
    HHOOK hOldHook = pState->m_hHookOldCbtFilter;
    pState->m_hHookOldCbtFilter = NULL;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                  static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    BOOL bAttachedEarly = AfxUnhookWindowCreate();
    pState->m_pWndInit = pOldInit;
    pState->m_hHookOldCbtFilter = hOldHook;
    if (hWnd == NULL)
        return FALSE; // also when the window was destroyed while it was being made

    if (!bAttachedEarly) {
        // The window was made without the hook seeing it; take it over now.
        if (FromHandlePermanent(hWnd) != NULL)
            return FALSE; // another object adopted it on its first message
        return SubclassWindow(hWnd);
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, GetSafeHwndOf(pParentWnd),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext*) {
    // Create makes child windows; a pop-up needs CreateEx.
    if (dwStyle & WS_POPUP)
        return FALSE;
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(NULL, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

// ---- Subclassing ---------------------------------------------------------------------------

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    WNDPROC afxWndProc = AfxGetAfxWndProc();
    WNDPROC oldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(afxWndProc)));
    // The first window of a class fills a class-wide slot; per-object slots start empty.
    if (*lplpfn == NULL && oldWndProc != afxWndProc)
        *lplpfn = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(GetSafeHwndOf(pParent), static_cast<int>(nID));
    if (hWndControl == NULL)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == NULL)
        return NULL;
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*lplpfn));
    *lplpfn = NULL;
    return Detach();
}

// ---- Destruction ---------------------------------------------------------------------------

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == NULL)
        return FALSE;
    BOOL bInPermanentMap = FromHandlePermanent(m_hWnd) == this;
    HWND hWnd = m_hWnd;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A permanent object was detached by WM_NCDESTROY and may even have deleted itself: do not
    // touch it. A temporary object only forgets the handle.
    if (!bInPermanentMap)
        Detach();
    return bResult;
}

void CWnd::OnNcDestroy() {
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hLockoutNotifyWindow == m_hWnd)
        pState->m_hLockoutNotifyWindow = NULL;
    if (CWinThread* pThread = AfxGetThread()) {
        // The application ends with its main window.
        if (pThread->m_pMainWnd == this) {
            AfxPostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }

    // Pass the message on, give the window back its own procedure, and let go of it.
    LONG_PTR pfnWndProc = ::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC);
    Default();
    if (::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC) == pfnWndProc) {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != NULL)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnSuper));
    }
    Detach();

    // Last: a class that owns itself deletes the object here, or as soon as its own handler
    // that led to the destruction has returned.
    if (!afx_internal::DeferPostNcDestroy(this))
        PostNcDestroy();
}

void CWnd::PostNcDestroy() {}
