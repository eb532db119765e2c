// The paint cycle: what is repainted after an invalidation, erase or not, the classic frame,
// and children drawn inside their parents.
#include "user_fixture.h"

namespace user_test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

using PaintTest = UserTest;

// A window that fills its update area with a colour when asked to paint.
void PaintWith(UserTest* t, HWND hwnd, COLORREF color, RECT* lastPaint = nullptr) {
    (void)t;
    Handlers()[hwnd] = [color, lastPaint](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            HBRUSH b = CreateSolidBrush(color);
            FillRect(dc, &ps.rcPaint, b);
            DeleteObject(b);
            if (lastPaint) {
                *lastPaint = ps.rcPaint;
            }
            EndPaint(h, &ps);
            return 0;
        }
        return DefWindowProcA(h, m, w, l);
    };
}

TEST_F(PaintTest, InvalidationRepaintsOnlyWhenTheQueueIsEmptyWithEraseWhenAsked) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    desktop::MessageRecorder rec;
    rec.Watch(w);
    rec.Only({WM_PAINT, WM_ERASEBKGND, WM_NCPAINT});
    RECT part{10, 10, 20, 20};
    InvalidateRect(w, &part, FALSE);
    InvalidateRect(w, nullptr, FALSE);
    EXPECT_TRUE(rec.Messages().empty());
    desktop::PumpUntilIdle();
    EXPECT_SEQUENCE(rec, {{w, WM_PAINT}}); // one paint for both, which validates the window
    rec.Clear();
    InvalidateRect(w, &part, TRUE);
    desktop::PumpUntilIdle();
    EXPECT_SEQUENCE(rec, {{w, WM_PAINT}, {w, WM_ERASEBKGND}});
    rec.Clear();
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_SEQUENCE(rec, {{w, WM_PAINT}, {w, WM_NCPAINT}, {w, WM_ERASEBKGND}});
}

TEST_F(PaintTest, PaintRectIsTheInvalidatedAreaAndDrawingStaysInsideIt) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    RECT painted{};
    PaintWith(this, w, kRed, &painted);
    RECT part{10, 20, 30, 40};
    InvalidateRect(w, &part, FALSE);
    desktop::PumpUntilIdle();
    EXPECT_TRUE(EqualRect(&painted, &part));
    EXPECT_EQ(desktop::WindowPixel(w, 10, 20), kRed);
    EXPECT_EQ(desktop::WindowPixel(w, 29, 39), kRed);
    EXPECT_EQ(desktop::WindowPixel(w, 30, 39), kWhite); // outside the update area
    EXPECT_EQ(desktop::WindowPixel(w, 9, 20), kWhite);
    RECT r;
    EXPECT_FALSE(GetUpdateRect(w, &r, FALSE));
}

