#include "gallery_support.h"

namespace gallery {

void Idle() {
    desktop::PumpUntilIdle();
    desktop::AfxIdle();
}

std::string Join(const std::string& dir, const char* name) {
    return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

std::vector<BYTE> ButtonBmp(int w, int h, COLORREF face, COLORREF mark, bool sunken) {
    const int stride = (w * 3 + 3) & ~3;
    const std::size_t offBits = 14 + 40;
    const std::size_t size = offBits + static_cast<std::size_t>(stride) * h;
    std::vector<BYTE> b(size, 0);
    auto put32 = [&](std::size_t at, unsigned v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = static_cast<BYTE>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<unsigned>(size));
    put32(10, static_cast<unsigned>(offBits));
    put32(14, 40);
    put32(18, static_cast<unsigned>(w));
    put32(22, static_cast<unsigned>(h));
    b[26] = 1;  // planes
    b[28] = 24; // bits per pixel
    const COLORREF light = RGB(255, 255, 255);
    const COLORREF dark = RGB(64, 64, 64);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            COLORREF c = face;
            // Bottom and right win at the corners they share with top and left.
            if (x >= w - 2 || y >= h - 2)
                c = sunken ? light : dark;
            else if (x < 2 || y < 2)
                c = sunken ? dark : light;
            const bool inMark =
                x >= w / 4 && x < w - w / 4 && y >= h / 2 - h / 8 && y < h / 2 + h / 8 + 1;
            if (inMark)
                c = mark;
            BYTE* p = &b[offBits + static_cast<std::size_t>(h - 1 - y) * stride + x * 3];
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return b;
}

} // namespace gallery
