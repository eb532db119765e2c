// The window manager's own records and the calls its files share (and the driver uses).
//
// Contents: class and window records - handle table - delivery of messages (the hot path) -
// tree walking and geometry helpers - paint state - focus/activation - queue and timers -
// dialogs - metrics - observers and scripted steps for the driver.
#pragma once

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace wm {

// ---- Classes -------------------------------------------------------------------------------

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    bool menuNameIsId = false;
    WORD menuId = 0;
    bool global = false; // CS_GLOBALCLASS: found from any instance
    bool system = false; // registered by the platform itself; looked up last
    int windows = 0;     // live windows of the class: UnregisterClassA refuses while > 0
    std::vector<BYTE> extra;
};

// Finds a class the way CreateWindowExA does: the instance's local classes, then global
// application classes, then system classes. `name` may be an atom (MAKEINTRESOURCE).
WindowClass* FindClass(LPCSTR name, HINSTANCE instance);
// Registers while the platform installs its system classes.
void SetRegisteringSystemClasses(bool on);
void ClearClasses();
void RegisterDialogClass();
// Called on first use, so a host that never resets finds the platform ready; inline, as the
// colour and metric reads of every paint ask.
extern bool g_started;
void Start();
inline void EnsureStarted() {
    if (!g_started) {
        Start();
    }
}

// ---- Windows -------------------------------------------------------------------------------

struct DialogInfo;

// A window's own horizontal or vertical scroll bar (SB_HORZ, SB_VERT): only its values, since
// the platform draws no standard scroll bars; its visibility is the window's WS_HSCROLL or
// WS_VSCROLL style.
struct StandardScrollBar {
    bool initialised = false;
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    UINT disabledArrows = 0; // ESB_DISABLE_LTUP and ESB_DISABLE_RTDN
};
using WindowScrollBar = StandardScrollBar;

struct Window {
    HWND handle = nullptr;
    WindowClass* cls = nullptr;
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT_PTR id = 0;
    LONG_PTR userData = 0;
    std::string text;
    HFONT font = nullptr;
    HMENU menu = nullptr;
    Window* parent = nullptr; // the desktop for top-level windows
    Window* owner = nullptr;
    std::vector<Window*> children; // z-order: front (top) first
    RECT rect{};                   // window rectangle in the parent's client coordinates
    RECT client{};                 // client rectangle in window coordinates
    std::vector<BYTE> extra;
    std::map<std::string, HANDLE> props;
    DialogInfo* dialog = nullptr;
    StandardScrollBar scrollBars[2]; // SB_HORZ, SB_VERT

    // Paint state: a bounding rectangle of what needs painting, in client coordinates.
    RECT update{};
    bool erase = false;
    bool ncPaint = false;
    bool internalPaint = false;

    bool destroying = false; // DestroyWindow has begun: a second call does nothing
    bool dead = false;       // handle released; the record waits for its last message frame
    int frames = 0;          // message frames running on this window
    bool sentSizeMove = false;
};

extern Window* g_desktop;
Window* MakeDesktop();
// Counts changes of what decides where windows may draw: a window's rectangle or client area,
// its styles, its parent, its place among its siblings, its creation and destruction, the size
// of the screen. Every such change calls LayoutChanged after it is made; the visible regions
// DCs are made from are kept while the count stays (VisibleRectsInto).
extern std::uint64_t g_layoutGeneration;
inline void LayoutChanged() {
    ++g_layoutGeneration;
}
inline Window* Desktop() {
    return g_desktop ? g_desktop : MakeDesktop();
}
HWND AllocateHandle(Window* w);
void ReleaseHandle(HWND hwnd);
// The handle table (window_table.cpp): a handle's low bits are its slot number plus one, the
// bits above them the slot's generation when it was given out. A slot keeps the whole handle
// it answers to (the one it will give out next while it is free, with no window), so a lookup
// compares one word.
struct HandleSlot {
    Window* window = nullptr;
    std::uintptr_t handle = 0;
};
constexpr std::uintptr_t kHandleIndexBits = 20;
// The slots and their count, kept beside the list that owns them: a lookup reads them directly.
struct HandleTable {
    const HandleSlot* slots = nullptr;
    std::size_t count = 0;
};
extern HandleTable g_handleTable;

