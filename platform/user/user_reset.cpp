// Start-up and reset of the window manager: no windows, classes, timers, queue, focus, key
// state, help requests or message boxes; classic metrics and colours; the system classes.
#include "kernel/layer_reset.h"
#include "kernel/kernel_internal.h"
#include "user/controls/system_classes.h"
#include "user/menu_layout.h"
#include "user/user_internal.h"

namespace wm {

bool g_started = false;

namespace {

void RegisterSystemClasses() {
    ClearClasses();
    SetRegisteringSystemClasses(true);
    RegisterDialogClass();
    RegisterMenuClass();
    user_controls::RegisterSystemClasses();
    SetRegisteringSystemClasses(false);
}

} // namespace

void RegisterDialogClass() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS | CS_SAVEBITS;
    wc.lpfnWndProc = DefDlgProcA;
    wc.cbWndExtra = DLGWINDOWEXTRA;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = "#32770";
    RegisterClassA(&wc);
}

void Start() {
    if (g_started) {
        return;
    }
    g_started = true;
    ResetMetrics();
    RegisterSystemClasses();
    kernel::SetClockAdvanceHandler(AdvanceClockFiringTimers);
}

} // namespace wm

namespace platform_reset {
void ResetUser() {
    using namespace wm;
    EnsureStarted();
    ResetSteps();
    DestroyAllWindows();
    ResetMenus();
    ResetAccelerators();
    ResetQueue();
    ResetTimers();
    ResetFocus();
    ResetInput();
    ResetHooks();
    ResetCursorAndCaret();
    ResetHelpAndBoxes();
    ResetMetrics();
    RegisterSystemClasses();
    kernel::SetClockAdvanceHandler(AdvanceClockFiringTimers);
}
} // namespace platform_reset

namespace {
// Loading the layer enrols its reset with the kernel's registry.
struct Enrol {
    Enrol() { platform_reset::Register(platform_reset::Layer::user, platform_reset::ResetUser); }
} const enrolled;
} // namespace
