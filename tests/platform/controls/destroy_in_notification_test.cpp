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

// A click whose notification destroys the control: the edit taking the focus, the check box
// clicked, the scroll bar's down arrow.
TEST_F(DestroyInNotification, ControlsDestroyedByTheNotificationOfAClick) {
    const struct {
        const char* className;
        DWORD style;
        UINT message, code;
        int cx, cy, x, y;
    } rows[] = {{"EDIT", 0, WM_COMMAND, EN_SETFOCUS, 100, 20, 3, 3},
                {"BUTTON", BS_AUTOCHECKBOX, WM_COMMAND, BN_CLICKED, 100, 20, 5, 5},
                {"SCROLLBAR", SBS_VERT, WM_VSCROLL, SB_LINEDOWN, 16, 100, 8, 95}};
    for (const auto& r : rows) {
        HWND control = Create(r.className, "ab", r.style, 7, 10, 10, r.cx, r.cy);
        onNote = [&r](const Note& note) {
            if (note.message == r.message && note.code == r.code) {
                DestroyWindow(note.from);
            }
        };
        Click(control, r.x, r.y);
        EXPECT_FALSE(IsWindow(control)) << r.className;
        EXPECT_EQ(GetCapture(), nullptr) << r.className;
        onNote = nullptr;
    }
}

} // namespace
} // namespace controls_test
