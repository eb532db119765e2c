#include "value_fixture.h"

namespace spin_value_test {

std::vector<Notification> SpinValueTest::s_notifications;

namespace {

constexpr int kSpinId = 1000;
constexpr char kHostClass[] = "SpinValueHost";

LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        SpinValueTest::s_notifications.push_back(
            {LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)});
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

void SpinValueTest::SetUp() {
    desktop::reset();
    s_notifications.clear();
    SetIntl("");
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kHostClass;
    ::RegisterClassA(&wc);
    m_hHost = ::CreateWindowExA(0, kHostClass, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(m_hHost, nullptr);
    m_host.Attach(m_hHost);
    ASSERT_TRUE(CKSpin::RegisterClass());
}

void SpinValueTest::TearDown() {
    if (m_hSpin != nullptr && ::IsWindow(m_hSpin)) {
        ::DestroyWindow(m_hSpin);
    }
    m_host.Detach();
    ::DestroyWindow(m_hHost);
    CKSpin::UnregisterClass();
}

void SpinValueTest::SetIntl(const std::string& lines) {
    desktop::SetProfileIntlNone();
    ASSERT_TRUE(desktop::SetProfileText("[Intl]\n" + lines));
}

void SpinValueTest::SetYear(WORD year) {
    SYSTEMTIME now{};
    now.wYear = year;
    now.wMonth = 6;
    now.wDay = 15;
    now.wHour = 12;
    desktop::SetClockTime(now);
}

CKSpin* SpinValueTest::MakeControl() {
    m_hSpin = ::CreateWindowExA(0, "CKSpin", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100,
                                20, m_hHost, reinterpret_cast<HMENU>(kSpinId),
                                ::GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(m_hSpin, nullptr);
    auto* spin = static_cast<CKSpin*>(CWnd::FromHandlePermanent(m_hSpin));
    EXPECT_NE(spin, nullptr);
    return spin;
}

CKSpin* SpinValueTest::MakeInt(int nMin, int nMax, int nValue, int nStep) {
    CKSpin* spin = MakeControl();
    spin->SetProperties(&m_host, nMin, nMax, nValue, nStep);
    return spin;
}

CKSpin* SpinValueTest::MakeFloat(float fMin, float fMax, float fValue, float fStep) {
    CKSpin* spin = MakeControl();
    spin->SetProperties(&m_host, fMin, fMax, fValue, fStep);
    return spin;
}

CKSpin* SpinValueTest::MakeKind(eSpinValueTypes eType) {
    CKSpin* spin = MakeControl();
    spin->SetProperties(&m_host, eType);
    return spin;
}

HWND SpinValueTest::Field(int n) const {
    return ::GetDlgItem(m_hSpin, 100 + n);
}

std::string SpinValueTest::FieldText(int n) const {
    char text[256] = {};
    ::GetWindowTextA(Field(n), text, sizeof text);
    return text;
}

void SpinValueTest::SetFieldText(int n, const char* text) const {
    ::SetWindowTextA(Field(n), text);
}

void SpinValueTest::ClickArrow(int field, int direction) const {
    ::SetFocus(Field(field));
    ::SendMessageA(m_hSpin, WM_VSCROLL, direction > 0 ? SB_LINEUP : SB_LINEDOWN,
                   reinterpret_cast<LPARAM>(::GetDlgItem(m_hSpin, 100)));
}

} // namespace spin_value_test
