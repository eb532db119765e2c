// Keyboard focus and activation (the message order: tests/conformance/user_windows.cpp):
// refusals, and where focus goes when its window disappears.
#include "user_fixture.h"

namespace user_test {
namespace {

using FocusTest = UserTest;

// A disabled window refuses the focus: tests/conformance/user_windows.cpp.
TEST_F(FocusTest, HiddenWindowsTakeTheFocusAndDisablingOrDestroyingItMovesItOff) {
    HWND top = TopLevel();
    HWND a = Child(top, 1), b = Child(top, 2, 0, 0, 50, 20, WS_CHILD); // b hidden
    SetFocus(b);
    EXPECT_EQ(GetFocus(), b);
    SetFocus(a);
    EnableWindow(a, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    SetFocus(b);
    DestroyWindow(b);
    EXPECT_EQ(GetFocus(), top); // the parent takes it
    EXPECT_TRUE(IsWindow(top));
}

TEST_F(FocusTest, ActivationMovesBetweenTopLevelWindowsInOrder) {
    HWND one = TopLevel("One");
    HWND two = TopLevel("Two", 200, 200);
    EXPECT_EQ(GetActiveWindow(), two);
    desktop::MessageRecorder rec;
    rec.WatchAll();
    rec.Only({WM_ACTIVATE, WM_NCACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    SetActiveWindow(one);
    EXPECT_SEQUENCE(rec, {{two, WM_NCACTIVATE, FALSE},
                          {two, WM_ACTIVATE, WA_INACTIVE},
                          {one, WM_NCACTIVATE, TRUE},
                          {one, WM_ACTIVATE, WA_ACTIVE},
                          {two, WM_KILLFOCUS},
                          {one, WM_SETFOCUS}});
    EXPECT_EQ(GetFocus(), one);
    DestroyWindow(one);
    EXPECT_EQ(GetActiveWindow(), two);
}

TEST_F(FocusTest, KeyboardInputGoesToTheFocusWindow) {
    HWND top = TopLevel();
    HWND a = Child(top, 1), b = Child(top, 2);
    std::string typedA, typedB;
    auto collect = [](std::string& out) {
        return [&out](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_CHAR) {
                out += (char)w;
            }
            return DefWindowProcA(h, m, w, l);
        };
    };
    Handle(a, collect(typedA));
    Handle(b, collect(typedB));
    SetFocus(a);
    desktop::TypeText("Hi, 5!");
    SetFocus(b);
    desktop::PressKey(VK_TAB);
    desktop::PressKey(VK_BACK);
    desktop::PressKey(VK_RETURN);
    desktop::PressKey(VK_ESCAPE);
    desktop::PressKey('Q', {VK_SHIFT});
    desktop::PressKey(VK_OEM_2, {VK_SHIFT});
    EXPECT_EQ(typedA, "Hi, 5!");
    EXPECT_EQ(typedB, std::string("\t\b\r\x1bQ?"));
}

TEST_F(FocusTest, ClicksGoToTheDeepestEnabledChildAndDoNotMoveFocusByThemselves) {
    HWND top = TopLevel();
    HWND a = Child(top, 1, 10, 10, 100, 50);
    HWND inner = Child(a, 2, 5, 5, 20, 20);
    SetFocus(top);
    std::vector<std::pair<HWND, LPARAM>> downs;
    for (HWND h : {top, a, inner}) {
        Handle(h, [&downs](HWND hh, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_LBUTTONDOWN) {
                downs.push_back({hh, l});
            }
            return DefWindowProcA(hh, m, w, l);
        });
    }
    desktop::ClickWindow(inner, POINT{3, 4});
    desktop::ClickWindow(a, POINT{60, 30});
    EnableWindow(inner, FALSE);
    desktop::ClickWindow(a, POINT{8, 8}); // over the disabled child: its parent gets it
    using D = std::pair<HWND, LPARAM>;
    EXPECT_EQ(downs, (std::vector<D>{D{inner, MAKELPARAM(3, 4)}, D{a, MAKELPARAM(60, 30)},
                                     D{a, MAKELPARAM(8, 8)}}));
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(FocusTest, DoubleClicksNeedTheClassStyleAndCaptureRoutesTheMouse) {
    HWND top = TopLevel();
    HWND child = Child(top, 1, 10, 10, 100, 50);
    std::vector<UINT> seen;
    Handle(child, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m >= WM_LBUTTONDOWN && m <= WM_LBUTTONDBLCLK) {
            seen.push_back(m);
        }
        return DefWindowProcA(h, m, w, l);
    });
    desktop::ClickWindow(child, POINT{5, 5});
    desktop::ClickWindow(child, POINT{5, 5});
    EXPECT_EQ(seen,
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
    seen.clear();
    SetCapture(child);
    desktop::Click(POINT{1, 1}); // far outside: still the capturing window's
    EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(GetCapture(), child);
    ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(FocusTest, KeyUpFollowsTheFocusAndAltMakesSystemKeys) {
    HWND top = TopLevel();
    HWND a = Child(top, 1), b = Child(top, 2);
    std::vector<std::pair<HWND, UINT>> keys;
    for (HWND h : {a, b}) {
        Handle(h, [&keys, b](HWND hh, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP) {
                keys.push_back({hh, m});
                if (m == WM_KEYDOWN && w == VK_TAB) {
                    SetFocus(b);
                }
            }
            return DefWindowProcA(hh, m, w, l);
        });
    }
    SetFocus(a);
    desktop::PressKey(VK_TAB);
    desktop::PressKey('X', {VK_MENU});
    using K = std::pair<HWND, UINT>;
    EXPECT_EQ(keys, (std::vector<K>{K{a, WM_KEYDOWN}, K{b, WM_KEYUP}, K{b, WM_SYSKEYDOWN},
                                    K{b, WM_SYSKEYDOWN}, K{b, WM_SYSKEYUP}, K{b, WM_SYSKEYUP}}));
}

TEST_F(FocusTest, AltF4ClosesTheWindowThroughItsDefaultProcedure) {
    HWND top = TopLevel();
    SetFocus(top);
    desktop::PressKey(VK_F4, {VK_MENU});
    EXPECT_FALSE(IsWindow(top));
}

} // namespace
} // namespace user_test
