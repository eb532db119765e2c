// The driver's window-manager part: input as a user gives it, the message pump, scripted steps
// for modal loops, metrics and colours, window pictures, help requests and message boxes, and a
// message recorder for checking message order.
//
// Input goes through the real path: key and mouse messages are queued, then the pump takes them
// as a host's main loop would (IsDialogMessageA for dialogs, else TranslateMessage and
// DispatchMessageA). Every input call pumps until the queue is idle before it returns, so a test
// sees the effect at once; inside a modal loop (a scripted step) the same holds.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace desktop {

// ---- Keyboard ------------------------------------------------------------------------------

void KeyDown(UINT vk);
void KeyUp(UINT vk);
// Down and up; with modifiers held around it, e.g. PressKey(VK_TAB, {VK_SHIFT}).
void PressKey(UINT vk, std::initializer_list<UINT> modifiers = {});
// Types each character with the keys of a US layout (Shift where needed); characters the
// layout has no key for arrive as WM_CHAR alone.
void TypeText(const char* text);

// ---- Mouse ---------------------------------------------------------------------------------

enum class Button { Left, Right };
void MouseMove(POINT screen);
void MouseDown(POINT screen, Button button = Button::Left);
void MouseUp(POINT screen, Button button = Button::Left);
void Click(POINT screen, Button button = Button::Left);
void DoubleClick(POINT screen);
// A point of a window's client area.
void ClickWindow(HWND hwnd, POINT client, Button button = Button::Left);
// A dialog control by identifier: at its centre, or at a point of its client area.
// False when the dialog has no such control.
bool ClickControl(HWND dialog, int id);
bool ClickControl(HWND dialog, int id, POINT client);

// ---- The message loop ----------------------------------------------------------------------

// Handles queued messages, due timers and paints until nothing is left.
void PumpUntilIdle();
// A step that a message loop runs when it has nothing else to do (a modal dialog waiting for
// its user). Steps run in the order queued, one per idle moment.
void QueueStep(std::function<void()> step);
size_t PendingSteps();

// ---- System settings -----------------------------------------------------------------------

void SetSystemMetric(int index, int value);
void SetSystemColor(int index, COLORREF color);
void SetWorkArea(const RECT& area);
// Back to the classic metrics, colours and the default work area.
void ResetSystemSettings();

// ---- Pictures of windows -------------------------------------------------------------------

// The screen colour at a point of the window's client area; CLR_INVALID outside it or for a
// bad handle. (Paints pending for the window are done first.)
COLORREF WindowPixel(HWND hwnd, int x, int y);
// The window as on the screen (the whole window with its frame) saved as PNG.
bool SaveWindowPng(HWND hwnd, const char* path);

// ---- Help requests and message boxes -------------------------------------------------------

struct HelpRequest {
    HWND hwnd;
    std::string file;
    UINT command;
    ULONG_PTR data;
    std::string keyword; // the text of HELP_KEY, HELP_PARTIALKEY and HELP_COMMAND
    BOOL result;
};
std::vector<HelpRequest> HelpRequests();
void ClearHelpRequests();

struct MessageBoxShown {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
    int answer; // 0 while the box is still up
    HWND box;   // the box's window while it is up
};
std::vector<MessageBoxShown> MessageBoxes();
// The next MessageBoxA returns this answer at once (boxes answered this way are still recorded).
void AnswerNextMessageBox(int answer);
// The box that is up now, or NULL.
HWND CurrentMessageBox();

// ---- Message recorder ----------------------------------------------------------------------

struct RecordedMessage {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    std::string name; // "WM_SETFOCUS"
};

// Records what chosen windows receive (through SendMessageA, dispatching, and the window
// manager's own sends), from construction until destruction or Stop().
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void Watch(HWND hwnd);
    void WatchAll();
    // Record only these messages (replaces any earlier choice), or everything but these.
    void Only(std::initializer_list<UINT> messages);
    void Ignore(std::initializer_list<UINT> messages);
    void Stop();
    void Clear();
    const std::vector<RecordedMessage>& Messages() const { return messages_; }
    std::string Dump() const;

private:
    static void Observe(void* self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool active_ = true;
    bool all_ = false;
    std::vector<HWND> windows_;
    std::vector<UINT> only_;
    std::vector<UINT> ignore_;
    std::vector<RecordedMessage> messages_;
};

// One expected message. A null hwnd matches any window; wParam and lParam are compared only
// when given.
struct Expected {
    HWND hwnd;
    UINT msg;
    bool checkWParam = false;
    WPARAM wParam = 0;
    bool checkLParam = false;
    LPARAM lParam = 0;
    Expected(HWND h, UINT m) : hwnd(h), msg(m) {}
    Expected(HWND h, UINT m, WPARAM w) : hwnd(h), msg(m), checkWParam(true), wParam(w) {}
    Expected(HWND h, UINT m, WPARAM w, LPARAM l)
        : hwnd(h), msg(m), checkWParam(true), wParam(w), checkLParam(true), lParam(l) {}
};

// The outcome of a comparison: ok, or a side-by-side listing that marks the first difference.
// Wrap it in a test as EXPECT_TRUE(r.ok) << r.text.
struct SequenceResult {
    bool ok;
    std::string text;
};
SequenceResult expect_sequence(const std::vector<RecordedMessage>& actual,
                               const std::vector<Expected>& expected);

std::string MessageName(UINT msg);

} // namespace desktop
