// Creating and destroying windows: message order, failures, and handles that outlive windows.
#include "user_fixture.h"

namespace user_test {
namespace {

using LifetimeTest = UserTest;

TEST_F(LifetimeTest, ChildCreationSendsItsMessagesInOrderAndNotifiesTheParent) {
    HWND parent = TopLevel();
    desktop::MessageRecorder rec;
    rec.WatchAll();
    rec.Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_GETTEXT});
    HWND child = Child(parent, 5);
    ASSERT_NE(child, nullptr);
    EXPECT_SEQUENCE(rec, {{child, WM_NCCREATE},
                          {child, WM_NCCALCSIZE},
                          {child, WM_CREATE},
                          {child, WM_SIZE, SIZE_RESTORED, MAKELPARAM(50, 20)},
                          {child, WM_MOVE, 0, MAKELPARAM(10, 10)},
                          {parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 5), (LPARAM)child},
                          {child, WM_SHOWWINDOW, TRUE},
                          {child, WM_WINDOWPOSCHANGING},
                          {child, WM_WINDOWPOSCHANGED}});
    EXPECT_EQ(GetDlgCtrlID(child), 5);
    EXPECT_EQ(GetDlgItem(parent, 5), child);
    EXPECT_EQ(GetParent(child), parent);
}

TEST_F(LifetimeTest, MinusOneFromCreateFailsCreationAndDestroysTheWindow) {
    static HWND created;
    static bool ncdestroy;
    created = nullptr;
    ncdestroy = false;
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_CREATE) {
            created = h;
            return -1;
        }
        if (m == WM_NCDESTROY) {
            ncdestroy = true;
        }
        return DefWindowProcA(h, m, w, l);
    };
    wc.lpszClassName = "Refuses";
    RegisterClassA(&wc);
    EXPECT_EQ(CreateWindowExA(0, "Refuses", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    EXPECT_NE(created, nullptr);
    EXPECT_TRUE(ncdestroy);
    EXPECT_FALSE(IsWindow(created));
}

TEST_F(LifetimeTest, DestroyGoesParentFirstForDestroyAndChildrenFirstForNcDestroy) {
    HWND top = TopLevel();
    HWND a = Child(top, 1);
    HWND a1 = Child(a, 11);
    HWND b = Child(top, 2);
    desktop::MessageRecorder rec;
    rec.WatchAll();
    rec.Only({WM_DESTROY, WM_NCDESTROY});
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_SEQUENCE(rec, {{top, WM_DESTROY},
                          {a, WM_DESTROY},
                          {a1, WM_DESTROY},
                          {b, WM_DESTROY},
                          {a1, WM_NCDESTROY},
                          {a, WM_NCDESTROY},
                          {b, WM_NCDESTROY},
                          {top, WM_NCDESTROY}});
    for (HWND h : {top, a, a1, b}) {
        EXPECT_FALSE(IsWindow(h));
    }
}

// A child destroys its parent (and so itself) three sends deep in its own handler: every level
// returns its own result and the record answers as a destroyed window to the end.
TEST_F(LifetimeTest, DestroyingTheParentFromAChildsHandlerInsideANestedSendIsSafe) {
    HWND top = TopLevel();
    HWND child = Child(top, 1);
    int depth = 0;
    int after = 0;
    Handle(child, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_USER) {
            const int mine = ++depth;
            if (mine < 3) {
                SendMessageA(h, WM_USER, 0, 0); // re-entrant send on the same window
            } else {
                DestroyWindow(GetParent(h));
                after = GetWindowLongPtrA(h, GWLP_ID) == 0 && !IsWindow(h) ? 1 : 2;
            }
            return mine;
        }
        return DefWindowProcA(h, m, w, l);
    });
    EXPECT_EQ(SendMessageA(child, WM_USER, 0, 0), 1);
    EXPECT_EQ(after, 1);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
}

