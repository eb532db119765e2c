// The bitmap button as a host uses it: images found by the button's title or given by name or
// number, the image shown in each state a user brings about, sizing, and what is released.
#include <desktop.h>
#include <ruzav32/buttons.h>

#include "support/bmp_bytes.h"
#include "support/dialog_template.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
                   kYellow = RGB(255, 255, 0);

// A modeless dialog: an edit to take the focus away, then owner-drawn buttons 101, 102, ...
// with the given titles.
class BitmapButtonTest : public ::testing::Test {
protected:
    void SetUp() override { desktop::reset(); }
    void TearDown() override {
        if (dialog_.m_hWnd != nullptr)
            dialog_.DestroyWindow();
        desktop::AfxIdle(); // the temporary objects of the last paints
    }
    void Open(const std::vector<std::string>& titles) {
        auto t =
            test_support::HostDialog("Buttons", 240, static_cast<short>(40 + 30 * titles.size()));
        t.items.push_back(test_support::Control("EDIT", 10, WS_TABSTOP | WS_BORDER, 4, 4, 60, 12));
        for (std::size_t i = 0; i < titles.size(); ++i)
            t.items.push_back(test_support::Control(
                "BUTTON", static_cast<WORD>(101 + i), WS_TABSTOP | BS_OWNERDRAW, 4,
                static_cast<short>(20 + 30 * i), 40, 20, titles[i].c_str()));
        resources::AddDialog(AfxGetResourceHandle(), "BUTTONS", t);
        ASSERT_TRUE(dialog_.Create("BUTTONS"));
    }
    static void Bitmap(LPCSTR name, COLORREF colour, int w = 20, int h = 20) {
        resources::AddBitmap(AfxGetResourceHandle(), name, test_support::BmpBytes(w, h, colour));
    }
    HWND Button(int id) const { return ::GetDlgItem(dialog_.m_hWnd, id); }
    // A pixel of a button freshly painted in its present state.
    COLORREF Pixel(int id, int x = 3, int y = 3) const {
        ::InvalidateRect(Button(id), nullptr, TRUE);
        return desktop::WindowPixel(Button(id), x, y);
    }
    RECT Rect(int id) const {
        RECT r{};
        ::GetWindowRect(Button(id), &r);
        return r;
    }
    LONG Width(int id) const { return Rect(id).right - Rect(id).left; }
    POINT Centre(int id) const { return POINT{Rect(id).left + 5, Rect(id).top + 5}; }
    CDialog dialog_;
};

// "GO" has all four images, "SAVE" only its normal and disabled ones: a state without its own
// image shows the normal one. AutoLoad sizes each button to its normal image; every image goes
// with the button.
TEST_F(BitmapButtonTest, EachStateShowsItsOwnImageOrTheNormalOne) {
    for (const auto& [name, colour] : std::vector<std::pair<const char*, COLORREF>>{
             {"GOU", kRed}, {"GOD", kGreen}, {"GOF", kBlue}, {"GOX", kYellow}, {"SAVEU", kRed}})
        Bitmap(name, colour, 30, 24);
    Bitmap("SAVEX", kBlue);
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    Open({"GO", "SAVE"});
    auto go = std::make_unique<CKBitmapButton>(), save = std::make_unique<CKBitmapButton>();
    ASSERT_TRUE(go->AutoLoad(101, &dialog_));
    ASSERT_TRUE(save->AutoLoad(102, &dialog_));
    EXPECT_EQ(Rect(102).bottom - Rect(102).top, 24);
    EXPECT_EQ(Width(102), 30);
    const struct {
        int id;
        COLORREF normal, pressed, focused, disabled;
    } rows[] = {{101, kRed, kGreen, kBlue, kYellow}, {102, kRed, kRed, kRed, kBlue}};
    for (const auto& r : rows) {
        EXPECT_EQ(Pixel(r.id), r.normal) << r.id;
        desktop::MouseDown(Centre(r.id));
        EXPECT_EQ(Pixel(r.id), r.pressed) << r.id;
        desktop::MouseUp(Centre(r.id));
        EXPECT_EQ(Pixel(r.id), r.focused) << r.id;
        ::SetFocus(Button(10));
        ::EnableWindow(Button(r.id), FALSE);
        EXPECT_EQ(Pixel(r.id), r.disabled) << r.id;
    }
    ::SendMessageA(dialog_.m_hWnd, WM_DRAWITEM, 101, 0); // no item: nothing to draw
    dialog_.DestroyWindow();
    go.reset();
    save.reset();
    desktop::AfxIdle();
    EXPECT_EQ(desktop::GdiObjectCounts(), before) << desktop::Describe(desktop::GdiObjectCounts());
}

