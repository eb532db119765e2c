// GDI objects: creation, selection, deletion rules, descriptions and the live counts.
#include "gdi_fixture.h"

#include <cstring>
#include <vector>

namespace {

class ObjectsTest : public GdiTest {};

TEST_F(ObjectsTest, CountsReturnToTheStartWhenEverythingIsReleased) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HBRUSH brush = CreateSolidBrush(kBlue);
    HFONT font = CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
    HRGN region = CreateRectRgn(0, 0, 2, 2);
    desktop::GdiCounts during = desktop::GdiObjectCounts();
    EXPECT_EQ(during.pens, start_.pens + 1);
    EXPECT_EQ(during.brushes, start_.brushes + 1);
    EXPECT_EQ(during.fonts, start_.fonts + 1);
    EXPECT_EQ(during.bitmaps, start_.bitmaps + 1);
    EXPECT_EQ(during.regions, start_.regions + 1);
    EXPECT_EQ(during.dcs, start_.dcs + 1);
    for (HGDIOBJ obj :
         {static_cast<HGDIOBJ>(pen), static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(font),
          static_cast<HGDIOBJ>(bitmap), static_cast<HGDIOBJ>(region)})
        EXPECT_TRUE(DeleteObject(obj));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(desktop::GdiObjectCounts(), start_) << desktop::Describe(desktop::GdiObjectCounts());
}

TEST_F(ObjectsTest, StockObjectsAreSharedNeverDeletedAndNotCounted) {
    const int indexes[] = {WHITE_BRUSH, LTGRAY_BRUSH,     GRAY_BRUSH,   BLACK_BRUSH,
                           NULL_BRUSH,  BLACK_PEN,        WHITE_PEN,    NULL_PEN,
                           SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT};
    for (int index : indexes) {
        HGDIOBJ stock = GetStockObject(index);
        ASSERT_NE(stock, nullptr) << index;
        EXPECT_EQ(GetStockObject(index), stock);
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_NE(GetObjectType(stock), 0u) << "stock object " << index << " was deleted";
    }
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(GetObjectType(GetStockObject(NULL_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), static_cast<DWORD>(OBJ_FONT));
    EXPECT_EQ(GetStockObject(99), nullptr);
    EXPECT_EQ(desktop::GdiObjectCounts(), start_);
}

// Selected, or held by a saved state, an object cannot be deleted until it is let go.
TEST_F(ObjectsTest, SelectedObjectCannotBeDeletedUntilDeselected) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_EQ(old, GetStockObject(BLACK_PEN));
    EXPECT_FALSE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(SaveDC(dc), 1);
    EXPECT_EQ(SelectObject(dc, old), pen);
    EXPECT_FALSE(DeleteObject(pen)); // still held by the saved state
    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetObjectType(pen), 0u);
    DeleteDC(dc);
}

