// The percent bar as a host uses it: registered for the module of its dialog templates, made by
// the dialog manager or by the host, painted pixel by pixel, and gone with its window when the
// class made it.
#include <desktop.h>
#include <ruzav32/status.h>

#include <gtest/gtest.h>

#include <climits>

namespace {

// Colours the tests tell apart: the scheme's caption colours are set to these before a bar is
// made, since a bar reads its two brushes when it is constructed.
constexpr COLORREF kFilled = RGB(0, 0, 200);     // COLOR_ACTIVECAPTION
constexpr COLORREF kEmpty = RGB(200, 200, 0);    // COLOR_INACTIVECAPTION
constexpr COLORREF kFilledText = RGB(255, 0, 0); // COLOR_CAPTIONTEXT
constexpr COLORREF kEmptyText = RGB(0, 160, 0);  // COLOR_INACTIVECAPTIONTEXT
constexpr WORD kBarId = 7;

// The protected members, reached through pointers to members: the objects are real
// CKPercentBars, so no cast to a derived type is made.
struct Probe : CKPercentBar {
    static constexpr int CKPercentBar::*kPercent = &Probe::m_nPercent;
    static constexpr BOOL CKPercentBar::*kAutoDelete = &Probe::m_bAutoDelete;
};

int Percent(CKPercentBar* bar) {
    return bar->*Probe::kPercent;
}

BOOL AutoDelete(CKPercentBar* bar) {
    return bar->*Probe::kAutoDelete;
}

class PercentBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::reset();
        desktop::SetSystemColor(COLOR_ACTIVECAPTION, kFilled);
        desktop::SetSystemColor(COLOR_INACTIVECAPTION, kEmpty);
        desktop::SetSystemColor(COLOR_CAPTIONTEXT, kFilledText);
        desktop::SetSystemColor(COLOR_INACTIVECAPTIONTEXT, kEmptyText);
        // The template the bars' class is registered for.
        resources::DialogTemplate tmpl;
        tmpl.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SETFONT;
        tmpl.caption = "Progress";
        tmpl.fontFace = "MS Sans Serif";
        tmpl.cx = 200;
        tmpl.cy = 60;
        resources::DialogItem bar;
        bar.className = "CKPercentBar";
        bar.id = kBarId;
        bar.style = WS_CHILD | WS_VISIBLE;
        bar.x = 4;
        bar.y = 4;
        bar.cx = 100;
        bar.cy = 12;
        tmpl.items.push_back(bar);
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
        {0, 0, COLOR_BTNSHADOW, "top-left corner"},
        {99, 0, COLOR_BTNSHADOW, "top row reaches the last column"},
        {0, 18, COLOR_BTNSHADOW, "left column ends above the bottom row"},
        {0, 19, COLOR_BTNHIGHLIGHT, "bottom row starts at the first column"},
        {99, 19, COLOR_BTNHIGHLIGHT, "bottom row reaches the last column"},
        {1, 1, COLOR_WINDOWFRAME, "inner top-left"},
        {98, 1, COLOR_WINDOWFRAME, "inner top ends before the right column"},
        {1, 17, COLOR_WINDOWFRAME, "inner left ends two rows above the bottom"},
        {1, 18, COLOR_BTNFACE, "inner bottom"},
        {99, 18, COLOR_BTNFACE, "inner bottom meets the right column"},
        {99, 1, COLOR_BTNFACE, "right column starts at the second row"},
        {2, 2, COLOR_INACTIVECAPTION, "interior"},
        {98, 17, COLOR_INACTIVECAPTION, "interior's last pixel"},
    };
    for (const PixelRow& r : rows)
        EXPECT_EQ(desktop::WindowPixel(bar, r.x, r.y), ::GetSysColor(r.colourIndex)) << r.what;
}

// Counts the interior's pixels left and right of a column by colour.
struct Census {
    int filled = 0, filledText = 0, empty = 0, emptyText = 0, other = 0;
};

Census Count(HWND bar, int fromX, int toX) {
    Census c;
    for (int y = 2; y < 18; ++y) {
        for (int x = fromX; x < toX; ++x) {
            switch (desktop::WindowPixel(bar, x, y)) {
            case kFilled:
                ++c.filled;
                break;
            case kFilledText:
                ++c.filledText;
                break;
            case kEmpty:
                ++c.empty;
                break;
            case kEmptyText:
                ++c.emptyText;
                break;
            default:
                ++c.other;
            }
        }
    }
    return c;
}

TEST_F(PercentBarTest, AtNoneTheWholeInteriorIsEmpty) {
    const HWND bar = Bar(100, 20, 0);
    const Census c = Count(bar, 2, 99);
    EXPECT_EQ(c.filled + c.filledText + c.other, 0);
    EXPECT_GT(c.emptyText, 10) << "\"0%\" in the inactive caption text colour";
}

