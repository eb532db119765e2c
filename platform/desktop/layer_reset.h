// Each platform layer returns itself to its start state on desktop::reset().
// The driver calls them top-down: framework objects first, then windows, GDI objects, kernel.
#pragma once

namespace platform_reset {
void afx();
void user();
void gdi();
void kernel();
} // namespace platform_reset
