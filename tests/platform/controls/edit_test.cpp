// Typing into an edit and the messages a program sends it, where the conformance tests
// (tests/conformance/controls_edit*.cpp) do not reach: the keys that move and delete, the
// limit's exact Windows notifications, the number style, clicks and fonts.
#include "controls_fixture.h"

#include <cstring>

namespace controls_test {
namespace {

class EditTest : public ControlsTest {
protected:
    HWND Edit(const char* text, DWORD style = 0) {
        HWND edit = Create("EDIT", text, WS_BORDER | WS_TABSTOP | style, 101);
        SetFocus(edit);
        Pump();
        notes.clear();
        return edit;
    }
};

std::pair<DWORD, DWORD> Caret(DWORD at) {
    return {at, at};
}

TEST_F(EditTest, TypedTextReplacesTheSelectionAndLeavesTheCaretAfterIt) {
    const struct {
        const char* initial;
        int selStart, selEnd;
        const char* typed;
        const char* expected;
        DWORD caret;
    } rows[] = {
        {"abcd", 3, 1, "X", "aXd", 2},         // backwards selection
        {"abc", 99, 99, "d", "abcd", 4},       // far position is the end
        {"ab", 0, 0, "\b", "ab", 0},           // backspace at start
        {"ab", 2, 2, "\t\r\x1b\x01", "ab", 2}, // control chars ignored
        {"", 0, 0, "\xe9\xfc", "\xe9\xfc", 2}, // characters above 127
    };
    for (const auto& row : rows) {
        HWND edit = Edit(row.initial);
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(row.selStart), row.selEnd);
        TypeChars(edit, row.typed);
        EXPECT_EQ(Text(edit), row.expected) << row.initial;
        EXPECT_EQ(Selection(edit), Caret(row.caret)) << row.initial;
        DestroyWindow(edit);
    }
}

TEST_F(EditTest, DeleteArrowsHomeAndEnd) {
    HWND edit = Edit("abcd");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    Key(edit, VK_DELETE);
    EXPECT_EQ(Text(edit), "acd");
    const std::vector<Note> changed{Command(edit, EN_UPDATE), Command(edit, EN_CHANGE)};
    EXPECT_EQ(notes, changed);
    SendMessageA(edit, EM_SETSEL, 0, 2);
    Key(edit, VK_DELETE);
    EXPECT_EQ(Text(edit), "d");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    notes.clear();
    Key(edit, VK_DELETE); // nothing after the caret: no change, no notification
    EXPECT_EQ(Text(edit), "d");
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    SendMessageA(edit, EM_SETSEL, 0, 0);
    Key(edit, VK_DELETE); // a read-only edit keeps its text
    EXPECT_EQ(Text(edit), "d");
    EXPECT_TRUE(notes.empty());
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);

    SetWindowTextA(edit, "abcd");
    SendMessageA(edit, EM_SETSEL, 1, 3);
    notes.clear();
    Key(edit, VK_LEFT);
    EXPECT_EQ(Selection(edit), Caret(2)) << "the selection dropped";
    for (int i = 0; i < 3; ++i)
        Key(edit, VK_RIGHT); // stops at the end
    EXPECT_EQ(Selection(edit), Caret(4));
    Key(edit, VK_HOME);
    EXPECT_EQ(Selection(edit), Caret(0));
    Key(edit, VK_LEFT); // stops at the start
    EXPECT_EQ(Selection(edit), Caret(0));
    Key(edit, VK_END);
    EXPECT_EQ(Selection(edit), Caret(4));
    EXPECT_TRUE(notes.empty()) << "caret moves change no text";
}

// Windows sends EN_MAXTEXT alone at the limit (Wine adds an update and a change, which the
// conformance test accepts); a selection makes room again.
TEST_F(EditTest, TheLimitStopsTypingWithMaxTextAlone) {
    HWND edit = Edit("");
    SendMessageA(edit, EM_SETLIMITTEXT, 2, 0);
    TypeChars(edit, "abc");
    EXPECT_EQ(Text(edit), "ab");
    const std::vector<Note> expected{Command(edit, EN_UPDATE), Command(edit, EN_CHANGE),
                                     Command(edit, EN_UPDATE), Command(edit, EN_CHANGE),
                                     Command(edit, EN_MAXTEXT)};
    EXPECT_EQ(notes, expected);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    TypeChars(edit, "x");
    EXPECT_EQ(Text(edit), "x");
}

TEST_F(EditTest, ANumberEditTakesDigitsOnly) {
    HWND number = Edit("", ES_NUMBER);
    TypeChars(number, "1a2-");
    EXPECT_EQ(Text(number), "12");
}

// The selection through EM_GETSEL's pointers and packed: tests/conformance/controls_edit.cpp.
TEST_F(EditTest, TextThroughBuffersAndFonts) {
    HWND edit = Create("EDIT", "abcdef", WS_BORDER, 101);
    char buffer[4];
    std::memset(buffer, 'z', sizeof(buffer));
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(SendMessageA(edit, WM_GETFONT, 0, 0), 0);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(edit, WM_GETFONT, 0, 0)), font);
}

// The edit keeps the widths of the lines it measured: a new font must measure them again.
TEST_F(EditTest, TheCaretIsPlacedInTheFontOfTheMoment) {
    HWND edit = Create("EDIT", "WWW", 0, 101, 10, 10, 300, 40);
    SetFocus(edit);
    Key(edit, VK_END);
    HFONT big =
        CreateFontA(30, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    ASSERT_NE(big, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, big);
    SIZE bigWidth{};
    GetTextExtentPoint32A(dc, "WWW", 3, &bigWidth);
    SelectObject(dc, old);
    DeleteDC(dc);
    POINT before{};
    GetCaretPos(&before);
    ASSERT_NE(before.x, 1 + bigWidth.cx) << "the fonts measure alike: the case proves nothing";
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    Key(edit, VK_HOME);
    Key(edit, VK_END);
    POINT after{};
    GetCaretPos(&after);
    EXPECT_EQ(after.x, 1 + bigWidth.cx);
    DestroyWindow(edit);
    DeleteObject(big);
}

TEST_F(EditTest, AClickFocusesAndPutsTheCaretAtTheNearestCharacter) {
    HWND edit = Create("EDIT", "iiii", 0, 101, 10, 10, 200, 20);
    Click(edit, 1, 5);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Selection(edit), Caret(0));
    Click(edit, 199, 5);
    EXPECT_EQ(Selection(edit), Caret(4));
    // A shift-click extends the selection from the caret.
    SendMessageA(edit, EM_SETSEL, 0, 0);
    Post(edit, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(199, 5));
    Post(edit, WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(199, 5));
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{4}));
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
} // namespace controls_test
