// A host for the portable behaviour checks: the library driven as a Win32 program drives it, with
// nothing but <windows.h>, the library's public headers and the conformance harness, so the same
// checks run on the platform and under Wine.
//
// Input goes in as Win32 delivers it (key and character messages posted to the focus window, a
// pump with IsDialogMessageA, TranslateMessage and DispatchMessageA until the queue is empty;
// Shift held through SetKeyboardState), and the checks read what a user sees: window texts, the
// focus, and the WM_COMMAND notifications the host dialog receives.
#pragma once

#include "../support/spin_host.h"
#include "conformance.h"
#include "host_window.h"

#include <ruzav32/spin.h>

#include <string>
#include <vector>

namespace portable {

// The regional settings a spin control reads, written to the user profile for the lifetime of
// the object and restored afterwards. Unnamed keys take a 24-hour, day-month-year profile.
struct IntlSettings {
    const char* iTime = "1";
    const char* iTLZero = "1";
    const char* sShortDate = "dd/MM/yy";
    const char* sDate = "/";
    const char* sTime = ":";
    const char* s1159 = "AM";
    const char* s2359 = "PM";
};

class PinnedIntl {
public:
    explicit PinnedIntl(const IntlSettings& settings);
    ~PinnedIntl();
    PinnedIntl(const PinnedIntl&) = delete;
    PinnedIntl& operator=(const PinnedIntl&) = delete;

private:
    std::vector<std::pair<const char*, std::string>> saved_; // key, value ("\x01" for none)
};

// One spin control of the host dialog, configured in WM_INITDIALOG as a host does.
struct SpinPlan {
    WORD id;
    eSpinValueTypes kind;
    int nValue = 5;      // an integer control: 0..100 by 1
    float fValue = 1.5f; // a float control: 0..10 by 0.25
    tagSpinTime time{9, 15, 0, 0};
    tagSpinDate date{5, 3, 1998, 0};
    static constexpr int nMin = 0, nMax = 100, nStep = 1;
    static constexpr float fMin = 0.0f, fMax = 10.0f, fStep = 0.25f;
};

using test_support::Notification;

constexpr WORD kEditBefore = 10;  // an ordinary edit before the spin controls in the tab order
constexpr WORD kButtonAfter = 20; // a push button after them

// A modeless dialog holding the edit, the planned spin controls and the button, in that tab
// order. It records every WM_COMMAND it receives.
class SpinHost {
public:
    explicit SpinHost(std::vector<SpinPlan> plans);
    ~SpinHost();
    SpinHost(const SpinHost&) = delete;
    SpinHost& operator=(const SpinHost&) = delete;

    HWND dialog() const { return dialog_; }
    HWND item(WORD id) const { return GetDlgItem(dialog_, id); }
    CKSpin* spin(WORD id) const { return test_support::SpinOf(item(id)); }
    // Field n (1..3) of a spin control, as its identifiers 101..103 name them; 0 is the arrows.
    HWND field(WORD id, int n) const { return test_support::SpinField(item(id), n); }
    // The control's field texts as "f1|f2|f3" (missing fields read as empty).
    std::string fields(WORD id) const { return test_support::SpinFieldTexts(item(id)); }

    std::vector<Notification> notes;

private:
    friend INT_PTR CALLBACK test_support::HostDialogProc<SpinHost>(HWND, UINT, WPARAM, LPARAM);
    BOOL Initialise(HWND dialog);
    void Command(WORD id, WORD code, HWND from);

    std::vector<SpinPlan> plans_;
    HWND dialog_ = nullptr;
    CWnd parent_; // the spin controls' parent, borrowed by each
};

// An empty dialog template made in memory, as a host without resources makes one; the
// children come at run time. Valid until the fourth call after.
const DLGTEMPLATE* EmptyDialog(DWORD style, short cx, short cy);

using conformance::EditSelection;
using conformance::WindowText;
RECT WindowRect(HWND window);

// Dispatches everything queued, as a dialog's message loop does, until the queue is empty.
void Pump(HWND dialog);
// A key pressed and released in the focus window, optionally with Shift held.
void Key(HWND dialog, UINT vk, bool shift = false);
// Characters typed into the focus window, each dispatched before the next.
void Type(HWND dialog, const char* text);
// A click on the up or down arrow of a spin control.
void ClickArrow(HWND dialog, HWND spin, bool up);

} // namespace portable
