// Typing into an edit: insertion at the caret and over a selection, Backspace and Delete, the
// caret keys, the text limit and read-only.
#include "controls_fixture.h"

namespace controls_test {
namespace {

class EditTyping : public ControlsTest {
protected:
    HWND Edit(const char* text, DWORD style = 0) {
        HWND edit = Create("EDIT", text, WS_BORDER | WS_TABSTOP | style, 101);
        SetFocus(edit);
        Pump();
        notes.clear();
        return edit;
    }
};

struct TypingCase {
    const char* initial;
    int selStart;
    int selEnd;
    const char* typed;
    const char* expected;
    DWORD caret;
};

class EditTypingTable : public EditTyping, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(EditTypingTable, TypedTextReplacesTheSelectionAndLeavesTheCaretAfterIt) {
    const TypingCase& row = GetParam();
    HWND edit = Edit(row.initial);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(row.selStart), row.selEnd);
    TypeChars(edit, row.typed);
    EXPECT_EQ(Text(edit), row.expected);
    EXPECT_EQ(Selection(edit), std::make_pair(row.caret, row.caret));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EditTypingTable,
    ::testing::Values(TypingCase{"  5", 2, 2, "1", "  15", 3},   // caret inside
                      TypingCase{"12", 0, -1, "7", "7", 1},      // all selected
                      TypingCase{"abcd", 1, 3, "X", "aXd", 2},   // middle selection
                      TypingCase{"abcd", 3, 1, "X", "aXd", 2},   // backwards selection
                      TypingCase{"abc", 99, 99, "d", "abcd", 4}, // far position is the end
                      TypingCase{"ab", 1, 1, "\b", "b", 0},      // backspace before caret
                      TypingCase{"abcd", 1, 3, "\b", "ad", 1},   // backspace removes selection
                      TypingCase{"ab", 0, 0, "\b", "ab", 0},     // backspace at start
                      TypingCase{"ab", 2, 2, "\t\r\x1b\x01", "ab", 2}, // control chars ignored
                      TypingCase{"", 0, 0, "\xe9\xfc", "\xe9\xfc", 2}  // characters above 127
                      ));

TEST_F(EditTyping, DeleteRemovesTheCharacterAfterTheCaretOrTheSelection) {
    HWND edit = Edit("abcd");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    Key(edit, VK_DELETE);
    EXPECT_EQ(Text(edit), "acd");
    SendMessageA(edit, EM_SETSEL, 0, 2);
    Key(edit, VK_DELETE);
    EXPECT_EQ(Text(edit), "d");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    notes.clear();
    Key(edit, VK_DELETE); // nothing after the caret: no change, no notification
    EXPECT_EQ(Text(edit), "d");
    EXPECT_TRUE(notes.empty());
}

TEST_F(EditTyping, ArrowHomeAndEndMoveTheCaretAndDropTheSelection) {
    HWND edit = Edit("abcd");
    SendMessageA(edit, EM_SETSEL, 1, 3);
    Key(edit, VK_LEFT);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{2}));
    Key(edit, VK_RIGHT);
    Key(edit, VK_RIGHT);
    Key(edit, VK_RIGHT); // stops at the end
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{4}, DWORD{4}));
    Key(edit, VK_HOME);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    Key(edit, VK_LEFT); // stops at the start
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));
    Key(edit, VK_END);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{4}, DWORD{4}));
    EXPECT_TRUE(notes.empty()) << "caret moves change no text";
}

TEST_F(EditTyping, TheLimitStopsTypingWithMaxTextButNotSetWindowText) {
    HWND edit = Edit("");
    SendMessageA(edit, EM_LIMITTEXT, 2, 0);
    TypeChars(edit, "abc");
    EXPECT_EQ(Text(edit), "ab");
    const std::vector<Note> expected{Command(edit, EN_UPDATE), Command(edit, EN_CHANGE),
                                     Command(edit, EN_UPDATE), Command(edit, EN_CHANGE),
                                     Command(edit, EN_MAXTEXT)};
    EXPECT_EQ(notes, expected);

    SetWindowTextA(edit, "12345");
    EXPECT_EQ(Text(edit), "12345");
    SendMessageA(edit, EM_SETSEL, 5, 5);
    TypeChars(edit, "6");
    EXPECT_EQ(Text(edit), "12345");
    // Over a selection there is room again.
    SendMessageA(edit, EM_SETSEL, 0, -1);
    TypeChars(edit, "x");
    EXPECT_EQ(Text(edit), "x");
}

TEST_F(EditTyping, LimitZeroMeansTheLargestAndTheDefaultIsThirtyThousand) {
    HWND edit = Edit("");
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    SendMessageA(edit, EM_SETLIMITTEXT, 7, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 7);
}

TEST_F(EditTyping, ReplaceSelIsCutToTheLimitWithMaxText) {
    HWND edit = Edit("ab");
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    SendMessageA(edit, EM_SETSEL, 1, 1);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XYZ"));
    EXPECT_EQ(Text(edit), "aXYb");
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{3}));
    const std::vector<Note> expected{Command(edit, EN_MAXTEXT), Command(edit, EN_UPDATE),
                                     Command(edit, EN_CHANGE)};
    EXPECT_EQ(notes, expected);
}

TEST_F(EditTyping, ReadOnlyRefusesTypingButNotTheProgram) {
    HWND edit = Edit("abc");
    EXPECT_TRUE(SendMessageA(edit, EM_SETREADONLY, TRUE, 0));
    EXPECT_NE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY, 0);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    TypeChars(edit, "d\b");
    Key(edit, VK_DELETE);
    EXPECT_EQ(Text(edit), "abc");
    EXPECT_TRUE(notes.empty());
    SetWindowTextA(edit, "xyz");
    EXPECT_EQ(Text(edit), "xyz");

    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    EXPECT_EQ(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY, 0);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    TypeChars(edit, "!");
    EXPECT_EQ(Text(edit), "xyz!");
}

TEST_F(EditTyping, NumberStyleTakesDigitsOnlyAndCaseStylesConvert) {
    HWND number = Edit("", ES_NUMBER);
    TypeChars(number, "1a2-");
    EXPECT_EQ(Text(number), "12");
    HWND upper = Edit("", ES_UPPERCASE);
    TypeChars(upper, "aB1");
    EXPECT_EQ(Text(upper), "AB1");
}

TEST_F(EditTyping, ModifyFlagFollowsTheUserAndUndoRestores) {
    HWND edit = Edit("ab");
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    SendMessageA(edit, EM_SETSEL, 2, 2);
    TypeChars(edit, "c");
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    EXPECT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    EXPECT_TRUE(SendMessageA(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(Text(edit), "ab");
    SetWindowTextA(edit, "new");
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0)) << "a program's text is not a change";
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
}

} // namespace
} // namespace controls_test
