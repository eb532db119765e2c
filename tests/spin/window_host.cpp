#include "window_host.h"

#include "support/dialog_template.h"

namespace spin_test {

namespace {

resources::DialogItem Item(const char* cls, WORD id, DWORD style, short y) {
    return test_support::Control(cls, id, WS_TABSTOP | style, 4, y, 60, 12);
}

} // namespace

SpinDialog::SpinDialog(std::vector<ControlPlan> controls) : plans_(std::move(controls)) {
    auto tmpl = test_support::HostDialog("Spin", 200, 40 + 16 * static_cast<short>(plans_.size()));
    short y = 4;
    tmpl.items.push_back(Item("EDIT", kEditBeforeId, WS_BORDER, y));
    for (const ControlPlan& plan : plans_) {
        if (plan.fromTemplate) {
            y += 16;
            tmpl.items.push_back(Item("CKSpin", plan.id, 0, y));
        }
    }
    y += 16;
    tmpl.items.push_back(Item("BUTTON", kButtonAfterId, BS_PUSHBUTTON, y));
    dialog_ = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), resources::DialogBytes(tmpl),
                                           nullptr, test_support::HostDialogProc<SpinDialog>,
                                           reinterpret_cast<LPARAM>(this));
}

SpinDialog::~SpinDialog() {
    close();
}

void SpinDialog::close() {
    if (dialog_ != nullptr) {
        ::DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
    if (parent_.m_hWnd != nullptr) {
        parent_.Detach();
    }
}

std::string SpinDialog::text(HWND wnd) const {
    char buffer[256] = {};
    ::GetWindowTextA(wnd, buffer, sizeof buffer);
    return buffer;
}

RECT SpinDialog::childRect(HWND child) const {
    RECT r{};
    ::GetWindowRect(child, &r);
    POINT tl{r.left, r.top};
    POINT br{r.right, r.bottom};
    ::ScreenToClient(::GetParent(child), &tl);
    ::ScreenToClient(::GetParent(child), &br);
    return RECT{tl.x, tl.y, br.x, br.y};
}

void SpinDialog::Command(WORD id, WORD code, HWND from) {
    notes.push_back({id, code, from, test_support::SpinFieldTexts(control(id))});
    if (code == closeOnCode) {
        const HWND dialog = dialog_;
        dialog_ = nullptr;
        ::DestroyWindow(dialog);
    }
}

BOOL SpinDialog::Initialise(HWND dialog) {
    dialog_ = dialog;
    parent_.Attach(dialog);
    int y = 30;
    HWND previous = ::GetDlgItem(dialog, kEditBeforeId);
    for (const ControlPlan& plan : plans_) {
        HWND wnd = ::GetDlgItem(dialog, plan.id);
        if (!plan.fromTemplate) {
            wnd = ::CreateWindowExA(0, "CKSpin", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, y,
                                    plan.width, plan.height, dialog,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(plan.id)),
                                    AfxGetInstanceHandle(), nullptr);
            // Tab order: after the edit and the controls before it, before the button.
            ::SetWindowPos(wnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            y += plan.height + 8;
        }
        previous = wnd;
        CKSpin* s = spin(plan.id);
        if (s == nullptr || !plan.configure) {
            continue;
        }
        test_support::ConfigureSpin(*s, plan.withParent ? &parent_ : nullptr, plan, plan.setValue);
    }
    ::MoveWindow(::GetDlgItem(dialog, kButtonAfterId), 10, y, 60, 20, TRUE);
    return TRUE;
}

void SpinWindowTest::SetIntl(const std::string& lines) {
    desktop::SetProfileIntlNone();
    ASSERT_TRUE(desktop::SetProfileText("[Intl]\n" + lines));
}

void SpinWindowTest::SetYear(WORD year) {
    SYSTEMTIME now{};
    now.wYear = year;
    now.wMonth = 6;
    now.wDay = 15;
    now.wHour = 12;
    desktop::SetClockTime(now);
}

void PressKey(UINT vk) {
    desktop::PressKey(vk);
}

void PressShiftKey(UINT vk) {
    desktop::PressKey(vk, {VK_SHIFT});
}

void Type(const char* text) {
    desktop::TypeText(text);
}

void ClickArrow(HWND control, bool up) {
    const HWND arrows = ::GetDlgItem(control, 100);
    RECT rc{};
    ::GetClientRect(arrows, &rc);
    desktop::ClickWindow(arrows, POINT{rc.right / 2, up ? 2 : rc.bottom - 3});
}

void SpinWindowTest::SetUp() {
    desktop::reset();
    SetIntl("");
    EditProbe::s_bAfterTab = FALSE;
    CKSpin::m_cRegisteredCount = 0;
    ASSERT_NE(CKSpin::RegisterClass(), 0);
}

void SpinWindowTest::TearDown() {
    while (CKSpin::m_cRegisteredCount > 0) {
        CKSpin::UnregisterClass();
    }
}

} // namespace spin_test
