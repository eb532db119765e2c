// Returns the framework to its start state for desktop::reset().
#include "kernel/layer_reset.h"

#include "afx/afx_internal.h"

#include <vector>

namespace platform_reset {
void ResetAfx() {
    // Windows that still have framework objects are destroyed through the framework, so that
    // objects that own themselves are deleted (PostNcDestroy) and host-owned ones let go of
    // their handles; the window manager's own reset then finds nothing of ours left.
    std::vector<HWND> windows(afx_internal::PermanentWindowCount());
    size_t nCount = 0;
    afx_internal::CollectPermanentWindows(windows.data(), windows.size(), &nCount);
    windows.resize(nCount < windows.size() ? nCount : windows.size());
    for (HWND hWnd : windows) {
        if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) != NULL)
            ::DestroyWindow(hWnd);
    }
    afx_internal::ForgetPermanentMap();
    afx_internal::ForgetFrames();
    AfxDeleteTempMaps();

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
    *pState = AFX_THREAD_STATE();

    afx_internal::ForgetRegisteredClassNames();
    afx_internal::ResetModuleState();
    afx_internal::ResetAssertFailureCount();
}
} // namespace platform_reset

namespace {
// Loading the layer enrols its reset with the kernel's registry.
struct Enrol {
    Enrol() { platform_reset::Register(platform_reset::Layer::afx, platform_reset::ResetAfx); }
} const enrolled;
} // namespace
