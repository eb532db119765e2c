// BitBlt, StretchBlt and PatBlt: clipping to both bitmaps, overlapping moves, depth changes.
#include "gdi_fixture.h"

namespace {

class BlitTest : public GdiTest {
protected:
    // A second 32-bit memory DC: a source of `w` x `h` pixels filled with `colour`.
    HDC Source(int w, int h, COLORREF colour) {
        return src_ = MemoryDC(w, h, colour, srcBitmap_, srcOld_);
    }
    void TearDown() override {
        FreeMemoryDC(src_, srcBitmap_, srcOld_);
        GdiTest::TearDown();
    }
    HDC src_ = nullptr;
    HBITMAP srcBitmap_ = nullptr;
    HGDIOBJ srcOld_ = nullptr;
};

TEST_F(BlitTest, BlitsEntirelyOutsideDrawNothing) {
    HDC dst = Canvas(4, 4);
    HDC src = Source(4, 4, kRed);
    EXPECT_TRUE(BitBlt(dst, 10, 10, 4, 4, src, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst, 0, 0, 4, 4, src, -8, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(dst, 0, 0, 0, 4, src, 0, 0, SRCCOPY));
    EXPECT_EQ(CountInk(kRed), 0);
}

TEST_F(BlitTest, PatBltPaintsWithTheBrush) {
    HDC dc = Canvas(5, 5);
    HBRUSH brush = CreateSolidBrush(kBlue);
    HGDIOBJ old = SelectObject(dc, brush);
    EXPECT_TRUE(PatBlt(dc, 1, 1, 3, 2, PATCOPY));
    EXPECT_EQ(InkBox(kBlue), (RECT{1, 1, 4, 3}));
    EXPECT_TRUE(PatBlt(dc, 4, 4, -2, -2, PATCOPY)); // negative extents reach back
    EXPECT_EQ(InkBox(kBlue), (RECT{1, 1, 4, 4}));
    EXPECT_FALSE(PatBlt(dc, 0, 0, 1, 1, SRCCOPY)); // needs a source
    SelectObject(dc, old);
    DeleteObject(brush);
}

TEST_F(BlitTest, OverlappingMoveWithinOneBitmap) {
    HDC dc = Canvas(6, 1);
    SetPixel(dc, 0, 0, kRed);
    SetPixel(dc, 1, 0, kBlue);
    BitBlt(dc, 1, 0, 4, 1, dc, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dc, 1, 0), kRed);
    EXPECT_EQ(GetPixel(dc, 2, 0), kBlue);
    EXPECT_EQ(GetPixel(dc, 3, 0), kWhite);
}

TEST_F(BlitTest, MonochromeSourceTakesTextAndBackgroundColours) {
    HDC dst = Canvas(2, 1);
    const BYTE bits[] = {0x80, 0x00}; // white, black
    HBITMAP mono = CreateBitmap(2, 1, 1, 1, bits);
    HDC src = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(src, mono);
    SetTextColor(dst, kRed);
    SetBkColor(dst, kBlue);
    BitBlt(dst, 0, 0, 2, 1, src, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(dst, 0, 0), kBlue);
    EXPECT_EQ(GetPixel(dst, 1, 0), kRed);
    SelectObject(src, old);
    DeleteObject(mono);
    DeleteDC(src);
}

TEST_F(BlitTest, ColourSourceOntoMonochromeMatchesTheSourceBackground) {
    HDC src = Source(2, 1, kRed);
    SetPixel(src, 1, 0, kBlue);
    SetBkColor(src, kRed);
    HDC mono = CreateCompatibleDC(nullptr); // holds the monochrome stock bitmap
    HBITMAP maskBitmap = CreateCompatibleBitmap(mono, 2, 1);
    HGDIOBJ old = SelectObject(mono, maskBitmap);
    BitBlt(mono, 0, 0, 2, 1, src, 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(mono, 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mono, 1, 0), kBlack);
    SelectObject(mono, old);
    DeleteObject(maskBitmap);
    DeleteDC(mono);
}

TEST_F(BlitTest, StretchDoublesAndMirrors) {
    HDC dst = Canvas(4, 2);
    HDC src = Source(2, 1, kRed);
    SetPixel(src, 1, 0, kBlue);
    EXPECT_TRUE(StretchBlt(dst, 0, 0, 4, 2, src, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(Picture(kRed), "##..\n##..\n");
    EXPECT_EQ(Picture(kBlue), "..##\n..##\n");
    EXPECT_TRUE(StretchBlt(dst, 4, 0, -4, 2, src, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(Picture(kRed), "..##\n..##\n");
}

TEST_F(BlitTest, MissingOrBadSourceFails) {
    HDC dst = Canvas(2, 2);
    EXPECT_FALSE(BitBlt(dst, 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst, 0, 0, 2, 2, reinterpret_cast<HDC>(0x4242), 0, 0, SRCCOPY));
    // A raster operation that needs no source ignores it.
    EXPECT_TRUE(BitBlt(dst, 0, 0, 2, 2, nullptr, 0, 0, BLACKNESS));
    EXPECT_EQ(CountInk(kBlack), 4);
}

} // namespace
