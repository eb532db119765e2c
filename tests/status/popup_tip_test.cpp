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
        const WNDCLASSA wc{CS_SAVEBITS, ::DefWindowProcA, 0,       0,       AfxGetInstanceHandle(),
                           nullptr,     nullptr,          nullptr, nullptr, kTipClass};
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

// Each tip is sized from the extent of its text and a "1" in its font (or the screen's), kept 6
// pixels clear of the screen's right edge, outlined square or round on light yellow, and shown
// without taking the activation, the focus or the caret from the host.
TEST_F(PopupTipTest, ShownSizedAndPaintedWithoutDisturbingTheHost) {
    CFont big;
    ASSERT_TRUE(big.CreatePointFont(240, "MS Sans Serif"));
    ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1024);
    const int nearWidth = Measured("Near").cx + 2;
    const struct {
        const char* text;
        CFont* font;
        int x, left, width;
        UINT shape;
    } rows[] = {
        {"Save the file", nullptr, 200, 200, Measured("Save the file").cx + 2, 0},
        {"Near", nullptr, 1000, 1018 - nearWidth, nearWidth, 1},
        {"Save the file", &big, 200, 200, -1, 2},
    };
    desktop::MessageRecorder rec;
    rec.Watch(host_);
    rec.Watch(edit_);
    rec.Only({WM_ACTIVATE, WM_NCACTIVATE, WM_KILLFOCUS, WM_SETFOCUS});
    for (const auto& r : rows) {
        CountedTip* tip = Make(r.text);
        tip->SetFont(r.font);
        ASSERT_TRUE(tip->PopItUp(CPoint(r.x, 300), r.shape));
        desktop::PumpUntilIdle();
        const RECT rect = Rect(tip);
        const SIZE m = Measured(r.text);
        const int w = rect.right - rect.left, h = rect.bottom - rect.top;
        EXPECT_EQ(rect.left, r.left) << r.x;
        EXPECT_EQ(rect.top, 300);
        EXPECT_TRUE(r.width < 0 || w == r.width) << w;
        // In the host's font, larger than the screen's.
        EXPECT_TRUE(r.font ? h > m.cy + m.cy / 4 + 2 : h == m.cy + m.cy / 4 + 2);
        EXPECT_EQ(tip->GetExStyle() & WS_EX_TOOLWINDOW, static_cast<DWORD>(WS_EX_TOOLWINDOW));
        EXPECT_EQ(::GetActiveWindow(), host_);
        EXPECT_EQ(::GetFocus(), edit_);

        const HWND wnd = tip->m_hWnd;
        EXPECT_EQ(tip->m_nShape, r.shape == 1 ? 1u : 0u);
        EXPECT_EQ(desktop::WindowPixel(wnd, w / 2, 0), kBlack) << r.shape << " top edge";
        EXPECT_EQ(desktop::WindowPixel(wnd, 0, h / 2), kBlack) << r.shape << " left edge";
        EXPECT_EQ(desktop::WindowPixel(wnd, 2, h / 2), kTipYellow) << r.shape << " inside";
        EXPECT_EQ(desktop::WindowPixel(wnd, 0, 0) == kBlack, r.shape != 1) << "square corner";
        int ink = 0;
        for (int x = 2; x < w - 2; ++x)
            ink += desktop::WindowPixel(wnd, x, h / 2) == kBlack ? 1 : 0;
        EXPECT_GT(ink, 3) << r.shape << " the text is drawn in black across the middle";
        tip->DestroyWindow();
    }
    EXPECT_TRUE(rec.Messages().empty()) << rec.Dump();
    desktop::TypeText("!");
    char text[16] = {};
    ::GetWindowTextA(edit_, text, sizeof text);
    EXPECT_STREQ(text, "ty!ped") << "typing still reaches the host's field at its caret";

    CountedTip* huge = Make(std::string(100 * 1024, 'x').c_str());
    ASSERT_TRUE(huge->PopItUp(CPoint(10, 10), 1));
    desktop::PumpUntilIdle();
    EXPECT_LT(Rect(huge).left, 0) << "far wider than the screen, drawn cut at its edges";
    huge->DestroyWindow();
}

// The tip deletes itself, and all it made, with its window; one that could not show leaves its
// object to the host; a second pop of a tip that is up is refused.
TEST_F(PopupTipTest, DestroyingTheWindowDeletesTheTipAndWhatItMade) {
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    CountedTip* tip = Make("Gone");
    ASSERT_TRUE(tip->PopItUp(CPoint(10, 10), 0));
    EXPECT_FALSE(tip->PopItUp(CPoint(50, 50), 1));
    EXPECT_EQ(Rect(tip).left, 10);
    EXPECT_EQ(tip->m_nShape, 0u);
    desktop::PumpUntilIdle();
    ::DestroyWindow(tip->m_hWnd);
    EXPECT_EQ(g_deleted, 1);
    desktop::AfxIdle();
    EXPECT_EQ(desktop::GdiObjectCounts(), before) << desktop::Describe(desktop::GdiObjectCounts());

    CString name("NoSuchClass");
    auto* lost = new CountedTip(name);
    EXPECT_FALSE(lost->PopItUp(CPoint(10, 10), 1));
    EXPECT_EQ(lost->m_nShape, 0u) << "the shape is stored only for a tip that is up";
    EXPECT_EQ(g_deleted, 1);
    EXPECT_EQ(::GetActiveWindow(), host_);
    delete lost;
}

} // namespace
