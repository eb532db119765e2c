// What a DC remembers: its attributes, and drawing onto monochrome bitmaps.
#include "gdi_fixture.h"

namespace {

class DcStateTest : public GdiTest {};

TEST_F(DcStateTest, MonochromeBitmapsHoldOnlyBlackAndWhite) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP mono = CreateBitmap(3, 1, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(dc, mono);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(250, 240, 230)), kWhite);
    EXPECT_EQ(SetPixel(dc, 1, 0, RGB(10, 20, 200)), kBlack);
    HBRUSH red = CreateSolidBrush(kRed);
    RECT r{2, 0, 3, 1};
    FillRect(dc, &r, red);
    EXPECT_EQ(GetPixel(dc, 2, 0), kBlack);
    SelectObject(dc, old);
    DeleteObject(red);
    DeleteObject(mono);
    DeleteDC(dc);
}

TEST_F(DcStateTest, AttributesAnswerTheirPreviousValues) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetTextColor(dc, kRed), kBlack);
    EXPECT_EQ(SetBkColor(dc, kBlue), kWhite);
    EXPECT_EQ(SetBkMode(dc, TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc, 99), 0); // not a mode: refused, unchanged
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(SetTextAlign(dc, TA_RIGHT | TA_BASELINE), static_cast<UINT>(TA_LEFT | TA_TOP));
    EXPECT_EQ(GetTextAlign(dc), static_cast<UINT>(TA_RIGHT | TA_BASELINE));
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 1024);
    DeleteDC(dc);
}

} // namespace
