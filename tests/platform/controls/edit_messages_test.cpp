// Edit messages and notifications: text, selection, focus, dialog code and font.
#include "controls_fixture.h"

#include <cstring>

namespace controls_test {
namespace {

using EditMessages = ControlsTest;

TEST_F(EditMessages, SetWindowTextSendsUpdateThenChangeAndSelectsNothing) {
    HWND edit = Create("EDIT", "", WS_BORDER, 101);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    notes.clear();
    SetWindowTextA(edit, "  5");
    const std::vector<Note> expected{Command(edit, EN_UPDATE), Command(edit, EN_CHANGE)};
    EXPECT_EQ(notes, expected);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    EXPECT_EQ(GetWindowTextLengthA(edit), 3);

    notes.clear();
    SendMessageA(edit, EM_SETSEL, 2, 2);
    EXPECT_TRUE(notes.empty()) << "selecting changes no text";
}

TEST_F(EditMessages, GetSelReportsThroughPointersAndPacked) {
    HWND edit = Create("EDIT", "abcdef", WS_BORDER, 101);
    SendMessageA(edit, EM_SETSEL, 4, 1);
    DWORD start = 0;
    DWORD end = 0;
    const LRESULT packed = SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                        reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 4u);
    EXPECT_EQ(LOWORD(packed), 1);
    EXPECT_EQ(HIWORD(packed), 4);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), packed) << "null pointers are allowed";

    // -1 as start drops the selection and keeps the caret where the selection ended.
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{1}, DWORD{1}));
    SendMessageA(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{6}));
}

TEST_F(EditMessages, GetTextIsCutToTheBufferAndCountsWithoutTheNull) {
    HWND edit = Create("EDIT", "abcdef", WS_BORDER, 101);
    char buffer[4];
    std::memset(buffer, 'z', sizeof(buffer));
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 6);
}

TEST_F(EditMessages, AClickFocusesAndPutsTheCaretAtTheNearestCharacter) {
    HWND edit = Create("EDIT", "iiii", 0, 101, 10, 10, 200, 20);
    Click(edit, 1, 5);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    Click(edit, 199, 5);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{4}, DWORD{4}));
    // A shift-click extends the selection from the caret.
    SendMessageA(edit, EM_SETSEL, 0, 0);
    Post(edit, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(199, 5));
    Post(edit, WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(199, 5));
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{4}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(EditMessages, DialogCodeFontAndDestructionAreClean) {
    HWND edit = Create("EDIT", "", 0, 101);
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0),
              DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
    EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), 0);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), font);
    EXPECT_TRUE(DestroyWindow(edit));
    EXPECT_FALSE(IsWindow(edit));
}

} // namespace
} // namespace controls_test
