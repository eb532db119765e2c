#include "desktop/layer_reset.h"

namespace platform_reset {
void gdi() {}
} // namespace platform_reset