TEST_F(PercentBarTest, AtAHundredTheWholeInteriorIsFilled) {
    const HWND bar = Bar(100, 20, 100);
    const Census c = Count(bar, 2, 99);
    EXPECT_EQ(c.empty + c.emptyText + c.other, 0);
    EXPECT_GT(c.filledText, 10) << "\"100%\" in the caption text colour";
}

TEST_F(PercentBarTest, AtHalfTheDigitsChangeColourExactlyAtTheBoundary) {
    // 97 * 50 / 100 = 48: columns 2..49 filled, 50..98 empty; "50%" is centred on column 50.
    const HWND bar = Bar(100, 20, 50);
    const Census left = Count(bar, 2, 50);
    const Census right = Count(bar, 50, 99);
    EXPECT_EQ(left.empty + left.emptyText + left.other, 0);
    EXPECT_EQ(right.filled + right.filledText + right.other, 0);
    EXPECT_GT(left.filledText, 5);
    EXPECT_GT(right.emptyText, 5);
    EXPECT_EQ(desktop::WindowPixel(bar, 49, 17), kFilled);
    EXPECT_EQ(desktop::WindowPixel(bar, 50, 17), kEmpty);
}

TEST_F(PercentBarTest, SetPercentShowsOnlyAfterTheHostInvalidates) {
    const HWND bar = Bar(100, 20, 10);
    CKPercentBar* object = Object(bar);
    object->SetPercent(90);
    desktop::PumpUntilIdle();
    EXPECT_EQ(desktop::WindowPixel(bar, 80, 17), kEmpty) << "no repaint of its own";
    ::InvalidateRect(bar, nullptr, FALSE);
    EXPECT_EQ(desktop::WindowPixel(bar, 80, 17), kFilled);
}

TEST_F(PercentBarTest, SetPercentClampsEveryValue) {
    const HWND bar = Bar(100, 20, 0);
    CKPercentBar* object = Object(bar);
    const int rows[][2] = {{INT_MIN, 0}, {-5, 0}, {37, 37}, {250, 100}, {INT_MAX, 100}};
    for (const auto& r : rows) {
        object->SetPercent(r[0]);
        EXPECT_EQ(Percent(object), r[1]) << r[0];
        ::InvalidateRect(bar, nullptr, FALSE);
        desktop::PumpUntilIdle();
    }
}

TEST_F(PercentBarTest, TinyBarsPaintWithoutHarm) {
    for (const SIZE size : {SIZE{0, 0}, SIZE{1, 1}, SIZE{3, 3}}) {
        const desktop::GdiCounts before = desktop::GdiObjectCounts();
        const HWND bar = Bar(size.cx, size.cy, 50);
        ASSERT_NE(bar, nullptr);
        if (size.cx == 3) {
            EXPECT_EQ(desktop::WindowPixel(bar, 0, 0), ::GetSysColor(COLOR_BTNSHADOW));
        }
        dialog_.DestroyWindow();
        EXPECT_EQ(desktop::GdiObjectCounts(), before) << size.cx;
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

    WNDCLASSA foreign{};
    foreign.lpfnWndProc = ::DefWindowProcA;
    foreign.hInstance = AfxGetResourceHandle();
    foreign.lpszClassName = "CKPercentBar";
    ASSERT_NE(::RegisterClassA(&foreign), 0);
    EXPECT_FALSE(CKPercentBar::RegisterClass("PROGRESS", RT_DIALOG));
    EXPECT_EQ(CKPercentBar::pfnSuperWndProc, statics.lpfnWndProc);
}

TEST_F(PercentBarTest, AClassMadeBarGoesWithItsWindow) {
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    const HWND bar = Bar(100, 20, 40);
    ASSERT_NE(Object(bar), nullptr);
    EXPECT_TRUE(AutoDelete(Object(bar)));
    EXPECT_EQ(desktop::GdiObjectCounts().brushes, before.brushes + 2);
    dialog_.DestroyWindow();
    EXPECT_EQ(desktop::GdiObjectCounts(), before) << "its brushes went with the object";
    EXPECT_EQ(desktop::AfxPermanentWindowCount(), 0u);
}

TEST_F(PercentBarTest, AHostMadeBarOutlivesItsWindow) {
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    ASSERT_TRUE(dialog_.Create("PROGRESS"));
    auto* bar = static_cast<CKPercentBar*>(RUNTIME_CLASS(CKPercentBar)->CreateObject());
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(bar->Create("CKPercentBar", "", WS_CHILD | WS_VISIBLE, CRect(10, 40, 110, 60),
                            &dialog_, 8));
    EXPECT_FALSE(AutoDelete(bar));
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
    bar->SetPercent(20);
    EXPECT_EQ(Percent(bar), 20);
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