// The live window of a handle, or null for a null, stale or foreign handle. Every call of the
// platform starts here, so it is inline: an index, a bounds check and a comparison.
inline Window* Lookup(HWND hwnd) {
    const std::uintptr_t v = (std::uintptr_t)hwnd;
    const std::uintptr_t index = (v & ((std::uintptr_t(1) << kHandleIndexBits) - 1)) - 1;
    // A null low part wraps to a huge index and fails the bounds check with the rest.
    if (index >= g_handleTable.count) {
        return nullptr;
    }
    const HandleSlot& s = g_handleTable.slots[index];
    return s.handle == v ? s.window : nullptr;
}
// Frees the record once no message frame holds it any more.
void ReleaseIfUnused(Window* w);
std::vector<HWND> AllWindows(); // every live window, parents before children
void DestroyAllWindows();

// Delivers a message to the window procedure now (SendMessageA's body).
LRESULT Deliver(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);

bool IsChildStyle(const Window* w);
// Inline, as these two run for every message the pump hands out and every DC made.
inline Window* TopLevelOf(Window* w) {
    const Window* d = Desktop();
    while (w && w->parent && w->parent != d) {
        w = w->parent;
    }
    return w;
}
// Where GetParent leads from hwnd while the window is a child: the first window of the chain
// that is not one (hwnd itself when it is not a child), null when a child has no parent, or a
// stale handle as given. The pump filters ask this of every message, nearly always for the
// window they asked about last: that answer is kept while the layout stays (parents, styles
// and handles all count as layout).
struct ChainTopAnswer {
    HWND hwnd = nullptr;
    std::uint64_t generation = 0;
    HWND top = nullptr;
};
extern ChainTopAnswer g_lastChainTop;
HWND WalkChildChain(HWND hwnd);
inline HWND ChildChainTop(HWND hwnd) {
    if (g_lastChainTop.generation == g_layoutGeneration && g_lastChainTop.hwnd == hwnd) {
        return g_lastChainTop.top;
    }
    return WalkChildChain(hwnd);
}
// GetParent's answer for a live window, and its client area in client coordinates
// (GetClientRect's): inline, as the controls ask them at every paint.
inline HWND ParentHandle(const Window* w) {
    if (w->style & WS_CHILD) {
        return w->parent && w->parent != Desktop() ? w->parent->handle : nullptr;
    }
    if ((w->style & WS_POPUP) && w->owner) {
        return w->owner->handle;
    }
    return nullptr;
}
inline RECT ClientBounds(const Window* w) {
    return RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
}
// IsChild's test, inline for the dialog manager's every message: only the chain of child windows
// counts, so an owned pop-up is not a child.
inline bool InChildChain(const Window* parent, const Window* w) {
    for (const Window* c = w; c && (c->style & WS_CHILD); c = c->parent) {
        if (c->parent == parent) {
            return true;
        }
    }
    return false;
}
bool IsDescendant(const Window* ancestor, const Window* w);
// Visible with every ancestor.
inline bool IsReallyVisible(const Window* w) {
    const Window* d = Desktop();
    for (; w && w != d; w = w->parent) {
        if (!(w->style & WS_VISIBLE)) {
            return false;
        }
    }
    return w == d;
}
void LinkChild(Window* parent, Window* child, HWND insertAfter);
void UnlinkChild(Window* child);

LRESULT RunCreateHooks(HWND hwnd, CBT_CREATEWNDA* info);
void ResetHooks();

// ---- Geometry ------------------------------------------------------------------------------

POINT ClientOriginOnScreen(const Window* w);
RECT WindowRectOnScreen(const Window* w);
RECT ClientRectOnScreen(const Window* w);
// The frame widths, caption and menu bar a style implies (what WM_NCCALCSIZE removes).
RECT NonClientInsets(DWORD style, DWORD exStyle, bool menu);
void RecalcClient(Window* w);
Window* WindowAtPoint(POINT screen, int* hit);

// ---- Rectangles ----------------------------------------------------------------------------

