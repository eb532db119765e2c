// The framework's part of the driver.
#include <desktop.h>

#include "afx/afx_internal.h"
#include "desktop/framework_hooks.h"
#include "user/user_internal.h"

namespace desktop {

std::size_t AfxPermanentWindowCount() {
    return afx_internal::PermanentWindowCount();
}

std::size_t AfxTemporaryWindowCount() {
    return afx_internal::TemporaryWindowCount();
}

void AfxIdle() {
    AfxDeleteTempMaps();
}

int AfxAssertFailures() {
    return AfxAssertFailureCount();
}

} // namespace desktop

namespace {

// A frame window's messages pass its PreTranslateMessage first (accelerators), as in the
// framework's own message loop; other windows keep the plain pump.
bool FramePreTranslate(MSG& msg) {
    if (!afx_internal::AnyFrameObject())
        return false;
    HWND hTop = wm::ChildChainTop(msg.hwnd);
    CWnd* pTop = hTop != NULL ? CWnd::FromHandlePermanent(hTop) : NULL;
    if (pTop == NULL || !pTop->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return false;
    return afx_internal::PreTranslateThroughFramework(&msg) != FALSE;
}

struct InstallPumpFilter {
    InstallPumpFilter() { wm::AddPumpFilter(&FramePreTranslate); }
} g_installPumpFilter;

} // namespace

namespace framework_hooks {
void IdleMoment() {
    AfxIdleUpdateFrames();
}
} // namespace framework_hooks
