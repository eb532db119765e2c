#include "desktop/layer_reset.h"

namespace platform_reset {
void user() {}
} // namespace platform_reset
