#include <desktop.h>

#include "desktop/layer_reset.h"

namespace desktop {

void reset() {
    platform_reset::afx();
    platform_reset::user();
    platform_reset::gdi();
    platform_reset::kernel();
}

} // namespace desktop
