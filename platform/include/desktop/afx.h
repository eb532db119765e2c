// The driver's view of the framework: how many framework objects are alive, for tests that
// show objects are attached, detached and deleted as they should be.
#pragma once

#include <cstddef>

namespace desktop {

// Windows that have a permanent framework object (CWnd::Attach, creation, subclassing).
std::size_t AfxPermanentWindowCount();
// Temporary CWnd objects made by CWnd::FromHandle and not yet deleted at idle time.
std::size_t AfxTemporaryWindowCount();
// Deletes the temporary framework objects now, as idle time in a message loop would.
void AfxIdle();
// Assertions the framework (or code using ASSERT) reported since the last reset.
int AfxAssertFailures();

} // namespace desktop
