// What the framework's own source files share and nothing outside platform/afx may use.
#pragma once

namespace afx_internal {
void ResetAssertFailureCount();
} // namespace afx_internal
