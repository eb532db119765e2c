#include "desktop/layer_reset.h"

namespace platform_reset {
void kernel() {}
} // namespace platform_reset