TEST_F(LifetimeTest, CallsOnDestroyedNullAndMadeUpHandlesFailCleanly) {
    HWND top = TopLevel();
    DestroyWindow(top);
    HWND reused = TopLevel("Again");
    ASSERT_NE(reused, top); // a slot reused later still refuses the old handle
    for (HWND bad : {top, (HWND) nullptr, (HWND)(UINT_PTR)0x12345678, (HWND)(UINT_PTR)1,
                     (HWND)(UINT_PTR)~0ull}) {
        SetLastError(0);
        EXPECT_EQ(SendMessageA(bad, WM_GETTEXTLENGTH, 0, 0), 0);
        EXPECT_FALSE(PostMessageA(bad, WM_USER, 0, 0) && bad != nullptr);
        EXPECT_FALSE(IsWindow(bad));
        EXPECT_FALSE(DestroyWindow(bad));
        RECT r{1, 2, 3, 4};
        EXPECT_FALSE(GetWindowRect(bad, &r));
        EXPECT_EQ(GetWindowLongPtrA(bad, GWL_STYLE), 0);
        EXPECT_EQ(SetWindowLongPtrA(bad, GWLP_USERDATA, 5), 0);
        char text[8] = "x";
        EXPECT_EQ(GetWindowTextA(bad, text, sizeof text), 0);
        EXPECT_STREQ(text, "");
        EXPECT_EQ(GetParent(bad), nullptr);
        EXPECT_EQ(GetDlgItem(bad, 1), nullptr);
    }
    EXPECT_TRUE(IsWindow(reused));
}

TEST_F(LifetimeTest, WindowLongsAndExtraBytesAreBounded) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = 12;
    wc.lpszClassName = "Extra";
    RegisterClassA(&wc);
    HWND w =
        CreateWindowExA(0, "Extra", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(SetWindowLongPtrA(w, 0, 0x1122334455667788), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, 0), 0x1122334455667788);
    EXPECT_EQ(SetWindowLongA(w, 8, 77), 0);
    EXPECT_EQ(GetWindowLongA(w, 8), 77);
    SetLastError(0);
    EXPECT_EQ(SetWindowLongPtrA(w, 8, 1), 0); // 8 bytes at 8 run past the 12
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_INVALID_INDEX);
    EXPECT_EQ(GetWindowLongA(w, 8), 77);
    EXPECT_EQ(GetWindowLongA(w, 10), 0);
    EXPECT_EQ(GetWindowLongA(w, -100), 0);
    EXPECT_EQ(SetWindowLongPtrA(w, GWLP_USERDATA, 9), 0);
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 9);
}

TEST_F(LifetimeTest, ANullTextEmptiesTheWindowAndNoBufferGetsNothing) {
    // A long text cut to a buffer: tests/conformance/user_dialog_services.cpp.
    HWND w = TopLevel("Caption text");
    char small[5];
    EXPECT_TRUE(SetWindowTextA(w, nullptr));
    EXPECT_EQ(GetWindowTextLengthA(w), 0);
    EXPECT_EQ(GetWindowTextA(w, nullptr, 10), 0);
    EXPECT_EQ(GetWindowTextA(w, small, 0), 0);
}

TEST_F(LifetimeTest, TreeWalksFollowCreationOrder) {
    HWND top = TopLevel();
    HWND a = Child(top, 1), b = Child(top, 2), c = Child(top, 3);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDFIRST), a);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), nullptr);
    EXPECT_TRUE(IsChild(top, b));
    EXPECT_FALSE(IsChild(b, top));
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetTopWindow(top), c);
    HWND owned = CreateWindowExA(0, "UserTestWnd", "", WS_POPUP, 0, 0, 10, 10, top, nullptr,
                                 nullptr, nullptr);
    EXPECT_FALSE(IsChild(top, owned)); // its owner: tests/conformance/user_dialog_services.cpp
    DestroyWindow(top);
    EXPECT_FALSE(IsWindow(owned)); // owned windows go with their owner
}

} // namespace
} // namespace user_test
