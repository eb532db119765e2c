// A host dialog for the spin control tests: made from a template holding "CKSpin" controls
// between an ordinary edit (before) and a button (after), configured in WM_INITDIALOG as a host
// would, recording every WM_COMMAND the dialog receives together with what the fields showed at
// that moment.
#pragma once

#include "support/spin_host.h"

#include <desktop.h>
#include <ruzav32/spin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace spin_test {

constexpr WORD kEditBeforeId = 10;
constexpr WORD kButtonAfterId = 20;

struct ControlPlan {
    WORD id = 1;
    eSpinValueTypes kind = eSpinInt;
    int width = 100; // pixels; the layout examples use a 100 x 20 client area
    int height = 20;
    bool withParent = true; // SetProperties gets the dialog as parent (else NULL)
    bool configure = true;  // SetProperties is called at all
    bool setValue = true;   // and then Set with the value below
    // In the dialog template (sized in dialog units) rather than made by CreateWindowExA on the
    // class at an exact pixel size when the dialog starts; either way the class's own window
    // procedure adopts the window on its first message.
    bool fromTemplate = false;
    int nMin = 0, nMax = 100, nValue = 5, nStep = 1;
    float fMin = 0.0f, fMax = 10.0f, fValue = 1.5f, fStep = 0.25f;
    tagSpinTime time{9, 15, 0, 0};
    tagSpinDate date{5, 3, 1998, 0};
};

using test_support::Notification;

class SpinDialog {
public:
    explicit SpinDialog(std::vector<ControlPlan> controls);
    ~SpinDialog();
    SpinDialog(const SpinDialog&) = delete;
    SpinDialog& operator=(const SpinDialog&) = delete;

    HWND dialog() const { return dialog_; }
    CWnd* parent() { return &parent_; }
    HWND control(WORD id) const { return ::GetDlgItem(dialog_, id); }
    CKSpin* spin(WORD id) const { return test_support::SpinOf(control(id)); }
    // Field n (1..3) of a control, the separators (4, 5) and the arrows (0).
    HWND field(WORD id, int n) const { return test_support::SpinField(control(id), n); }
    HWND separator(WORD id, int n) const { return ::GetDlgItem(control(id), 103 + n); }
    HWND arrows(WORD id) const { return ::GetDlgItem(control(id), 100); }
    std::string text(HWND wnd) const;
    std::string fieldText(WORD id, int n) const { return text(field(id, n)); }
    // A child's rectangle in its parent's client coordinates.
    RECT childRect(HWND child) const;

    // Destroys the dialog (as EndDialog/DestroyWindow would when it closes).
    void close();

    std::vector<Notification> notes;
    // The dialog destroys itself when it hears this code (as a host closing on a change would).
    int closeOnCode = -1;

private:
    friend INT_PTR CALLBACK test_support::HostDialogProc<SpinDialog>(HWND, UINT, WPARAM, LPARAM);
    BOOL Initialise(HWND dialog);
    void Command(WORD id, WORD code, HWND from);

    std::vector<ControlPlan> plans_;
    HWND dialog_ = nullptr;
    CWnd parent_;
};

// Input as a user gives it, through the platform's real input path (the focus window, the
// message loop, TranslateMessage and the dialog manager).
void PressKey(UINT vk);
void PressShiftKey(UINT vk); // the key with Shift held
void Type(const char* text);
// Clicks the up (or down) arrow of a control.
void ClickArrow(HWND control, bool up);

// Reaches the flag all spin fields share.
struct EditProbe : CKSpinEdit {
    using CKSpinEdit::s_bAfterTab;
};

// Starts every test from a clean desktop with the spin class registered.
class SpinWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Pins the "Intl" section of the user profile to these lines, nothing else.
    static void SetIntl(const std::string& lines);
    // Puts the platform's clock in the middle of the given year.
    static void SetYear(WORD year);
};

} // namespace spin_test
