// Operations a host calls on a finished control, and the text messages it can send it.
#include "window_host.h"

namespace spin_test {
namespace {

using OpsTest = SpinWindowTest;

DWORD Style(HWND wnd) {
    return static_cast<DWORD>(::GetWindowLongA(wnd, GWL_STYLE));
}

TEST_F(OpsTest, EnableShowAndReadOnlyReachEveryChild) {
    SpinDialog dlg({{1, eSpinDate}});
    CKSpin* spin = dlg.spin(1);
    const HWND wnd = dlg.control(1);
    const HWND children[] = {dlg.field(1, 1),     dlg.field(1, 2),     dlg.field(1, 3),
                             dlg.separator(1, 1), dlg.separator(1, 2), dlg.arrows(1)};
    const DWORD states = WS_TABSTOP | WS_DISABLED | WS_VISIBLE;
    ::SetWindowLongA(wnd, GWL_STYLE, static_cast<LONG>(Style(wnd) & ~WS_TABSTOP));
    spin->EnableWindow(FALSE);
    spin->ShowWindow(SW_HIDE);
    spin->SetReadOnly(TRUE);
    EXPECT_EQ(Style(wnd) & states, static_cast<DWORD>(WS_DISABLED));
    for (HWND child : children) {
        EXPECT_EQ(Style(child) & states & ~WS_TABSTOP, static_cast<DWORD>(WS_DISABLED));
    }
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(Style(dlg.field(1, n)) & ES_READONLY, static_cast<DWORD>(ES_READONLY)) << n;
    }
    EXPECT_FALSE(spin->IsWindowEnabled());

    spin->EnableWindow(TRUE);
    spin->ShowWindow(SW_SHOW);
    spin->SetReadOnly(FALSE);
    EXPECT_EQ(Style(wnd) & states, static_cast<DWORD>(WS_TABSTOP | WS_VISIBLE))
        << "enabling makes it a tab stop even if the template did not";
    for (HWND child : children) {
        EXPECT_EQ(Style(child) & states & ~WS_TABSTOP, static_cast<DWORD>(WS_VISIBLE));
    }
    EXPECT_EQ(Style(dlg.field(1, 2)) & ES_READONLY, 0u);
    // Any field or the arrows disabled makes the whole control disabled; separators do not.
    for (HWND child : children) {
        ::EnableWindow(child, FALSE);
        EXPECT_EQ(spin->IsWindowEnabled() != FALSE, child == children[3] || child == children[4]);
        ::EnableWindow(child, TRUE);
    }
}

TEST_F(OpsTest, LimitTextReachesTheFields) {
    SpinDialog dlg({{1, eSpinTime}});
    const struct {
        int n;
        int limits[3];
    } rows[] = {{0, {4, 4, 4}}, {5, {2, 2, 5}}, {2, {2, 2, 2}}};
    for (const auto& row : rows) {
        dlg.spin(1)->LimitText(row.n);
        for (int f = 0; f < 3; ++f) {
            EXPECT_EQ(::SendMessageA(dlg.field(1, f + 1), EM_GETLIMITTEXT, 0, 0), row.limits[f])
                << "LimitText(" << row.n << ") field " << f + 1;
        }
    }
}

TEST_F(OpsTest, SetFontReachesFieldsAndSeparatorsOnly) {
    SpinDialog dlg({{1, eSpinDate}});
    CKSpin* spin = dlg.spin(1);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
    const HFONT before = reinterpret_cast<HFONT>(::SendMessageA(dlg.control(1), WM_GETFONT, 0, 0));
    spin->SetFont(&font, FALSE);
    for (HWND child : {dlg.field(1, 1), dlg.field(1, 2), dlg.field(1, 3), dlg.separator(1, 1),
                       dlg.separator(1, 2)}) {
        EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0)),
                  static_cast<HFONT>(font.m_hObject));
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(dlg.control(1), WM_GETFONT, 0, 0)), before);
    EXPECT_EQ(spin->GetFont()->m_hObject, font.m_hObject);
    spin->SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))), FALSE);
}

