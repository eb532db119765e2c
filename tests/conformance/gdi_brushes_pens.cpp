// Brushes and pens beyond the solid ones: the null brush from CreateBrushIndirect, hatched and
// pattern brushes painting their patterns, ExtCreatePen, and a DC's own clip region.
#include "conformance.h"
#include "gdi_support.h"

#include <windows.h>

using namespace gdi_conformance;

namespace {

// How many pixels of each row (or column) of a 16 by 16 fill have the colour.
void Counts(const Canvas& canvas, COLORREF colour, bool rows, int* out) {
    for (int i = 0; i < 16; ++i) {
        out[i] = 0;
        for (int j = 0; j < 16; ++j)
            if (GetPixel(canvas.dc(), rows ? j : i, rows ? i : j) == colour)
                ++out[i];
    }
}

} // namespace

CONFORMANCE_TEST(GdiBrushIndirectNullIsTheStockNullBrush) {
    LOGBRUSH lb = {BS_NULL, kRed, 0};
    HBRUSH brush = CreateBrushIndirect(&lb);
    CHECK(brush == GetStockObject(NULL_BRUSH));
    Canvas canvas(8, 8);
    RECT r = {0, 0, 8, 8};
    FillRect(canvas.dc(), &r, brush);
    CHECK_EQ(64, canvas.Count(kWhite));

    LOGBRUSH hatched = {BS_HATCHED, kBlue, HS_CROSS};
    HBRUSH cross = CreateBrushIndirect(&hatched);
    LOGBRUSH back = {};
    CHECK_EQ((int)sizeof back, GetObjectA(cross, sizeof back, &back));
    CHECK_EQ((UINT)BS_HATCHED, back.lbStyle);
    CHECK_EQ(kBlue, back.lbColor);
    CHECK_EQ((ULONG_PTR)HS_CROSS, back.lbHatch);
    DeleteObject(cross);
}

CONFORMANCE_TEST(GdiHatchBrushesPaintTheirLines) {
    // Where the lines fall within the 8 by 8 cell is the system's; every device repeats them
    // every 8 pixels, in the brush colour over the DC's background colour.
    struct Row {
        int hatch;
        int perRow[2]; // the blue count of a row: on a line, between lines
        int perColumn[2];
    } rows[] = {
        {HS_HORIZONTAL, {16, 0}, {2, 2}}, {HS_VERTICAL, {2, 2}, {16, 0}},
        {HS_CROSS, {16, 2}, {16, 2}},     {HS_FDIAGONAL, {2, 2}, {2, 2}},
        {HS_BDIAGONAL, {2, 2}, {2, 2}},
    };
    for (const Row& row : rows) {
        Canvas canvas(16, 16);
        SetBkColor(canvas.dc(), kRed);
        HBRUSH brush = CreateHatchBrush(row.hatch, kBlue);
        RECT all = {0, 0, 16, 16};
        CHECK(FillRect(canvas.dc(), &all, brush));
        DeleteObject(brush);
        CHECK_EQ(0, canvas.Count(kWhite));
        CHECK_EQ(256, canvas.Count(kBlue) + canvas.Count(kRed));
        for (int axis = 0; axis < 2; ++axis) {
            int counts[16];
            Counts(canvas, kBlue, axis == 0, counts);
            const int* expected = axis == 0 ? row.perRow : row.perColumn;
            int lines = 0;
            for (int i = 0; i < 16; ++i) {
                if (counts[i] == expected[0] && expected[0] != expected[1])
                    ++lines;
                else
                    CHECK_EQ(expected[1], counts[i]);
                CHECK_EQ(counts[i], counts[(i + 8) % 16]); // repeats every 8 pixels
            }
            if (expected[0] != expected[1])
                CHECK_EQ(2, lines);
        }
    }
    // Under TRANSPARENT only the lines are painted.
    Canvas canvas(16, 16);
    SetBkMode(canvas.dc(), TRANSPARENT);
    HBRUSH brush = CreateHatchBrush(HS_HORIZONTAL, kBlue);
    RECT all = {0, 0, 16, 16};
    FillRect(canvas.dc(), &all, brush);
    DeleteObject(brush);
    CHECK_EQ(32, canvas.Count(kBlue));
    CHECK_EQ(224, canvas.Count(kWhite));
}

