#include "kernel/layer_reset.h"

#include "kernel/handle_table.h"
#include "kernel/kernel_internal.h"
#include "kernel/kernel_config.h"
#include "kernel/profile_cache.h"

#include <resources.h>

#include <sys/stat.h>

namespace platform_reset {
namespace {

void (*g_resets[4])() = {};

// The kernel's start state under the driver: a manual clock, version 4.0 on platform 2, Z: for
// the host's root and C: for a fresh temporary drive whose WINDOWS folder holds an empty user
// profile that answers no "Intl" key and whose TEMP folder is GetTempPathA's, no resources, no
// open handles.
void ResetKernel() {
    kernel::RemoveAllHandles();
    kernel::FreeAllGlobalBlocks();
    kernel::RemoveTempFolders();
    resources::ClearAll();
    kernel::ResetDrives();
    kernel::ClearModuleFileOverrides();
    kernel::ResetVersion();
    kernel::UseManualClock();
    std::string drive = kernel::MakeTempFolder();
    mkdir((drive + "/WINDOWS").c_str(), 0755);
    mkdir((drive + "/TEMP").c_str(), 0755);
    kernel::MapDrive('C', drive);
    kernel::SetWindowsFolder(drive + "/WINDOWS");
    kernel::SetTempFolder(drive + "/TEMP");
    kernel::SetProfileFile("");
    kernel::SetIntlNone();
    kernel::ForgetCachedIniFiles();
}

} // namespace

void Register(Layer layer, void (*reset)()) {
    g_resets[static_cast<int>(layer)] = reset;
}

void ResetAll() {
    for (int layer = static_cast<int>(Layer::afx); layer > 0; --layer) {
        if (g_resets[layer]) {
            g_resets[layer]();
        }
    }
    ResetKernel();
}

} // namespace platform_reset
