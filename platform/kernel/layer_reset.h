// The registry of layer resets, kept by the lowest layer so that no layer reaches up to the
// driver: each layer above the kernel registers its reset when it loads, and the driver's
// desktop::reset() runs them all, the highest layer first (framework objects, then windows,
// then GDI objects), the kernel's own reset last.
#pragma once

namespace platform_reset {

// Layers by height; a higher layer is reset before a lower one.
enum class Layer { gdi = 1, user = 2, afx = 3 };

// Registering a layer twice replaces its reset.
void Register(Layer layer, void (*reset)());

// Runs every registered reset from the top down, then the kernel's.
void ResetAll();

} // namespace platform_reset
