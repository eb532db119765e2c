// Text measurement, metrics, colours and fonts of TextOutA/ExtTextOutA (the cell and its
// alignment, clipping to a rectangle and a face name cut to the buffer are in
// tests/conformance/gdi_text.cpp).
#include "gdi_fixture.h"

#include <cstring>
#include <set>
#include <string>

namespace {

using TextTest = GdiTest;

TEST_F(TextTest, GuiFontMetricsAreConsistent) {
    HDC dc = TextCanvas(4, 4);
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetricsA(dc, &tm));
    EXPECT_GE(tm.tmHeight, 12);
    EXPECT_LE(tm.tmHeight, 15);
    EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11); // lfHeight -11: the character height
    EXPECT_GT(tm.tmAveCharWidth, 0);
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth);
    char face[LF_FACESIZE];
    EXPECT_GT(GetTextFaceA(dc, sizeof face, face), 0);
    EXPECT_STREQ(face, "MS Sans Serif");
}

TEST_F(TextTest, PositiveHeightIsTheCellHeight) {
    HDC dc = Canvas(4, 4);
    for (int height : {10, 13, 16, 20, 32}) {
        HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                                 "MS Sans Serif");
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICA tm;
        GetTextMetricsA(dc, &tm);
        EXPECT_LE(tm.tmHeight, height);
        EXPECT_GE(tm.tmHeight, height - 1) << "height " << height;
        SelectObject(dc, old);
        DeleteObject(font);
    }
}

TEST_F(TextTest, ExtentIsTheSumOfCharacterWidths) {
    HDC dc = TextCanvas(4, 4);
    const char* text = "Hello, World";
    int widths[256];
    ASSERT_TRUE(GetCharWidthA(dc, 0, 255, widths));
    int sum = 0;
    for (const char* p = text; *p; ++p)
        sum += widths[static_cast<unsigned char>(*p)];
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size));
    EXPECT_EQ(size.cx, sum);
}

TEST_F(TextTest, BoldSystemFontIsWiderThanRegular) {
    HDC dc = Canvas(4, 4);
    SIZE bold, regular;
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    GetTextExtentPointA(dc, "Mmmmmm", 6, &bold);
    HFONT font = CreateFontA(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "System");
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPointA(dc, "Mmmmmm", 6, &regular);
    EXPECT_GT(bold.cx, regular.cx);
    TEXTMETRICA tm;
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    GetTextMetricsA(dc, &tm);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    SelectObject(dc, old);
    DeleteObject(font);
}

TEST_F(TextTest, GlyphPixelsHaveExactlyTheTextColour) {
    HDC dc = TextCanvas(80, 20);
    SetTextColor(dc, kRed);
    TextOutA(dc, 2, 2, "Quick 123", 9);
    std::set<COLORREF> colours;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x)
            colours.insert(GetPixel(dc, x, y));
    EXPECT_EQ(colours, (std::set<COLORREF>{kWhite, kRed}));
}

TEST_F(TextTest, UnderlinedFontDrawsALineUnderTheText) {
    HDC dc = Canvas(60, 20);
    LOGFONTA lf{};
    lf.lfHeight = -11;
    lf.lfUnderline = TRUE;
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SIZE size;
    GetTextExtentPointA(dc, "i i", 3, &size);
    TextOutA(dc, 0, 0, "i i", 3);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    int row = tm.tmAscent + 1, ink = 0;
    for (int x = 0; x < size.cx; ++x)
        ink += GetPixel(dc, x, row) == kBlack;
    EXPECT_EQ(ink, size.cx);
    SelectObject(dc, old);
    DeleteObject(font);
}

TEST_F(TextTest, UnknownFaceFallsBackAndStillMeasures) {
    HDC dc = Canvas(60, 20);
    HFONT font = CreateFontA(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "No Such Face At All");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size;
    ASSERT_TRUE(GetTextExtentPointA(dc, "abc", 3, &size));
    EXPECT_GT(size.cx, 0);
    TextOutA(dc, 0, 0, "abc", 3);
    EXPECT_GT(CountInk(kBlack), 0);
    SelectObject(dc, old);
    DeleteObject(font);
}

