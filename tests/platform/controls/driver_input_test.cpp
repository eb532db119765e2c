// The controls under real input: keys and clicks from the driver go through the queue, the
// window manager's hit-testing, TranslateMessage and the keyboard state, as a user's would (the
// order of the focus codes when the focus moves: tests/conformance/controls_edit.cpp; typed
// characters: tests/platform/user/focus_test.cpp and the spin fields' tests).
#include "controls_fixture.h"

namespace controls_test {
namespace {

class DriverInput : public ControlsTest {
protected:
    HWND FocusedEdit(const char* text) {
        HWND edit = Create("EDIT", text, WS_BORDER | WS_TABSTOP, 101, 10, 10, 150, 22);
        desktop::ClickWindow(edit, POINT{2, 5});
        EXPECT_EQ(GetFocus(), edit);
        notes.clear();
        return edit;
    }
};

TEST_F(DriverInput, ShiftWithArrowsHomeAndEndExtendsTheSelection) {
    HWND edit = FocusedEdit("abcdef");
    desktop::PressKey(VK_END);
    desktop::PressKey(VK_LEFT, {VK_SHIFT});
    desktop::PressKey(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{4}, DWORD{6}));
    desktop::PressKey(VK_HOME, {VK_SHIFT});
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{6}));
    desktop::PressKey(VK_RIGHT, {VK_SHIFT}); // the caret moves, the anchor stays at the end
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{1}, DWORD{6}));
    desktop::TypeText("X");
    EXPECT_EQ(Text(edit), "aX");
}

TEST_F(DriverInput, AHeldArrowRepeatsOnTheClock) {
    HWND bar = Create("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    POINT down{8, 95};
    ClientToScreen(bar, &down);
    desktop::MouseDown(down);
    EXPECT_EQ(notes.size(), 1u);
    desktop::AdvanceClock(199);
    desktop::PumpUntilIdle();
    EXPECT_EQ(notes.size(), 1u) << "no repeat before the first pause is over";
    desktop::AdvanceClock(1);
    desktop::PumpUntilIdle();
    EXPECT_EQ(notes.size(), 2u);
    desktop::AdvanceClock(50);
    desktop::PumpUntilIdle();
    EXPECT_EQ(notes.size(), 3u);
    desktop::MouseUp(down);
    desktop::AdvanceClock(500);
    desktop::PumpUntilIdle();
    const std::vector<Note> expected{VScroll(bar, SB_LINEDOWN), VScroll(bar, SB_LINEDOWN),
                                     VScroll(bar, SB_LINEDOWN), VScroll(bar, SB_ENDSCROLL)};
    EXPECT_EQ(notes, expected);
}

TEST_F(DriverInput, AHeldArrowStopsRepeatingWhileThePointerIsOffIt) {
    HWND bar = Create("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    POINT down{8, 5};
    ClientToScreen(bar, &down);
    desktop::MouseDown(down);
    desktop::MouseMove(POINT{down.x + 100, down.y});
    desktop::AdvanceClock(400);
    desktop::PumpUntilIdle();
    EXPECT_EQ(notes, std::vector<Note>{VScroll(bar, SB_LINEUP)});
    desktop::MouseUp(POINT{down.x + 100, down.y});
    EXPECT_EQ(notes.back(), VScroll(bar, SB_ENDSCROLL));
}

TEST_F(DriverInput, ClicksFallThroughAPlainStaticToItsParent) {
    HWND label = Create("STATIC", "Label", SS_LEFT, 104, 10, 10, 100, 20);
    desktop::MessageRecorder recorder;
    recorder.Watch(parent());
    recorder.Watch(label);
    recorder.Only({WM_LBUTTONDOWN});
    desktop::ClickWindow(label, POINT{5, 5});
    const desktop::SequenceResult result =
        desktop::expect_sequence(recorder.Messages(), {{parent(), WM_LBUTTONDOWN}});
    EXPECT_TRUE(result.ok) << result.text;
}

TEST_F(DriverInput, ANarrowEditScrollsToKeepTheCaretInView) {
    HWND edit = Create("EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 101, 10, 10, 30, 20);
    desktop::ClickWindow(edit, POINT{2, 5});
    desktop::TypeText("WWWWWWWWWW");
    // The start of the text scrolled out at the left: a click at the left edge lands inside it.
    desktop::AdvanceClock(1000); // a single click, not the second of a double click
    desktop::ClickWindow(edit, POINT{1, 5});
    DWORD start = Selection(edit).first;
    EXPECT_GT(start, 0u);
    EXPECT_LT(start, 10u);
    desktop::PressKey(VK_HOME);
    desktop::AdvanceClock(1000);
    desktop::ClickWindow(edit, POINT{1, 5});
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(DriverInput, DoubleClickSelectsTheWord) {
    HWND edit = Create("EDIT", "ab cdef gh", 0, 101, 10, 10, 200, 20);
    // Find a point inside "cdef": the caret position a click there gives is 3..7.
    int x = 1;
    for (; x < 200; ++x) {
        desktop::ClickWindow(edit, POINT{x, 5});
        if (Selection(edit).first == 5) {
            break;
        }
    }
    desktop::AdvanceClock(1000); // no double click with the search clicks
    POINT point{x, 5};
    ClientToScreen(edit, &point);
    desktop::DoubleClick(point);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{7}));
}

} // namespace
} // namespace controls_test
