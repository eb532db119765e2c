// What the parts of the driver on real Win32 share.
#pragma once

namespace desktop {

// Puts back the "Intl" values the driver wrote into the system's profile (profile_win32.cpp).
void ForgetProfileChanges();

} // namespace desktop
