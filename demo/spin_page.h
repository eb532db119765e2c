// Gallery page 1: the spin control in its four kinds.
#pragma once

#include <string>

// Opens the page, drives its session, prints what the host hears and saves "spin-before.png"
// and "spin-after.png" in outDir. False when the page could not be shown or a picture saved.
bool RunSpinPage(const std::string& outDir);

// Opens the page for a person (the host's own message loop, no script) and returns when the
// page is closed or the application told to quit; prints what the host hears, where the whole
// number control is, and saves the screen as "spin-live.png" in outDir before closing.
bool OpenSpinPage(const std::string& outDir);
