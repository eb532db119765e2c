// The live display on X11 (Xlib): connection, window, presenting changed areas, and X events
// turned into the platform's input.
//
// Index: state - presenting - events - the idle wait - Start/Stop.
#include <desktop/live.h>

#include "desktop/input_post.h"
#include "desktop/live_keys.h"
#include "gdi/gdi_internal.h"
#include "kernel/kernel_config.h"
#include "kernel/kernel_internal.h"
#include "user/user_internal.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

namespace desktop::live {
namespace {

// Expose rectangles beyond this many are merged into their bounding box: a storm of exposures
// (a window dragged across ours) then costs one picture, not thousands.
constexpr std::size_t kMaxExposed = 16;
// A host that keeps waiting for input after its window is gone is given this long to notice
// WM_QUIT before the process ends, so a loop that ignores it cannot hang.
constexpr DWORD kQuitGraceMs = 3000;

struct LiveState {
    Display* display = nullptr;
    Window window = 0;
    Atom deleteWindow = 0;
    Atom idlePing = 0; // a client asks to hear when everything before it is shown
    Atom idlePong = 0; // the property the answer goes in
    bool pingPending = false;
    long pingValue = 0;
    XImage* image = nullptr;
    GC gc = nullptr;
    bool mapped = false;
    bool closed = false;
    DWORD startTick = 0;
    DWORD closedTick = 0;
    std::vector<RECT> exposed;
    Stats stats;
};

LiveState& State() {
    static LiveState state;
    return state;
}

void AddExposed(const RECT& r) {
    std::vector<RECT>& list = State().exposed;
    list.push_back(r);
    if (list.size() > kMaxExposed) {
        RECT box = list.front();
        for (const RECT& e : list) {
            box.left = std::min(box.left, e.left);
            box.top = std::min(box.top, e.top);
            box.right = std::max(box.right, e.right);
            box.bottom = std::max(box.bottom, e.bottom);
        }
        list.assign(1, box);
    }
}

// ---- Presenting ----------------------------------------------------------------------------

// An image over the framebuffer itself (no copy): remade when the screen is reallocated.
XImage* ScreenImage() {
    LiveState& s = State();
    const int w = gdi_internal::ScreenWidth(), h = gdi_internal::ScreenHeight();
    char* bits = reinterpret_cast<char*>(const_cast<std::uint32_t*>(gdi_internal::ScreenBits()));
    if (s.image && s.image->width == w && s.image->height == h && s.image->data == bits)
        return s.image;
    if (s.image) {
        s.image->data = nullptr; // the framebuffer is not Xlib's to free
        XDestroyImage(s.image);
    }
    Visual* visual = DefaultVisual(s.display, DefaultScreen(s.display));
    s.image = XCreateImage(s.display, visual, 24, ZPixmap, 0, bits, static_cast<unsigned>(w),
                           static_cast<unsigned>(h), 32, w * 4);
    if (s.image)
        s.image->byte_order = LSBFirst; // 0x00RRGGBB words in this machine's order
    return s.image;
}

void Put(XImage* image, RECT r) {
    LiveState& s = State();
    r.left = std::max<LONG>(r.left, 0);
    r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, image->width);
    r.bottom = std::min<LONG>(r.bottom, image->height);
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const unsigned w = static_cast<unsigned>(r.right - r.left);
    const unsigned h = static_cast<unsigned>(r.bottom - r.top);
    XPutImage(s.display, s.window, s.gc, image, r.left, r.top, r.left, r.top, w, h);
    ++s.stats.frames;
    s.stats.pixels += static_cast<unsigned long long>(w) * h;
}

// Sends what changed (drawing since the last time, and what the X server asked to have
// repainted) and waits until the server has it, so a screenshot taken while the host sleeps
// shows the framebuffer as it is.
void Present() {
    LiveState& s = State();
    if (!s.mapped || s.closed)
        return;
    XImage* image = ScreenImage();
    if (!image)
        return;
    RECT changed{};
    const bool drawn = gdi_internal::TakeScreenChanges(&changed);
    if (!drawn && s.exposed.empty())
        return;
    if (drawn)
        Put(image, changed);
    for (const RECT& r : s.exposed)
        Put(image, r);
    s.exposed.clear();
    XSync(s.display, False);
    if (s.stats.firstFrameMs == 0)
        s.stats.firstFrameMs = std::max<DWORD>(1, kernel::CurrentTick() - s.startTick);
}

// ---- Events --------------------------------------------------------------------------------

void Close() {
    LiveState& s = State();
    if (!s.closed) {
        s.closed = true;
        s.closedTick = kernel::CurrentTick();
    }
    PostQuitMessage(0);
}

void KeyEvent(XKeyEvent& e) {
    const bool down = e.type == KeyPress;
    const KeySym keysym = XLookupKeysym(&e, 0);
    if (const UINT vk = live_keys::VirtualKey(keysym)) {
        input::PostKey(down ? WM_KEYDOWN : WM_KEYUP, vk);
        return;
    }
    if (!down)
        return;
    // A key the US layout lacks: the character it types on the user's layout, if Latin-1.
    char text[8] = "";
    KeySym typed = 0;
    if (XLookupString(&e, text, sizeof text, &typed, nullptr) == 1)
        if (const unsigned char c = live_keys::LatinChar(typed))
            input::PostChar(c);
}

void ButtonEvent(const XButtonEvent& e) {
    // Buttons 4 to 7 are wheel steps, which no control here takes; the middle one has no use.
    if (e.button != Button1 && e.button != Button3)
        return;
    const bool left = e.button == Button1;
    const POINT pt{e.x, e.y};
    const WPARAM own = left ? MK_LBUTTON : MK_RBUTTON;
    if (e.type == ButtonPress)
        input::PostMouse(left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, pt, input::MouseKeys() | own);
    else
        input::PostMouse(left ? WM_LBUTTONUP : WM_RBUTTONUP, pt, input::MouseKeys() & ~own);
}

// Keys held when the window loses the keyboard would stay down for ever: let them go.
void ReleaseModifiers() {
    for (UINT vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
        if (GetAsyncKeyState(static_cast<int>(vk)) < 0)
            input::PostKey(WM_KEYUP, vk);
}

void HandleEvent(XEvent& e) {
    LiveState& s = State();
    switch (e.type) {
    case Expose:
        s.mapped = true;
        AddExposed(RECT{e.xexpose.x, e.xexpose.y, e.xexpose.x + e.xexpose.width,
                        e.xexpose.y + e.xexpose.height});
        break;
    case KeyPress:
    case KeyRelease:
        KeyEvent(e.xkey);
        break;
    case ButtonPress:
    case ButtonRelease:
        ButtonEvent(e.xbutton);
        break;
    case MotionNotify: {
        // Only where the pointer ended up matters.
        XEvent next;
        if (XPending(s.display) > 0 && XPeekEvent(s.display, &next) == 0 &&
            next.type == MotionNotify)
            break;
        input::PostMouse(WM_MOUSEMOVE, POINT{e.xmotion.x, e.xmotion.y}, input::MouseKeys());
        break;
    }
    case FocusOut:
        ReleaseModifiers();
        break;
    case ClientMessage:
        if (e.xclient.message_type == s.idlePing) {
            s.pingPending = true;
            s.pingValue = e.xclient.data.l[0];
        } else if (static_cast<Atom>(e.xclient.data.l[0]) == s.deleteWindow) {
            Close();
        }
        break;
    case DestroyNotify:
        if (e.xdestroywindow.window == s.window) {
            s.window = 0;
            s.mapped = false;
            Close();
        }
        break;
    default:
        break; // ConfigureNotify and the like: the picture stays 1:1 whatever the size
    }
}

void HandlePendingEvents() {
    LiveState& s = State();
    while (XPending(s.display) > 0) {
        XEvent e;
        XNextEvent(s.display, &e);
        HandleEvent(e);
    }
}

// ---- The idle wait -------------------------------------------------------------------------

void WaitForInput(DWORD timeoutMs) {
    LiveState& s = State();
    if (s.closed) {
        // The host is still waiting after its window went: remind it, and end a host that
        // does not listen.
        if (kernel::CurrentTick() - s.closedTick > kQuitGraceMs) {
            std::fprintf(stderr, "ruzav: the host kept running after its window was closed\n");
            std::fflush(nullptr);
            std::exit(1);
        }
        PostQuitMessage(0);
        pollfd p{ConnectionNumber(s.display), POLLIN, 0};
        poll(&p, 1, 10);
        return;
    }
    Present();
    if (s.pingPending && s.mapped) {
        // Every event before the ping has been handled and its effect shown: answer.
        s.pingPending = false;
        XChangeProperty(s.display, s.window, s.idlePong, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&s.pingValue), 1);
        XFlush(s.display);
    }
    if (XPending(s.display) == 0) {
        pollfd p{ConnectionNumber(s.display), POLLIN, 0};
        const int ms =
            timeoutMs == INFINITE ? -1 : static_cast<int>(std::min<DWORD>(timeoutMs, 1u << 30));
        poll(&p, 1, ms);
    }
    HandlePendingEvents();
}

int DisplayGone(Display*) {
    std::fprintf(stderr, "ruzav: the X display went away\n");
    std::fflush(nullptr);
    std::exit(1);
}

} // namespace

