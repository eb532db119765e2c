// Static controls superclassed, as the spin control superclasses them.
#include "controls_fixture.h"

namespace controls_test {
namespace {

using Static = ControlsTest;

TEST_F(Static, ASuperclassOfStaticBehavesAsAStatic) {
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "static", &wc));
    ASSERT_NE(wc.lpfnWndProc, nullptr);
    EXPECT_GE(wc.cbWndExtra, static_cast<int>(sizeof(void*)));
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SuperStatic";
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    ASSERT_NE(RegisterClassA(&wc), 0);

    HWND one = Create("SuperStatic", "one", SS_CENTER, 1);
    HWND two = Create("SuperStatic", "two", SS_CENTER, 2);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(one, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(one, WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(SendMessageA(two, WM_GETFONT, 0, 0), 0) << "state is per window";
    EXPECT_EQ(Text(two), "two");
    SetWindowTextA(two, "World");
    EXPECT_EQ(Text(two), "World");
    DestroyWindow(one);
    DestroyWindow(two);
    EXPECT_TRUE(UnregisterClassA("SuperStatic", GetModuleHandleA(nullptr)));
}

TEST_F(Static, ASuperclassWithoutRoomForStateStillWorksAsAStatic) {
    WNDCLASSA wc{};
    ASSERT_TRUE(GetClassInfoA(nullptr, "STATIC", &wc));
    wc.cbWndExtra = 0;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "NarrowStatic";
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND label = Create("NarrowStatic", "narrow", SS_LEFT, 3);
    UpdateWindow(label);
    EXPECT_EQ(Text(label), "narrow");
    EXPECT_EQ(SendMessageA(label, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_TRUE(DestroyWindow(label));
}

} // namespace
} // namespace controls_test
