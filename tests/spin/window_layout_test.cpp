// The children a control makes for each kind of value: identifiers, classes, styles, texts,
// order, and where they sit in a 100 x 20 control.
#include "window_host.h"

namespace spin_test {
namespace {

using LayoutTest = SpinWindowTest;

struct Span {
    int left;
    int right;
};

void ExpectSpan(const SpinDialog& dlg, HWND child, Span want, const std::string& what) {
    ASSERT_NE(child, nullptr) << what;
    const RECT r = dlg.childRect(child);
    EXPECT_EQ(r.left, want.left) << what;
    EXPECT_EQ(r.right, want.right) << what;
    EXPECT_EQ(r.top, 2) << what;
    EXPECT_EQ(r.bottom, 18) << what;
}

struct KindCase {
    const char* name;
    const char* intl; // [Intl] lines
    eSpinValueTypes kind;
    Span f1, s1, f2, s2, f3;
    const char* sep1;
    const char* sep2;
};

// The arithmetic of every order and clock is the layout logic's own table; here the regional
// settings have to reach it, and the separators have to show their texts.
const KindCase kKinds[] = {
    // clang-format off
    {"date dd.MM.yy", "sShortDate=dd.MM.yy\nsDate=.\n", eSpinDate,
     {13, 29}, {29, 38}, {38, 54}, {54, 63}, {63, 86}, ".", "."},
    {"time, 24-hour", "iTime=1\nsTime=.\n", eSpinTime,
     {32, 53}, {53, 62}, {62, 83}, {83, 86}, {86, 86}, ".", ""},
    {"unknown kind becomes time", "iTime=0\n", static_cast<eSpinValueTypes>(9),
     {2, 23}, {23, 32}, {32, 53}, {53, 55}, {55, 86}, ":", ""},
    // clang-format on
};

TEST_F(LayoutTest, ThreeFieldControlsPlaceFieldsAndSeparatorsByKindAndRegion) {
    for (const KindCase& c : kKinds) {
        SetIntl(c.intl);
        SpinDialog dlg({{1, c.kind}});
        const HWND children[] = {dlg.field(1, 1), dlg.separator(1, 1), dlg.field(1, 2),
                                 dlg.separator(1, 2), dlg.field(1, 3)};
        const Span spans[] = {c.f1, c.s1, c.f2, c.s2, c.f3};
        for (int i = 0; i < 5; ++i)
            ExpectSpan(dlg, children[i], spans[i], std::string(c.name) + " " + std::to_string(i));
        EXPECT_EQ(dlg.text(dlg.separator(1, 1)), c.sep1) << c.name;
        EXPECT_EQ(dlg.text(dlg.separator(1, 2)), c.sep2) << c.name;
        EXPECT_EQ(dlg.spin(1)->GetValueType(), c.kind == eSpinDate ? eSpinDate : eSpinTime)
            << c.name;
    }
}

TEST_F(LayoutTest, NumberControlsHaveOneFieldAcrossTheFieldArea) {
    SpinDialog dlg({{1, eSpinInt}, {2, eSpinFloat}});
    for (WORD id : {1, 2}) {
        ExpectSpan(dlg, dlg.field(id, 1), {2, 86}, "number field");
        EXPECT_EQ(dlg.field(id, 2), nullptr);
        EXPECT_EQ(dlg.field(id, 3), nullptr);
        EXPECT_EQ(dlg.separator(id, 1), nullptr);
        EXPECT_EQ(dlg.separator(id, 2), nullptr);
    }
}

TEST_F(LayoutTest, ChildrenComeInTabOrderWithTheirStylesAndFonts) {
    SpinDialog dlg({{1, eSpinDate}});
    const HWND spin = dlg.control(1);
    const int wantIds[] = {100, 101, 104, 102, 105, 103};
    int i = 0;
    for (HWND child = ::GetWindow(spin, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT), ++i) {
        ASSERT_LT(i, 6);
        EXPECT_EQ(::GetDlgCtrlID(child), wantIds[i]) << "child " << i;
    }
    EXPECT_EQ(i, 6);
    const HFONT gui = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    for (int n = 1; n <= 3; ++n) {
        const HWND field = dlg.field(1, n);
        char cls[16] = {};
        ::GetClassNameA(field, cls, sizeof cls);
        EXPECT_STRCASEEQ(cls, "Edit");
        const DWORD style = static_cast<DWORD>(::GetWindowLongA(field, GWL_STYLE));
        EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER),
                  static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
        EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(field, WM_GETFONT, 0, 0)), gui);
    }
    for (int n = 1; n <= 2; ++n) {
        const HWND sep = dlg.separator(1, n);
        const DWORD style = static_cast<DWORD>(::GetWindowLongA(sep, GWL_STYLE));
        EXPECT_EQ(style & WS_TABSTOP, 0u);
        EXPECT_EQ(style & SS_CENTER, static_cast<DWORD>(SS_CENTER));
        EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(sep, WM_GETFONT, 0, 0)), gui);
    }
}

TEST_F(LayoutTest, OlderSystemsGetFrameworkFieldsInTheParentsThinFont) {
    desktop::SetSystemVersion(3, 51);
    SpinDialog dlg({{1, eSpinTime}});
    const HFONT fieldFont =
        reinterpret_cast<HFONT>(::SendMessageA(dlg.field(1, 1), WM_GETFONT, 0, 0));
    ASSERT_NE(fieldFont, nullptr);
    EXPECT_NE(fieldFont, static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    LOGFONTA lf{};
    ASSERT_EQ(::GetObjectA(fieldFont, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(dlg.field(1, 3), WM_GETFONT, 0, 0)),
              fieldFont);
}

TEST_F(LayoutTest, ALaterKindAddsOrRemovesNoWindows) {
    SpinDialog dlg({{1, eSpinInt}});
    CKSpin* spin = dlg.spin(1);
    spin->SetProperties(CWnd::FromHandle(dlg.dialog()), eSpinDate);
    EXPECT_EQ(dlg.field(1, 2), nullptr);
    EXPECT_EQ(dlg.field(1, 3), nullptr);
}

} // namespace
} // namespace spin_test
