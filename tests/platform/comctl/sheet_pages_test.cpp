// What a property sheet tells its pages when the user works it: page changes by tab clicks and
// keys, Apply clicked, OK and Cancel by keys, Help, and the modal loop. The order of what each
// page hears and the sheet messages are pinned in tests/conformance/comctl_property_sheet.cpp.
#include "platform/comctl/sheet_fixture.h"

namespace comctl_test {
namespace {

constexpr int kApply = 0x3021;

HWND Tab(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
}

void ClickTab(HWND sheet, int index) {
    RECT r{};
    SendMessageA(Tab(sheet), TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    desktop::ClickWindow(Tab(sheet), POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

int CurrentTab(HWND sheet) {
    return static_cast<int>(SendMessageA(Tab(sheet), TCM_GETCURSEL, 0, 0));
}

TEST_F(SheetTest, OnlyTheShownPageIsMadeAndATabClickShowsAnotherUnlessThePageRefuses) {
    HWND sheet = Modeless(3);
    HWND first = Page(sheet);
    int pagesMade = 0;
    for (HWND c = GetWindow(sheet, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char name[16] = "";
        GetClassNameA(c, name, sizeof name);
        pagesMade += std::string(name) == "#32770";
    }
    EXPECT_EQ(1, pagesMade);
    Answer(1, PSN_KILLACTIVE, TRUE);
    Notes().clear();
    ClickTab(sheet, 2);
    EXPECT_EQ((std::vector<Note>{{1, PSN_KILLACTIVE}}), Notes());
    EXPECT_EQ(0, CurrentTab(sheet));
    EXPECT_FALSE(SendMessageA(sheet, PSM_SETCURSEL, 1, 0));
    EXPECT_FALSE(SendMessageA(sheet, PSM_SETCURSEL, 7, 0));
    Answer(1, PSN_KILLACTIVE, FALSE);
    Notes().clear();
    desktop::AdvanceClock(1000); // a click of its own, not the second of a double click
    ClickTab(sheet, 2);
    EXPECT_EQ((std::vector<Note>{{1, PSN_KILLACTIVE}, {3, PSN_SETACTIVE}}), Notes());
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_EQ(2, CurrentTab(sheet));
}

TEST_F(SheetTest, CtrlTabMovesThroughThePagesBothWays) {
    HWND sheet = Modeless(3);
    SetFocus(GetDlgItem(Page(sheet), 100));
    desktop::PressKey(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(1, CurrentTab(sheet));
    desktop::PressKey(VK_TAB, {VK_CONTROL});
    desktop::PressKey(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(0, CurrentTab(sheet)); // round past the last
    Notes().clear();
    desktop::PressKey(VK_TAB, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(2, CurrentTab(sheet));
    EXPECT_EQ((std::vector<Note>{{1, PSN_KILLACTIVE}, {3, PSN_SETACTIVE}}), Notes());
    desktop::PressKey(VK_NEXT, {VK_CONTROL});
    EXPECT_EQ(0, CurrentTab(sheet));
}

// The pump finds the sheet from the focused window's chain of parents: a control moved out of
// the sheet no longer passes its keys to it, and goes with its new parent.
TEST_F(SheetTest, CtrlTabLeavesTheSheetAloneOnceTheFocusedControlMovesOut) {
    HWND sheet = Modeless(3);
    HWND control = GetDlgItem(Page(sheet), 100);
    SetFocus(control);
    desktop::PressKey(VK_TAB, {VK_CONTROL});
    ASSERT_EQ(1, CurrentTab(sheet));
    HWND elsewhere = CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 400, 400, 100,
                                     100, nullptr, nullptr, nullptr, nullptr);
    SetParent(control, elsewhere);
    desktop::PressKey(VK_TAB, {VK_CONTROL});
    EXPECT_EQ(1, CurrentTab(sheet));
    DestroyWindow(elsewhere); // takes the control with it, and only once
    EXPECT_FALSE(IsWindow(control));
}

TEST_F(SheetTest, ClickingApplyTellsThePagesAndKeepsTheSheet) {
    HWND sheet = Modeless(2);
    SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(Page(sheet)), 0);
    Notes().clear();
    ASSERT_TRUE(desktop::ClickControl(sheet, kApply));
    EXPECT_EQ((std::vector<Note>{{1, PSN_KILLACTIVE}, {1, PSN_APPLY}, {1, PSN_SETACTIVE}}),
              Notes());
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet, kApply)));
    EXPECT_NE(nullptr, Page(sheet));
}

TEST_F(SheetTest, EnterIsOkAndEscapeIsCancel) {
    const struct {
        UINT key;
        std::vector<Note> heard;
    } cases[] = {{VK_RETURN, {{1, PSN_KILLACTIVE}, {1, PSN_APPLY}}},
                 {VK_ESCAPE, {{1, PSN_QUERYCANCEL}, {1, PSN_RESET}}}};
    for (const auto& c : cases) {
        HWND sheet = Modeless(2);
        SetFocus(GetDlgItem(Page(sheet), 100));
        Notes().clear();
        desktop::PressKey(c.key);
        EXPECT_EQ(c.heard, Notes()) << c.key;
        EXPECT_EQ(nullptr, Page(sheet)) << "the host's cue to destroy it";
        EXPECT_TRUE(IsWindow(sheet));
        DestroyWindow(sheet);
    }
}

TEST_F(SheetTest, AnInvalidPageStopsOk) {
    HWND sheet = Modeless(2);
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    Answer(1, PSN_APPLY, PSNRET_INVALID);
    Notes().clear();
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
    EXPECT_EQ((std::vector<Note>{{2, PSN_KILLACTIVE}, {1, PSN_APPLY}, {1, PSN_SETACTIVE}}),
              Notes());
    EXPECT_EQ(0, CurrentTab(sheet)); // back on the page that failed
    EXPECT_NE(nullptr, Page(sheet));
}

TEST_F(SheetTest, HelpGoesToTheCurrentPageWhenItHasHelp) {
    HWND sheet = Modeless(2, PSH_HASHELP, {2});
    HWND help = GetDlgItem(sheet, IDHELP);
    EXPECT_FALSE(IsWindowEnabled(help));
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    EXPECT_TRUE(IsWindowEnabled(help));
    Notes().clear();
    ASSERT_TRUE(desktop::ClickControl(sheet, IDHELP));
    EXPECT_EQ((std::vector<Note>{{2, PSN_HELP}}), Notes());
}

TEST_F(SheetTest, ModalSheetReturnsOneForOkAndZeroForCancel) {
    HWND owner = CreateWindowExA(0, "#32770", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600,
                                 500, nullptr, nullptr, nullptr, nullptr);
    for (int button : {IDOK, IDCANCEL}) {
        PROPSHEETHEADERA h = Header(2, PSH_HASHELP);
        h.hwndParent = owner;
        HWND seen = nullptr;
        bool ownerDisabled = false;
        desktop::QueueStep([&] {
            seen = GetActiveWindow();
            ownerDisabled = !IsWindowEnabled(owner);
            desktop::PressKey(VK_TAB, {VK_CONTROL});
        });
        desktop::QueueStep([&] { desktop::ClickControl(seen, button); });
        Notes().clear();
        INT_PTR result = PropertySheetA(&h);
        EXPECT_EQ(button == IDOK ? 1 : 0, result);
        EXPECT_TRUE(ownerDisabled);
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_FALSE(IsWindow(seen));
        ASSERT_GE(Notes().size(), 3u);
        EXPECT_EQ((Note{2, PSN_SETACTIVE}), Notes()[2]); // Ctrl+Tab reached the modal loop
    }
}

TEST_F(SheetTest, TabGoesFromThePageToTheTabsAndOnToTheButtons) {
    HWND sheet = Modeless(2);
    HWND field = GetDlgItem(Page(sheet), 100);
    EXPECT_EQ(field, GetFocus()); // the page's first control has the focus at the start
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    const HWND order[] = {tab, GetDlgItem(sheet, IDOK), GetDlgItem(sheet, IDCANCEL), field};
    for (HWND expected : order) {
        desktop::PressKey(VK_TAB);
        EXPECT_EQ(expected, GetFocus()); // Apply and Help are disabled, so skipped
    }
}

} // namespace
} // namespace comctl_test
