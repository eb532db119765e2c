// Regions and the clip and origins of a DC.
#include "gdi_fixture.h"

#include "../platform/gdi/gdi_internal.h"

namespace {

class ClipRegionTest : public GdiTest {};

std::vector<RECT> Rects(HRGN rgn) {
    return gdi_internal::RegionRects(rgn);
}

TEST_F(ClipRegionTest, CombineModes) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15);
    HRGN out = CreateRectRgn(0, 0, 0, 0);
    struct Case {
        int mode, type;
        int area;
        RECT box;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, 25, {5, 5, 10, 10}},
        {RGN_OR, COMPLEXREGION, 175, {0, 0, 15, 15}},
        {RGN_XOR, COMPLEXREGION, 150, {0, 0, 15, 15}},
        {RGN_DIFF, COMPLEXREGION, 75, {0, 0, 10, 10}},
        {RGN_COPY, SIMPLEREGION, 100, {0, 0, 10, 10}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CombineRgn(out, a, b, c.mode), c.type) << c.mode;
        int area = 0;
        for (const RECT& r : Rects(out))
            area += (r.right - r.left) * (r.bottom - r.top);
        EXPECT_EQ(area, c.area) << c.mode;
        RECT box;
        GetRgnBox(out, &box);
        EXPECT_EQ(box, c.box) << c.mode;
    }
    EXPECT_EQ(CombineRgn(out, a, CreateRectRgn(20, 20, 30, 30), RGN_AND), NULLREGION);
    EXPECT_EQ(CombineRgn(out, a, nullptr, RGN_OR), ERROR);
    EXPECT_TRUE(PtInRegion(a, 9, 9));
    EXPECT_FALSE(PtInRegion(a, 10, 9));
    EXPECT_EQ(OffsetRgn(a, 2, 3), SIMPLEREGION);
    GetRgnBox(a, &cases[0].box);
    EXPECT_EQ(cases[0].box, (RECT{2, 3, 12, 13}));
    // Touching rectangles make one.
    HRGN top = CreateRectRgn(0, 0, 10, 5), bottom = CreateRectRgn(0, 5, 10, 10);
    EXPECT_EQ(CombineRgn(out, top, bottom, RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(EqualRgn(out, CreateRectRgn(0, 0, 10, 10)));
}

TEST_F(ClipRegionTest, IntersectClipRectLimitsDrawingAndVisibility) {
    HDC dc = Canvas(10, 10);
    EXPECT_EQ(IntersectClipRect(dc, 2, 2, 6, 6), SIMPLEREGION);
    RECT all{0, 0, 10, 10};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(InkBox(kBlack), (RECT{2, 2, 6, 6}));
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{2, 2, 6, 6}));
    EXPECT_TRUE(PtVisible(dc, 2, 2));
    EXPECT_FALSE(PtVisible(dc, 6, 6));
    RECT in{5, 5, 8, 8}, out{6, 6, 8, 8};
    EXPECT_TRUE(RectVisible(dc, &in));
    EXPECT_FALSE(RectVisible(dc, &out));
}

TEST_F(ClipRegionTest, ExcludeClipRectMakesAHole) {
    HDC dc = Canvas(6, 3);
    EXPECT_EQ(ExcludeClipRect(dc, 2, 1, 4, 2), COMPLEXREGION);
    RECT all{0, 0, 6, 3};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(Picture(kBlack), "######\n"
                               "##..##\n"
                               "######\n");
}

TEST_F(ClipRegionTest, SelectClipRgnCopiesAndNullRemoves) {
    HDC dc = Canvas(8, 8);
    HRGN rgn = CreateRectRgn(1, 1, 3, 3);
    EXPECT_EQ(SelectClipRgn(dc, rgn), SIMPLEREGION);
    DeleteObject(rgn); // the DC keeps its own copy
    RECT all{0, 0, 8, 8};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(CountInk(kBlack), 4);
    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(CountInk(kBlack), 64);
}

TEST_F(ClipRegionTest, ClipStaysInDeviceCoordinatesWhenTheOriginMoves) {
    HDC dc = Canvas(10, 10);
    IntersectClipRect(dc, 0, 0, 5, 5);
    SetViewportOrgEx(dc, 3, 3, nullptr);
    RECT box;
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{-3, -3, 2, 2}));
    SetPixel(dc, 0, 0, kRed); // device (3,3): inside the clip
    SetPixel(dc, 3, 3, kRed); // device (6,6): outside
    SetViewportOrgEx(dc, 0, 0, nullptr);
    EXPECT_EQ(Picture(kRed, 7, 7), ".......\n"
                                   ".......\n"
                                   ".......\n"
                                   "...#...\n"
                                   ".......\n"
                                   ".......\n"
                                   ".......\n");
}

TEST_F(ClipRegionTest, WindowOriginShiftsDrawing) {
    HDC dc = Canvas(6, 6);
    POINT old;
    SetWindowOrgEx(dc, 2, 1, &old);
    EXPECT_EQ(old.x, 0);
    SetPixel(dc, 2, 1, kRed);
    POINT p{2, 1};
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    EXPECT_EQ(InkBox(kRed), (RECT{0, 0, 1, 1}));
}

} // namespace