TEST_F(TextTest, MeasurementIsStableAcrossFontObjects) {
    HDC dc = Canvas(4, 4);
    SIZE first{}, second{};
    for (SIZE* out : {&first, &second}) {
        HFONT font = CreateFontA(-11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "MS Sans Serif");
        HGDIOBJ old = SelectObject(dc, font);
        GetTextExtentPointA(dc, "12:34:56", 8, out);
        SelectObject(dc, old);
        DeleteObject(font);
    }
    EXPECT_EQ(first.cx, second.cx);
    EXPECT_EQ(first.cy, second.cy);
}

TEST_F(TextTest, VeryLongTextDrawsClippedWithoutHarm) {
    HDC dc = TextCanvas(50, 20);
    SetBkMode(dc, OPAQUE); // the cells' background fills to the clip
    SetBkColor(dc, kBlue);
    std::string text(200000, 'x');
    EXPECT_TRUE(TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size())));
    SIZE size;
    EXPECT_TRUE(GetTextExtentPointA(dc, text.c_str(), static_cast<int>(text.size()), &size));
    EXPECT_GT(size.cx, 200000);
    EXPECT_EQ(DrawnBox().right, 50);
}

// Glyphs are drawn from their ink bits 64 columns at a time, cut by each clip rectangle: a
// clip region of several rectangles, an ETO_CLIPPED box and glyphs wider than 64 pixels must
// leave exactly the unclipped drawing's pixels inside both and nothing outside.
TEST_F(TextTest, ClippedTextKeepsExactlyTheInkInsideTheClip) {
    struct Case {
        int height;
        const char* text;
    };
    for (const Case& c : {Case{-11, "Quick 1289"}, Case{-120, "W@M"}}) {
        SCOPED_TRACE(c.height);
        const int width = 300, height = 160;
        HFONT font =
            CreateFontA(c.height, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        const int count = static_cast<int>(std::strlen(c.text));
        HDC dc = Canvas(width, height);
        HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        TextOutA(dc, 3, 2, c.text, count);
        const std::string whole = Picture(kBlack);
        ASSERT_NE(whole.find('#'), std::string::npos);

        RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        // Two bands with a gap between them, the upper one with a notch cut at its left.
        HRGN clip = CreateRectRgn(5, 0, 200, 9);
        HRGN lower = CreateRectRgn(0, 12, 150, height);
        CombineRgn(clip, clip, lower, RGN_OR);
        SelectClipRgn(dc, clip);
        const RECT box{4, 1, 180, 140};
        ExtTextOutA(dc, 3, 2, ETO_CLIPPED, &box, c.text, static_cast<UINT>(count), nullptr);
        SelectClipRgn(dc, nullptr);

        std::string expected = whole;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const POINT p{x, y};
                const bool inside = PtInRegion(clip, x, y) && PtInRect(&box, p);
                if (!inside)
                    expected[static_cast<std::size_t>(y) * (width + 1) + x] = '.';
            }
        EXPECT_EQ(Picture(kBlack), expected);
        SelectObject(dc, oldFont);
        DeleteObject(font);
        DeleteObject(lower);
        DeleteObject(clip);
        FreeMemoryDC(dc_, bitmap_, oldBitmap_);
    }
}

TEST_F(TextTest, BadArgumentsFail) {
    HDC dc = TextCanvas(10, 10);
    SIZE size;
    EXPECT_FALSE(GetTextExtentPointA(dc, nullptr, 3, &size));
    EXPECT_FALSE(GetTextExtentPointA(dc, "abc", -1, &size));
    EXPECT_FALSE(TextOutA(dc, 0, 0, nullptr, 2));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "a", 1));
    TEXTMETRICA tm;
    EXPECT_FALSE(GetTextMetricsA(reinterpret_cast<HDC>(0x1234), &tm));
}

} // namespace
