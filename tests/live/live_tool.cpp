// What the live display's test needs from X11 besides xdotool and xwd:
//   live_tool idle WINDOW             waits until the window has handled every event sent before
//                                     and shown the result (the _RUZAV_IDLE ping)
//   live_tool close WINDOW            asks the window to close, as a window manager's close
//                                     button does (WM_DELETE_WINDOW)
//   live_tool compare XWD PNG X Y W H compares an xwd picture with a PNG in that area, pixel for
//                                     pixel; the first difference is printed
#include <desktop.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: live_tool idle|close WINDOW | compare XWD PNG X Y W H\n");
    return 2;
}

Display* OpenDisplay() {
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        std::fprintf(stderr, "live_tool: cannot open the X display\n");
    return d;
}

void SendClientMessage(Display* d, Window w, Atom type, long value) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = type;
    e.xclient.format = 32;
    e.xclient.data.l[0] = value;
    XSendEvent(d, w, False, NoEventMask, &e);
    XSync(d, False);
}

bool ReadIdle(Display* d, Window w, Atom prop, long* value) {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, prop, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                           &data) != Success)
        return false;
    const bool ok = data && items == 1 && format == 32;
    if (ok)
        *value = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return ok;
}

int Idle(Window w) {
    Display* d = OpenDisplay();
    if (!d)
        return 1;
    const Atom ping = XInternAtom(d, "_RUZAV_IDLE_PING", False);
    const Atom pong = XInternAtom(d, "_RUZAV_IDLE", False);
    const long token =
        static_cast<long>(std::chrono::steady_clock::now().time_since_epoch().count() & 0x7FFFFFFF);
    SendClientMessage(d, w, ping, token);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    long value = 0;
    while (!ReadIdle(d, w, pong, &value) || value != token) {
        if (std::chrono::steady_clock::now() > deadline) {
            std::fprintf(stderr, "live_tool: window 0x%lx never became idle\n", w);
            XCloseDisplay(d);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    XCloseDisplay(d);
    return 0;
}

int Close(Window w) {
    Display* d = OpenDisplay();
    if (!d)
        return 1;
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XSync(d, False);
    XCloseDisplay(d);
    return 0;
}

std::uint32_t Card32(const std::vector<unsigned char>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

// An xwd file of a 32-bit true-colour window, as colours.
bool ReadXwd(const char* path, desktop::Image* image) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                 std::istreambuf_iterator<char>());
    if (b.size() < 100)
        return false;
    const std::uint32_t headerSize = Card32(b, 0), width = Card32(b, 16), height = Card32(b, 20);
    const std::uint32_t byteOrder = Card32(b, 28), bitsPerPixel = Card32(b, 44);
    const std::uint32_t bytesPerLine = Card32(b, 48), ncolors = Card32(b, 76);
    const std::size_t data = headerSize + static_cast<std::size_t>(ncolors) * 12;
    if (bitsPerPixel != 32 || data + static_cast<std::size_t>(bytesPerLine) * height > b.size())
        return false;
    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    image->pixels.clear();
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = &b[data + y * bytesPerLine + x * 4];
            const std::uint32_t v = byteOrder == 0 ? (std::uint32_t{p[3]} << 24) |
                                                         (std::uint32_t{p[2]} << 16) |
                                                         (std::uint32_t{p[1]} << 8) | p[0]
                                                   : Card32(b, data + y * bytesPerLine + x * 4);
            image->pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
        }
    return true;
}

int Compare(const char* xwdPath, const char* pngPath, int x0, int y0, int w, int h) {
    desktop::Image shot, frame;
    if (!ReadXwd(xwdPath, &shot) || !desktop::ReadPng(pngPath, &frame)) {
        std::fprintf(stderr, "live_tool: cannot read %s or %s\n", xwdPath, pngPath);
        return 1;
    }
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (shot.at(x, y) == CLR_INVALID || shot.at(x, y) != frame.at(x, y)) {
                std::fprintf(stderr,
                             "live_tool: at %d,%d the window shows %06lx, the frame %06lx\n", x, y,
                             static_cast<unsigned long>(shot.at(x, y)),
                             static_cast<unsigned long>(frame.at(x, y)));
                return 1;
            }
    std::printf("%dx%d pixels at %d,%d alike\n", w, h, x0, y0);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "idle") == 0)
        return Idle(std::strtoul(argv[2], nullptr, 0));
    if (argc == 3 && std::strcmp(argv[1], "close") == 0)
        return Close(std::strtoul(argv[2], nullptr, 0));
    if (argc == 8 && std::strcmp(argv[1], "compare") == 0)
        return Compare(argv[2], argv[3], std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6]),
                       std::atoi(argv[7]));
    return Usage();
}
