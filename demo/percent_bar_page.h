// Gallery page 2: percent bars.
#pragma once

#include <string>

// Opens a dialog with bars at 0, 37, 50 and 100 % from its template and one that a host timer
// drives through a scripted minute; prints what the host sets and saves "percent-bars.png" and
// "percent-bars-timer-*.png" in outDir. False when the page could not be shown or a picture saved.
bool RunPercentBarPage(const std::string& outDir);