// A load without its normal image fails and keeps nothing, not even the earlier set nor the
// optional images it found; a missing optional image is reported.
TEST_F(BitmapButtonTest, AFailedLoadKeepsNoImage) {
    Bitmap("ONEU", kRed);
    Bitmap("ONED", kGreen);
    Bitmap("TWOD", kBlue);
    Open({"TWO", ""});
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    const LONG templateWidth = Width(101);
    CKBitmapButton two, one;
    EXPECT_FALSE(two.AutoLoad(101, &dialog_));
    EXPECT_EQ(two.m_hWnd, Button(101)) << "the button stays taken over";
    EXPECT_EQ(Width(101), templateWidth);
    EXPECT_FALSE(CKBitmapButton().AutoLoad(99, &dialog_));
    EXPECT_FALSE(CKBitmapButton().AutoLoad(102, nullptr));
    ASSERT_TRUE(one.SubclassDlgItem(102, &dialog_));
    EXPECT_FALSE(one.LoadBitmaps("ONEU", "ONEF")) << "ONEF is missing";
    ASSERT_TRUE(one.LoadBitmaps("ONEU", "ONED"));
    EXPECT_EQ(desktop::GdiObjectCounts().bitmaps, before.bitmaps + 2);
    EXPECT_FALSE(one.LoadBitmaps("TWOU", "TWOD"));
    EXPECT_FALSE(one.LoadBitmaps(static_cast<LPCSTR>(nullptr)));
    EXPECT_EQ(desktop::GdiObjectCounts(), before);
    EXPECT_TRUE(Pixel(102) != kRed && Pixel(102) != kGreen) << "no image of either set";
    one.SizeToContent();
    EXPECT_EQ(Width(102), templateWidth) << "no image, no new size";
}

// Numbers count by their low 16 bits; a larger image is cut at the button, not stretched, until
// the button is sized to it.
TEST_F(BitmapButtonTest, ImagesByNumberCutAtTheButtonAndLongTitles) {
    resources::AddBitmap(AfxGetResourceHandle(), MAKEINTRESOURCEA(0x65),
                         test_support::BmpBytes(60, 40, kRed, RECT{0, 0, 10, 10}, kGreen));
    const std::string longTitle(300, 'N');
    Bitmap((longTitle + "U").c_str(), kBlue); // looked up as it stands
    Open({"", longTitle});
    CKBitmapButton button, titled;
    ASSERT_TRUE(button.SubclassDlgItem(101, &dialog_));
    ::SetWindowPos(Button(101), nullptr, 0, 0, 20, 16, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(button.LoadBitmaps(0x10000u)) << "identifier 0 names no bitmap";
    ASSERT_TRUE(button.LoadBitmaps(0x10065u, 0, 0, 0));
    EXPECT_EQ(Pixel(101, 9, 9), kGreen) << "the corner square keeps its size";
    EXPECT_EQ(Pixel(101, 10, 10), kRed);
    EXPECT_NE(desktop::ScreenPixel(Rect(101).right, Rect(101).top + 2), kRed) << "cut";
    button.SizeToContent();
    EXPECT_EQ(Width(101), 60);
    EXPECT_TRUE(titled.AutoLoad(102, &dialog_));
    EXPECT_EQ(Pixel(102), kBlue);
}

} // namespace
