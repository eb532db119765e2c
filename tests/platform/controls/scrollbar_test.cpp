// Scroll bars: clicks at the edges of arrows and shaft notify the parent, the scroll calls keep
// range, page and position (clicks inside the parts, the range and the focus left alone:
// tests/conformance/controls_buttons.cpp).
#include "controls_fixture.h"

namespace controls_test {
namespace {

class ScrollBar : public ControlsTest {
protected:
    // 16 wide and 100 tall: 16-pixel arrows at both ends, a 68-pixel shaft.
    HWND Bar(DWORD style = SBS_VERT) {
        return Create("SCROLLBAR", "", style, 100, 10, 10, 16, 100);
    }
};

struct ClickCase {
    int y;
    UINT code;
};

class ScrollBarClicks : public ScrollBar, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ScrollBarClicks, AClickSendsItsCodeThenEndScrollOnRelease) {
    HWND bar = Bar();
    SetScrollRange(bar, SB_CTL, 0, 10, FALSE);
    SetScrollPos(bar, SB_CTL, 5, FALSE);
    Post(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, GetParam().y));
    EXPECT_EQ(notes, std::vector<Note>{VScroll(bar, GetParam().code)});
    Post(bar, WM_LBUTTONUP, 0, MAKELPARAM(8, GetParam().y));
    const std::vector<Note> expected{VScroll(bar, GetParam().code), VScroll(bar, SB_ENDSCROLL)};
    EXPECT_EQ(notes, expected);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 5) << "the parent moves the thumb, not the bar";
}

// The borders between the parts (clicks well inside them: the conformance tests). With range
// 0..10 at position 5 the 16-pixel thumb spans y 42..57.
INSTANTIATE_TEST_SUITE_P(Parts, ScrollBarClicks,
                         ::testing::Values(ClickCase{15, SB_LINEUP}, ClickCase{16, SB_PAGEUP},
                                           ClickCase{41, SB_PAGEUP}, ClickCase{58, SB_PAGEDOWN},
                                           ClickCase{83, SB_PAGEDOWN}, ClickCase{84, SB_LINEDOWN}));

TEST_F(ScrollBar, AShortBarSplitsItsHeightBetweenTheArrows) {
    // The spin control's arrows: 12 wide, 20 tall: two 10-pixel arrows, no shaft.
    HWND bar = Create("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 12, 20);
    Click(bar, 6, 9);
    Click(bar, 6, 10);
    const std::vector<Note> expected{VScroll(bar, SB_LINEUP), VScroll(bar, SB_ENDSCROLL),
                                     VScroll(bar, SB_LINEDOWN), VScroll(bar, SB_ENDSCROLL)};
    EXPECT_EQ(notes, expected);
}

TEST_F(ScrollBar, SettingsAnswerThePreviousPositionAndReadBackWhole) {
    HWND bar = Bar();
    SetScrollRange(bar, SB_CTL, 10, 20, TRUE);
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 99, TRUE), 10);
    SCROLLINFO info{sizeof(info), SIF_PAGE | SIF_POS, 0, 0, 4, 20, 0};
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &info, TRUE), 17) << "20 - (4 - 1)";
    SCROLLINFO read{sizeof(read), SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_TRUE(GetScrollInfo(bar, SB_CTL, &read));
    EXPECT_EQ(read.nMin, 10);
    EXPECT_EQ(read.nMax, 20);
    EXPECT_EQ(read.nPage, 4u);
    EXPECT_EQ(read.nPos, 17);
    EXPECT_EQ(read.nTrackPos, 17);
}

TEST_F(ScrollBar, ScrollCallsFailCleanlyOnBadArguments) {
    HWND bar = Bar();
    EXPECT_EQ(SetScrollPos(bar, SB_VERT, 3, TRUE), 0) << "no standard scroll bars here";
    EXPECT_FALSE(GetScrollRange(bar, SB_CTL, nullptr, nullptr));
    EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, nullptr));
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, nullptr, TRUE), 0);
    EXPECT_EQ(GetScrollPos(nullptr, SB_CTL), 0);
}

} // namespace
} // namespace controls_test
