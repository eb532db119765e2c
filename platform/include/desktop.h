// The driver: the one interface through which tests, the gallery and benchmarks set up the
// platform and act on it as a user would. Each layer adds its part under desktop/.
#pragma once

#include <windows.h>

namespace desktop {

// Returns the whole platform to a clean start state: no windows, no GDI objects of the host,
// the default screen, metrics, colours, version, profile and clock.
void reset();

} // namespace desktop

#if __has_include("desktop/kernel.h")
#include "desktop/kernel.h"
#endif
#if __has_include("desktop/gdi.h")
#include "desktop/gdi.h"
#endif
#if __has_include("desktop/user.h")
#include "desktop/user.h"
#endif
#if __has_include("desktop/afx.h")
#include "desktop/afx.h"
#endif
