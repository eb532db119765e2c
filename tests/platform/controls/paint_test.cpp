// What the controls look like: a few pixels of each, in the classic system colours, and no GDI
// object left behind by painting.
#include "controls_fixture.h"

namespace controls_test {
namespace {

class Paint : public ControlsTest {
protected:
    COLORREF Pixel(HWND hwnd, int x, int y) {
        POINT point{x, y};
        ClientToScreen(hwnd, &point);
        return desktop::ScreenPixel(point.x, point.y);
    }
    static COLORREF Sys(int index) { return GetSysColor(index); }

    // How many pixels of the client rectangle [left, right) x [top, bottom) have the colour.
    int Count(HWND hwnd, RECT area, COLORREF color) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += Pixel(hwnd, x, y) == color ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_F(Paint, ScrollBarArrowsAreRaisedButtonsWithBlackTriangles) {
    HWND bar = Create("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    // Up arrow: light grey and white rings at the top left, black and dark grey at the bottom
    // right, a face between.
    EXPECT_EQ(Pixel(bar, 0, 0), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(Pixel(bar, 1, 1), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(Pixel(bar, 15, 15), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(bar, 14, 14), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(Pixel(bar, 3, 3), Sys(COLOR_3DFACE));
    // Triangle rows of 1, 3, 5 and 7 pixels, apex up at (7, 6).
    EXPECT_EQ(Pixel(bar, 7, 6), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(bar, 6, 6), Sys(COLOR_3DFACE));
    EXPECT_EQ(Pixel(bar, 4, 9), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(bar, 10, 9), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(bar, 3, 9), Sys(COLOR_3DFACE));
    // Down arrow: apex down at (7, 84 + 9).
    EXPECT_EQ(Pixel(bar, 7, 93), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(bar, 4, 90), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(bar, 7, 94), Sys(COLOR_3DFACE));
    // The shaft between.
    EXPECT_EQ(Pixel(bar, 8, 70), Sys(COLOR_SCROLLBAR));
}

TEST_F(Paint, APressedArrowIsFlatWithItsGlyphMovedDownRight) {
    HWND bar = Create("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    Post(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
    EXPECT_EQ(Pixel(bar, 0, 0), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(Pixel(bar, 1, 1), Sys(COLOR_3DFACE));
    EXPECT_EQ(Pixel(bar, 8, 7), Sys(COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(bar, 7, 6), Sys(COLOR_3DFACE));
    Post(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
    EXPECT_EQ(Pixel(bar, 7, 6), Sys(COLOR_BTNTEXT));
}

TEST_F(Paint, DisabledScrollBarGlyphsAreEmbossedGrey) {
    HWND bar = Create("SCROLLBAR", "", SBS_VERT | WS_DISABLED, 100, 10, 10, 16, 100);
    Pump();
    EXPECT_EQ(Pixel(bar, 7, 6), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(Pixel(bar, 11, 10), Sys(COLOR_3DHILIGHT)) << "the white shadow of the base's end";
}

TEST_F(Paint, PushButtonFramesForNormalDefaultAndPressed) {
    HWND normal = Create("BUTTON", "OK", BS_PUSHBUTTON, 1, 10, 10, 75, 23);
    HWND byDefault = Create("BUTTON", "OK", BS_DEFPUSHBUTTON, 2, 10, 40, 75, 23);
    EXPECT_EQ(Pixel(normal, 0, 0), Sys(COLOR_3DHILIGHT));
    EXPECT_EQ(Pixel(normal, 74, 22), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(normal, 73, 21), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(Pixel(normal, 2, 2), Sys(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(byDefault, 0, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(byDefault, 1, 1), Sys(COLOR_3DHILIGHT));
    EXPECT_GT(Count(normal, RECT{2, 2, 73, 21}, Sys(COLOR_BTNTEXT)), 10) << "the text";

    SendMessageA(normal, BM_SETSTATE, TRUE, 0);
    Pump();
    EXPECT_EQ(Pixel(normal, 0, 0), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(normal, 1, 1), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(Pixel(normal, 2, 2), Sys(COLOR_BTNFACE));
}

TEST_F(Paint, DisabledButtonTextIsGrey) {
    HWND button = Create("BUTTON", "Disabled", BS_PUSHBUTTON | WS_DISABLED, 1, 10, 10, 75, 23);
    Pump();
    const RECT inside{2, 2, 73, 21};
    EXPECT_EQ(Count(button, inside, Sys(COLOR_BTNTEXT)), 0);
    EXPECT_GT(Count(button, inside, Sys(COLOR_GRAYTEXT)), 10);
}

TEST_F(Paint, CheckBoxShowsItsMarkOnlyWhenChecked) {
    HWND box = Create("BUTTON", "", BS_AUTOCHECKBOX, 1, 10, 10, 100, 20);
    // The 13-pixel well is vertically centred at the left: y 3..15, its inside 2 pixels in.
    const RECT well{2, 5, 11, 14};
    EXPECT_EQ(Pixel(box, 0, 3), Sys(COLOR_3DSHADOW));
    EXPECT_EQ(Count(box, well, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(Count(box, well, Sys(COLOR_WINDOW)), 60);
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    Pump();
    EXPECT_GT(Count(box, well, Sys(COLOR_WINDOWTEXT)), 15);
}

TEST_F(Paint, EditShowsSelectionAndCaretOnlyWhileFocused) {
    HWND edit = Create("EDIT", "WWWW", 0, 101, 10, 10, 100, 20);
    const RECT all{0, 0, 100, 20};
    EXPECT_EQ(Pixel(edit, 98, 18), Sys(COLOR_WINDOW));
    EXPECT_GT(Count(edit, all, Sys(COLOR_WINDOWTEXT)), 10);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    Pump();
    EXPECT_EQ(Count(edit, all, Sys(COLOR_HIGHLIGHT)), 0) << "hidden without the focus";
    SetFocus(edit);
    Pump();
    EXPECT_GT(Count(edit, all, Sys(COLOR_HIGHLIGHT)), 10);
    EXPECT_GT(Count(edit, all, Sys(COLOR_HIGHLIGHTTEXT)), 10);
}

TEST_F(Paint, EditCaretIsAOnePixelLine) {
    HWND edit = Create("EDIT", "", 0, 101, 10, 10, 100, 20);
    SetFocus(edit);
    Pump();
    // Empty text: the caret stands at the left margin.
    EXPECT_EQ(Pixel(edit, 1, 2), Sys(COLOR_WINDOWTEXT));
    EXPECT_EQ(Pixel(edit, 2, 2), Sys(COLOR_WINDOW));
    EXPECT_EQ(Pixel(edit, 0, 2), Sys(COLOR_WINDOW));
}

TEST_F(Paint, DisabledAndReadOnlyEditsUseTheDialogFace) {
    HWND disabled = Create("EDIT", "abc", WS_DISABLED, 101, 10, 10, 100, 20);
    HWND readOnly = Create("EDIT", "abc", ES_READONLY, 102, 10, 40, 100, 20);
    Pump();
    EXPECT_EQ(Pixel(disabled, 98, 18), Sys(COLOR_BTNFACE));
    EXPECT_EQ(Pixel(readOnly, 98, 18), Sys(COLOR_BTNFACE));
    EXPECT_EQ(Count(disabled, RECT{0, 0, 100, 20}, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(Count(disabled, RECT{0, 0, 100, 20}, Sys(COLOR_GRAYTEXT)), 5);
}

TEST_F(Paint, StaticUsesTheParentsBrushAndTheWindowFont) {
    HWND label = Create("STATIC", "Label", SS_LEFT, 104, 10, 10, 100, 20);
    EXPECT_EQ(Pixel(label, 98, 18), Sys(COLOR_BTNFACE));
    EXPECT_GT(Count(label, RECT{0, 0, 100, 20}, Sys(COLOR_WINDOWTEXT)), 10);
    staticBrush = GetSysColorBrush(COLOR_WINDOW);
    InvalidateRect(label, nullptr, TRUE);
    Pump();
    EXPECT_EQ(Pixel(label, 98, 18), Sys(COLOR_WINDOW));
}

TEST_F(Paint, CenteredStaticTextIsCentered) {
    HWND label = Create("STATIC", ":", SS_CENTER, 104, 10, 10, 100, 20);
    EXPECT_EQ(Count(label, RECT{0, 0, 40, 20}, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_EQ(Count(label, RECT{60, 0, 100, 20}, Sys(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(Count(label, RECT{40, 0, 60, 20}, Sys(COLOR_WINDOWTEXT)), 0);
}

TEST_F(Paint, OwnerDrawnButtonShowsWhatTheParentDrew) {
    HWND button = Create("BUTTON", "", BS_OWNERDRAW, 400, 10, 10, 40, 30);
    EXPECT_EQ(Pixel(button, 20, 15), Sys(COLOR_WINDOW));
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    EXPECT_EQ(Pixel(button, 20, 15), Sys(COLOR_HIGHLIGHT)) << "drawn at once, not on WM_PAINT";
}

TEST_F(Paint, PaintingEveryControlReleasesEverything) {
    const desktop::GdiCounts before = desktop::GdiObjectCounts();
    Create("EDIT", "text", WS_BORDER, 1, 10, 10);
    Create("STATIC", "text", SS_CENTER, 2, 10, 40);
    Create("SCROLLBAR", "", SBS_VERT, 3, 150, 10, 16, 100);
    Create("BUTTON", "Push", BS_DEFPUSHBUTTON, 4, 10, 70);
    Create("BUTTON", "Check", BS_AUTOCHECKBOX, 5, 10, 100);
    Create("BUTTON", "Radio", BS_AUTORADIOBUTTON, 6, 10, 130);
    Create("BUTTON", "Group", BS_GROUPBOX, 7, 200, 10, 100, 100);
    InvalidateRect(parent(), nullptr, TRUE);
    Pump();
    const desktop::GdiCounts after = desktop::GdiObjectCounts();
    EXPECT_EQ(before, after) << desktop::Describe(before) << " -> " << desktop::Describe(after);
}

} // namespace
} // namespace controls_test
