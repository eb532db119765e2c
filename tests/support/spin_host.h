// What the tests' spin control hosts share: the platform's own spin tests (tests/spin) and the
// portable checks (tests/portable), which Wine builds too, so only <windows.h> and the library's
// public header come in here.
#pragma once

#include <ruzav32/spin.h>
#include <windows.h>

#include <string>

namespace test_support {

// The library's object behind a spin control's window, or null if it has none.
inline CKSpin* SpinOf(HWND control) {
    CWnd* wnd = CWnd::FromHandlePermanent(control);
    return wnd != nullptr && wnd->IsKindOf(RUNTIME_CLASS(CKSpin)) ? static_cast<CKSpin*>(wnd)
                                                                  : nullptr;
}

// Field n (1..3) of a spin control, as its child identifiers 101..103 name them; 0 is the arrows.
inline HWND SpinField(HWND control, int n) {
    return GetDlgItem(control, 100 + n);
}

// A spin control's field texts as "f1|f2|f3" (a missing field reads as empty).
inline std::string SpinFieldTexts(HWND control) {
    std::string all;
    for (int n = 1; n <= 3; ++n) {
        char text[64] = "";
        if (HWND field = SpinField(control, n))
            GetWindowTextA(field, text, sizeof text);
        all += (n > 1 ? "|" : "") + std::string(text);
    }
    return all;
}

// A WM_COMMAND a host dialog received, with the sender's field texts as it arrived.
struct Notification {
    WORD id;
    WORD code;
    HWND from;
    std::string fields; // as SpinFieldTexts gives them
};

// Configures a spin control as a host does in WM_INITDIALOG: SetProperties for the plan's kind
// (an integer or float control with the plan's range, step and value), then Set with the plan's
// value of that kind unless `setValue` is false. A plan names its members as below.
template <class Plan>
void ConfigureSpin(CKSpin& spin, CWnd* parent, const Plan& plan, bool setValue = true) {
    switch (plan.kind) {
    case eSpinInt:
        spin.SetProperties(parent, plan.nMin, plan.nMax, plan.nValue, plan.nStep);
        if (setValue)
            spin.Set(&plan.nValue);
        break;
    case eSpinFloat:
        spin.SetProperties(parent, plan.fMin, plan.fMax, plan.fValue, plan.fStep);
        if (setValue)
            spin.Set(&plan.fValue);
        break;
    case eSpinDate:
        spin.SetProperties(parent, eSpinDate);
        if (setValue)
            spin.Set(&plan.date);
        break;
    default:
        spin.SetProperties(parent, plan.kind);
        if (setValue)
            spin.Set(&plan.time);
        break;
    }
}

// The dialog procedure of a host object passed as the dialog's creation parameter: WM_INITDIALOG
// goes to its Initialise (whose answer says whether the dialog sets the focus) and every
// WM_COMMAND to its Command.
template <class Host>
INT_PTR CALLBACK HostDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return reinterpret_cast<Host*>(lParam)->Initialise(dialog);
    }
    auto* host = reinterpret_cast<Host*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message != WM_COMMAND || host == nullptr)
        return FALSE;
    host->Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    return TRUE;
}

} // namespace test_support
