// Gallery page 1: a dialog holding a whole-number, a two-decimal, a time and a date spin
// control between an ordinary edit and a button, driven through a short session of real input
// (arrow clicks, step keys, typed digits, a designator letter, Tab and Shift+Tab).
//
// The page's dialog template is IDD_SPIN_PAGE in gallery.rc.
//
// Index: the host dialog class (configuration, notifications) - the session - RunSpinPage.
#include "spin_page.h"

#include "gallery_support.h"
#include "resource.h"

#include <desktop.h>
#include <ruzav32/spin.h>

#include <cstdio>
#include <functional>
#include <string>

namespace {

using gallery::Idle;
using gallery::Join;

constexpr int kEditBefore = IDC_EDIT_BEFORE;
constexpr int kWhole = IDC_SPIN_WHOLE;
constexpr int kDecimal = IDC_SPIN_DECIMAL;
constexpr int kTime = IDC_SPIN_TIME;
constexpr int kDate = IDC_SPIN_DATE;
constexpr int kButtonAfter = IDC_BUTTON_AFTER;

const char* ControlName(int id) {
    switch (id) {
    case kEditBefore:
        return "edit";
    case kWhole:
        return "whole number";
    case kDecimal:
        return "two decimals";
    case kTime:
        return "time";
    case kDate:
        return "date";
    case kButtonAfter:
        return "button";
    default:
        return "?";
    }
}

const char* CodeName(int code) {
    switch (code) {
    case 100:
        return "stepped up";
    case 101:
        return "stepped down";
    case EN_SETFOCUS:
        return "EN_SETFOCUS";
    case EN_KILLFOCUS:
        return "EN_KILLFOCUS";
    case EN_CHANGE:
        return "EN_CHANGE";
    case EN_UPDATE:
        return "EN_UPDATE";
    case EN_MAXTEXT:
        return "EN_MAXTEXT";
    case BN_CLICKED:
        return "BN_CLICKED";
    default:
        return "other";
    }
}

// The host's dialog, written as an application's own dialog class would be: made from the
// template, it configures its spin controls in OnInitDialog and hears of every step and every
// field event through OnCommand, which records each notification before the framework's routing
// (OK and Cancel, for instance) goes on as usual.
class SpinPageDialog : public CDialog {
public:
    enum { IDD = IDD_SPIN_PAGE };

    SpinPageDialog() : CDialog(IDD) {}

    // Modeless, so the session can drive it; FALSE when the window could not be made.
    BOOL Open() { return Create(IDD); }

    void Close() {
        if (m_hWnd != nullptr) {
            DestroyWindow();
        }
    }

    ~SpinPageDialog() override { Close(); }

    CKSpin* Spin(int id) {
        CWnd* wnd = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, id));
        return wnd != nullptr && wnd->IsKindOf(RUNTIME_CLASS(CKSpin)) ? static_cast<CKSpin*>(wnd)
                                                                      : nullptr;
    }

    void PrintValues() {
        int whole = 0;
        float decimal = 0;
        tagSpinTime time{};
        tagSpinDate date{};
        std::printf("values:");
        // Get answers FALSE when the fields hold no valid value; the host shows that as "-".
        if (Spin(kWhole) != nullptr && Spin(kWhole)->Get(&whole)) {
            std::printf(" whole %d;", whole);
        } else {
            std::printf(" whole -;");
        }
        if (Spin(kDecimal) != nullptr && Spin(kDecimal)->Get(&decimal)) {
            std::printf(" decimal %.2f;", static_cast<double>(decimal));
        } else {
            std::printf(" decimal -;");
        }
        if (Spin(kTime) != nullptr && Spin(kTime)->Get(&time)) {
            std::printf(" time %02d:%02d;", time.nHour, time.nMinute);
        } else {
            std::printf(" time -;");
        }
        if (Spin(kDate) != nullptr && Spin(kDate)->Get(&date)) {
            std::printf(" date %04d-%02d-%02d", date.nYear, date.nMonth, date.nDay);
        } else {
            std::printf(" date -");
        }
        std::printf("\n");
    }

