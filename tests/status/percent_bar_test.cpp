// The percent bar as a host uses it: registered for the module of its dialog templates, made by
// the dialog manager or by the host, painted pixel by pixel, and gone with its window when the
// class made it.
#include <desktop.h>
#include <ruzav32/status.h>

#include "support/dialog_template.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Colours the tests tell apart: the scheme's caption colours are set to these before a bar is
// made, since a bar reads its two brushes when it is constructed.
constexpr COLORREF kFilled = RGB(0, 0, 200);     // COLOR_ACTIVECAPTION
constexpr COLORREF kEmpty = RGB(200, 200, 0);    // COLOR_INACTIVECAPTION
constexpr COLORREF kFilledText = RGB(255, 0, 0); // COLOR_CAPTIONTEXT
constexpr COLORREF kEmptyText = RGB(0, 160, 0);  // COLOR_INACTIVECAPTIONTEXT
constexpr WORD kBarId = 7;

class PercentBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::reset();
        desktop::SetSystemColor(COLOR_ACTIVECAPTION, kFilled);
        desktop::SetSystemColor(COLOR_INACTIVECAPTION, kEmpty);
        desktop::SetSystemColor(COLOR_CAPTIONTEXT, kFilledText);
        desktop::SetSystemColor(COLOR_INACTIVECAPTIONTEXT, kEmptyText);
        // The template the bars' class is registered for.
        auto tmpl = test_support::HostDialog("Progress", 200, 60);
        tmpl.items.push_back(test_support::Control("CKPercentBar", kBarId, 0, 4, 4, 100, 12));
        resources::AddDialog(AfxGetResourceHandle(), "PROGRESS", tmpl);
        ASSERT_TRUE(CKPercentBar::RegisterClass("PROGRESS", RT_DIALOG));
    }
    void TearDown() override {
        if (dialog_.m_hWnd != nullptr)
            dialog_.DestroyWindow();
        CKPercentBar::UnregisterClass("PROGRESS", RT_DIALOG);
    }

    // The template's bar at an exact client size, with a value, painted.
    HWND Bar(int width, int height, int percent) {
        EXPECT_TRUE(dialog_.Create("PROGRESS"));
        const HWND bar = ::GetDlgItem(dialog_.m_hWnd, kBarId);
        ::SetWindowPos(bar, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        Object(bar)->SetPercent(percent);
        ::InvalidateRect(bar, nullptr, TRUE);
        desktop::PumpUntilIdle();
        return bar;
    }
    static CKPercentBar* Object(HWND bar) {
        CWnd* wnd = CWnd::FromHandlePermanent(bar);
        return wnd != nullptr && wnd->IsKindOf(RUNTIME_CLASS(CKPercentBar))
                   ? static_cast<CKPercentBar*>(wnd)
                   : nullptr;
    }

    CDialog dialog_;
};

struct PixelRow {
    int x, y;
    int colourIndex;
    const char* what;
};

TEST_F(PercentBarTest, TheSunkenFrameOfA100By20Bar) {
    const HWND bar = Bar(100, 20, 0);
    const PixelRow rows[] = {
        {99, 0, COLOR_BTNSHADOW, "top row reaches the last column"},
        {0, 18, COLOR_BTNSHADOW, "left column ends above the bottom row"},
        {0, 19, COLOR_BTNHIGHLIGHT, "bottom row starts at the first column"},
        {98, 1, COLOR_WINDOWFRAME, "inner top ends before the right column"},
        {1, 17, COLOR_WINDOWFRAME, "inner left ends two rows above the bottom"},
        {1, 18, COLOR_BTNFACE, "inner bottom"},
        {99, 1, COLOR_BTNFACE, "right column starts at the second row"},
        {98, 17, COLOR_INACTIVECAPTION, "interior's last pixel"},
    };
    for (const PixelRow& r : rows)
        EXPECT_EQ(desktop::WindowPixel(bar, r.x, r.y), ::GetSysColor(r.colourIndex)) << r.what;
}

// How many of the interior's pixels between two columns have each colour.
std::map<COLORREF, int> Count(HWND bar, int fromX, int toX) {
    std::map<COLORREF, int> c;
    for (int y = 2; y < 18; ++y)
        for (int x = fromX; x < toX; ++x)
            ++c[desktop::WindowPixel(bar, x, y)];
    return c;
}

// How many are neither of two colours.
int Besides(const std::map<COLORREF, int>& counts, COLORREF a, COLORREF b) {
    int n = 0;
    for (const auto& [colour, count] : counts)
        n += colour == a || colour == b ? 0 : count;
    return n;
}

