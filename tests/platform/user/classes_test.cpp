// Window classes: registration, lookup order and unregistering, and the creation hook a framework
// installs again while its own runs (superclassing: tests/conformance/user_windows.cpp; the hook
// seeing a window before its first message: the library's controls adopted from templates).
#include "user_fixture.h"

#include <platform_modules.h>

namespace user_test {
namespace {

LRESULT CALLBACK ProcA(HWND h, UINT m, WPARAM w, LPARAM l) {
    return DefWindowProcA(h, m, w, l);
}
LRESULT CALLBACK ProcB(HWND h, UINT m, WPARAM w, LPARAM l) {
    return DefWindowProcA(h, m, w, l);
}

ATOM Register(const char* name, WNDPROC proc, HINSTANCE instance, UINT style = 0) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    return RegisterClassA(&wc);
}

HINSTANCE OtherModule() {
    return platform::RegisterModule("OTHERMOD", (const void*)&ProcA);
}

using ClassesTest = UserTest;

TEST_F(ClassesTest, SystemClassesAreThereAndReadableWithANullInstance) {
    for (const char* name : {"EDIT", "static", "ScrollBar", "BUTTON", "#32770"}) {
        WNDCLASSA wc{};
        EXPECT_TRUE(GetClassInfoA(nullptr, name, &wc)) << name;
        EXPECT_NE(wc.lpfnWndProc, nullptr) << name;
        EXPECT_STREQ(wc.lpszClassName, name);
    }
    WNDCLASSA wc{};
    EXPECT_FALSE(GetClassInfoA(nullptr, "NoSuchClass", &wc));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLASS_DOES_NOT_EXIST);
}

TEST_F(ClassesTest, LocalClassOfTheInstanceWinsOverGlobalWhichWinsOverSystem) {
    HINSTANCE host = GetModuleHandleA(nullptr);
    ASSERT_NE(Register("Button", ProcA, OtherModule(), CS_GLOBALCLASS), 0);
    ASSERT_NE(Register("Button", ProcB, host), 0);

    HWND local =
        CreateWindowExA(0, "button", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, host, nullptr);
    HWND global = CreateWindowExA(0, "button", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  (HINSTANCE)&host, nullptr);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(local, GWLP_WNDPROC), ProcB);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(global, GWLP_WNDPROC), ProcA);

    DestroyWindow(global);
    ASSERT_TRUE(UnregisterClassA("Button", OtherModule()));
    HWND system = CreateWindowExA(0, "button", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  (HINSTANCE)&host, nullptr);
    WNDCLASSA sys{};
    GetClassInfoA(nullptr, "BUTTON", &sys);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(system, GWLP_WNDPROC), sys.lpfnWndProc);
}

TEST_F(ClassesTest, RegisteringTwiceFailsAndUnregisteringAClassInUseFails) {
    ASSERT_NE(Register("Twice", ProcA, nullptr), 0);
    EXPECT_EQ(Register("twice", ProcB, nullptr), 0);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLASS_ALREADY_EXISTS);

    HWND w =
        CreateWindowExA(0, "Twice", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(UnregisterClassA("Twice", nullptr));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CLASS_HAS_WINDOWS);
    EXPECT_TRUE(IsWindow(w)); // the refusal left the window working
    EXPECT_EQ(SendMessageA(w, WM_GETTEXTLENGTH, 0, 0), 0);

    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassA("Twice", nullptr));
    EXPECT_FALSE(UnregisterClassA("Twice", nullptr));
    EXPECT_FALSE(UnregisterClassA("STATIC", nullptr)); // system classes stay
    EXPECT_EQ(
        CreateWindowExA(0, "Twice", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_CANNOT_FIND_WND_CLASS);
}

TEST_F(ClassesTest, BadRegistrationsAreRefused) {
    EXPECT_EQ(RegisterClassA(nullptr), 0);
    WNDCLASSA wc{};
    wc.lpszClassName = "NoProc";
    EXPECT_EQ(RegisterClassA(&wc), 0);
    wc.lpfnWndProc = ProcA;
    wc.lpszClassName = "";
    EXPECT_EQ(RegisterClassA(&wc), 0);
    wc.lpszClassName = "NegativeExtra";
    wc.cbWndExtra = -4;
    EXPECT_EQ(RegisterClassA(&wc), 0);
}

// A framework keeps one variable for its hook handle; a window created while its hook is
// installed installs the hook again, and each hook unhooks itself once it has seen its window.
HHOOK g_frameworkHook;
std::vector<HWND> g_adopted;

LRESULT CALLBACK FrameworkHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        g_adopted.push_back((HWND)wParam);
    }
    return CallNextHookEx(g_frameworkHook, code, wParam, lParam);
}

TEST_F(ClassesTest, NestedHooksSharingOneHandleChainWithoutLooping) {
    g_adopted.clear();
    HHOOK outer = SetWindowsHookExA(WH_CBT, FrameworkHook, nullptr, 0);
    g_frameworkHook = outer;
    HWND top = TopLevel();
    HHOOK inner = SetWindowsHookExA(WH_CBT, FrameworkHook, nullptr, 0);
    g_frameworkHook = inner;
    HWND child = Child(top, 1);
    EXPECT_TRUE(UnhookWindowsHookEx(inner));
    EXPECT_TRUE(UnhookWindowsHookEx(outer));
    // Each installed hook saw the child once: no hook ran twice, none was skipped.
    EXPECT_EQ(g_adopted, (std::vector<HWND>{top, child, child}));
    EXPECT_EQ(CallNextHookEx(outer, HCBT_CREATEWND, 0, 0), 0); // outside any hook
}

} // namespace
} // namespace user_test
