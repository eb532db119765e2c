// Which pixels lines, rectangles, fills and blits cover on a memory DC, and the null brush.
#include "conformance.h"
#include "gdi_support.h"

#include <windows.h>

using namespace gdi_conformance;

namespace {

bool Same(const RECT& a, int left, int top, int right, int bottom) {
    return a.left == left && a.top == top && a.right == right && a.bottom == bottom;
}

} // namespace

CONFORMANCE_TEST(GdiLineExcludesItsEndPoint) {
    struct Case {
        int x0, y0, x1, y1;
    } cases[] = {{1, 1, 6, 1}, {6, 1, 1, 1}, {3, 0, 3, 7}, {0, 0, 5, 5}, {7, 0, 2, 5}};
    for (const Case& c : cases) {
        Canvas canvas(8, 8);
        MoveToEx(canvas.dc(), c.x0, c.y0, nullptr);
        CHECK(LineTo(canvas.dc(), c.x1, c.y1));
        CHECK_EQ(kBlack, GetPixel(canvas.dc(), c.x0, c.y0));
        CHECK_EQ(kWhite, GetPixel(canvas.dc(), c.x1, c.y1));
        const int dx = c.x1 > c.x0 ? c.x1 - c.x0 : c.x0 - c.x1;
        const int dy = c.y1 > c.y0 ? c.y1 - c.y0 : c.y0 - c.y1;
        const int length = dx > dy ? dx : dy; // one pixel per step of the longer axis
        CHECK_EQ(length, canvas.Count(kBlack));
        POINT at;
        GetCurrentPositionEx(canvas.dc(), &at);
        CHECK_EQ(c.x1, at.x);
        CHECK_EQ(c.y1, at.y);
    }
}

CONFORMANCE_TEST(GdiRectangleOutlinesAndFills) {
    Canvas canvas(10, 10);
    HBRUSH brush = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(canvas.dc(), brush);
    CHECK(Rectangle(canvas.dc(), 2, 2, 8, 8));
    CHECK(Same(canvas.Box(kBlack), 2, 2, 8, 8));
    CHECK(Same(canvas.Box(kRed), 3, 3, 7, 7));
    CHECK_EQ(20, canvas.Count(kBlack));
    CHECK_EQ(16, canvas.Count(kRed));

    canvas.Clear(kWhite);
    HGDIOBJ oldPen = SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    CHECK(Rectangle(canvas.dc(), 2, 2, 8, 8));
    CHECK(Same(canvas.Box(kRed), 2, 2, 7, 7));
    CHECK_EQ(25, canvas.Count(kRed));
    SelectObject(canvas.dc(), oldPen);
    SelectObject(canvas.dc(), old);
    DeleteObject(brush);
}

CONFORMANCE_TEST(GdiRoundRectCoversItsBounds) {
    Canvas canvas(24, 16);
    HGDIOBJ old = SelectObject(canvas.dc(), GetStockObject(NULL_BRUSH));
    CHECK(RoundRect(canvas.dc(), 0, 0, 20, 12, 5, 10));
    CHECK(Same(canvas.Box(kBlack), 0, 0, 20, 12));
    CHECK_EQ(kWhite, GetPixel(canvas.dc(), 0, 0));
    CHECK_EQ(kWhite, GetPixel(canvas.dc(), 19, 11));
    CHECK_EQ(kBlack, GetPixel(canvas.dc(), 10, 0));
    CHECK_EQ(kBlack, GetPixel(canvas.dc(), 10, 11));
    CHECK_EQ(kBlack, GetPixel(canvas.dc(), 0, 6));
    CHECK_EQ(kBlack, GetPixel(canvas.dc(), 19, 6));
    CHECK_EQ(kWhite, GetPixel(canvas.dc(), 10, 6));
    SelectObject(canvas.dc(), old);
}

CONFORMANCE_TEST(GdiFillRectIsRightAndBottomExclusive) {
    Canvas canvas(10, 10);
    HBRUSH brush = CreateSolidBrush(kBlue);
    RECT r = {2, 2, 8, 8};
    CHECK(FillRect(canvas.dc(), &r, brush));
    CHECK(Same(canvas.Box(kBlue), 2, 2, 8, 8));
    CHECK_EQ(36, canvas.Count(kBlue));
    canvas.Clear(kWhite);
    RECT empty = {4, 4, 4, 9};
    FillRect(canvas.dc(), &empty, brush);
    CHECK_EQ(0, canvas.Count(kBlue));
    DeleteObject(brush);
}