bool Start(const char* title, std::string* error) {
    LiveState& s = State();
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        if (s.display) {
            XCloseDisplay(s.display);
            s.display = nullptr;
        }
        return false;
    };
    if (s.display)
        return fail("the live display is already running");
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return fail("no X display: DISPLAY is not set");
    s = LiveState{};
    s.display = XOpenDisplay(name);
    if (!s.display)
        return fail(std::string("cannot open the X display ") + name);
    const int screen = DefaultScreen(s.display);
    Visual* visual = DefaultVisual(s.display, screen);
    if (DefaultDepth(s.display, screen) != 24 || visual->red_mask != 0xFF0000 ||
        visual->green_mask != 0xFF00 || visual->blue_mask != 0xFF)
        return fail(std::string("the X display ") + name + " has no 24-bit true colour");

    const unsigned w = static_cast<unsigned>(gdi_internal::ScreenWidth());
    const unsigned h = static_cast<unsigned>(gdi_internal::ScreenHeight());
    s.window = XCreateSimpleWindow(s.display, RootWindow(s.display, screen), 0, 0, w, h, 0,
                                   BlackPixel(s.display, screen), BlackPixel(s.display, screen));
    XStoreName(s.display, s.window, title ? title : "RUZAV32");
    XSizeHints* hints = XAllocSizeHints();
    if (hints) {
        hints->flags = PMinSize | PMaxSize;
        hints->min_width = hints->max_width = static_cast<int>(w);
        hints->min_height = hints->max_height = static_cast<int>(h);
        XSetWMNormalHints(s.display, s.window, hints);
        XFree(hints);
    }
    s.deleteWindow = XInternAtom(s.display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(s.display, s.window, &s.deleteWindow, 1);
    s.idlePing = XInternAtom(s.display, "_RUZAV_IDLE_PING", False);
    s.idlePong = XInternAtom(s.display, "_RUZAV_IDLE", False);
    XSelectInput(s.display, s.window,
                 ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                     ButtonReleaseMask | PointerMotionMask | StructureNotifyMask | FocusChangeMask);
    // Held keys repeat as presses alone, as WM_KEYDOWN repeats on Windows.
    XkbSetDetectableAutoRepeat(s.display, True, nullptr);
    s.gc = XCreateGC(s.display, s.window, 0, nullptr);
    XSetIOErrorHandler(DisplayGone);
    XMapWindow(s.display, s.window);
    XFlush(s.display);

    kernel::UseLiveClock();
    s.startTick = kernel::CurrentTick();
    s.stats.window = s.window;
    RECT all{};
    gdi_internal::TakeScreenChanges(&all); // starts tracking; the first Expose shows it all
    wm::SetIdleWaiter(WaitForInput);
    return true;
}

void Stop() {
    LiveState& s = State();
    if (!s.display)
        return;
    wm::SetIdleWaiter(nullptr);
    gdi_internal::StopScreenChanges();
    if (s.image) {
        s.image->data = nullptr;
        XDestroyImage(s.image);
    }
    if (s.gc)
        XFreeGC(s.display, s.gc);
    if (s.window)
        XDestroyWindow(s.display, s.window);
    XSetIOErrorHandler(nullptr);
    XCloseDisplay(s.display);
    const Stats stats = s.stats;
    s = LiveState{};
    s.stats = stats;
}

bool Running() {
    return State().display != nullptr;
}

bool Closed() {
    return State().closed;
}

Stats Statistics() {
    return State().stats;
}

} // namespace desktop::live
