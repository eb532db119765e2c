#include "kernel/layer_reset.h"

#include "gdi/gdi_internal.h"
#include "gdi/gdi_objects.h"

namespace platform_reset {

// Deletes every object of the host and the layers above (DCs first, so nothing is left
// selected), except stock and permanent ones, and restores the default screen.
void ResetGdi() {
    using namespace ::gdi;
    for (void* handle : AllHandles()) {
        Dc* dc = LookupDc(handle);
        if (dc && !dc->permanent)
            DeleteDC(static_cast<HDC>(handle));
    }
    for (void* handle : AllHandles()) {
        Object* o = Lookup(handle);
        if (o && !o->stock && !o->permanent) {
            o->selections = 0;
            Destroy(handle);
        }
    }
    gdi_internal::SetScreenSize(1024, 768);
    gdi_internal::ClearScreen(gdi_internal::SysColor(1));
}

} // namespace platform_reset

namespace {
// Loading the layer enrols its reset with the kernel's registry.
struct Enrol {
    Enrol() { platform_reset::Register(platform_reset::Layer::gdi, platform_reset::ResetGdi); }
} const enrolled;
} // namespace
