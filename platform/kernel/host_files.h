// Whole-file reads and writes on host paths, for the profile calls.
#pragma once

#include <string>

namespace kernel {

// False when the file is missing or cannot be read; the caller treats both as "no file".
bool ReadWholeFile(const std::string& hostPath, std::string* contents);

// Replaces the file's contents. False (with the last error set) when the folder is missing or
// the file cannot be written.
bool WriteWholeFile(const std::string& hostPath, const std::string& contents);

// Creates the folder and its missing parents.
bool MakeFolders(const std::string& hostFolder);

} // namespace kernel