CONFORMANCE_TEST(GdiPatternBrushTilesItsBitmap) {
    // A 2 by 2 checkerboard of red and blue, tiled from the device origin.
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 2, 2);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetPixel(dc, 0, 0, kRed);
    SetPixel(dc, 1, 0, kBlue);
    SetPixel(dc, 0, 1, kBlue);
    SetPixel(dc, 1, 1, kRed);
    SelectObject(dc, old);
    DeleteDC(dc);
    HBRUSH brush = CreatePatternBrush(bitmap);
    CHECK(brush != nullptr);
    DeleteObject(bitmap); // the brush keeps its own copy

    Canvas canvas(8, 8);
    RECT part = {1, 1, 7, 7};
    CHECK(FillRect(canvas.dc(), &part, brush));
    bool tiled = true;
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 7; ++x)
            tiled = tiled && GetPixel(canvas.dc(), x, y) == ((x + y) % 2 == 0 ? kRed : kBlue);
    CHECK(tiled);
    CHECK_EQ(28, canvas.Count(kWhite));
    // Shapes fill with it too.
    canvas.Clear(kWhite);
    HGDIOBJ oldBrush = SelectObject(canvas.dc(), brush);
    HGDIOBJ oldPen = SelectObject(canvas.dc(), GetStockObject(NULL_PEN));
    Rectangle(canvas.dc(), 0, 0, 5, 5);
    SelectObject(canvas.dc(), oldPen);
    SelectObject(canvas.dc(), oldBrush);
    CHECK_EQ(kRed, GetPixel(canvas.dc(), 0, 0));
    CHECK_EQ(kBlue, GetPixel(canvas.dc(), 1, 0));
    CHECK_EQ(kRed, GetPixel(canvas.dc(), 3, 3));
    CHECK_EQ(8, canvas.Count(kRed));
    DeleteObject(brush);
}

CONFORMANCE_TEST(GdiExtCreatePenCosmeticAndGeometric) {
    LOGBRUSH red = {BS_SOLID, kRed, 0};
    HPEN cosmetic = ExtCreatePen(PS_COSMETIC | PS_SOLID, 1, &red, 0, nullptr);
    CHECK(cosmetic != nullptr);
    CHECK_EQ((DWORD)OBJ_EXTPEN, GetObjectType(cosmetic));
    // A cosmetic pen is one pixel wide.
    CHECK(ExtCreatePen(PS_COSMETIC | PS_SOLID, 3, &red, 0, nullptr) == nullptr);

    Canvas canvas(16, 16);
    HGDIOBJ old = SelectObject(canvas.dc(), cosmetic);
    MoveToEx(canvas.dc(), 2, 2, nullptr);
    LineTo(canvas.dc(), 12, 2);
    SelectObject(canvas.dc(), old);
    CHECK_EQ(10, canvas.Count(kRed));
    DeleteObject(cosmetic);

    LOGBRUSH blue = {BS_SOLID, kBlue, 0};
    const DWORD style = PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER;
    HPEN geometric = ExtCreatePen(style, 3, &blue, 0, nullptr);
    CHECK(geometric != nullptr);
    struct {
        EXTLOGPEN pen;
        DWORD more[4];
    } described = {};
    CHECK(GetObjectA(geometric, sizeof described, &described) > 0);
    CHECK_EQ(style, described.pen.elpPenStyle);
    CHECK_EQ(3u, (unsigned)described.pen.elpWidth);
    CHECK_EQ(kBlue, described.pen.elpColor);
    old = SelectObject(canvas.dc(), geometric);
    MoveToEx(canvas.dc(), 2, 8, nullptr);
    LineTo(canvas.dc(), 12, 8);
    SelectObject(canvas.dc(), old);
    // Three pixels thick around the line; flat ends stop at the end points.
    const RECT box = canvas.Box(kBlue);
    CHECK_EQ(7, (int)box.top);
    CHECK_EQ(10, (int)box.bottom);
    CHECK(box.left >= 1 && box.left <= 2);
    CHECK(box.right >= 12 && box.right <= 13);
    DeleteObject(geometric);
}

CONFORMANCE_TEST(GdiGetClipRgnReportsTheDcsOwnClip) {
    Canvas canvas(100, 100);
    HRGN got = CreateRectRgn(0, 0, 0, 0);
    CHECK_EQ(0, GetClipRgn(canvas.dc(), got));
    HRGN clip = CreateRectRgn(10, 10, 50, 50);
    SelectClipRgn(canvas.dc(), clip);
    DeleteObject(clip);
    CHECK_EQ(1, GetClipRgn(canvas.dc(), got));
    RECT box = {};
    GetRgnBox(got, &box);
    CHECK(box.left == 10 && box.top == 10 && box.right == 50 && box.bottom == 50);
    IntersectClipRect(canvas.dc(), 20, 20, 30, 60);
    CHECK_EQ(1, GetClipRgn(canvas.dc(), got));
    GetRgnBox(got, &box);
    CHECK(box.left == 20 && box.top == 20 && box.right == 30 && box.bottom == 50);
    SelectClipRgn(canvas.dc(), nullptr);
    CHECK_EQ(0, GetClipRgn(canvas.dc(), got));
    DeleteObject(got);
}
