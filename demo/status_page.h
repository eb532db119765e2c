// Gallery page 2: a main frame with a menu, accelerators and an extended status bar.
#pragma once

#include <string>

// Opens the page, drives its session, prints what the host hears and saves
// "status-menu-open.png" and "status-after.png" in outDir. False when the page could not be
// shown or a picture saved.
bool RunStatusPage(const std::string& outDir);
