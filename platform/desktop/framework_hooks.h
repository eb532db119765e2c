// What the driver's pump asks of the framework, as a framework host's own loop would do it.
#pragma once

namespace framework_hooks {
// Idle time: the framework's idle updates (frames, their bars and panes).
void IdleMoment();
} // namespace framework_hooks
