// What the parts of the driver on real Win32 share.
#pragma once

namespace desktop {

// Puts back the "Intl" values the driver wrote into the system's profile (profile_win32.cpp).
void ForgetProfileChanges();

// Input given inside a scripted step is left to the loop that runs the step (a modal dialog's,
// an open menu's), as a user's input would be; elsewhere the driver pumps it itself.
bool InStep();
void PumpUnlessInStep();

} // namespace desktop
