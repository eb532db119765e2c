// The bitmap button as a host uses it: images found by the button's title or given by name or
// number, the image shown in each state a user brings about, sizing, and what is released.
#include "button_host.h"

#include "support/bmp_bytes.h"

#include <string>

namespace button_test {
namespace {

POINT CentreOnScreen(HWND wnd) {
    RECT r{};
    ::GetWindowRect(wnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(BitmapButtonClass, IsARuntimeClassWithoutDynamicCreation) {
    const CRuntimeClass* cls = RUNTIME_CLASS(CKBitmapButton);
    EXPECT_STREQ(cls->m_lpszClassName, "CKBitmapButton");
    EXPECT_EQ(cls->m_wSchema, 0xFFFFu);
    EXPECT_EQ(cls->m_pfnCreateObject, nullptr);
    EXPECT_EQ(cls->m_pBaseClass, RUNTIME_CLASS(CButton));
    EXPECT_EQ(CRuntimeClass::CreateObject("CKBitmapButton"), nullptr);
}

TEST_F(BitmapButtonTest, SaveWithOnlyItsNormalAndDisabledImages) {
    AddBitmap("SAVEU", 30, 24, kRed);
    AddBitmap("SAVEX", 30, 24, kBlue);
    ButtonDialog dlg({{101, "SAVE"}});
    CKBitmapButton button;
    ASSERT_TRUE(button.AutoLoad(101, &dlg.dialog()));
    EXPECT_EQ(dlg.size(101).cx, 30);
    EXPECT_EQ(dlg.size(101).cy, 24);
    EXPECT_EQ(dlg.pixel(101, 15, 12), kRed) << "normal";

    desktop::MouseDown(CentreOnScreen(dlg.button(101)));
    EXPECT_EQ(dlg.pixel(101, 15, 12), kRed) << "pressed shows the normal image";
    desktop::MouseUp(CentreOnScreen(dlg.button(101)));
    EXPECT_EQ(::GetFocus(), dlg.button(101));
    EXPECT_EQ(dlg.pixel(101, 15, 12), kRed) << "focused shows the normal image";

    ::EnableWindow(dlg.button(101), FALSE);
    EXPECT_EQ(dlg.pixel(101, 15, 12), kBlue) << "disabled";
}

TEST_F(BitmapButtonTest, EachStateShowsItsOwnImage) {
    AddBitmap("GOU", 30, 24, kRed);
    AddBitmap("GOD", 30, 24, kGreen);
    AddBitmap("GOF", 30, 24, kBlue);
    AddBitmap("GOX", 30, 24, kYellow);
    ButtonDialog dlg({{101, "GO"}});
    CKBitmapButton button;
    ASSERT_TRUE(button.AutoLoad(101, &dlg.dialog()));
    EXPECT_EQ(dlg.pixel(101, 2, 2), kRed);

    desktop::MouseDown(CentreOnScreen(dlg.button(101)));
    EXPECT_EQ(dlg.pixel(101, 2, 2), kGreen) << "pressed (and focused)";
    desktop::MouseUp(CentreOnScreen(dlg.button(101)));
    EXPECT_EQ(dlg.pixel(101, 2, 2), kBlue) << "focused after the click";

    desktop::PressKey(VK_TAB, {VK_SHIFT});
    EXPECT_EQ(dlg.pixel(101, 2, 2), kRed) << "focus moved back to the edit";
    ::EnableWindow(dlg.button(101), FALSE);
    EXPECT_EQ(dlg.pixel(101, 2, 2), kYellow);
}

TEST_F(BitmapButtonTest, AutoLoadWithoutTheNormalImageFailsAndLoadsNothing) {
    AddBitmap("SAVED", 30, 24, kGreen);
    AddBitmap("SAVEX", 30, 24, kBlue);
    ButtonDialog dlg({{101, "SAVE"}});
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    const SIZE templateSize = dlg.size(101);
    CKBitmapButton button;
    EXPECT_FALSE(button.AutoLoad(101, &dlg.dialog()));
    EXPECT_EQ(desktop::GdiObjectCounts(), before) << "no image kept, not even SAVED";
    EXPECT_EQ(button.m_hWnd, dlg.button(101)) << "the button stays taken over";
    EXPECT_EQ(dlg.size(101).cx, templateSize.cx);
    EXPECT_EQ(dlg.size(101).cy, templateSize.cy);
    ::InvalidateRect(dlg.button(101), nullptr, TRUE);
    EXPECT_NE(dlg.pixel(101, 5, 5), kGreen);
}

TEST_F(BitmapButtonTest, AutoLoadFailsForAMissingControlOrParent) {
    AddBitmap("SAVEU", 30, 24, kRed);
    ButtonDialog dlg({{101, "SAVE"}});
    CKBitmapButton missing;
    EXPECT_FALSE(missing.AutoLoad(99, &dlg.dialog()));
    EXPECT_EQ(missing.m_hWnd, nullptr);
    CKBitmapButton orphan;
    EXPECT_FALSE(orphan.AutoLoad(101, nullptr));
    EXPECT_EQ(orphan.m_hWnd, nullptr);
}

TEST_F(BitmapButtonTest, IdentifiersCountByTheirLow16Bits) {
    AddBitmap(MAKEINTRESOURCEA(0x65), 12, 12, kGreen);
    ButtonDialog dlg({{101, ""}});
    CKBitmapButton button;
    ASSERT_TRUE(button.SubclassDlgItem(101, &dlg.dialog()));
    EXPECT_TRUE(button.LoadBitmaps(0x10065u, 0, 0, 0));
    ::InvalidateRect(dlg.button(101), nullptr, TRUE);
    EXPECT_EQ(dlg.pixel(101, 3, 3), kGreen);
    EXPECT_FALSE(button.LoadBitmaps(0x10000u)) << "identifier 0 names no bitmap";
}

TEST_F(BitmapButtonTest, AMissingOptionalImageIsReportedAndFallsBackToNormal) {
    AddBitmap("OKU", 20, 20, kRed);
    ButtonDialog dlg({{101, ""}});
    CKBitmapButton button;
    ASSERT_TRUE(button.SubclassDlgItem(101, &dlg.dialog()));
    EXPECT_FALSE(button.LoadBitmaps("OKU", "OKD"));
    desktop::MouseDown(CentreOnScreen(dlg.button(101)));
    EXPECT_EQ(dlg.pixel(101, 3, 3), kRed);
    desktop::MouseUp(CentreOnScreen(dlg.button(101)));
}

TEST_F(BitmapButtonTest, ASecondLoadWithoutItsNormalImageLeavesNoImageAtAll) {
    AddBitmap("ONEU", 20, 20, kRed);
    AddBitmap("ONED", 20, 20, kGreen);
    AddBitmap("TWOD", 20, 20, kBlue);
    ButtonDialog dlg({{101, ""}});
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    CKBitmapButton button;
    ASSERT_TRUE(button.SubclassDlgItem(101, &dlg.dialog()));
    ASSERT_TRUE(button.LoadBitmaps("ONEU", "ONED"));
    EXPECT_EQ(desktop::GdiObjectCounts().bitmaps, before.bitmaps + 2);
    EXPECT_FALSE(button.LoadBitmaps("TWOU", "TWOD"));
    EXPECT_EQ(desktop::GdiObjectCounts(), before) << "the earlier set went, TWOD never came";
    ::InvalidateRect(dlg.button(101), nullptr, TRUE);
    const COLORREF shown = dlg.pixel(101, 3, 3);
    EXPECT_NE(shown, kRed);
    EXPECT_NE(shown, kBlue);
}

TEST_F(BitmapButtonTest, AnImageLargerThanTheButtonIsCutNotStretched) {
    // 60x40: red, with a green square at its top-left corner.
    resources::AddBitmap(AfxGetResourceHandle(), "BIG",
                         test_support::BmpBytes(60, 40, kRed, RECT{0, 0, 10, 10}, kGreen));
    ButtonDialog dlg({{101, ""}});
    CKBitmapButton button;
    ASSERT_TRUE(button.SubclassDlgItem(101, &dlg.dialog()));
    ::SetWindowPos(dlg.button(101), nullptr, 0, 0, 20, 16, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(button.LoadBitmaps("BIG"));
    ::InvalidateRect(dlg.button(101), nullptr, TRUE);
    EXPECT_EQ(dlg.pixel(101, 9, 9), kGreen) << "the corner square keeps its size";
    EXPECT_EQ(dlg.pixel(101, 10, 10), kRed);
    EXPECT_EQ(dlg.pixel(101, 19, 15), kRed);
    RECT r{};
    ::GetWindowRect(dlg.button(101), &r);
    EXPECT_NE(desktop::ScreenPixel(r.right, r.top + 2), kRed) << "nothing drawn past the button";
    button.SizeToContent();
    EXPECT_EQ(dlg.size(101).cx, 60);
    EXPECT_EQ(dlg.size(101).cy, 40);
}

TEST_F(BitmapButtonTest, SizeToContentWithoutAnImageKeepsTheSize) {
    ButtonDialog dlg({{101, ""}});
    CKBitmapButton button;
    ASSERT_TRUE(button.SubclassDlgItem(101, &dlg.dialog()));
    const SIZE before = dlg.size(101);
    button.SizeToContent();
    EXPECT_EQ(dlg.size(101).cx, before.cx);
    EXPECT_EQ(dlg.size(101).cy, before.cy);
    CKBitmapButton windowless;
    windowless.SizeToContent(); // harmless
}

TEST_F(BitmapButtonTest, EveryImageIsReleasedWithTheButton) {
    AddBitmap("ALLU", 20, 20, kRed);
    AddBitmap("ALLD", 20, 20, kGreen);
    AddBitmap("ALLF", 20, 20, kBlue);
    AddBitmap("ALLX", 20, 20, kYellow);
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    {
        ButtonDialog dlg({{101, "ALL"}});
        auto* button = new CKBitmapButton;
        ASSERT_TRUE(button->AutoLoad(101, &dlg.dialog()));
        EXPECT_EQ(desktop::GdiObjectCounts().bitmaps, before.bitmaps + 4);
        ::SetFocus(dlg.button(101));
        desktop::PumpUntilIdle();
        dlg.close();
        delete button;
    }
    desktop::AfxIdle();
    EXPECT_EQ(desktop::GdiObjectCounts(), before) << desktop::Describe(desktop::GdiObjectCounts());
}

// Titles and names that a host may well produce: none of them may break the button.
TEST_F(BitmapButtonTest, OddTitlesAndNamesAreLookedUpAsTheyStand) {
    const std::string longName(300, 'N');
    AddBitmap((longName + "U").c_str(), 8, 8, kGreen);
    AddBitmap("U", 8, 8, kBlue);
    AddBitmap("PADDED  U", 8, 8, kYellow);
    ButtonDialog dlg({{101, longName}, {102, ""}, {103, "PADDED  "}, {104, "NONE"}});
    CKBitmapButton longTitle, empty, padded, none;
    EXPECT_TRUE(longTitle.AutoLoad(101, &dlg.dialog()));
    EXPECT_TRUE(empty.AutoLoad(102, &dlg.dialog())) << "an empty title looks for \"U\"";
    EXPECT_TRUE(padded.AutoLoad(103, &dlg.dialog())) << "trailing spaces stay part of the name";
    EXPECT_FALSE(none.AutoLoad(104, &dlg.dialog()));
    EXPECT_EQ(dlg.pixel(101, 2, 2), kGreen);
    EXPECT_EQ(dlg.pixel(102, 2, 2), kBlue);
    EXPECT_EQ(dlg.pixel(103, 2, 2), kYellow);
    EXPECT_FALSE(none.LoadBitmaps(static_cast<LPCSTR>(nullptr)));
}

TEST_F(BitmapButtonTest, TinyAndHugeImages) {
    AddBitmap("TINY", 1, 1, kGreen);
    AddBitmap("HUGE", 4000, 4000, kBlue);
    ButtonDialog dlg({{101, ""}, {102, ""}});
    CKBitmapButton tiny, huge;
    ASSERT_TRUE(tiny.SubclassDlgItem(101, &dlg.dialog()));
    ASSERT_TRUE(huge.SubclassDlgItem(102, &dlg.dialog()));
    ASSERT_TRUE(tiny.LoadBitmaps("TINY"));
    ASSERT_TRUE(huge.LoadBitmaps("HUGE"));
    ::InvalidateRect(dlg.button(101), nullptr, TRUE);
    ::InvalidateRect(dlg.button(102), nullptr, TRUE);
    EXPECT_EQ(dlg.pixel(101, 0, 0), kGreen);
    EXPECT_NE(dlg.pixel(101, 1, 1), kGreen) << "a 1x1 image covers one pixel";
    EXPECT_EQ(dlg.pixel(102, 39, 5), kBlue);
    tiny.SizeToContent();
    huge.SizeToContent();
    EXPECT_EQ(dlg.size(101).cx, 1);
    EXPECT_EQ(dlg.size(102).cx, 4000);
}

TEST_F(BitmapButtonTest, ADrawRequestWithoutItemOrDeviceContextDrawsNothing) {
    AddBitmap("OKU", 20, 20, kRed);
    ButtonDialog dlg({{101, "OK"}});
    CKBitmapButton button;
    ASSERT_TRUE(button.AutoLoad(101, &dlg.dialog()));
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hwndItem = dlg.button(101);
    item.rcItem = RECT{0, 0, 20, 20};
    ::SendMessageA(dlg.dialog().m_hWnd, WM_DRAWITEM, 101, reinterpret_cast<LPARAM>(&item));
    ::SendMessageA(dlg.dialog().m_hWnd, WM_DRAWITEM, 101, 0);
    EXPECT_EQ(desktop::GdiObjectCounts(), before);
}

} // namespace
} // namespace button_test
