// Window handles and the delivery of messages: the hot path of the whole platform.
//
// A handle is a slot index and a generation packed into an integer, so a stale handle (the slot
// reused by a later window) or a made-up one is refused without touching freed memory. A record
// outlives its handle while a message frame still runs on it, and is freed when the last
// frame returns.
#include "user/user_internal.h"

#include "gdi/gdi_internal.h"

#include <algorithm>

namespace wm {

HandleTable g_handleTable;
Window* g_desktop = nullptr;
std::uint64_t g_layoutGeneration = 1;

namespace {

using Slot = HandleSlot;
constexpr std::uintptr_t kIndexBits = kHandleIndexBits;
constexpr std::uintptr_t kIndexMask = (std::uintptr_t(1) << kIndexBits) - 1;

std::vector<Slot> g_slots;
std::vector<std::uint32_t> g_freeSlots;

struct Observer {
    MessageObserver fn;
    void* context;
};
std::vector<Observer> g_observers;
bool g_observing = false;

WindowClass g_desktopClass;

std::uintptr_t MakeHandle(std::uint32_t index, std::uintptr_t generation) {
    return (generation << kIndexBits) | (index + 1);
}

LRESULT CALLBACK DesktopProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

HWND AllocateHandle(Window* w) {
    std::uint32_t index;
    if (!g_freeSlots.empty()) {
        index = g_freeSlots.back();
        g_freeSlots.pop_back();
    } else {
        if (g_slots.size() >= kIndexMask) {
            return nullptr;
        }
        index = (std::uint32_t)g_slots.size();
        g_slots.push_back(Slot{nullptr, MakeHandle(index, 1)});
        g_handleTable = HandleTable{g_slots.data(), g_slots.size()};
    }
    g_slots[index].window = w;
    return (HWND)g_slots[index].handle;
}

void ReleaseHandle(HWND hwnd) {
    std::uintptr_t v = (std::uintptr_t)hwnd;
    std::uint32_t index = (std::uint32_t)((v & kIndexMask) - 1);
    if (index < g_slots.size()) {
        g_slots[index].window = nullptr;
        // Generations wrap within the bits a handle keeps for them; 0 is never used.
        std::uintptr_t generation = ((g_slots[index].handle >> kIndexBits) + 1) & 0x7ffffff;
        if (generation == 0) {
            generation = 1;
        }
        g_slots[index].handle = MakeHandle(index, generation);
        g_freeSlots.push_back(index);
        LayoutChanged(); // what the handle stood for is gone
    }
}

namespace {

// The desktop window is the screen: it follows every change of the screen's size, so the many
// callers that only compare against it or read its rectangle ask the drawing layer nothing.
void FitDesktopToScreen(int width, int height) {
    if (g_desktop) {
        g_desktop->rect = RECT{0, 0, width, height};
        g_desktop->client = g_desktop->rect;
        LayoutChanged();
    }
}

} // namespace

Window* MakeDesktop() {
    if (!g_desktop) {
        g_desktopClass.name = "#32769";
        g_desktopClass.atom = 0x8001;
        g_desktopClass.proc = DesktopProc;
        g_desktopClass.system = true;
        g_desktop = new Window;
        g_desktop->cls = &g_desktopClass;
        g_desktop->proc = DesktopProc;
        g_desktop->style = WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_POPUP;
        LayoutChanged();
        g_desktop->handle = AllocateHandle(g_desktop);
        gdi_internal::SetScreenSizeHook(FitDesktopToScreen);
        FitDesktopToScreen(gdi_internal::ScreenWidth(), gdi_internal::ScreenHeight());
    }
    return g_desktop;
}

void ReleaseIfUnused(Window* w) {
    if (w->dead && w->frames == 0) {
        delete w;
    }
}

namespace {

// Deliver's rare paths, kept out of line so the common one stays a few instructions: every
// message of the platform passes there.
[[gnu::noinline]] void TellObservers(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Observers may stop watching from inside the call: walk a copy.
    std::vector<Observer> copy = g_observers;
    for (const Observer& o : copy) {
        o.fn(o.context, hwnd, msg, wParam, lParam);
    }
}

[[gnu::noinline]] void FreeRecord(Window* w) {
    delete w;
}

} // namespace

LRESULT Deliver(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (__builtin_expect(g_observing, 0)) {
        TellObservers(w->handle, msg, wParam, lParam);
    }
    ++w->frames;
    LRESULT r = w->proc ? w->proc(w->handle, msg, wParam, lParam) : 0;
    if (--w->frames == 0 && __builtin_expect(w->dead, 0)) {
        FreeRecord(w);
    }
    return r;
}

void AddObserver(MessageObserver observer, void* context) {
    g_observers.push_back(Observer{observer, context});
    g_observing = true;
}

void RemoveObserver(MessageObserver observer, void* context) {
    g_observers.erase(
        std::remove_if(g_observers.begin(), g_observers.end(),
                       [&](const Observer& o) { return o.fn == observer && o.context == context; }),
        g_observers.end());
    g_observing = !g_observers.empty();
}

namespace {
void Collect(Window* w, std::vector<HWND>& out) {
    for (Window* c : w->children) {
        out.push_back(c->handle);
        Collect(c, out);
    }
}
} // namespace

std::vector<HWND> AllWindows() {
    std::vector<HWND> out;
    Collect(Desktop(), out);
    return out;
}

void SetLastErrorValue(DWORD error) {
    SetLastError(error);
}

} // namespace wm

using namespace wm;

namespace {

[[gnu::noinline]] LRESULT SendToBadHandle(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd == HWND_BROADCAST) {
        for (Window* top : std::vector<Window*>(Desktop()->children)) {
            if (Lookup(top->handle)) {
                Deliver(top, msg, wParam, lParam);
            }
        }
        return 0;
    }
    SetLastErrorValue(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
}

} // namespace

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Lookup(hwnd);
    if (__builtin_expect(w != nullptr, 1)) {
        return Deliver(w, msg, wParam, lParam);
    }
    return SendToBadHandle(hwnd, msg, wParam, lParam);
}

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!proc) {
        return 0;
    }
    Window* w = Lookup(hwnd);
    if (!w) {
        return proc(hwnd, msg, wParam, lParam);
    }
    ++w->frames;
    LRESULT r = proc(hwnd, msg, wParam, lParam);
    if (--w->frames == 0 && __builtin_expect(w->dead, 0)) {
        FreeRecord(w);
    }
    return r;
}

BOOL WINAPI IsWindow(HWND hwnd) {
    return Lookup(hwnd) != nullptr;
}

HWND WINAPI GetDesktopWindow() {
    return Desktop()->handle;
}
