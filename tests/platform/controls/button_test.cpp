// Buttons: clicks by mouse and space bar, check boxes and radio groups, the BM_ messages and
// owner drawing through WM_DRAWITEM.
#include "controls_fixture.h"

namespace controls_test {
namespace {

using Button = ControlsTest;

// The first click checks (tests/conformance/controls_buttons.cpp); the second must clear.
TEST_F(Button, ASecondClickClearsAnAutoCheckBox) {
    HWND box = Create("BUTTON", "Auto", BS_AUTOCHECKBOX, 201, 10, 10, 100, 20);
    Click(box, 5, 5);
    Click(box, 5, 5);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Button, AutoRadioButtonsUncheckTheirGroupOnly) {
    HWND a = Create("BUTTON", "A", BS_AUTORADIOBUTTON | WS_GROUP, 301, 10, 10, 80, 20);
    HWND b = Create("BUTTON", "B", BS_AUTORADIOBUTTON, 302, 10, 30, 80, 20);
    HWND other = Create("BUTTON", "C", BS_AUTORADIOBUTTON | WS_GROUP, 303, 10, 50, 80, 20);
    SendMessageA(other, BM_SETCHECK, BST_CHECKED, 0);
    Click(a, 5, 5);
    Click(b, 5, 5);
    EXPECT_EQ(SendMessageA(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(other, BM_GETCHECK, 0, 0), BST_CHECKED);
}

// Clicks as the conformance tests check them; here what they leave out.
TEST_F(Button, DisabledButtonsAndLoneReleasesDoNotClick) {
    HWND button = Create("BUTTON", "OK", BS_PUSHBUTTON, IDOK, 10, 10, 75, 23);
    EnableWindow(button, FALSE);
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(notes.empty());
    EnableWindow(button, TRUE);
    SetFocus(button);
    Post(button, WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_TRUE(notes.empty()) << "a release without a press does not click";
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_EQ(notes, std::vector<Note>{Command(button, BN_CLICKED)});
}

class OwnerDraw : public ControlsTest {
protected:
    // The WM_DRAWITEM requests only, without the clicks' BN_CLICKED.
    std::vector<Note> Draws() const {
        std::vector<Note> draws;
        for (const Note& note : notes) {
            if (note.message == WM_DRAWITEM) {
                draws.push_back(note);
            }
        }
        return draws;
    }
};

// The disabled state: tests/conformance/controls_buttons.cpp.
TEST_F(OwnerDraw, PaintsThroughTheParentWithEveryStateChangeOfAClick) {
    HWND button = Create("BUTTON", "", BS_OWNERDRAW | WS_TABSTOP, 400, 10, 10, 40, 30);
    UpdateWindow(button);
    ASSERT_FALSE(Draws().empty());
    EXPECT_EQ(Draws().back(), DrawItem(button, ODA_DRAWENTIRE, 0));
    notes.clear();

    Post(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Post(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    const std::vector<Note> expected{DrawItem(button, ODA_FOCUS, ODS_FOCUS),
                                     DrawItem(button, ODA_SELECT, ODS_SELECTED | ODS_FOCUS),
                                     DrawItem(button, ODA_SELECT, ODS_FOCUS)};
    EXPECT_EQ(Draws(), expected);
    EXPECT_EQ(notes.back(), Command(button, BN_CLICKED));
}

TEST_F(OwnerDraw, StaysOwnerDrawnWhenTheDialogSwitchesDefaultStyles) {
    HWND button = Create("BUTTON", "", BS_OWNERDRAW, 400);
    EXPECT_EQ(SendMessageA(button, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
    SendMessageA(button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
}

} // namespace
} // namespace controls_test