TEST_F(ObjectsTest, FreshMemoryDCHoldsAOnePixelMonochromeBitmap) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    BITMAP bm;
    ASSERT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    // ...so a bitmap compatible with it is monochrome too.
    HBITMAP mono = CreateCompatibleBitmap(dc, 8, 8);
    GetObjectA(mono, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST_F(ObjectsTest, BitmapGoesIntoOneDCAtATime) {
    HDC a = CreateCompatibleDC(nullptr), b = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HGDIOBJ oldA = SelectObject(a, bitmap);
    EXPECT_NE(oldA, nullptr);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    SelectObject(a, oldA);
    HGDIOBJ oldB = SelectObject(b, bitmap);
    EXPECT_NE(oldB, nullptr);
    SelectObject(b, oldB);
    DeleteObject(bitmap);
    DeleteDC(a);
    DeleteDC(b);
}

TEST_F(ObjectsTest, GetObjectDescribesEachKind) {
    LOGFONTA lf{};
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = TRUE;
    std::strcpy(lf.lfFaceName, "Arial");
    HFONT font = CreateFontIndirectA(&lf);
    LOGFONTA back{};
    EXPECT_EQ(GetObjectA(font, 60, &back), 60);
    EXPECT_EQ(std::memcmp(&lf, &back, sizeof lf), 0);
    EXPECT_EQ(GetObjectA(font, 0, nullptr), 60);

    HPEN pen = CreatePen(PS_DOT, 1, kRed);
    LOGPEN lp{};
    EXPECT_EQ(GetObjectA(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
    EXPECT_EQ(lp.lopnColor, kRed);

    HBRUSH brush = CreateSolidBrush(kBlue);
    LOGBRUSH lb{};
    GetObjectA(brush, sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, kBlue);

    HBITMAP bitmap = CreateBitmap(10, 3, 1, 32, nullptr);
    BITMAP bm{};
    // The 24 bytes before the bits pointer are enough for a caller that wants the size.
    EXPECT_EQ(GetObjectA(bitmap, 24, &bm), 24);
    EXPECT_EQ(bm.bmWidth, 10);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmWidthBytes, 40);
    EXPECT_EQ(bm.bmPlanes, 1);
    EXPECT_EQ(bm.bmBitsPixel, 32);

    for (HGDIOBJ obj : {static_cast<HGDIOBJ>(font), static_cast<HGDIOBJ>(pen),
                        static_cast<HGDIOBJ>(brush), static_cast<HGDIOBJ>(bitmap)})
        DeleteObject(obj);
}

TEST_F(ObjectsTest, FaceNameWithoutTerminatorIsCut) {
    LOGFONTA lf{};
    std::memset(lf.lfFaceName, 'A', sizeof lf.lfFaceName);
    HFONT font = CreateFontIndirectA(&lf);
    LOGFONTA back{};
    GetObjectA(font, sizeof back, &back);
    EXPECT_EQ(std::strlen(back.lfFaceName), static_cast<std::size_t>(LF_FACESIZE - 1));
    DeleteObject(font);
}

TEST_F(ObjectsTest, DeletedAndForeignHandlesFailEverywhere) {
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    DeleteObject(pen);
    HPEN successor = CreatePen(PS_SOLID, 1, kRed); // takes the deleted pen's place in the table
    EXPECT_NE(successor, pen);
    HGDIOBJ foreign = reinterpret_cast<HGDIOBJ>(0xDEADBEEF);
    for (HGDIOBJ bad : {static_cast<HGDIOBJ>(pen), foreign}) {
        EXPECT_EQ(SelectObject(dc, bad), nullptr);
        EXPECT_FALSE(DeleteObject(bad));
        EXPECT_EQ(GetObjectType(bad), 0u);
        LOGPEN lp;
        EXPECT_EQ(GetObjectA(bad, sizeof lp, &lp), 0);
    }
    EXPECT_EQ(GetObjectType(successor), static_cast<DWORD>(OBJ_PEN)) << "reached by the stale one";
    EXPECT_TRUE(DeleteObject(successor));
    HDC badDc = reinterpret_cast<HDC>(0xDEADBEEF);
    EXPECT_EQ(SelectObject(badDc, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_FALSE(LineTo(badDc, 1, 1));
    EXPECT_FALSE(Rectangle(badDc, 0, 0, 2, 2));
    EXPECT_EQ(SetTextColor(badDc, kRed), CLR_INVALID);
    EXPECT_FALSE(DeleteDC(badDc));
    EXPECT_EQ(CreateCompatibleDC(badDc), nullptr);
    EXPECT_FALSE(DeleteObject(dc)); // a DC goes with DeleteDC
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
}

// Handles are found through a view of the table that must follow it as it grows and moves.
TEST_F(ObjectsTest, ObjectsStayReachableWhileTheTableGrows) {
    HDC dc = CreateCompatibleDC(nullptr);
    std::vector<HPEN> pens;
    for (int i = 0; i < 5000; ++i)
        pens.push_back(CreatePen(PS_SOLID, 1, RGB(i % 256, 0, 0)));
    for (HPEN pen : {pens.front(), pens[2500], pens.back()}) {
        LOGPEN lp{};
        ASSERT_EQ(GetObjectA(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
        EXPECT_NE(SelectObject(dc, pen), nullptr);
    }
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    for (HPEN pen : pens)
        EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteDC(dc));
}

TEST_F(ObjectsTest, BitmapSizesZeroNegativeAndHuge) {
    HDC dc = CreateCompatibleDC(nullptr);
    // A zero size gives the shared 1x1 monochrome bitmap, as Windows does.
    HBITMAP empty = CreateBitmap(0, 5, 1, 32, nullptr);
    BITMAP bm;
    ASSERT_NE(empty, nullptr);
    GetObjectA(empty, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(CreateBitmap(-1, 5, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 5, -5), nullptr);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 7, nullptr), nullptr);
    EXPECT_EQ(desktop::GdiObjectCounts().bitmaps, start_.bitmaps);
    DeleteDC(dc);
}

TEST_F(ObjectsTest, ResetReleasesWhatTheHostLeftBehind) {
    CreatePen(PS_SOLID, 1, kRed);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, CreateSolidBrush(kRed));
    CreateRectRgn(0, 0, 1, 1);
    desktop::reset();
    EXPECT_EQ(desktop::GdiObjectCounts(), start_);
    EXPECT_EQ(GetObjectType(dc), 0u);
}

} // namespace
