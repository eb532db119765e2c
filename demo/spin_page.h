// Gallery page 1: the spin control in its four kinds.
#pragma once

#include <string>

// Opens the page, drives its session, prints what the host hears and saves "spin-before.png"
// and "spin-after.png" in outDir. False when the page could not be shown or a picture saved.
bool RunSpinPage(const std::string& outDir);
