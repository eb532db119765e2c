// Which pixels shapes cover, beyond the conformance tests (tests/conformance/gdi_pixels.cpp):
// reversed corners, closed and symmetric rounded outlines, wide pens and raster operations.
#include "gdi_fixture.h"

namespace {

class ShapesTest : public GdiTest {};

TEST_F(ShapesTest, NullPenDrawsNoLine) {
    HDC dc = Canvas(5, 1);
    SelectObject(dc, GetStockObject(NULL_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 5, 0);
    EXPECT_EQ(CountInk(kBlack), 0);
}

TEST_F(ShapesTest, RectangleWithReversedCornersIsTheSameRectangle) {
    HDC dc = Canvas(10, 10);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 8, 8, 2, 2);
    EXPECT_EQ(InkBox(kBlack), (RECT{2, 2, 8, 8}));
    EXPECT_EQ(CountInk(kBlack), 20);
}

TEST_F(ShapesTest, RoundRectOutlineIsClosedAndSymmetric) {
    HDC dc = Canvas(20, 12);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 0, 0, 20, 12, 8, 8);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(GetPixel(dc, x, y), GetPixel(dc, 19 - x, y)) << x << "," << y;
            EXPECT_EQ(GetPixel(dc, x, y), GetPixel(dc, x, 11 - y)) << x << "," << y;
        }
    // Every row holds outline pixels: no gap in the outline.
    for (int y = 0; y < 12; ++y) {
        int ink = 0;
        for (int x = 0; x < 20; ++x)
            ink += GetPixel(dc, x, y) == kBlack;
        EXPECT_GT(ink, 0) << "row " << y;
    }
}

TEST_F(ShapesTest, RoundRectFillStaysInsideOutline) {
    HDC dc = Canvas(20, 12);
    HBRUSH brush = CreateSolidBrush(kBlue);
    HGDIOBJ old = SelectObject(dc, brush);
    RoundRect(dc, 0, 0, 20, 12, 6, 6);
    const RECT fill = InkBox(kBlue);
    EXPECT_EQ(fill, (RECT{1, 1, 19, 11}));
    SelectObject(dc, old);
    DeleteObject(brush);
}

TEST_F(ShapesTest, WidePenDrawsThickOutline) {
    HDC dc = Canvas(12, 12);
    HPEN pen = CreatePen(PS_INSIDEFRAME, 2, kRed);
    HGDIOBJ old = SelectObject(dc, pen);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 1, 1, 11, 11);
    EXPECT_EQ(InkBox(kRed), (RECT{1, 1, 11, 11}));
    EXPECT_EQ(GetPixel(dc, 2, 5), kRed);
    EXPECT_EQ(GetPixel(dc, 3, 5), kWhite);
    SelectObject(dc, old);
    DeleteObject(pen);
}

TEST_F(ShapesTest, XorRasterOperationInvertsTwice) {
    HDC dc = Canvas(6, 1);
    SetROP2(dc, R2_NOT);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 3, 0);
    EXPECT_EQ(Picture(kBlack), "###...\n");
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 3, 0);
    EXPECT_EQ(CountInk(kWhite), 6);
}

TEST_F(ShapesTest, SetPixelOutsideTheBitmapWritesNothing) {
    HDC dc = Canvas(4, 4);
    EXPECT_EQ(SetPixel(dc, 4, 0, kRed), CLR_INVALID);
    EXPECT_EQ(CountInk(kRed), 0);
}

} // namespace
