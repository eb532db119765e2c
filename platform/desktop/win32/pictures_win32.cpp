// The driver's pictures on real Win32: a window or a rectangle of the screen, read with BitBlt
// into a 32-bit DIB and saved as PNG. The PNG is written here (stored, not compressed: a picture of
// a dialog is a few hundred kilobytes) so that the Win32 build needs nothing beyond the system.
#include <desktop.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace desktop {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put32(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Crc32(const std::uint8_t* p, size_t n) {
    static std::uint32_t table[256];
    if (table[1] == 0) {
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
    }
    std::uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i)
        c = table[(c ^ p[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void Chunk(Bytes& out, const char type[4], const Bytes& data) {
    Put32(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, Crc32(&out[start], out.size() - start));
}

// A zlib stream of stored blocks (at most 65535 bytes each) and the Adler-32 of the data.
Bytes Stored(const Bytes& raw) {
    Bytes z{0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = raw.size() - at < 65535 ? raw.size() - at : 65535;
        z.push_back(at + n == raw.size() ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n));
        z.push_back(static_cast<std::uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                 raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, b << 16 | a);
    return z;
}

bool WritePng(const char* path, int w, int h, const std::uint32_t* bgrx) {
    Bytes raw;
    raw.reserve(static_cast<size_t>(h) * (1 + 3 * static_cast<size_t>(w)));
    for (int y = 0; y < h; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = bgrx[static_cast<size_t>(y) * w + x];
            raw.push_back(static_cast<std::uint8_t>(c >> 16));
            raw.push_back(static_cast<std::uint8_t>(c >> 8));
            raw.push_back(static_cast<std::uint8_t>(c));
        }
    }
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    Put32(header, static_cast<std::uint32_t>(w));
    Put32(header, static_cast<std::uint32_t>(h));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", Stored(raw));
    Chunk(png, "IEND", Bytes());
    std::FILE* f = std::fopen(path, "wb");
    if (f == nullptr)
        return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && written;
}

// w x h pixels of a DC from (x, y) on.
bool SaveDcPng(HDC source, int x, int y, int w, int h, const char* path) {
    if (source == nullptr || w <= 0 || h <= 0)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = false;
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        ok = BitBlt(memory, 0, 0, w, h, source, x, y, SRCCOPY) &&
             WritePng(path, w, h, static_cast<const std::uint32_t*>(bits));
        SelectObject(memory, old);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (memory != nullptr)
        DeleteDC(memory);
    return ok;
}

} // namespace

// The screen can be read only where the system lets a program read it (not under Wine's null
// graphics driver, which has no screen); a window's own DC can always be read.
bool SaveScreenPng(const char* path, const RECT& area) {
    PumpUntilIdle();
    HDC screen = GetDC(nullptr);
    const bool ok = SaveDcPng(screen, area.left, area.top, area.right - area.left,
                              area.bottom - area.top, path);
    ReleaseDC(nullptr, screen);
    return ok;
}

SIZE ScreenSize() {
    return SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool SaveScreenPng(const char* path) {
    const RECT all{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return SaveScreenPng(path, all);
}

bool SaveWindowPng(HWND hwnd, const char* path) {
    RECT r{};
    if (!GetWindowRect(hwnd, &r))
        return false;
    PumpUntilIdle();
    HDC window = GetWindowDC(hwnd);
    const bool ok = SaveDcPng(window, 0, 0, r.right - r.left, r.bottom - r.top, path);
    ReleaseDC(hwnd, window);
    return ok;
}

} // namespace desktop
