// Profile files held parsed between calls, so that a program reading the same keys again and
// again (a control formatting a time reads "iTime" on every step) neither reads nor parses the
// file each time, yet still sees at once a file changed behind the platform's back.
#pragma once

#include "kernel/ini_file.h"

#include <string>

namespace kernel {

// The file at hostPath as it is now on disk; a missing or unreadable file reads as an empty
// one (*present false). The reference stays valid until the next call into this cache. In steady
// state (file unchanged) a call costs one stat and allocates nothing.
const IniFile& CachedIniFile(const std::string& hostPath, bool* present);

// Drops what is held for one file (the kernel has just written it) or for all files (reset).
void ForgetCachedIniFile(const std::string& hostPath);
void ForgetCachedIniFiles();

} // namespace kernel
