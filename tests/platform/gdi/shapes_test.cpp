// Which pixels lines, rectangles and rounded rectangles cover, and in which colour.
#include "gdi_fixture.h"

namespace {

class ShapesTest : public GdiTest {};

TEST_F(ShapesTest, LineLeavesOutItsEndPoint) {
    HDC dc = Canvas(8, 3);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 6, 1);
    EXPECT_EQ(Picture(kBlack), "........\n"
                               ".#####..\n"
                               "........\n");
    POINT at;
    GetCurrentPositionEx(dc, &at);
    EXPECT_EQ(at.x, 6);
    EXPECT_EQ(at.y, 1);
}

TEST_F(ShapesTest, LinesInEveryDirectionExcludeTheirEnd) {
    struct Case {
        int x0, y0, x1, y1;
        const char* picture;
    } cases[] = {
        {4, 0, 4, 4, "....#\n....#\n....#\n....#\n.....\n"},
        {4, 4, 0, 4, ".....\n.....\n.....\n.....\n.####\n"},
        {0, 0, 4, 4, "#....\n.#...\n..#..\n...#.\n.....\n"},
        {4, 0, 0, 4, "....#\n...#.\n..#..\n.#...\n.....\n"},
        {2, 2, 2, 2, ".....\n.....\n.....\n.....\n.....\n"},
    };
    for (const Case& c : cases) {
        HDC dc = Canvas(5, 5);
        MoveToEx(dc, c.x0, c.y0, nullptr);
        LineTo(dc, c.x1, c.y1);
        EXPECT_EQ(Picture(kBlack), c.picture)
            << "line (" << c.x0 << "," << c.y0 << ")-(" << c.x1 << "," << c.y1 << ")";
        TearDown();
        dc_ = nullptr;
    }
}

TEST_F(ShapesTest, NullPenDrawsNoLine) {
    HDC dc = Canvas(5, 1);
    SelectObject(dc, GetStockObject(NULL_PEN));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 5, 0);
    EXPECT_EQ(CountInk(kBlack), 0);
}

TEST_F(ShapesTest, RectangleOutlinesWithPenAndFillsWithBrush) {
    HDC dc = Canvas(10, 10);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH brush = CreateSolidBrush(kBlue);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, 2, 2, 8, 8);
    EXPECT_EQ(InkBox(kRed), (RECT{2, 2, 8, 8}));
    EXPECT_EQ(InkBox(kBlue), (RECT{3, 3, 7, 7}));
    EXPECT_EQ(CountInk(kRed), 20);
    EXPECT_EQ(CountInk(kBlue), 16);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST_F(ShapesTest, RectangleWithNullPenFillsOnePixelLessRightAndBottom) {
    HDC dc = Canvas(10, 10);
    HBRUSH brush = CreateSolidBrush(kBlue);
    SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, 2, 2, 8, 8);
    EXPECT_EQ(InkBox(kBlue), (RECT{2, 2, 7, 7}));
    EXPECT_EQ(CountInk(kBlue), 25);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
}

TEST_F(ShapesTest, RectangleWithReversedCornersIsTheSameRectangle) {
    HDC dc = Canvas(10, 10);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, 8, 8, 2, 2);
    EXPECT_EQ(InkBox(kBlack), (RECT{2, 2, 8, 8}));
    EXPECT_EQ(CountInk(kBlack), 20);
}

TEST_F(ShapesTest, RoundRectCoversItsBoundsWithCutCorners) {
    HDC dc = Canvas(22, 14);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 0, 0, 20, 12, 5, 10);
    EXPECT_EQ(InkBox(kBlack), (RECT{0, 0, 20, 12}));
    // The corners are cut, the middle of each side is drawn.
    EXPECT_EQ(GetPixel(dc, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(dc, 19, 11), kWhite);
    EXPECT_EQ(GetPixel(dc, 10, 0), kBlack);
    EXPECT_EQ(GetPixel(dc, 0, 6), kBlack);
    EXPECT_EQ(GetPixel(dc, 19, 6), kBlack);
    EXPECT_EQ(GetPixel(dc, 10, 11), kBlack);
    EXPECT_EQ(GetPixel(dc, 10, 6), kWhite); // hollow
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

TEST_F(ShapesTest, SetPixelAndGetPixel) {
    HDC dc = Canvas(4, 4);
    EXPECT_EQ(SetPixel(dc, 1, 2, RGB(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_EQ(GetPixel(dc, 1, 2), RGB(10, 20, 30));
    EXPECT_EQ(SetPixel(dc, 4, 0, kRed), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 0, 4), CLR_INVALID);
}

} // namespace
