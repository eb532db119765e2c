// The spin control end to end through its messages: an arrow click (the scroll bar's
// WM_VSCROLL through Spin, the fields rewritten, the parent notified) for each kind, and a typed
// digit through the field's character path and through the whole input path. Each benchmark
// reports the heap allocations it makes per iteration.
#include <desktop.h>
#include <ruzav32/spin.h>

#include "malloc_count.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using bench_support::MallocCount;

constexpr WORD kSpinId = 1;

// A dialog holding one configured control; the parent counts the notifications it hears.
class Host {
public:
    explicit Host(eSpinValueTypes kind) {
        desktop::reset();
        desktop::SetProfileIntlNone();
        desktop::SetProfileText("[Intl]\niTime=1\nsShortDate=dd.MM.yyyy\nsDate=.\n");
        CKSpin::RegisterClass();
        resources::DialogTemplate tmpl;
        tmpl.style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
        tmpl.cx = 160;
        tmpl.cy = 60;
        resources::DialogItem item;
        item.className = "CKSpin";
        item.id = kSpinId;
        item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        item.x = 10;
        item.y = 10;
        item.cx = 80;
        item.cy = 14;
        tmpl.items.push_back(item);
        m_dialog =
            ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), resources::DialogBytes(tmpl),
                                         nullptr, Proc, reinterpret_cast<LPARAM>(this));
        m_parent.Attach(m_dialog);
        m_spinWnd = ::GetDlgItem(m_dialog, kSpinId);
        m_spin = static_cast<CKSpin*>(CWnd::FromHandlePermanent(m_spinWnd));
        switch (kind) {
        case eSpinInt: {
            m_spin->SetProperties(&m_parent, 0, 1000, 500, 1);
            const int value = 500;
            m_spin->Set(&value);
            break;
        }
        case eSpinFloat: {
            m_spin->SetProperties(&m_parent, 0.0f, 1000.0f, 500.0f, 0.25f);
            const float value = 500.0f;
            m_spin->Set(&value);
            break;
        }
        case eSpinTime: {
            m_spin->SetProperties(&m_parent, eSpinTime);
            const tagSpinTime value{12, 30, 0, 0};
            m_spin->Set(&value);
            break;
        }
        default: {
            m_spin->SetProperties(&m_parent, eSpinDate);
            const tagSpinDate value{15, 6, 2026, 0};
            m_spin->Set(&value);
            break;
        }
        }
        m_arrows = ::GetDlgItem(m_spinWnd, 100);
    }
    ~Host() {
        ::DestroyWindow(m_dialog);
        m_parent.Detach();
        CKSpin::UnregisterClass();
    }

    HWND field(int n) const { return ::GetDlgItem(m_spinWnd, 100 + n); }
    void Click(bool up) const {
        ::SendMessageA(m_spinWnd, WM_VSCROLL, up ? SB_LINEUP : SB_LINEDOWN,
                       reinterpret_cast<LPARAM>(m_arrows));
    }
    long notifications = 0;

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            return TRUE;
        }
        if (message == WM_COMMAND) {
            auto* self = reinterpret_cast<Host*>(::GetWindowLongPtrA(dialog, DWLP_USER));
            if (self != nullptr && (HIWORD(wParam) == 100 || HIWORD(wParam) == 101)) {
                ++self->notifications;
            }
            return TRUE;
        }
        return FALSE;
    }

    HWND m_dialog = nullptr;
    HWND m_spinWnd = nullptr;
    HWND m_arrows = nullptr;
    CKSpin* m_spin = nullptr;
    CWnd m_parent;
};

void ArrowClick(benchmark::State& state) {
    Host host(static_cast<eSpinValueTypes>(state.range(0)));
    bool up = true;
    for (int i = 0; i < 64; ++i) { // warm up: first writes of each text, temporary objects
        host.Click(up);
        up = !up;
    }
    {
        MallocCount count(state);
        for (auto _ : state) {
            host.Click(up);
            up = !up;
        }
    }
    if (host.notifications == 0) {
        state.SkipWithError("the parent heard no step");
    }
}
BENCHMARK(ArrowClick)->ArgName("kind")->DenseRange(0, 3);

// A digit accepted by a field's rules and then taken out again with Backspace, both as WM_CHAR
// to the field: two characters through OnChar per iteration. The time's minute field reads the
// clock settings at every key; the date's day field needs no regional setting per key.
void TypedDigitAndBackspace(benchmark::State& state, eSpinValueTypes kind, int field,
                            const char* start, char digit) {
    Host host(kind);
    const HWND edit = host.field(field);
    ::SetFocus(edit);
    ::SetWindowTextA(edit, start);
    ::SendMessageA(edit, EM_SETSEL, 1, 1);
    {
        MallocCount count(state);
        for (auto _ : state) {
            ::SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(digit), 1);
            ::SendMessageA(edit, WM_CHAR, VK_BACK, 1);
        }
    }
    char text[8] = {};
    ::GetWindowTextA(edit, text, sizeof text);
    if (std::strcmp(text, start) != 0) {
        state.SkipWithError("the field did not take the digit and the backspace");
    }
}
BENCHMARK_CAPTURE(TypedDigitAndBackspace, time_minute, eSpinTime, 2, "5", '9');
BENCHMARK_CAPTURE(TypedDigitAndBackspace, date_day, eSpinDate, 1, "1", '2');

// The same pair typed as a user types it: key down and up, TranslateMessage, the dialog
// manager and the field, through the driver's message pump.
void TypedDigitAndBackspaceThroughInput(benchmark::State& state) {
    Host host(eSpinTime);
    const HWND minute = host.field(2);
    ::SetFocus(minute);
    ::SetWindowTextA(minute, "5");
    ::SendMessageA(minute, EM_SETSEL, 1, 1);
    {
        MallocCount count(state);
        for (auto _ : state) {
            desktop::TypeText("9");
            desktop::PressKey(VK_BACK);
        }
    }
}
BENCHMARK(TypedDigitAndBackspaceThroughInput);

} // namespace
