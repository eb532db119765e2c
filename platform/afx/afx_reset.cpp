#include "desktop/layer_reset.h"

namespace platform_reset {
void afx() {}
} // namespace platform_reset
