// What a control looks like on screen: the sunken frame around its fields and the separators,
// pixel by pixel, enabled and disabled.
#include "window_host.h"

namespace spin_test {
namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kNearBlack = RGB(20, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class PaintTest : public SpinWindowTest {
protected:
    static void Repaint(HWND dialog) {
        ::RedrawWindow(dialog, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    static COLORREF Pixel(HWND wnd, int x, int y) { return desktop::WindowPixel(wnd, x, y); }
};

struct PixelRow {
    int x;
    int y;
    COLORREF colour;
    const char* what;
};

TEST_F(PaintTest, TheFrameIsSunkenAroundTheFieldArea) {
    SpinDialog dlg({{1, eSpinInt}});
    Repaint(dlg.dialog());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const PixelRow rows[] = {
        // clang-format off
        {86, 0, kGrey, "outer top ends before the last column"},
        {87, 0, face, "top right corner left to the background"},
        {0, 18, kGrey, "outer left ends above the bottom row"},
        {0, 19, face, "bottom left corner left to the background"},
        {40, 1, kNearBlack, "inner top"},           {1, 17, kNearBlack, "inner left ends above the bottom"},
        {1, 19, kWhite, "bottom"},                  {87, 19, kWhite, "bottom right corner"},
        {87, 1, kWhite, "right reaches the second row"},
        // clang-format on
    };
    for (const PixelRow& r : rows) {
        EXPECT_EQ(Pixel(dlg.control(1), r.x, r.y), r.colour)
            << r.what << " at " << r.x << "," << r.y;
    }
}

TEST_F(PaintTest, OnThe24HourClockTheFrameStartsBesideFieldOne) {
    SetIntl("iTime=1\n");
    SpinDialog dlg({{1, eSpinTime}});
    Repaint(dlg.dialog());
    const HWND wnd = dlg.control(1);
    EXPECT_EQ(Pixel(wnd, 29, 10), ::GetSysColor(COLOR_BTNFACE)) << "background strip";
    EXPECT_EQ(Pixel(wnd, 5, 0), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(wnd, 30, 10), kGrey);
    EXPECT_EQ(Pixel(wnd, 31, 10), kNearBlack);
    EXPECT_EQ(Pixel(wnd, 50, 0), kGrey);
}

TEST_F(PaintTest, AControlWhoseFirstFieldIsHiddenDrawsNoFrame) {
    SpinDialog dlg({{1, eSpinInt}});
    ::ShowWindow(dlg.field(1, 1), SW_HIDE);
    Repaint(dlg.dialog());
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(Pixel(dlg.control(1), 40, 0), face);
    EXPECT_EQ(Pixel(dlg.control(1), 1, 10), face);
    EXPECT_EQ(Pixel(dlg.control(1), 87, 10), face);
}

// Counts the pixels of a window's client area by colour: those of `a`, of `b`, and any other.
struct Census {
    int a = 0;
    int b = 0;
    int other = 0;
};

Census Count(HWND wnd, COLORREF a, COLORREF b) {
    RECT rc{};
    ::GetClientRect(wnd, &rc);
    Census c;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            const COLORREF px = desktop::WindowPixel(wnd, x, y);
            (px == a ? c.a : px == b ? c.b : c.other)++;
        }
    }
    return c;
}

TEST_F(PaintTest, SeparatorsAreWhiteWithWindowTextAndButtonFaceWhenDisabled) {
    SetIntl("sShortDate=dd/MM/yy\nsDate=/\n");
    // A colour scheme whose window colour is not white: the separators stay white regardless.
    desktop::SetSystemColor(COLOR_WINDOW, RGB(255, 255, 224));
    desktop::SetSystemColor(COLOR_WINDOWTEXT, RGB(0, 0, 128));
    SpinDialog dlg({{1, eSpinDate}});
    for (BOOL enabled : {TRUE, FALSE}) {
        dlg.spin(1)->EnableWindow(enabled);
        Repaint(dlg.dialog());
        for (int n = 1; n <= 2; ++n) {
            const Census c =
                Count(dlg.separator(1, n), enabled ? kWhite : ::GetSysColor(COLOR_BTNFACE),
                      enabled ? RGB(0, 0, 128) : ::GetSysColor(COLOR_GRAYTEXT));
            EXPECT_GT(c.a, 0) << "separator " << n << " enabled " << enabled;
            EXPECT_GT(c.b, 0) << "separator " << n << " shows its text " << enabled;
            EXPECT_EQ(c.other, 0) << "separator " << n << " enabled " << enabled;
        }
    }
}

TEST_F(PaintTest, TheEmptySecondSeparatorOfATimeIsPlainWhite) {
    SpinDialog dlg({{1, eSpinTime}});
    Repaint(dlg.dialog());
    const Census c = Count(dlg.separator(1, 2), kWhite, RGB(0, 0, 0));
    EXPECT_GT(c.a, 0);
    EXPECT_EQ(c.b, 0);
    EXPECT_EQ(c.other, 0);
}

} // namespace
} // namespace spin_test
