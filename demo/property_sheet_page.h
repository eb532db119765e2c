// Gallery page: a host's options sheet built on the library's property sheet and pages.
#pragma once

#include <string>

// Opens the sheet modally, drives its session, prints what the host receives and saves
// "sheet-general.png", "sheet-spin.png" and "sheet-advanced.png" in outDir. False when the
// sheet could not be shown or a picture saved.
bool RunPropertySheetPage(const std::string& outDir);