protected:
    // Each control gets the dialog as its parent and its first value.
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (CKSpin* s = Spin(kWhole)) {
            s->SetProperties(this, 0, 100, 42, 5);
            const int value = 42;
            s->Set(&value);
        }
        if (CKSpin* s = Spin(kDecimal)) {
            s->SetProperties(this, 0.0f, 10.0f, 2.5f, 0.25f);
            const float value = 2.5f;
            s->Set(&value);
        }
        if (CKSpin* s = Spin(kTime)) {
            s->SetProperties(this, eSpinTime);
            const tagSpinTime value{9, 30, 0, 0};
            s->Set(&value);
        }
        if (CKSpin* s = Spin(kDate)) {
            s->SetProperties(this, eSpinDate);
            const tagSpinDate value{24, 12, 2026, 0};
            s->Set(&value);
        }
        return TRUE; // the dialog manager gives the focus to the first tab stop
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        char text[64] = "";
        const HWND from = reinterpret_cast<HWND>(lParam);
        if (from != nullptr) {
            // A spin control answers with the text of its current field.
            ::GetWindowTextA(from, text, sizeof text);
        }
        std::printf("  WM_COMMAND %-12s (id %d) code %-3d %-12s text \"%s\"\n", ControlName(id), id,
                    code, CodeName(code), text);
        return CDialog::OnCommand(wParam, lParam);
    }

    // A modeless dialog is closed by destroying its window, not by ending a modal loop.
    void OnCancel() override { DestroyWindow(); }
    void OnOK() override { DestroyWindow(); }
};

// One step of the session: what the user does, then doing it.
struct Action {
    const char* what;
    std::function<void()> act;
};

POINT ArrowPoint(HWND spin, bool up) {
    const HWND arrows = ::GetDlgItem(spin, 100);
    RECT rc{};
    ::GetClientRect(arrows, &rc);
    return POINT{rc.right / 2, up ? 2 : rc.bottom - 3};
}

void ClickArrow(HWND dialog, int id, bool up) {
    const HWND spin = ::GetDlgItem(dialog, id);
    desktop::ClickWindow(::GetDlgItem(spin, 100), ArrowPoint(spin, up));
}

// Registers the spin control's class and opens the page for `use`, then closes it and lets
// the class go; false when either cannot be done or `use` says something failed.
bool WithSpinPage(const std::function<bool(SpinPageDialog&)>& use) {
    if (CKSpin::RegisterClass() == 0) {
        std::fprintf(stderr, "ruzav-gallery: the spin control class could not be registered\n");
        return false;
    }
    bool ok = false;
    {
        SpinPageDialog page;
        if (page.Open()) {
            ok = use(page);
            page.Close();
            desktop::AfxIdle();
        } else {
            std::fprintf(stderr, "ruzav-gallery: the spin page could not be opened\n");
        }
    }
    CKSpin::UnregisterClass();
    std::fflush(stdout);
    return ok;
}

} // namespace

