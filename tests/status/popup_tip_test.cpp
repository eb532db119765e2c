// The pop-up tip as a host uses it: popped near a point over a host window that keeps its
// activation, focus and caret, sized to its text, kept clear of the right screen edge, painted
// plain or rounded, and deleting itself with its window.
#include <desktop.h>
#include <ruzav32/status.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF kTipYellow = RGB(255, 255, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr char kTipClass[] = "HostTip";

int g_deleted = 0;

// A tip whose deletion the test can see.
struct CountedTip : CPopupTip {
    explicit CountedTip(CString& name) : CPopupTip(name) {}
    ~CountedTip() override { ++g_deleted; }
    using CPopupTip::m_nShape;
};

class PopupTipTest : public ::testing::Test {
protected:
    void SetUp() override {
        desktop::reset();
        g_deleted = 0;
        WNDCLASSA wc{};
        wc.style = CS_SAVEBITS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = kTipClass;
        ASSERT_NE(::RegisterClassA(&wc), 0);
        // The host: a captioned window with an edit that has the focus and its caret.
        host_ = ::CreateWindowExA(0, "#32770", "Host", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100,
                                  300, 200, nullptr, nullptr, AfxGetInstanceHandle(), nullptr);
        edit_ = ::CreateWindowExA(0, "EDIT", "typed", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10,
                                  150, 22, host_, nullptr, AfxGetInstanceHandle(), nullptr);
        ::SetActiveWindow(host_);
        ::SetFocus(edit_);
        ::SendMessageA(edit_, EM_SETSEL, 2, 2);
        desktop::PumpUntilIdle();
    }
    void TearDown() override {
        if (host_ != nullptr)
            ::DestroyWindow(host_);
    }

    CountedTip* Make(const char* text) {
        CString name(kTipClass);
        auto* tip = new CountedTip(name);
        tip->SetDisplay(text);
        return tip;
    }
    static RECT Rect(CWnd* tip) {
        RECT r{};
        ::GetWindowRect(tip->m_hWnd, &r);
        return r;
    }
    // The extent of text + "1" on the screen's DC in its default font.
    static SIZE Measured(const std::string& text) {
        const HDC dc = ::GetDC(nullptr);
        const std::string measured = text + "1";
        SIZE s{};
        ::GetTextExtentPointA(dc, measured.c_str(), static_cast<int>(measured.size()), &s);
        ::ReleaseDC(nullptr, dc);
        return s;
    }

    HWND host_ = nullptr;
    HWND edit_ = nullptr;
};

TEST_F(PopupTipTest, SizedFromItsTextWithTheMarginRule) {
    CountedTip* tip = Make("Save the file");
    ASSERT_TRUE(tip->PopItUp(CPoint(200, 300), 0));
    const SIZE m = Measured("Save the file");
    const RECT r = Rect(tip);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 300);
    EXPECT_EQ(r.right - r.left, m.cx + 2);
    EXPECT_EQ(r.bottom - r.top, m.cy + m.cy / 4 + 2);
    EXPECT_TRUE(::IsWindowVisible(tip->m_hWnd));
    EXPECT_EQ(tip->GetExStyle() & WS_EX_TOOLWINDOW, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_EQ(tip->GetStyle() & (WS_POPUP | WS_BORDER | WS_CAPTION), static_cast<DWORD>(WS_POPUP));
    tip->DestroyWindow();
}

TEST_F(PopupTipTest, KeepsClearOfTheRightScreenEdge) {
    ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1024);
    CountedTip* near = Make("Near the edge");
    ASSERT_TRUE(near->PopItUp(CPoint(1000, 50), 0));
    EXPECT_EQ(Rect(near).right, 1024 - 6);
    near->DestroyWindow();

    CountedTip* inside = Make("Near the edge");
    const int width = Measured("Near the edge").cx + 2;
    ASSERT_TRUE(inside->PopItUp(CPoint(1018 - width, 50), 0));
    EXPECT_EQ(Rect(inside).left, 1018 - width) << "exactly at the limit stays";
    inside->DestroyWindow();

    CountedTip* wide = Make(std::string(400, 'W').c_str());
    ASSERT_TRUE(wide->PopItUp(CPoint(10, 50), 0));
    EXPECT_LT(Rect(wide).left, 0);
    EXPECT_EQ(Rect(wide).right, 1018);
    wide->DestroyWindow();
}

TEST_F(PopupTipTest, TheHostKeepsItsActivationFocusAndCaret) {
    POINT caretBefore{};
    ::GetCaretPos(&caretBefore);
    desktop::MessageRecorder rec;
    rec.Watch(host_);
    rec.Watch(edit_);
    rec.Only({WM_ACTIVATE, WM_NCACTIVATE, WM_KILLFOCUS, WM_SETFOCUS});

    CountedTip* tip = Make("Tip");
    ASSERT_TRUE(tip->PopItUp(CPoint(120, 140), 1));
    desktop::PumpUntilIdle();
    EXPECT_EQ(::GetActiveWindow(), host_);
    EXPECT_EQ(::GetFocus(), edit_);
    POINT caretAfter{};
    ::GetCaretPos(&caretAfter);
    EXPECT_EQ(caretAfter.x, caretBefore.x);
    EXPECT_EQ(caretAfter.y, caretBefore.y);
    EXPECT_TRUE(rec.Messages().empty()) << rec.Dump();

    desktop::TypeText("!");
    char text[16] = {};
    ::GetWindowTextA(edit_, text, sizeof text);
    EXPECT_STREQ(text, "ty!ped") << "typing still reaches the host's field";
    tip->DestroyWindow();
}

