// PNG files of 0x00RRGGBB pixel rows, for the driver's screenshots and the tests that read them.
#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

// Writes width x height pixels (rows top to bottom) as an 8-bit RGB PNG. False on any failure.
bool WritePng(const char* path, const std::uint32_t* pixels, int width, int height);
// Reads a PNG of any colour type into 0x00RRGGBB pixels (alpha dropped). False on failure.
bool ReadPng(const char* path, std::vector<std::uint32_t>* pixels, int* width, int* height);

} // namespace gdi
