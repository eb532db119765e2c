// The standard controls register themselves as system classes of the window manager.
#pragma once

namespace user_controls {

// Registers "EDIT", "STATIC", "SCROLLBAR" and "BUTTON" as global system classes. The window
// manager calls it at start-up and after every reset, once its class table is empty.
void RegisterSystemClasses();

} // namespace user_controls
