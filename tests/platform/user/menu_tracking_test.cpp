// The menu bar tracked by keyboard and mouse, TrackPopupMenu under the driver, and what the
// owner hears in which order. Each key pressed while a menu is open is a scripted step: the
// menu runs its own loop, as on Windows.
#include "user_fixture.h"

#include <windows.h>

namespace {

using namespace user_test;
using desktop::Expected;

constexpr UINT kNew = 100, kOpen = 101, kExit = 102, kAbout = 300;

class MenuTrackingTest : public UserTest {
protected:
    HMENU bar = nullptr, file = nullptr, help = nullptr;
    HWND top = nullptr;

    void SetUp() override {
        UserTest::SetUp();
        bar = CreateMenu();
        file = CreatePopupMenu();
        help = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, kNew, "&New\tCtrl+N");
        AppendMenuA(file, MF_STRING | MF_GRAYED, kOpen, "&Open");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_STRING, kExit, "E&xit");
        AppendMenuA(help, MF_STRING, kAbout, "&About");
        AppendMenuA(bar, MF_POPUP, (UINT_PTR)file, "&File");
        AppendMenuA(bar, MF_POPUP, (UINT_PTR)help, "&Help");
        top = TopLevel("Menus", 100, 100, 400, 300);
        SetMenu(top, bar);
        desktop::PumpUntilIdle();
    }

    // The screen point at the middle of an item of the bar or of an open pop-up.
    POINT ItemCentre(HMENU menu, UINT item) {
        RECT r{};
        EXPECT_TRUE(GetMenuItemRect(top, menu, item, &r));
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(MenuTrackingTest, F10ArrowsAndEnterChooseAnItemInWindowsOrder) {
    desktop::MessageRecorder rec;
    rec.Watch(top);
    rec.Only({WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP, WM_MENUSELECT, WM_EXITMENULOOP,
              WM_COMMAND});
    desktop::QueueStep([] { desktop::PressKey(VK_DOWN); });   // opens File, selects New
    desktop::QueueStep([] { desktop::PressKey(VK_DOWN); });   // Open (grayed, selectable)
    desktop::QueueStep([] { desktop::PressKey(VK_DOWN); });   // over the separator to Exit
    desktop::QueueStep([] { desktop::PressKey(VK_RETURN); }); // chooses Exit
    desktop::PressKey(VK_F10);
    EXPECT_SEQUENCE(
        rec,
        {
            Expected(top, WM_ENTERMENULOOP, FALSE),
            Expected(top, WM_INITMENU, (WPARAM)bar),
            Expected(top, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE), (LPARAM)bar),
            Expected(top, WM_INITMENUPOPUP, (WPARAM)file, MAKELPARAM(0, FALSE)),
            Expected(top, WM_MENUSELECT, MAKEWPARAM(kNew, MF_HILITE), (LPARAM)file),
            Expected(top, WM_MENUSELECT, MAKEWPARAM(kOpen, MF_HILITE | MF_GRAYED), (LPARAM)file),
            Expected(top, WM_MENUSELECT, MAKEWPARAM(kExit, MF_HILITE), (LPARAM)file),
            Expected(top, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0),
            Expected(top, WM_EXITMENULOOP, FALSE),
            Expected(top, WM_COMMAND, kExit, 0),
        });
    EXPECT_EQ(desktop::PendingSteps(), 0u);
}

TEST_F(MenuTrackingTest, AltMnemonicsEscapeAndDisabledItems) {
    desktop::MessageRecorder rec;
    rec.Watch(top);
    rec.Only({WM_INITMENUPOPUP, WM_COMMAND, WM_EXITMENULOOP});
    // Alt+H opens Help; Escape goes back to the bar; Left moves to File; Down opens it; O is
    // the grayed Open: the menu closes with no command.
    desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
    desktop::QueueStep([] { desktop::PressKey(VK_LEFT); });
    desktop::QueueStep([] { desktop::PressKey(VK_DOWN); });
    desktop::QueueStep([] { desktop::PressKey('O'); });
    desktop::PressKey('H', {VK_MENU});
    EXPECT_SEQUENCE(rec, {
                             Expected(top, WM_INITMENUPOPUP, (WPARAM)help, MAKELPARAM(1, FALSE)),
                             Expected(top, WM_INITMENUPOPUP, (WPARAM)file, MAKELPARAM(0, FALSE)),
                             Expected(top, WM_EXITMENULOOP),
                         });
    // Alt pressed and released alone selects the bar; Escape leaves it.
    rec.Clear();
    desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
    desktop::PressKey(VK_MENU);
    EXPECT_SEQUENCE(rec, {Expected(top, WM_EXITMENULOOP)});
    // A letter no bar item has opens nothing and runs no loop.
    rec.Clear();
    desktop::PressKey('Q', {VK_MENU});
    EXPECT_TRUE(rec.Messages().empty()) << rec.Dump();
}

