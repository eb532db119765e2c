// Gallery page 3: pop-up tips.
#pragma once

#include <string>

// Pops tips near a control and at the right screen edge, plain and rounded, over a host window
// whose field keeps the focus while the user types; prints what the host sees and saves
// "popup-tips.png" (the screen around the host) and "popup-tip-edge.png" in outDir.
bool RunPopupTipPage(const std::string& outDir);
