// What the live display builds on, without an X server: X keys as virtual keys, and the
// framebuffer's record of where drawing changed it.
#include "desktop/live_keys.h"
#include "gdi/gdi_internal.h"

#include <desktop.h>

#include <X11/keysym.h>
#include <gtest/gtest.h>

namespace {

TEST(LiveKeys, KeysymsBecomeTheVirtualKeysOfAUsLayout) {
    const struct {
        unsigned long keysym;
        UINT vk;
    } rows[] = {
        {XK_a, 'A'},
        {XK_Z, 'Z'},
        {XK_0, '0'},
        {XK_9, '9'},
        {XK_KP_7, VK_NUMPAD7},
        {XK_F1, VK_F1},
        {XK_F12, VK_F12},
        {XK_Tab, VK_TAB},
        {XK_ISO_Left_Tab, VK_TAB},
        {XK_Prior, VK_PRIOR},
        {XK_KP_Up, VK_UP},
        {XK_Shift_R, VK_SHIFT},
        {XK_Alt_L, VK_MENU},
        {XK_minus, VK_OEM_MINUS},
        // No key of the layout: dead keys, media keys, letters of other scripts.
        {XK_dead_acute, 0},
        {0x1008FF14 /* XF86AudioPlay */, 0},
        {XK_eacute, 0},
        {0x6C1 /* Cyrillic_a */, 0},
    };
    for (const auto& r : rows)
        EXPECT_EQ(desktop::live_keys::VirtualKey(r.keysym), r.vk) << std::hex << r.keysym;
}

TEST(LiveKeys, OnlyPrintableLatin1KeysymsTypeACharacterOfTheirOwn) {
    EXPECT_EQ(desktop::live_keys::LatinChar(XK_eacute), 0xE9);
    EXPECT_EQ(desktop::live_keys::LatinChar(XK_section), 0xA7);
    EXPECT_EQ(desktop::live_keys::LatinChar(XK_dead_acute), 0);
    EXPECT_EQ(desktop::live_keys::LatinChar(0x9F), 0); // a C1 control
    EXPECT_EQ(desktop::live_keys::LatinChar(0x1008FF14), 0);
}

class ScreenChanges : public ::testing::Test {
protected:
    void SetUp() override { desktop::reset(); }
    void TearDown() override { gdi_internal::StopScreenChanges(); }
};

TEST_F(ScreenChanges, TheFirstAskCoversTheScreenThenOnlyWhatWasDrawn) {
    RECT changed{};
    ASSERT_TRUE(gdi_internal::TakeScreenChanges(&changed));
    EXPECT_EQ(changed.right, 1024);
    EXPECT_EQ(changed.bottom, 768);
    EXPECT_FALSE(gdi_internal::TakeScreenChanges(&changed));

    HWND w = CreateWindowExA(0, "STATIC", "x", WS_POPUP | WS_VISIBLE, 100, 50, 40, 30, nullptr,
                             nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    desktop::PumpUntilIdle();
    ASSERT_TRUE(gdi_internal::TakeScreenChanges(&changed));
    EXPECT_LE(changed.left, 100);
    EXPECT_LE(changed.top, 50);
    EXPECT_GE(changed.right, 140);
    EXPECT_GE(changed.bottom, 80);

    // Drawing into a memory bitmap changes nothing on the screen.
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(mem, 8, 8);
    HGDIOBJ old = SelectObject(mem, bmp);
    RECT r{0, 0, 8, 8};
    FillRect(mem, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_FALSE(gdi_internal::TakeScreenChanges(&changed));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);

    desktop::SetScreenSize(640, 480);
    ASSERT_TRUE(gdi_internal::TakeScreenChanges(&changed));
    EXPECT_EQ(changed.right, 640);
    DestroyWindow(w);
}

} // namespace