TEST_F(MenuTrackingTest, MouseOpensTheBarItemAndAClickChooses) {
    desktop::MessageRecorder rec;
    rec.Watch(top);
    rec.Only({WM_INITMENUPOPUP, WM_COMMAND});
    desktop::QueueStep([&] { desktop::Click(ItemCentre(file, 0)); }); // New
    desktop::Click(ItemCentre(bar, 0));
    EXPECT_SEQUENCE(rec, {
                             Expected(top, WM_INITMENUPOPUP, (WPARAM)file),
                             Expected(top, WM_COMMAND, kNew, 0),
                         });
    // A click outside every menu closes it without a command.
    rec.Clear();
    desktop::QueueStep([] { desktop::Click(POINT{5, 700}); });
    desktop::Click(ItemCentre(bar, 1));
    EXPECT_SEQUENCE(rec, {Expected(top, WM_INITMENUPOPUP, (WPARAM)help)});
}

TEST_F(MenuTrackingTest, TheOpenBarItemAndItsPopupArePainted) {
    RECT barItem{};
    ASSERT_TRUE(GetMenuItemRect(top, bar, 0, &barItem));
    COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    bool sawHighlight = false;
    desktop::QueueStep([] { desktop::PressKey(VK_DOWN); });
    desktop::QueueStep([&] {
        // New is selected: its row is filled with the highlight colour.
        POINT c = ItemCentre(file, 0);
        HWND popup = WindowFromPoint(c);
        ScreenToClient(popup, &c);
        sawHighlight = desktop::WindowPixel(popup, 5, c.y) == highlight;
        desktop::PressKey(VK_ESCAPE);
    });
    desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
    desktop::PressKey(VK_F10);
    EXPECT_TRUE(sawHighlight);
    // Closed again: no pop-up window is left.
    EXPECT_EQ(FindWindowA("#32768", nullptr), nullptr);
}

TEST_F(MenuTrackingTest, TrackPopupMenuReturnsTheCommandOrPostsIt) {
    desktop::QueueStep([] { desktop::PressKey(VK_UP); }); // wraps to the last item, Exit
    desktop::QueueStep([] { desktop::PressKey(VK_RETURN); });
    EXPECT_EQ(TrackPopupMenu(file, TPM_RETURNCMD, 50, 50, 0, top, nullptr), (BOOL)kExit);

    desktop::MessageRecorder rec;
    rec.Watch(top);
    rec.Only({WM_COMMAND});
    desktop::QueueStep([] { desktop::PressKey('N'); });
    EXPECT_TRUE(TrackPopupMenu(file, 0, 50, 50, 0, top, nullptr));
    desktop::PumpUntilIdle();
    EXPECT_SEQUENCE(rec, {Expected(top, WM_COMMAND, kNew, 0)});

    EXPECT_FALSE(TrackPopupMenu(nullptr, 0, 0, 0, 0, top, nullptr));
    EXPECT_FALSE(TrackPopupMenu(file, 0, 0, 0, 0, nullptr, nullptr));
}

TEST_F(MenuTrackingTest, AThousandItemsStayOnTheScreen) {
    HMENU big = CreatePopupMenu();
    for (int i = 0; i < 1000; ++i) {
        char text[16];
        wsprintfA(text, "Item %d", i);
        ASSERT_TRUE(AppendMenuA(big, MF_STRING, 1000 + i, text));
    }
    EXPECT_EQ(GetMenuItemCount(big), 1000);
    RECT shown{};
    desktop::QueueStep([&] {
        HWND popup = FindWindowA("#32768", nullptr);
        ASSERT_NE(popup, nullptr);
        GetWindowRect(popup, &shown);
        desktop::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(TrackPopupMenu(big, TPM_RETURNCMD, 900, 700, 0, top, nullptr), 0);
    EXPECT_GE(shown.left, 0);
    EXPECT_EQ(shown.top, 0) << "a menu taller than the screen starts at its top";
    EXPECT_LE(shown.right, GetSystemMetrics(SM_CXSCREEN));
    DestroyMenu(big);
}

TEST_F(MenuTrackingTest, AWindowDestroyedFromItsCommandLeavesNoMenuBehind) {
    Handle(top, [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_COMMAND && LOWORD(w) == kExit) {
            DestroyWindow(h);
            return 0;
        }
        return DefWindowProcA(h, m, w, l);
    });
    desktop::QueueStep([] { desktop::PressKey('X'); });
    desktop::PressKey('F', {VK_MENU});
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(file));
}

} // namespace
