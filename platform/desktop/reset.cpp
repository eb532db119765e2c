#include <desktop.h>

#include "kernel/layer_reset.h"

namespace desktop {

void reset() {
    platform_reset::ResetAll();
}

} // namespace desktop