TEST_F(OpsTest, FocusQueriesFollowTheFocusedField) {
    SpinDialog dlg({{1, eSpinDate}, {2, eSpinInt}});
    CKSpin* date = dlg.spin(1);
    CKSpin* number = dlg.spin(2);
    ::SetFocus(dlg.control(kEditBeforeId));
    EXPECT_EQ(date->GetnFocus(), 1) << "focus outside the control";
    ::SetFocus(nullptr);
    EXPECT_EQ(date->GetnFocus(), 1) << "no focus at all";
    for (int n = 1; n <= 3; ++n) {
        ::SetFocus(dlg.field(1, n));
        EXPECT_EQ(date->GetnFocus(), n);
    }
    CWnd* f1 = CWnd::FromHandle(dlg.field(1, 1));
    CWnd* f3 = CWnd::FromHandle(dlg.field(1, 3));
    EXPECT_TRUE(date->IsFirstEdit(f1));
    EXPECT_FALSE(date->IsFirstEdit(f3));
    EXPECT_TRUE(date->IsLastEdit(f3));
    EXPECT_FALSE(date->IsLastEdit(f1));
    EXPECT_TRUE(number->IsLastEdit(f1)) << "every window is last for a one-field control";
    EXPECT_TRUE(number->IsLastEdit(nullptr));
    EXPECT_FALSE(number->IsFirstEdit(nullptr));

    date->SetFocus();
    EXPECT_EQ(::GetFocus(), dlg.field(1, 1));
}

TEST_F(OpsTest, FocusOnTheControlLandsOnFieldOneWithItsTextSelected) {
    SpinDialog dlg({{1, eSpinTime}});
    ::SetFocus(dlg.control(1));
    EXPECT_EQ(::GetFocus(), dlg.field(1, 1));
    DWORD start = 9;
    DWORD end = 9;
    ::SendMessageA(dlg.field(1, 1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
}

TEST_F(OpsTest, TextMessagesReadAndWriteTheCurrentField) {
    SpinDialog dlg({{1, eSpinTime}});
    const HWND wnd = dlg.control(1);
    char buffer[32] = {};
    EXPECT_EQ(::SendMessageA(wnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_STREQ(buffer, "09") << "field 1 right after creation";

    ::SetFocus(dlg.field(1, 2));
    dlg.spin(1)->Spin(1); // a step stores the focused field
    EXPECT_EQ(::SendMessageA(wnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 2);
    EXPECT_STREQ(buffer, "16");

    EXPECT_EQ(::SendMessageA(wnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("42")), 0);
    EXPECT_EQ(dlg.fieldText(1, 2), "42");
    EXPECT_EQ(dlg.fieldText(1, 1), "09");

    char small[2] = {'x', 'x'};
    EXPECT_EQ(::SendMessageA(wnd, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 1);
    EXPECT_STREQ(small, "4") << "cut to the buffer";
    EXPECT_EQ(::SendMessageA(wnd, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(::SendMessageA(wnd, WM_GETTEXT, sizeof buffer, 0), 0);
    EXPECT_EQ(::SendMessageA(wnd, WM_SETTEXT, 0, 0), 0);
    EXPECT_EQ(dlg.fieldText(1, 2), "42");
}

TEST_F(OpsTest, TheReadBackMessageNormalisesWhatWasTyped) {
    SpinDialog dlg({{1, eSpinTime}});
    ::SetWindowTextA(dlg.field(1, 2), "75");
    EXPECT_EQ(::SendMessageA(dlg.control(1), WM_USER + 200, 0, 0), 0);
    EXPECT_EQ(dlg.fieldText(1, 1), "10");
    EXPECT_EQ(dlg.fieldText(1, 2), "15");
}

} // namespace
} // namespace spin_test
