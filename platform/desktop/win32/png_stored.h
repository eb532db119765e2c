// PNG files written with stored (uncompressed) deflate blocks: the Win32 build of the driver
// saves its pictures with this, so that it needs nothing beyond the system. A dialog's picture
// is a few hundred kilobytes this way.
#pragma once

#include <cstdint>

namespace desktop {

// w x h pixels, rows top to bottom, each 0x00RRGGBB (a 32-bit DIB's order), as 8-bit RGB. False
// when the file cannot be written.
bool WriteStoredPng(const char* path, int w, int h, const std::uint32_t* pixels);

} // namespace desktop
