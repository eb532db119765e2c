#include "portable_host.h"

#include <cstring>

namespace portable {
namespace {

const char* const kIntlKeys[] = {"iTime", "iTLZero", "sShortDate", "sDate",
                                 "sTime", "s1159",   "s2359"};
const char kNone[] = "\x01";

struct alignas(4) EmptyTemplate {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
};

HWND Child(HWND parent, const char* cls, WORD id, DWORD style, int y) {
    return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, y, 100, 20,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

} // namespace

PinnedIntl::PinnedIntl(const IntlSettings& s) {
    const char* values[] = {s.iTime, s.iTLZero, s.sShortDate, s.sDate, s.sTime, s.s1159, s.s2359};
    for (size_t k = 0; k < sizeof kIntlKeys / sizeof *kIntlKeys; ++k) {
        char old[64];
        GetProfileStringA("Intl", kIntlKeys[k], kNone, old, sizeof old);
        saved_.emplace_back(kIntlKeys[k], old);
        WriteProfileStringA("Intl", kIntlKeys[k], values[k]);
    }
}

PinnedIntl::~PinnedIntl() {
    for (const auto& [key, value] : saved_)
        WriteProfileStringA("Intl", key, value == kNone ? nullptr : value.c_str());
}

SpinHost::SpinHost(std::vector<SpinPlan> plans) : plans_(std::move(plans)) {
    CKSpin::RegisterClass();
    // Its children are made in WM_INITDIALOG, in tab order.
    CreateDialogIndirectParamA(
        GetModuleHandleA(nullptr), EmptyDialog(WS_POPUP | WS_VISIBLE | WS_CAPTION, 200, 150),
        nullptr, test_support::HostDialogProc<SpinHost>, reinterpret_cast<LPARAM>(this));
    Pump(dialog_);
    notes.clear();
}

SpinHost::~SpinHost() {
    if (dialog_ != nullptr)
        DestroyWindow(dialog_);
    parent_.Detach();
    CKSpin::UnregisterClass();
    Pump(nullptr);
}

void SpinHost::Command(WORD id, WORD code, HWND from) {
    notes.push_back({id, code, from, fields(id)});
}

BOOL SpinHost::Initialise(HWND dialog) {
    dialog_ = dialog;
    parent_.Attach(dialog);
    int y = 4;
    Child(dialog, "EDIT", kEditBefore, WS_BORDER, y);
    for (const SpinPlan& plan : plans_) {
        y += 24;
        Child(dialog, "CKSpin", plan.id, 0, y);
        if (CKSpin* s = spin(plan.id))
            test_support::ConfigureSpin(*s, &parent_, plan);
    }
    Child(dialog, "BUTTON", kButtonAfter, BS_PUSHBUTTON, y + 24);
    return FALSE; // the checks place the focus themselves
}

const DLGTEMPLATE* EmptyDialog(DWORD style, short cx, short cy) {
    static EmptyTemplate slots[4];
    static int next = 0;
    EmptyTemplate& t = slots[next++ % 4];
    t = EmptyTemplate{{style, 0, 0, 0, 0, cx, cy}, 0, 0, 0};
    return &t.head;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void Pump(HWND dialog) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (dialog != nullptr && IsDialogMessageA(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // An idle moment: the framework's temporary window objects go, as at a host's idle time.
    CWnd::DeleteTempMap();
}

void Key(HWND dialog, UINT vk, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    const BYTE before = keys[VK_SHIFT];
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    PostMessageA(GetFocus(), WM_KEYDOWN, vk, 1);
    Pump(dialog);
    PostMessageA(GetFocus(), WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001));
    Pump(dialog);
    keys[VK_SHIFT] = before;
    SetKeyboardState(keys);
}

void Type(HWND dialog, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        PostMessageA(GetFocus(), WM_CHAR, static_cast<BYTE>(*c), 1);
        Pump(dialog);
    }
}

void ClickArrow(HWND dialog, HWND spin, bool up) {
    const HWND arrows = GetDlgItem(spin, 100);
    RECT r{};
    GetClientRect(arrows, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, up ? 2 : r.bottom - 3);
    PostMessageA(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(arrows, WM_LBUTTONUP, 0, at);
    Pump(dialog);
}

} // namespace portable
