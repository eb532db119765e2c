// Which pixels shapes cover, beyond the conformance tests (tests/conformance/gdi_pixels.cpp):
// reversed corners, closed and symmetric rounded outlines and raster operations.
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

// A brush fill under the raster operations the platform draws with (copy, and the focus
// rectangle's exclusive or), over a run long enough for whole vector blocks and a ragged end.
TEST_F(ShapesTest, FillsApplyTheRasterOperationToEveryPixelOfTheRun) {
    const COLORREF pen = RGB(0x0F, 0x33, 0x55);
    const COLORREF dst = RGB(0x3C, 0x5A, 0x99);
    const struct {
        int rop;
        COLORREF expected;
    } cases[] = {
        {R2_COPYPEN, pen},
        {R2_XORPEN, pen ^ dst},
    };
    HDC dc = Canvas(15, 3);
    HBRUSH ground = CreateSolidBrush(dst);
    HBRUSH brush = CreateSolidBrush(pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    SelectObject(dc, GetStockObject(NULL_PEN));
    const RECT all{0, 0, 15, 3};
    for (const auto& c : cases) {
        FillRect(dc, &all, ground); // not subject to the raster operation
        SetROP2(dc, c.rop);
        Rectangle(dc, 1, 1, 15, 3); // a null pen leaves the brush one pixel short: 13 by 1
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 15; ++x) {
                const bool inside = y == 1 && x >= 1 && x < 14;
                EXPECT_EQ(GetPixel(dc, x, y), inside ? c.expected : dst)
                    << "rop " << c.rop << " at " << x << "," << y;
            }
    }
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
    DeleteObject(ground);
}

TEST_F(ShapesTest, SetPixelOutsideTheBitmapWritesNothing) {
    HDC dc = Canvas(4, 4);
    EXPECT_EQ(SetPixel(dc, 4, 0, kRed), CLR_INVALID);
    EXPECT_EQ(CountInk(kRed), 0);
}

} // namespace
