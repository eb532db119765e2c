// BMP files made in memory for loaders and resource tables: any depth the loaders take, either row
// order, and a gap before the pixels as some writers leave. Eight bits per pixel keep even a
// 4000x4000 picture at 16 MB.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

namespace test_support {

// The bytes of a w x h BMP file at `bpp` bits (1, 4, 8, 24 or 32). `pixel(x, y)`, in top-down
// coordinates, gives a palette index at 8 bits or fewer and a colour above; `gap` bytes lie
// between the headers (with the palette) and the pixels.
template <typename Pixel>
std::vector<BYTE> BmpFile(int w, int h, int bpp, const std::vector<COLORREF>& palette, Pixel pixel,
                          bool topDown = false, std::size_t gap = 0) {
    const std::size_t stride = static_cast<std::size_t>(((w * bpp + 31) / 32) * 4);
    const std::size_t offBits = 14 + 40 + 4 * palette.size() + gap;
    std::vector<BYTE> b(offBits + stride * static_cast<std::size_t>(h), 0);
    auto put32 = [&](std::size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<BYTE>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<unsigned>(b.size()));
    put32(10, static_cast<unsigned>(offBits));
    put32(14, 40);
    put32(18, static_cast<unsigned>(w));
    put32(22, static_cast<unsigned>(topDown ? -h : h));
    b[26] = 1;
    b[28] = static_cast<BYTE>(bpp);
    put32(46, static_cast<unsigned>(palette.size())); // colours used
    for (std::size_t i = 0; i < palette.size(); ++i) {
        b[54 + 4 * i] = GetBValue(palette[i]);
        b[54 + 4 * i + 1] = GetGValue(palette[i]);
        b[54 + 4 * i + 2] = GetRValue(palette[i]);
    }
    for (int y = 0; y < h; ++y) {
        BYTE* row = &b[offBits + stride * static_cast<std::size_t>(topDown ? y : h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            const unsigned v = static_cast<unsigned>(pixel(x, y));
            if (bpp > 8) {
                const int bytes = bpp / 8;
                row[x * bytes] = GetBValue(v);
                row[x * bytes + 1] = GetGValue(v);
                row[x * bytes + 2] = GetRValue(v);
            } else {
                const int perByte = 8 / bpp, shift = 8 - bpp * (x % perByte + 1);
                row[x / perByte] |= static_cast<BYTE>(v << shift);
            }
        }
    }
    return b;
}

// An 8-bit BMP file, w x h pixels of `colour`, with the pixels of `mark` (right and bottom
// exclusive) in `markColour`.
inline std::vector<BYTE> BmpBytes(int w, int h, COLORREF colour, RECT mark = RECT{0, 0, 0, 0},
                                  COLORREF markColour = 0) {
    return BmpFile(w, h, 8, {colour, markColour}, [&](int x, int y) {
        return x >= mark.left && x < mark.right && y >= mark.top && y < mark.bottom ? 1 : 0;
    });
}

} // namespace test_support