CONFORMANCE_TEST(GdiBitBltIsClippedToBothBitmaps) {
    Canvas destination(6, 6);
    Canvas source(3, 3);
    source.Clear(kRed);
    CHECK(BitBlt(destination.dc(), 3, 3, 5, 5, source.dc(), 1, 1, SRCCOPY));
    CHECK(Same(destination.Box(kRed), 3, 3, 5, 5));
    CHECK_EQ(4, destination.Count(kRed));
}

CONFORMANCE_TEST(GdiSetPixelAndGetPixel) {
    Canvas canvas(4, 4);
    CHECK_EQ(kRed, SetPixel(canvas.dc(), 1, 2, kRed));
    CHECK_EQ(kRed, GetPixel(canvas.dc(), 1, 2));
    CHECK_EQ(kWhite, GetPixel(canvas.dc(), 2, 1));
    CHECK_EQ(CLR_INVALID, GetPixel(canvas.dc(), 4, 0));
    CHECK_EQ(CLR_INVALID, GetPixel(canvas.dc(), 0, -1));
}

CONFORMANCE_TEST(GdiDeletingASelectedObject) {
    Canvas canvas(2, 2);
    // A stock object survives DeleteObject; the DC can go on using it.
    DeleteObject(GetStockObject(BLACK_BRUSH));
    HGDIOBJ old = SelectObject(canvas.dc(), GetStockObject(BLACK_BRUSH));
    CHECK(old != nullptr);
    PatBlt(canvas.dc(), 0, 0, 1, 1, PATCOPY);
    CHECK_EQ(kBlack, GetPixel(canvas.dc(), 0, 0));
    SelectObject(canvas.dc(), old);
}

CONFORMANCE_TEST(GdiWidePenLineHasRoundCaps) {
    Canvas canvas(12, 6);
    HPEN pen = CreatePen(PS_SOLID, 3, kBlack);
    HGDIOBJ old = SelectObject(canvas.dc(), pen);
    MoveToEx(canvas.dc(), 2, 2, nullptr);
    LineTo(canvas.dc(), 9, 2);
    CHECK(Same(canvas.Box(kBlack), 1, 1, 11, 4));
    CHECK_EQ(kBlack, GetPixel(canvas.dc(), 10, 2)); // the cap covers the end point
    CHECK_EQ(kBlack, GetPixel(canvas.dc(), 2, 1));
    CHECK_EQ(kWhite, GetPixel(canvas.dc(), 1, 1)); // round, not square
    CHECK_EQ(kWhite, GetPixel(canvas.dc(), 10, 3));
    SelectObject(canvas.dc(), old);
    DeleteObject(pen);
}

CONFORMANCE_TEST(GdiSlopedLinesStepLikeBresenham) {
    struct Case {
        int x0, y0, x1, y1;
        const char* rows[4];
    } cases[] = {
        {0, 0, 7, 3, {"##......", "..##....", "....##..", "......#."}},
        {7, 0, 0, 3, {"......##", "....##..", "..##....", ".#......"}},
        {0, 3, 7, 0, {"......#.", "....##..", "..##....", "##......"}},
    };
    for (const Case& c : cases) {
        Canvas canvas(8, 4);
        MoveToEx(canvas.dc(), c.x0, c.y0, nullptr);
        LineTo(canvas.dc(), c.x1, c.y1);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x)
                CHECK_EQ(c.rows[y][x] == '#' ? kBlack : kWhite, GetPixel(canvas.dc(), x, y));
    }
}

CONFORMANCE_TEST(GdiBrushIndirectNullIsTheStockNullBrush) {
    LOGBRUSH lb = {BS_NULL, kRed, 0};
    HBRUSH brush = CreateBrushIndirect(&lb);
    CHECK(brush == GetStockObject(NULL_BRUSH));
    Canvas canvas(8, 8);
    RECT r = {0, 0, 8, 8};
    FillRect(canvas.dc(), &r, brush);
    CHECK_EQ(64, canvas.Count(kWhite));
}
