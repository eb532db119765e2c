// DrawTextA: measuring, alignment in the rectangle, word breaks and clipping (prefixes measured
// and underlined, and the centred answer: tests/conformance/gdi_text.cpp).
#include "gdi_fixture.h"

#include <string>

namespace {

class DrawTextTest : public GdiTest {
protected:
    int Extent(const char* text) {
        SIZE size;
        GetTextExtentPointA(dc_, text, static_cast<int>(std::string(text).size()), &size);
        return size.cx;
    }
};

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing) {
    struct Case {
        const char* text;
        UINT format;
        const char* sameWidthAs; // text whose plain extent the result should have
        int lines;
        int count = -1;
    } cases[] = {
        {"Save", DT_SINGLELINE, "Save", 1},
        {"&Save", DT_SINGLELINE | DT_NOPREFIX, "&Save", 1},
        {"one\nlonger line", 0, "longer line", 2},
        {"one\r\ntwo\r\nthree", 0, "three", 3},
        {"", DT_SINGLELINE, "", 1},
        {"abcdef", DT_SINGLELINE, "abc", 1, 3}, // the count limits the text
    };
    for (const Case& c : cases) {
        HDC dc = TextCanvas(10, 10);
        RECT r{5, 7, 6, 8};
        int height = DrawTextA(dc, c.text, c.count, &r, c.format | DT_CALCRECT);
        EXPECT_EQ(height, tm_.tmHeight * c.lines) << c.text;
        EXPECT_EQ(r.left, 5);
        EXPECT_EQ(r.top, 7);
        EXPECT_EQ(r.right, 5 + Extent(c.sameWidthAs)) << c.text;
        EXPECT_EQ(r.bottom, 7 + tm_.tmHeight * c.lines) << c.text;
        EXPECT_EQ(CountInk(kBlack), 0);
        TearDown();
    }
}

TEST_F(DrawTextTest, WordBreakWrapsAtSpacesAndKeepsTheWidth) {
    HDC dc = TextCanvas(10, 10);
    const int width = Extent("aaaa bbbb");
    RECT r{0, 0, width, 0};
    int height = DrawTextA(dc, "aaaa bbbb cccc", -1, &r, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 2 * tm_.tmHeight);
    EXPECT_EQ(r.right, width);
    // A word wider than the line widens the rectangle and is not split.
    RECT narrow{0, 0, 3, 0};
    height = DrawTextA(dc, "wide word", -1, &narrow, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(height, 2 * tm_.tmHeight);
    EXPECT_EQ(narrow.right, std::max(Extent("wide"), Extent("word")));
}

TEST_F(DrawTextTest, CentredTextSitsInTheMiddle) {
    HDC dc = TextCanvas(100, 40);
    RECT r{0, 0, 100, 40};
    DrawTextA(dc, "Mid", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const int left = (100 - Extent("Mid")) / 2, top = 40 / 2 - tm_.tmHeight / 2;
    const RECT ink = InkBox(kBlack);
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.right, left + Extent("Mid"));
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + tm_.tmHeight);
    // Roughly symmetric: the ink's margins differ by little.
    EXPECT_LE(std::abs((ink.left - 0) - (100 - ink.right)), 4);
}

TEST_F(DrawTextTest, RightAlignedTextEndsAtTheRectanglesEdge) {
    HDC dc = TextCanvas(100, 40);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kBlue);
    RECT r{0, 0, 90, 35};
    DrawTextA(dc, "End", -1, &r, DT_RIGHT | DT_SINGLELINE);
    const RECT cell = InkBox(kBlue);
    EXPECT_EQ(cell.right, 90);
    EXPECT_EQ(cell.left, 90 - Extent("End"));
}

TEST_F(DrawTextTest, NoPrefixDrawsAmpersandsAndUnderlinesNothing) {
    HDC dc = TextCanvas(80, 20);
    RECT r{0, 0, 80, 20};
    DrawTextA(dc, "&_", -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    // The ampersand is drawn where the prefix would have left nothing.
    int ink = 0;
    for (int y = 0; y < tm_.tmAscent; ++y)
        for (int x = 0; x < Extent("&"); ++x)
            ink += GetPixel(dc, x, y) == kBlack;
    EXPECT_GT(ink, 0);
}

TEST_F(DrawTextTest, ClipsToTheRectangle) {
    HDC dc = TextCanvas(60, 20);
    RECT r{10, 2, 18, 20};
    DrawTextA(dc, "WWWW", -1, &r, DT_SINGLELINE);
    RECT ink = InkBox(kBlack);
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 18);
}

TEST_F(DrawTextTest, BadInputReturnsZero) {
    HDC dc = TextCanvas(10, 10);
    RECT r{0, 0, 10, 10};
    EXPECT_EQ(DrawTextA(dc, nullptr, 3, &r, 0), 0);
    EXPECT_EQ(DrawTextA(dc, "a", 1, nullptr, 0), 0);
    EXPECT_EQ(DrawTextA(nullptr, "a", 1, &r, 0), 0);
    // A long text with no spaces stays whole on its lines: one per paragraph.
    std::string huge(100000, 'w');
    huge[5000] = '\n';
    EXPECT_EQ(DrawTextA(dc, huge.c_str(), -1, &r, DT_WORDBREAK), 2 * tm_.tmHeight);
}

} // namespace
