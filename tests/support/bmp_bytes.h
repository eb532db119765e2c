// BMP files made in memory for resource tables: one colour, or one colour with a rectangle of
// another, at any size. Eight bits per pixel keep even a 4000x4000 picture at 16 MB.
#pragma once

#include <windows.h>

#include <vector>

namespace test_support {

// The bytes of an 8-bit BMP file, w x h pixels of `colour`, with the pixels of `mark` (right and
// bottom exclusive, in top-down coordinates) in `markColour`.
inline std::vector<BYTE> BmpBytes(int w, int h, COLORREF colour, RECT mark = RECT{0, 0, 0, 0},
                                  COLORREF markColour = 0) {
    const int stride = (w + 3) & ~3;
    const DWORD paletteBytes = 2 * 4;
    const DWORD offBits = 14 + 40 + paletteBytes;
    const DWORD size = offBits + static_cast<DWORD>(stride) * static_cast<DWORD>(h);
    std::vector<BYTE> b(size, 0);
    auto put16 = [&](std::size_t at, unsigned v) {
        b[at] = static_cast<BYTE>(v);
        b[at + 1] = static_cast<BYTE>(v >> 8);
    };
    auto put32 = [&](std::size_t at, unsigned v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, offBits);
    put32(14, 40);
    put32(18, static_cast<unsigned>(w));
    put32(22, static_cast<unsigned>(h));
    put16(26, 1);
    put16(28, 8);
    put32(46, 2); // colours used
    const COLORREF palette[2] = {colour, markColour};
    for (int i = 0; i < 2; ++i) {
        b[54 + 4 * i] = GetBValue(palette[i]);
        b[54 + 4 * i + 1] = GetGValue(palette[i]);
        b[54 + 4 * i + 2] = GetRValue(palette[i]);
    }
    for (int y = mark.top; y < mark.bottom && y < h; ++y) {
        for (int x = mark.left; x < mark.right && x < w; ++x) {
            // Rows are stored bottom-up.
            b[offBits + static_cast<std::size_t>(h - 1 - y) * stride + x] = 1;
        }
    }
    return b;
}

} // namespace test_support
