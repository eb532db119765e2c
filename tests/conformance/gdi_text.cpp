// Text geometry on a memory DC: extents, alignment reference points and clipping rectangles.
// Only boxes and boundaries are compared, never glyph shapes, which differ between fonts.
#include "conformance.h"
#include "gdi_support.h"

#include <windows.h>

using namespace gdi_conformance;

namespace {

struct TextSetup {
    explicit TextSetup(HDC dc) : dc_(dc) {
        font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                            "MS Sans Serif");
        old_ = SelectObject(dc, font_);
        SetTextColor(dc, kRed);
        SetBkColor(dc, kBlue);
        SetBkMode(dc, OPAQUE);
        GetTextMetricsA(dc, &tm);
        GetTextExtentPoint32A(dc, "Wide", 4, &extent);
    }
    ~TextSetup() {
        SelectObject(dc_, old_);
        DeleteObject(font_);
    }
    HDC dc_;
    HFONT font_;
    HGDIOBJ old_;
    TEXTMETRICA tm;
    SIZE extent;
};

} // namespace

CONFORMANCE_TEST(GdiTextExtentHasTheCellHeight) {
    Canvas canvas(4, 4);
    TextSetup text(canvas.dc());
    CHECK_EQ(text.tm.tmHeight, text.extent.cy);
    CHECK_EQ(text.tm.tmHeight, text.tm.tmAscent + text.tm.tmDescent);
    CHECK(text.extent.cx > 0);
    SIZE empty;
    CHECK(GetTextExtentPoint32A(canvas.dc(), "", 0, &empty));
    CHECK_EQ(0, empty.cx);
}

CONFORMANCE_TEST(GdiTextAlignmentReferencePoints) {
    struct Case {
        UINT align;
        int horizontal; // 0 left, 1 centre, 2 right
        int vertical;   // 0 top, 1 baseline, 2 bottom
    } cases[] = {{TA_LEFT | TA_TOP, 0, 0},    {TA_RIGHT | TA_TOP, 2, 0},
                 {TA_CENTER | TA_TOP, 1, 0},  {TA_LEFT | TA_BASELINE, 0, 1},
                 {TA_LEFT | TA_BOTTOM, 0, 2}, {TA_RIGHT | TA_BOTTOM, 2, 2}};
    for (const Case& c : cases) {
        Canvas canvas(120, 60);
        TextSetup text(canvas.dc());
        SetTextAlign(canvas.dc(), c.align);
        CHECK(TextOutA(canvas.dc(), 60, 30, "Wide", 4));
        // The background box is the text cell: exactly the extent, placed by the alignment.
        RECT box = canvas.DrawnBox();
        int left = 60 - (c.horizontal == 0   ? 0
                         : c.horizontal == 1 ? text.extent.cx / 2
                                             : text.extent.cx);
        int top = 30 - (c.vertical == 0   ? 0
                        : c.vertical == 1 ? text.tm.tmAscent
                                          : text.tm.tmHeight);
        if (c.horizontal == 1) {
            // Odd widths may round either way.
            CHECK(box.left == left || box.left == left - 1);
        } else {
            CHECK_EQ(left, static_cast<int>(box.left));
        }
        CHECK_EQ(top, static_cast<int>(box.top));
        CHECK_EQ(text.extent.cx, box.right - box.left);
        CHECK_EQ(text.tm.tmHeight, box.bottom - box.top);
    }
}

CONFORMANCE_TEST(GdiExtTextOutClipsToItsRectangle) {
    Canvas canvas(80, 30);
    TextSetup text(canvas.dc());
    RECT clip = {10, 4, 20, 12};
    CHECK(ExtTextOutA(canvas.dc(), 5, 2, ETO_CLIPPED, &clip, "WWWWWW", 6, nullptr));
    RECT box = canvas.DrawnBox();
    CHECK(box.left >= 10 && box.top >= 4 && box.right <= 20 && box.bottom <= 12);
    CHECK(canvas.Count(kBlue) > 0);

    canvas.Clear(kWhite);
    RECT opaque = {3, 4, 30, 15};
    CHECK(ExtTextOutA(canvas.dc(), 0, 0, ETO_OPAQUE, &opaque, nullptr, 0, nullptr));
    box = canvas.Box(kBlue);
    CHECK(box.left == 3 && box.top == 4 && box.right == 30 && box.bottom == 15);
    CHECK_EQ(27 * 11, canvas.Count(kBlue));
}

