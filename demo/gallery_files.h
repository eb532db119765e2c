// The few file-system calls the gallery host makes, on POSIX calls that both of its builds have
// (std::filesystem takes Windows paths in the Win32 build, whose files are still the host's).
#pragma once

#include <map>
#include <string>
#include <utility>

namespace gallery {

// Makes the folder and its missing parents; false with the reason when it cannot.
bool MakeFolders(const std::string& dir, std::string* error);
// The absolute path of an existing regular file, or empty.
std::string ExistingFile(const std::string& path);

// When each PNG file in a folder was last written (seconds, nanoseconds), by file name.
using Stamp = std::pair<long long, long>;
std::map<std::string, Stamp> PngStamps(const std::string& dir);

} // namespace gallery
