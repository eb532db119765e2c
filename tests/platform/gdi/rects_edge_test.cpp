// FillRect, FrameRect, DrawFocusRect and DrawEdge pixels.
#include "gdi_fixture.h"

namespace {

class RectsTest : public GdiTest {};

TEST_F(RectsTest, FillRectTakesASystemColourIndexAsBrush) {
    HDC dc = Canvas(4, 4);
    RECT r{0, 0, 4, 4};
    EXPECT_TRUE(FillRect(dc, &r, reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(15 + 1))));
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_BTNFACE));
}

TEST_F(RectsTest, FrameRectOutlinesTheRectangle) {
    HDC dc = Canvas(5, 4);
    RECT r{0, 0, 5, 4};
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Picture(kBlack), "#####\n"
                               "#...#\n"
                               "#...#\n"
                               "#####\n");
}

TEST_F(RectsTest, FocusRectIsDottedAndErasesItself) {
    HDC dc = Canvas(6, 4);
    RECT r{0, 0, 6, 4};
    DrawFocusRect(dc, &r);
    // Dots where x + y is even.
    EXPECT_EQ(Picture(kBlack), "#.#.#.\n"
                               ".....#\n"
                               "#.....\n"
                               ".#.#.#\n");
    DrawFocusRect(dc, &r);
    EXPECT_EQ(CountInk(kWhite), 24);
}

TEST_F(RectsTest, SunkenEdgeUsesTheClassicColours) {
    HDC dc = Canvas(6, 6);
    RECT r{0, 0, 6, 6};
    EXPECT_TRUE(DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST));
    EXPECT_EQ(r, (RECT{2, 2, 4, 4}));
    const COLORREF shadow = GetSysColor(COLOR_3DSHADOW), light = GetSysColor(COLOR_3DLIGHT);
    EXPECT_EQ(Picture(shadow), "#####.\n"
                               "#.....\n"
                               "#.....\n"
                               "#.....\n"
                               "#.....\n"
                               "......\n");
    EXPECT_EQ(GetPixel(dc, 5, 0), kWhite); // outer bottom-right: highlight, with the corners
    EXPECT_EQ(GetPixel(dc, 0, 5), kWhite);
    EXPECT_EQ(GetPixel(dc, 5, 5), kWhite);
    EXPECT_EQ(GetPixel(dc, 1, 1), kBlack); // inner top-left: dark shadow
    EXPECT_EQ(GetPixel(dc, 4, 4), light);  // inner bottom-right: light
    EXPECT_EQ(GetPixel(dc, 2, 2), kWhite); // middle untouched
}

TEST_F(RectsTest, RaisedEdgeWithMiddleFillsTheFace) {
    HDC dc = Canvas(6, 6);
    RECT r{0, 0, 6, 6};
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(r, (RECT{0, 0, 6, 6}));                          // unchanged without BF_ADJUST
    EXPECT_EQ(GetPixel(dc, 0, 0), GetSysColor(COLOR_3DLIGHT)); // outer top-left
    EXPECT_EQ(GetPixel(dc, 5, 5), kBlack);                     // outer bottom-right: dark shadow
    EXPECT_EQ(GetPixel(dc, 1, 1), kWhite);                     // inner top-left: highlight
    EXPECT_EQ(GetPixel(dc, 4, 4), RGB(128, 128, 128));         // inner bottom-right: shadow
    EXPECT_EQ(GetPixel(dc, 2, 3), GetSysColor(COLOR_3DFACE));
}

} // namespace