TEST_F(PaintTest, ClassicFrameShowsTheCaptionInActiveAndInactiveColours) {
    HWND one = TopLevel("One", 50, 50, 200, 100);
    desktop::PumpUntilIdle();
    RECT wr;
    GetWindowRect(one, &wr);
    int captionY = wr.top + GetSystemMetrics(SM_CYDLGFRAME) + 2;
    int captionX = wr.right - 40;
    EXPECT_EQ(desktop::ScreenPixel(captionX, captionY), GetSysColor(COLOR_ACTIVECAPTION));
    HWND two = TopLevel("Two", 400, 400, 200, 100);
    desktop::PumpUntilIdle();
    EXPECT_EQ(desktop::ScreenPixel(captionX, captionY), GetSysColor(COLOR_INACTIVECAPTION));
    // The raised outer edge: light at the top-left corner, dark at the bottom-right.
    EXPECT_EQ(desktop::ScreenPixel(wr.left, wr.top), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(desktop::ScreenPixel(wr.right - 1, wr.bottom - 1), GetSysColor(COLOR_3DDKSHADOW));
    (void)two;
}

TEST_F(PaintTest, ClientAreaFollowsBordersCaptionMenuAndEdges) {
    struct Row {
        DWORD style, exStyle;
        bool menu;
        int dx, dy;
    } rows[] = {
        {WS_POPUP, 0, false, 0, 0},
        {WS_POPUP | WS_BORDER, 0, false, 2, 2},
        {WS_POPUP | WS_DLGFRAME, 0, false, 6, 6},
        {WS_POPUP | WS_CAPTION, 0, false, 6, 6 + 19},
        {WS_POPUP | WS_THICKFRAME, 0, false, 8, 8},
        {WS_POPUP, WS_EX_CLIENTEDGE, false, 4, 4},
        {WS_POPUP | WS_CAPTION, WS_EX_CLIENTEDGE, true, 10, 10 + 19 + 19},
        {WS_POPUP | WS_VSCROLL, 0, false, 16, 0},
    };
    for (const Row& r : rows) {
        HWND w = CreateWindowExA(r.exStyle, "UserTestWnd", "", r.style, 0, 0, 100, 100, nullptr,
                                 r.menu ? CreateMenu() : nullptr, nullptr, nullptr);
        RECT c;
        GetClientRect(w, &c);
        EXPECT_EQ(c.right, 100 - r.dx) << std::hex << r.style << " " << r.exStyle;
        EXPECT_EQ(c.bottom, 100 - r.dy) << std::hex << r.style << " " << r.exStyle;
        RECT adjusted = c;
        AdjustWindowRectEx(&adjusted, r.style & ~WS_VSCROLL, r.menu, r.exStyle);
        if (!(r.style & WS_VSCROLL)) {
            EXPECT_EQ(adjusted.right - adjusted.left, 100);
        }
        DestroyWindow(w);
    }
}

TEST_F(PaintTest, ChildrenPaintInsideTheirParentAndRevealItWhenHidden) {
    HWND top = TopLevel("Top", 0, 0, 200, 150, WS_POPUP | WS_VISIBLE);
    HWND child = Child(top, 1, 150, 100, 100, 100); // reaches past the parent's client area
    PaintWith(this, child, kRed);
    desktop::PumpUntilIdle();
    EXPECT_EQ(desktop::WindowPixel(child, 0, 0), kRed);
    EXPECT_EQ(desktop::WindowPixel(child, 49, 49), kRed);
    EXPECT_NE(desktop::ScreenPixel(210, 110), kRed); // outside the parent: not drawn
    ShowWindow(child, SW_HIDE);
    desktop::PumpUntilIdle();
    EXPECT_EQ(desktop::WindowPixel(top, 160, 110), kWhite);
}

TEST_F(PaintTest, TopLevelWindowsDrawOnlyWhereTheyAreNotCovered) {
    HWND below = TopLevel("Below", 0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
    HWND above = TopLevel("Above", 100, 100, 200, 200, WS_POPUP | WS_VISIBLE);
    PaintWith(this, below, kRed);
    desktop::PumpUntilIdle();
    InvalidateRect(below, nullptr, FALSE);
    desktop::PumpUntilIdle();
    EXPECT_EQ(desktop::ScreenPixel(50, 50), kRed);
    EXPECT_EQ(desktop::ScreenPixel(150, 150), kWhite); // still the upper window's
    DestroyWindow(above);
    desktop::PumpUntilIdle();
    EXPECT_EQ(desktop::ScreenPixel(150, 150), kRed);
    EXPECT_EQ(desktop::ScreenPixel(250, 250), GetSysColor(COLOR_BACKGROUND));
}

// A window's DC reaches only where the window shows, whatever changed around it since the last
// DC it had: moves, hiding, z-order, styles, siblings coming and going.
TEST_F(PaintTest, AWindowDcFollowsEveryChangeAroundIt) {
    const struct {
        const char* change;
        HWND (*apply)(HWND below, HWND above); // a window it made, if any
        POINT at;     // (150, 150): where the upper window covered the lower one
        bool reached; // whether the lower window's DC now draws there
    } rows[] = {
        {"move the upper window away",
         [](HWND, HWND above) -> HWND {
             SetWindowPos(above, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
             return nullptr;
         },
         {150, 150},
         true},
        {"hide it",
         [](HWND, HWND above) -> HWND {
             ShowWindow(above, SW_HIDE);
             return nullptr;
         },
         {150, 150},
         true},
        {"raise the lower one",
         [](HWND below, HWND) -> HWND {
             SetWindowPos(below, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
             return nullptr;
         },
         {150, 150},
         true},
        {"destroy it",
         [](HWND, HWND above) -> HWND {
             DestroyWindow(above);
             return nullptr;
         },
         {150, 150},
         true},
        {"switch its drawing off",
         [](HWND, HWND above) -> HWND {
             SendMessageA(above, WM_SETREDRAW, FALSE, 0);
             return nullptr;
         },
         {150, 150},
         true},
        {"a third window over both",
         [](HWND, HWND) -> HWND {
             return CreateWindowExA(0, "UserTestWnd", "Third", WS_POPUP | WS_VISIBLE, 20, 20, 40,
                                    40, nullptr, nullptr, nullptr, nullptr);
         },
         {30, 30},
         false},
    };
    for (const auto& row : rows) {
        HWND below = TopLevel("Below", 0, 0, 200, 200, WS_POPUP | WS_VISIBLE);
        HWND above = TopLevel("Above", 100, 100, 200, 200, WS_POPUP | WS_VISIBLE);
        desktop::PumpUntilIdle();
        const RECT all{0, 0, 200, 200};
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        HDC dc = GetDC(below);
        FillRect(dc, &all, blue);
        ReleaseDC(below, dc);
        DeleteObject(blue);
        ASSERT_EQ(desktop::ScreenPixel(150, 150), kWhite) << row.change;
        HWND made = row.apply(below, above);
        HBRUSH red = CreateSolidBrush(kRed);
        dc = GetDC(below);
        FillRect(dc, &all, red);
        ReleaseDC(below, dc);
        DeleteObject(red);
        EXPECT_EQ(desktop::ScreenPixel(row.at.x, row.at.y) == kRed, row.reached) << row.change;
        for (HWND w : {made, above, below}) {
            if (w && IsWindow(w)) {
                DestroyWindow(w);
            }
        }
    }
}

// The queue finds the window with something to paint however the others came to have and lost
// something to paint before it.
TEST_F(PaintTest, TheWindowLeftToPaintIsPaintedWhateverCameAfterIt) {
    HWND first = TopLevel("First", 0, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    HWND second = TopLevel("Second", 200, 0, 100, 100, WS_POPUP | WS_VISIBLE);
    desktop::PumpUntilIdle();
    RECT painted{};
    PaintWith(this, first, kRed, &painted);
    PaintWith(this, second, kRed);
    InvalidateRect(first, nullptr, FALSE);
    InvalidateRect(second, nullptr, FALSE);
    ValidateRect(second, nullptr);
    desktop::PumpUntilIdle();
    EXPECT_EQ(painted.right, 100);
    EXPECT_EQ(desktop::WindowPixel(first, 50, 50), kRed);
    EXPECT_NE(desktop::WindowPixel(second, 50, 50), kRed);
}

TEST_F(PaintTest, WindowDcsAreReleasedAndCounted) {
    HWND w = TopLevel();
    desktop::PumpUntilIdle();
    desktop::GdiCounts before = desktop::GdiObjectCounts();
    HDC dc = GetDC(w);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(desktop::GdiObjectCounts().dcs, before.dcs + 1);
    EXPECT_EQ(ReleaseDC(w, dc), 1);
    EXPECT_EQ(ReleaseDC(w, nullptr), 0);
    HDC wdc = GetWindowDC(w);
    ReleaseDC(w, wdc);
    EXPECT_EQ(desktop::GdiObjectCounts(), before);
    EXPECT_EQ(GetDC((HWND)(UINT_PTR)0x424242), nullptr);
}

} // namespace
} // namespace user_test
