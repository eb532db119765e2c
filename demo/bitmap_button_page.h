// Gallery page 4: bitmap buttons.
#pragma once

#include <string>

// Opens a dialog with bitmap buttons that find their images by their titles (one with all four
// images, one with only the normal and disabled ones, one with the normal one alone), presses,
// focuses and disables them by script, prints what the host hears and saves
// "bitmap-buttons-*.png" in outDir.
bool RunBitmapButtonPage(const std::string& outDir);
