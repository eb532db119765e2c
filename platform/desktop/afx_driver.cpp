// The framework's part of the driver.
#include <desktop.h>

#include "afx/afx_internal.h"

namespace desktop {

std::size_t AfxPermanentWindowCount() {
    return afx_internal::PermanentWindowCount();
}

std::size_t AfxTemporaryWindowCount() {
    return afx_internal::TemporaryWindowCount();
}

void AfxIdle() {
    AfxDeleteTempMaps();
}

int AfxAssertFailures() {
    return AfxAssertFailureCount();
}

} // namespace desktop