// The digits change colour exactly at the boundary: 97 * 50 / 100 = 48, so columns 2..49 are
// filled and 50..98 empty, and "50%" is centred on column 50. A new value shows only once the
// host invalidates; stored values are clamped.
TEST_F(PercentBarTest, TheDigitsChangeColourExactlyAtTheBoundary) {
    const struct {
        int percent, boundary;
    } rows[] = {{0, 2}, {50, 50}, {100, 99}, {250, 99}, {-5, 2}};
    const HWND bar = Bar(100, 20, 10);
    Object(bar)->SetPercent(90);
    desktop::PumpUntilIdle();
    EXPECT_EQ(desktop::WindowPixel(bar, 80, 17), kEmpty) << "no repaint of its own";
    for (const auto& r : rows) {
        Object(bar)->SetPercent(r.percent);
        ::InvalidateRect(bar, nullptr, FALSE);
        auto left = Count(bar, 2, r.boundary), right = Count(bar, r.boundary, 99);
        EXPECT_EQ(Besides(left, kFilled, kFilledText), 0) << r.percent;
        EXPECT_EQ(Besides(right, kEmpty, kEmptyText), 0) << r.percent;
        EXPECT_GT(left[kFilledText] + right[kEmptyText], 10) << r.percent << " the digits";
        EXPECT_TRUE(r.percent != 50 || (left[kFilledText] > 5 && right[kEmptyText] > 5));
    }
}

// A bar the class made goes with its window, brushes and all, whatever its size.
TEST_F(PercentBarTest, AClassMadeBarGoesWithItsWindow) {
    for (const SIZE size : {SIZE{0, 0}, SIZE{1, 1}, SIZE{3, 3}, SIZE{100, 20}}) {
        const desktop::GdiCounts before = desktop::GdiObjectCounts();
        const HWND bar = Bar(size.cx, size.cy, 50);
        ASSERT_NE(Object(bar), nullptr);
        EXPECT_EQ(desktop::GdiObjectCounts().brushes, before.brushes + 2);
        EXPECT_TRUE(size.cx < 3 ||
                    desktop::WindowPixel(bar, 0, 0) == ::GetSysColor(COLOR_BTNSHADOW));
        dialog_.DestroyWindow();
        EXPECT_EQ(desktop::GdiObjectCounts(), before) << size.cx;
        EXPECT_EQ(desktop::AfxPermanentWindowCount(), 0u);
    }
}

TEST_F(PercentBarTest, RegisteringTwiceKeepsOneClassAndAForeignClassIsRefused) {
    WNDCLASSA wc{};
    ASSERT_TRUE(::GetClassInfoA(AfxGetResourceHandle(), "CKPercentBar", &wc));
    const WNDPROC ours = wc.lpfnWndProc;
    EXPECT_TRUE(CKPercentBar::RegisterClass("PROGRESS", RT_DIALOG));
    ASSERT_TRUE(::GetClassInfoA(AfxGetResourceHandle(), "CKPercentBar", &wc));
    EXPECT_EQ(wc.lpfnWndProc, ours);
    WNDCLASSA statics{};
    ASSERT_TRUE(::GetClassInfoA(nullptr, "static", &statics));
    EXPECT_EQ(CKPercentBar::pfnSuperWndProc, statics.lpfnWndProc);
    EXPECT_EQ(wc.style, statics.style) << "the superclass keeps the static class's attributes";

    EXPECT_TRUE(CKPercentBar::UnregisterClass("PROGRESS", RT_DIALOG));
    EXPECT_FALSE(::GetClassInfoA(AfxGetResourceHandle(), "CKPercentBar", &wc));
    EXPECT_TRUE(CKPercentBar::UnregisterClass("PROGRESS", RT_DIALOG)) << "not registered";

    const WNDCLASSA foreign{0,       ::DefWindowProcA, 0,       0,       AfxGetResourceHandle(),
                            nullptr, nullptr,          nullptr, nullptr, "CKPercentBar"};
    ASSERT_NE(::RegisterClassA(&foreign), 0);
    EXPECT_FALSE(CKPercentBar::RegisterClass("PROGRESS", RT_DIALOG));
    EXPECT_EQ(CKPercentBar::pfnSuperWndProc, statics.lpfnWndProc);
}

TEST_F(PercentBarTest, AHostMadeBarOutlivesItsWindow) {
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    ASSERT_TRUE(dialog_.Create("PROGRESS"));
    auto* bar = static_cast<CKPercentBar*>(RUNTIME_CLASS(CKPercentBar)->CreateObject());
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->Create("CKPercentBar", "", WS_CHILD | WS_VISIBLE, CRect(10, 40, 110, 60),
                            &dialog_, 8));
    bar->SetPercent(100);
    bar->Invalidate(FALSE);
    EXPECT_EQ(desktop::WindowPixel(bar->m_hWnd, 50, 17), kFilled);
    // Messages the bar leaves go to "static": it keeps its text.
    ::SetWindowTextA(bar->m_hWnd, "kept");
    char text[8] = {};
    ::GetWindowTextA(bar->m_hWnd, text, sizeof text);
    EXPECT_STREQ(text, "kept");

    dialog_.DestroyWindow();
    EXPECT_EQ(bar->m_hWnd, nullptr);
    bar->SetPercent(20); // harmless without a window
    delete bar;
    EXPECT_EQ(desktop::GdiObjectCounts(), before);

    // The template's bars still work after a host-made one has come and gone.
    const HWND classMade = Bar(100, 20, 100);
    EXPECT_EQ(desktop::WindowPixel(classMade, 50, 17), kFilled);
    ::SetWindowTextA(classMade, "ok");
    ::GetWindowTextA(classMade, text, sizeof text);
    EXPECT_STREQ(text, "ok");
}

} // namespace
