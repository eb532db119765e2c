// Profile files held parsed between calls, so that a program reading the same keys again and
// again (a control formatting a time reads "iTime" on every step) neither reads nor parses the
// file nor even looks at it each time. The platform's own writes are seen by the next read; a
// file changed behind the platform's back is seen within ProfileChangeLatencyNs().
#pragma once

#include "kernel/ini_file.h"

#include <string>

namespace kernel {

// The file at hostPath as it is now on disk; a missing or unreadable file reads as an empty
// one (*present false). The reference stays valid until the next call into this cache. In steady
// state (file unchanged) a call makes no system call (one stat every few milliseconds at most)
// and allocates nothing.
const IniFile& CachedIniFile(const std::string& hostPath, bool* present);

// What a caller reading one file again and again keeps between calls, so that the file's entry is
// found without comparing paths while nothing held has been made, dropped or loaded since. A hint
// belongs to one path: a caller that changes the path starts from an empty hint.
struct CachedIniHint {
    const void* entry = nullptr;
    unsigned long generation = 0;
};
const IniFile& CachedIniFile(const std::string& hostPath, bool* present, CachedIniHint* hint);

// Drops what is held for one file (the kernel has just written it) or for all files (reset).
void ForgetCachedIniFile(const std::string& hostPath);
void ForgetCachedIniFiles();

// A number that changes whenever any held file may read differently: a file loaded or read
// again, an entry dropped or made. Answers remembered from a held file stay good while it holds.
unsigned long CachedIniGeneration();

// The longest real time after which a change made outside the platform is seen (a few ms).
long long ProfileChangeLatencyNs();

} // namespace kernel