bool RunSpinPage(const std::string& outDir) {
    return WithSpinPage([&](SpinPageDialog& page) {
        bool ok = true;
        const HWND dialog = page.m_hWnd;
        Idle();
        const std::string before = Join(outDir, "spin-before.png");
        ok = desktop::SaveWindowPng(dialog, before.c_str()) && ok;
        std::printf("page 1: spin control (%s)\n", before.c_str());
        page.PrintValues();

        const Action session[] = {
            {"click the whole number's up arrow twice",
             [&] {
                 ClickArrow(dialog, kWhole, true);
                 ClickArrow(dialog, kWhole, true);
             }},
            {"click the two decimals' down arrow", [&] { ClickArrow(dialog, kDecimal, false); }},
            {"click into the ordinary edit", [&] { desktop::ClickControl(dialog, kEditBefore); }},
            {"Tab into the whole number and type 7",
             [&] {
                 desktop::PressKey(VK_TAB);
                 desktop::TypeText("7");
             }},
            {"Page Up", [&] { desktop::PressKey(VK_PRIOR); }},
            {"Tab to the two decimals, Up",
             [&] {
                 desktop::PressKey(VK_TAB);
                 desktop::PressKey(VK_UP);
             }},
            {"Tab to the time's hour, type 1 then 1",
             [&] {
                 desktop::PressKey(VK_TAB);
                 desktop::TypeText("11");
             }},
            {"Tab to the minute, Down twice",
             [&] {
                 desktop::PressKey(VK_TAB);
                 desktop::PressKey(VK_DOWN);
                 desktop::PressKey(VK_DOWN);
             }},
            {"Tab on (the designator on a 12-hour clock) and type p",
             [&] {
                 desktop::PressKey(VK_TAB);
                 desktop::TypeText("p");
             }},
            {"Tab into the date, Page Up",
             [&] {
                 desktop::PressKey(VK_TAB);
                 desktop::PressKey(VK_PRIOR);
             }},
            {"Tab to the date's second field, Up",
             [&] {
                 desktop::PressKey(VK_TAB);
                 desktop::PressKey(VK_UP);
             }},
            {"Shift+Tab back to the first date field",
             [&] { desktop::PressKey(VK_TAB, {VK_SHIFT}); }},
            {"Shift+Tab out of the date control", [&] { desktop::PressKey(VK_TAB, {VK_SHIFT}); }},
            {"click the date's up arrow", [&] { ClickArrow(dialog, kDate, true); }},
            {"click the button after the controls",
             [&] { desktop::ClickControl(dialog, kButtonAfter); }},
        };
        for (const Action& a : session) {
            std::printf("> %s\n", a.what);
            a.act();
            Idle();
            const HWND focus = ::GetFocus();
            const int id = focus != nullptr && ::GetParent(focus) != dialog
                               ? ::GetDlgCtrlID(::GetParent(focus))
                               : ::GetDlgCtrlID(focus);
            std::printf("  focus: %s\n", ControlName(id));
        }
        Idle();
        page.PrintValues();
        const std::string after = Join(outDir, "spin-after.png");
        ok = desktop::SaveWindowPng(dialog, after.c_str()) && ok;
        std::printf("pictures: %s %s\n", before.c_str(), after.c_str());
        return ok;
    });
}

bool OpenSpinPage(const std::string& outDir) {
    return WithSpinPage([&](SpinPageDialog& page) {
        bool ok = true;
        const HWND dialog = page.m_hWnd;
        const HWND whole = ::GetDlgItem(dialog, kWhole);
        RECT area{};
        ::GetWindowRect(whole, &area);
        POINT up = ArrowPoint(whole, true);
        ::ClientToScreen(::GetDlgItem(whole, 100), &up);
        std::printf("page 1: spin control, live\n");
        std::printf("whole number at %d,%d %dx%d, up arrow at %d,%d\n", area.left, area.top,
                    area.right - area.left, area.bottom - area.top, up.x, up.y);
        page.PrintValues();
        std::fflush(stdout);

        // The host's own loop: the dialog manager sees each message first; temporary objects go
        // whenever the queue runs dry. It ends with the page or with WM_QUIT.
        MSG msg;
        while (::IsWindow(dialog) && ::GetMessageA(&msg, nullptr, 0, 0)) {
            if (!::IsDialogMessageA(dialog, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
                desktop::AfxIdle();
            }
        }
        if (::IsWindow(dialog)) {
            page.PrintValues();
            const std::string last = Join(outDir, "spin-live.png");
            ok = desktop::SaveScreenPng(last.c_str());
            std::printf("picture: %s\n", last.c_str());
        }
        return ok;
    });
}
