// The "CKSpin" window class: counted registration, and controls made from a dialog template
// that adopt their own objects. That they release everything when the dialog closes is checked
// after every dialog of the random walk.
#include "window_host.h"

namespace spin_test {
namespace {

using ClassTest = SpinWindowTest;

bool ClassKnown() {
    WNDCLASSA wc{};
    return ::GetClassInfoA(AfxGetInstanceHandle(), "CKSpin", &wc) != FALSE;
}

// The class is global, with the arrow cursor and a background brush that goes with the last
// registration and is made again with the next.
TEST_F(ClassTest, RegistrationIsCountedAndTheLastUnregisterRemovesTheClass) {
    WNDCLASSA wc{};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), "CKSpin", &wc));
    EXPECT_EQ(wc.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_GLOBALCLASS));
    EXPECT_EQ(wc.cbWndExtra, 0);
    EXPECT_EQ(wc.hCursor, ::LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_NE(wc.hbrBackground, nullptr);
    const int brushes = desktop::GdiObjectCounts().brushes;
    // SetUp registered once.
    EXPECT_EQ(CKSpin::RegisterClass(), 1) << "a known class answers 1 and still counts";
    EXPECT_EQ(CKSpin::m_cRegisteredCount, 2);
    EXPECT_TRUE(CKSpin::UnregisterClass());
    EXPECT_TRUE(ClassKnown()) << "one registration is still outstanding";
    EXPECT_TRUE(CKSpin::UnregisterClass());
    EXPECT_EQ(CKSpin::m_cRegisteredCount, 0);
    EXPECT_FALSE(ClassKnown());
    EXPECT_EQ(desktop::GdiObjectCounts().brushes, brushes - 1);
    EXPECT_TRUE(CKSpin::UnregisterClass()) << "an unmatched call answers 1";
    EXPECT_EQ(CKSpin::m_cRegisteredCount, 0);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(CKSpin::RegisterClass(), 0);
        ASSERT_TRUE(CKSpin::UnregisterClass());
    }
    EXPECT_EQ(desktop::GdiObjectCounts().brushes, brushes - 1) << "no brush left behind";
}

TEST_F(ClassTest, ATemplateControlGetsItsOwnObjectWithTheArrows) {
    ControlPlan plan;
    plan.fromTemplate = true;
    plan.configure = false;
    SpinDialog dlg({plan});
    ASSERT_NE(dlg.dialog(), nullptr);
    CKSpin* spin = dlg.spin(1);
    ASSERT_NE(spin, nullptr) << "the first message attached a CKSpin";
    EXPECT_EQ(spin->m_hWnd, dlg.control(1));
    const HWND arrows = dlg.arrows(1);
    ASSERT_NE(arrows, nullptr);
    char cls[32] = {};
    ::GetClassNameA(arrows, cls, sizeof cls);
    EXPECT_STRCASEEQ(cls, "ScrollBar");
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(arrows, GWL_STYLE)),
              static_cast<DWORD>(WS_CHILD | WS_VISIBLE | SBS_VERT));
    RECT client{};
    ::GetClientRect(dlg.control(1), &client);
    const RECT r = dlg.childRect(arrows);
    EXPECT_EQ(r.left, client.right - 12);
    EXPECT_EQ(r.right, client.right);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.bottom, client.bottom);
    EXPECT_EQ(::GetDlgItem(dlg.control(1), 101), nullptr) << "no fields before SetProperties";
}

TEST_F(ClassTest, AHostMadeControlIsNotAdoptedASecondTime) {
    SpinDialog dlg({});
    CKSpin own;
    ASSERT_TRUE(own.CreateEx(0, "CKSpin", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20),
                             CWnd::FromHandle(dlg.dialog()), 7));
    EXPECT_EQ(CWnd::FromHandlePermanent(own.m_hWnd), &own);
    own.SetProperties(CWnd::FromHandle(dlg.dialog()), eSpinDate);
    EXPECT_NE(::GetDlgItem(own.m_hWnd, 103), nullptr);
    own.DestroyWindow();
    EXPECT_EQ(own.m_hWnd, nullptr);
}

TEST_F(ClassTest, OperationsOnAControlWithoutFieldsOrWindowAreHarmless) {
    CKSpin lone; // never given a window
    lone.SetProperties(nullptr, eSpinDate);
    lone.EnableWindow(FALSE);
    lone.ShowWindow(SW_HIDE);
    lone.SetReadOnly(TRUE);
    lone.LimitText(3);
    lone.SetFocus();
    lone.Spin(1);
    EXPECT_FALSE(lone.IsWindowEnabled());
    EXPECT_EQ(lone.GetnFocus(), 1);
    EXPECT_FALSE(lone.IsFirstEdit(nullptr));
    EXPECT_FALSE(lone.IsLastEdit(nullptr));
    tagSpinDate date{};
    EXPECT_FALSE(lone.Get(&date));

    SpinDialog dlg({{1, eSpinTime, 100, 20, true, false}}); // a window, but no fields
    CKSpin* spin = dlg.spin(1);
    ASSERT_NE(spin, nullptr);
    char buffer[16] = "x";
    EXPECT_EQ(
        ::SendMessageA(dlg.control(1), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)),
        0);
    EXPECT_EQ(::SendMessageA(dlg.control(1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("12")), 0);
    spin->Spin(1);
    ::SendMessageA(dlg.control(1), WM_USER + 200, 0, 0);

    // Given a parent, a control without a window of its own makes no fields (and must not
    // try to lay them out in a client area it does not have).
    lone.SetProperties(CWnd::FromHandle(dlg.dialog()), eSpinDate);
    EXPECT_FALSE(lone.IsWindowEnabled());

    EXPECT_TRUE(spin->IsWindowEnabled());
    for (const Notification& n : dlg.notes) {
        EXPECT_NE(n.id, 1) << "no parent configured: nothing is sent (code " << n.code << ")";
    }
}

TEST_F(ClassTest, NullValuePointersAreRefused) {
    SpinDialog dlg({{1, eSpinInt}, {2, eSpinTime}, {3, eSpinDate}});
    for (WORD id : {1, 2, 3}) {
        CKSpin* spin = dlg.spin(id);
        const std::string before = dlg.fieldText(id, 1);
        spin->Set(nullptr);
        EXPECT_EQ(dlg.fieldText(id, 1), before) << id;
        EXPECT_FALSE(spin->Get(nullptr)) << id;
    }
}

// A spin field put in an ordinary dialog has no control to ask: it steps nothing, moves no focus
// and takes no printable character, but still edits with the control keys.
TEST_F(ClassTest, AFieldOutsideASpinControlKeepsToItself) {
    SpinDialog dlg({});
    CKSpinEdit stray;
    ASSERT_TRUE(stray.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 60, 16),
                             CWnd::FromHandle(dlg.dialog()), 55));
    stray.SetWindowText("12");
    ::SetFocus(stray.m_hWnd);
    ::SendMessageA(stray.m_hWnd, EM_SETSEL, 2, 2);
    EditProbe::s_bAfterTab = FALSE;
    PressKey(VK_UP);
    PressKey(VK_TAB);
    Type("x");
    EXPECT_EQ(dlg.text(stray.m_hWnd), "12");
    EXPECT_EQ(::GetFocus(), stray.m_hWnd);
    PressKey(VK_BACK);
    EXPECT_EQ(dlg.text(stray.m_hWnd), "1");
    stray.DestroyWindow();
}

} // namespace
} // namespace spin_test