TEST_F(PopupTipTest, PlainAndRoundedOutlinesOnLightYellow) {
    for (UINT shape : {0u, 1u, 2u, 77u}) {
        CountedTip* tip = Make("Shape");
        ASSERT_TRUE(tip->PopItUp(CPoint(400, 400), shape));
        EXPECT_EQ(tip->m_nShape, shape == 1 ? 1u : 0u);
        desktop::PumpUntilIdle();
        const RECT r = Rect(tip);
        const int w = r.right - r.left, h = r.bottom - r.top;
        const HWND wnd = tip->m_hWnd;
        EXPECT_EQ(desktop::WindowPixel(wnd, w / 2, 0), kBlack) << shape << " top edge";
        EXPECT_EQ(desktop::WindowPixel(wnd, 0, h / 2), kBlack) << shape << " left edge";
        EXPECT_EQ(desktop::WindowPixel(wnd, 2, h / 2), kTipYellow) << shape << " inside";
        int ink = 0;
        for (int x = 2; x < w - 2; ++x)
            ink += desktop::WindowPixel(wnd, x, h / 2) == kBlack ? 1 : 0;
        EXPECT_GT(ink, 3) << shape << " the text is drawn in black across the middle";
        if (shape == 1) {
            EXPECT_NE(desktop::WindowPixel(wnd, 0, 0), kBlack) << "a rounded corner is left";
        } else {
            EXPECT_EQ(desktop::WindowPixel(wnd, 0, 0), kBlack) << shape << " a square corner";
        }
        tip->DestroyWindow();
    }
}

TEST_F(PopupTipTest, DestroyingTheWindowDeletesTheTipAndWhatItMade) {
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    CountedTip* tip = Make("Gone");
    ASSERT_TRUE(tip->PopItUp(CPoint(10, 10), 1));
    desktop::PumpUntilIdle();
    ::DestroyWindow(tip->m_hWnd);
    EXPECT_EQ(g_deleted, 1);
    desktop::AfxIdle();
    EXPECT_EQ(desktop::GdiObjectCounts(), before) << desktop::Describe(desktop::GdiObjectCounts());
}

TEST_F(PopupTipTest, AnUnregisteredClassShowsNothingAndLeavesTheObjectToTheHost) {
    CString name("NoSuchClass");
    auto* tip = new CountedTip(name);
    tip->SetDisplay("lost");
    EXPECT_FALSE(tip->PopItUp(CPoint(10, 10), 1));
    EXPECT_EQ(tip->m_hWnd, nullptr);
    EXPECT_EQ(tip->m_nShape, 0u) << "the shape is stored only for a tip that is up";
    EXPECT_EQ(g_deleted, 0);
    EXPECT_EQ(::GetActiveWindow(), host_);
    delete tip;
    EXPECT_EQ(g_deleted, 1);
}

TEST_F(PopupTipTest, ASecondPopOfTheSameTipIsRefused) {
    CountedTip* tip = Make("Once");
    ASSERT_TRUE(tip->PopItUp(CPoint(10, 10), 0));
    const HWND first = tip->m_hWnd;
    EXPECT_FALSE(tip->PopItUp(CPoint(50, 50), 1));
    EXPECT_EQ(tip->m_hWnd, first);
    EXPECT_EQ(Rect(tip).left, 10);
    tip->DestroyWindow();
    EXPECT_EQ(g_deleted, 1);
}

TEST_F(PopupTipTest, ANewTextKeepsTheWindowSize) {
    CountedTip* tip = Make("Short");
    ASSERT_TRUE(tip->PopItUp(CPoint(300, 300), 0));
    const RECT before = Rect(tip);
    tip->SetDisplay("A much longer text than before");
    tip->Invalidate();
    desktop::PumpUntilIdle();
    const RECT after = Rect(tip);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(desktop::WindowPixel(tip->m_hWnd, 0, 3), kBlack) << "the outline is still drawn";
    tip->DestroyWindow();
}

TEST_F(PopupTipTest, OddTextsAndFonts) {
    // Empty: sized from the "1" alone.
    CountedTip* empty = Make("");
    ASSERT_TRUE(empty->PopItUp(CPoint(10, 10), 0));
    EXPECT_EQ(Rect(empty).right - Rect(empty).left, Measured("").cx + 2);
    empty->DestroyWindow();

    // 100 KB: far wider than the screen, drawn cut at its edges.
    CountedTip* huge = Make(std::string(100 * 1024, 'x').c_str());
    ASSERT_TRUE(huge->PopItUp(CPoint(10, 10), 1));
    desktop::PumpUntilIdle();
    EXPECT_LT(Rect(huge).left, 0);
    huge->DestroyWindow();

    // A null font is the DC's own; a host font changes the size.
    CountedTip* plain = Make("Font");
    plain->SetFont(nullptr);
    ASSERT_TRUE(plain->PopItUp(CPoint(10, 10), 0));
    const RECT plainRect = Rect(plain);
    plain->DestroyWindow();

    CFont big;
    ASSERT_TRUE(big.CreatePointFont(240, "MS Sans Serif"));
    CountedTip* large = Make("Font");
    large->SetFont(&big);
    ASSERT_TRUE(large->PopItUp(CPoint(10, 10), 0));
    desktop::PumpUntilIdle();
    EXPECT_GT(Rect(large).bottom - Rect(large).top, plainRect.bottom - plainRect.top);
    large->DestroyWindow();
    EXPECT_EQ(g_deleted, 4);
}

} // namespace