// Inline: clipping and invalidation use these several times per paint and keystroke.
inline bool Empty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}
inline RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (Empty(r)) {
        return RECT{0, 0, 0, 0};
    }
    return r;
}
inline RECT Union(const RECT& a, const RECT& b) {
    if (Empty(a)) {
        return b;
    }
    if (Empty(b)) {
        return a;
    }
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}
// Coordinates are worked out in 64 bits and saturated, as the system keeps them in range: a
// window at x 10 that is INT_MAX wide ends at INT_MAX.
inline LONG Saturate(long long value) {
    return static_cast<LONG>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
inline RECT Offset(RECT r, int dx, int dy) {
    return RECT{Saturate(static_cast<long long>(r.left) + dx),
                Saturate(static_cast<long long>(r.top) + dy),
                Saturate(static_cast<long long>(r.right) + dx),
                Saturate(static_cast<long long>(r.bottom) + dy)};
}
// Removes `cut` from every rectangle of `rects`.
void Subtract(std::vector<RECT>& rects, const RECT& cut);

// ---- Painting ------------------------------------------------------------------------------

// Adds to the update region (client coordinates); children follow unless WS_CLIPCHILDREN.
void Invalidate(Window* w, const RECT* clientRect, bool erase, bool allChildren);
void InvalidateFrame(Window* w);
// The area of the screen a window covered is about to be uncovered: what lies beneath repaints.
void ExposeScreenArea(const RECT& screenRect, const Window* except);
void ExposeInParent(Window* w);
bool NeedsPaint(const Window* w);
// The first window (parents before children) that needs painting, within `filter` if given.
Window* FindPaintTarget(HWND filter);
// A window being destroyed has nothing left to paint.
void ForgetPaintState(Window* w);
// Screen rectangles where the window may draw: its client (or whole window) clipped by its
// ancestors, the top-level windows above, WS_CLIPSIBLINGS siblings and WS_CLIPCHILDREN children.
std::vector<RECT> VisibleRects(const Window* w, bool wholeWindow);
// The same into a list the caller keeps, reusing its storage; `clientOrigin`, when given, gets
// ClientOriginOnScreen(w), which the walk works out on the way.
void VisibleRectsInto(const Window* w, bool wholeWindow, std::vector<RECT>* rects,
                      POINT* clientOrigin = nullptr);
void PaintDesktop(const std::vector<RECT>& screenRects);
void DrawNonClient(Window* w);
// WM_SETTEXT's default: the window keeps the text, and a caption shows it at once.
void StoreWindowText(Window* w, const char* text, std::size_t length);
// The standard scroll bars in the non-client area: drawn into `inside` (window coordinates, the
// area within the frames), and a click on one turned into WM_VSCROLL/WM_HSCROLL codes.
void DrawWindowScrollBars(Window* w, HDC dc, const RECT& inside);
void ClickWindowScrollBar(Window* w, int hit, POINT screen);

// ---- Focus and activation ------------------------------------------------------------------

Window* FocusWindow();
Window* ActiveWindow();
// Called as a window goes away or hides: focus and activation leave it.
void MoveFocusOff(Window* w);
void ActivateOther(Window* leaving);
void ForgetWindow(Window* w); // capture, focus, active: drop references to a dying window
void ResetFocus();

// ---- Queue, input and timers ---------------------------------------------------------------

struct QueuedMessage {
    MSG msg{};
    bool mouse = false; // the target window is chosen when the message is taken
};
void PostInput(const MSG& msg, bool mouse);
void PostToQueue(const MSG& msg);
// PeekMessageA(msg, nullptr, 0, 0, PM_REMOVE) for the driver's pump, which takes every message
// in turn and needs none of its argument checks.
bool TakeNextMessage(MSG* out);
void ResetQueue();
void RemoveMessagesFor(HWND hwnd);
bool QueueEmpty();

BYTE* KeyStateSync();  // GetKeyState: as of the last message taken from the queue
BYTE* KeyStateAsync(); // GetAsyncKeyState: as the keys are now
void ResetInput();

void KillWindowTimers(HWND hwnd);
bool TakeTimer(HWND filter, bool remove, MSG* out);
bool IsTimerProc(TIMERPROC proc);
bool TakeInput(HWND filter, UINT first, UINT last, bool remove, MSG* out);
void UpdateKeyState(const MSG& msg);
void ResetTimers();
// Milliseconds from now to the next timer, or false when there is none.
bool NextTimerDue(DWORD* due);
void AdvanceClockFiringTimers(DWORD milliseconds);

// A message loop with nothing to do: runs a scripted step, else moves the manual clock to the
// next timer; with neither it reports "message loop stalled" and aborts. True when a step ran.
bool WaitIdle();
// A live host's wait: called by an idle loop with no scripted step, with the milliseconds to
// the next timer (INFINITE for none); it shows what changed and sleeps until input or then.
using IdleWaiter = void (*)(DWORD timeoutMs);
void SetIdleWaiter(IdleWaiter waiter);
void PumpUntilIdle();
// The host-style treatment of one message: dialogs see it through IsDialogMessageA.
void PumpOne(MSG& msg);
// WM_SYSCOMMAND's SC_KEYMENU and SC_MOUSEMENU: the menu bar's loop (menu_tracking.cpp).
void TrackMenuBar(HWND hwnd, WPARAM command, LPARAM lParam);

// ---- Standard scroll bars (SB_HORZ, SB_VERT, SB_BOTH) --------------------------------------

// SetScrollInfo's answer: the new position, 0 for no such window or bar.
int SetStandardScrollInfo(HWND hwnd, int bar, const SCROLLINFO& info, BOOL redraw);
BOOL GetStandardScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
BOOL ShowStandardScrollBar(HWND hwnd, int bar, BOOL show);
BOOL EnableStandardScrollBar(HWND hwnd, int bar, UINT arrows);

// ---- Dialogs -------------------------------------------------------------------------------

struct DialogInfo {
    HFONT font = nullptr;
    bool ownsFont = false;
    int baseX = 8;
    int baseY = 16;
    WORD defId = IDOK; // a dialog starts with IDOK as its default
    bool ended = false;
    INT_PTR result = 0;
    bool modal = false;
    HWND savedFocus = nullptr;
    HWND disabledOwner = nullptr;
};
void FreeDialogInfo(Window* w);
DialogInfo* DialogOf(HWND hwnd);
// A window of the dialog class made with CreateWindowExA gets its dialog state on first need.
DialogInfo* EnsureDialogInfo(Window* w);
// IsDialogMessageA once the message is known to be for the dialog or a window of its child chain.
BOOL DialogMessage(HWND dialog, MSG* msg);
// DM_SETDEFID: keeps the identifier and gives its push button the default look.
void SetDefaultId(HWND dlg, DialogInfo* info, WORD id);
// DM_GETDEFID's answer.
LRESULT DefaultIdAnswer(HWND dlg, const DialogInfo* info);
// After a focus move: a focused push button looks like the default, else the default does.
void ShowDefaultFor(HWND dlg, const DialogInfo* info, HWND focus);
// Focus to a dialog control the way the dialog manager does it: an edit gets all its text
// selected first.
void SetDialogFocus(HWND control);

// ---- System information --------------------------------------------------------------------

void ResetMetrics();
void SetMetric(int index, int value);
void SetSysColorValue(int index, COLORREF color);
void SetWorkArea(const RECT& r);
RECT WorkArea();
LONG SystemBaseUnits();

// ---- Help, message boxes, resources --------------------------------------------------------

struct HelpRequest {
    HWND hwnd;
    std::string file;
    UINT command;
    ULONG_PTR data;
    std::string dataText; // the keyword of HELP_KEY, HELP_PARTIALKEY and HELP_COMMAND
    BOOL result;
};
std::vector<HelpRequest>& HelpRequests();

struct MessageBoxRecord {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
    int answer;
    HWND box; // the box's window while it is up
};
std::vector<MessageBoxRecord>& MessageBoxes();
std::vector<int>& QueuedAnswers();
void ResetHelpAndBoxes();
void ResetCursorAndCaret();

// ---- For the driver: observers and scripted steps ------------------------------------------

using MessageObserver = void (*)(void* context, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void AddObserver(MessageObserver observer, void* context);
void RemoveObserver(MessageObserver observer, void* context);
void QueueStep(std::function<void()> step);
// Asked by the driver's pump before the dialog manager, in the order added; true when one took
// the message. A host gives a modeless property sheet its keys this way (PSM_ISDIALOGMESSAGE),
// and a framework host its PreTranslateMessage (a frame's accelerators).
using PumpFilter = bool (*)(MSG& msg);
void AddPumpFilter(PumpFilter filter);
bool RunNextStep();
size_t PendingStepCount();
void ResetSteps();

// Name of a message for diagnostics ("WM_SETFOCUS", or "0x1234").
std::string MessageName(UINT msg);

void SetLastErrorValue(DWORD error);

} // namespace wm