CONFORMANCE_TEST(GdiTransparentTextLeavesTheBackground) {
    Canvas canvas(60, 20);
    TextSetup text(canvas.dc());
    SetBkMode(canvas.dc(), TRANSPARENT);
    TextOutA(canvas.dc(), 2, 2, "Hello", 5);
    CHECK_EQ(0, canvas.Count(kBlue));
    CHECK(canvas.Count(kRed) > 0);
    RECT box = canvas.Box(kRed);
    CHECK(box.left >= 2 && box.top >= 2 && box.right <= 2 + text.tm.tmMaxCharWidth * 5 &&
          box.bottom <= 2 + text.tm.tmHeight);
}

CONFORMANCE_TEST(GdiDrawTextPrefixesAndCentring) {
    Canvas canvas(4, 4);
    TextSetup text(canvas.dc());
    SIZE save, amp;
    GetTextExtentPoint32A(canvas.dc(), "Save", 4, &save);
    GetTextExtentPoint32A(canvas.dc(), "a&b", 3, &amp);
    RECT r = {0, 0, 1, 1};
    CHECK_EQ(text.tm.tmHeight,
             DrawTextA(canvas.dc(), "&Save", -1, &r, DT_CALCRECT | DT_SINGLELINE));
    CHECK_EQ(save.cx, r.right);
    CHECK_EQ(text.tm.tmHeight, r.bottom);
    RECT a = {0, 0, 1, 1};
    DrawTextA(canvas.dc(), "a&&b", -1, &a, DT_CALCRECT | DT_SINGLELINE);
    CHECK_EQ(amp.cx, a.right);
    // Centred vertically, the answer is the offset of the text's bottom from the top.
    RECT box = {0, 0, 100, 20};
    CHECK_EQ(20 / 2 - text.tm.tmHeight / 2 + text.tm.tmHeight,
             DrawTextA(canvas.dc(), "Mid", -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE));
}

CONFORMANCE_TEST(GdiTextFaceIsCutToTheBuffer) {
    Canvas canvas(4, 4);
    TextSetup text(canvas.dc());
    char face[4] = {'x', 'x', 'x', 'x'};
    CHECK_EQ(3, GetTextFaceA(canvas.dc(), 4, face));
    CHECK_EQ('\0', face[3]);
}

CONFORMANCE_TEST(GdiDrawTextUnderlinesTheLastPrefix) {
    Canvas canvas(60, 20);
    TextSetup text(canvas.dc());
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), kBlack);
    SIZE a, ab, trailing;
    GetTextExtentPoint32A(canvas.dc(), "a", 1, &a);
    GetTextExtentPoint32A(canvas.dc(), "ab", 2, &ab);
    GetTextExtentPoint32A(canvas.dc(), "a&", 2, &trailing);
    RECT r = {0, 0, 60, 20};
    DrawTextA(canvas.dc(), "&a&b", -1, &r, DT_SINGLELINE);
    const int row = text.tm.tmAscent + 1;
    int underA = 0, underB = 0;
    for (int x = 0; x < ab.cx; ++x)
        if (GetPixel(canvas.dc(), x, row) == kBlack)
            ++(x < a.cx ? underA : underB);
    CHECK_EQ(0, underA);
    CHECK(underB >= ab.cx - a.cx - 1);
    // A '&' at the end prefixes nothing and is drawn.
    RECT calc = {0, 0, 1, 1};
    DrawTextA(canvas.dc(), "a&", -1, &calc, DT_CALCRECT | DT_SINGLELINE);
    CHECK_EQ(trailing.cx, calc.right);
}
