// A parent may destroy a control from inside the control's own notification; the control must
// notice and stop touching what it no longer has (the sanitizer build proves it).
#include "controls_fixture.h"

namespace controls_test {
namespace {

using DestroyInNotification = ControlsTest;

TEST_F(DestroyInNotification, EditDestroyedOnMaxText) {
    HWND edit = Create("EDIT", "ab", 0, 101);
    SendMessageA(edit, EM_LIMITTEXT, 2, 0);
    SendMessageA(edit, EM_SETSEL, 0, 1);
    onNote = [](const Note& note) {
        if (note.code == EN_MAXTEXT) {
            DestroyWindow(note.from);
        }
    };
    // Replacing one selected character by two overflows: EN_MAXTEXT, then the edit is gone.
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("xy"));
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(notes.back(), (Note{WM_COMMAND, 101, EN_MAXTEXT, edit}));
}

TEST_F(DestroyInNotification, EditDestroyedWhenAClickFocusesIt) {
    HWND edit = Create("EDIT", "ab", 0, 101);
    onNote = [](const Note& note) {
        if (note.code == EN_SETFOCUS) {
            DestroyWindow(note.from);
        }
    };
    Click(edit, 3, 3);
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DestroyInNotification, ButtonDestroyedOnClick) {
    HWND button = Create("BUTTON", "Close", BS_AUTOCHECKBOX, 7);
    onNote = [](const Note& note) {
        if (note.message == WM_COMMAND && note.code == BN_CLICKED) {
            DestroyWindow(note.from);
        }
    };
    SetFocus(button);
    Post(button, WM_KEYDOWN, VK_SPACE, 1);
    Post(button, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_FALSE(IsWindow(button));
}

TEST_F(DestroyInNotification, ScrollBarDestroyedOnLineDown) {
    HWND bar = Create("SCROLLBAR", "", SBS_VERT, 100, 10, 10, 16, 100);
    onNote = [](const Note& note) {
        if (note.message == WM_VSCROLL && note.code == SB_LINEDOWN) {
            DestroyWindow(note.from);
        }
    };
    Click(bar, 8, 95);
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
} // namespace controls_test
