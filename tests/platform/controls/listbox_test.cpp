// List boxes: sorted insertion of many items, the LB_ messages, selection by mouse and keys with
// notifications, type-ahead and the window scroll bar (sorted
// insertion, finding, selection messages and their silence, and the selected items' buffer:
// tests/conformance/controls_listbox.cpp).
#include "controls_fixture.h"

#include <string>

namespace controls_test {
namespace {

class ListBox : public ControlsTest {
protected:
    // 120x100 at (10,10): with the system font's 16-pixel items, six whole items in view.
    HWND List(DWORD style = LBS_NOTIFY | WS_VSCROLL | WS_BORDER) {
        return Create("LISTBOX", "", style, 200, 10, 10, 120, 100);
    }
    void Add(HWND list, std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
    }
    std::string Item(HWND list, int index) {
        const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
        if (length < 0) {
            return "<error>";
        }
        std::string text(static_cast<std::size_t>(length), '\0');
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        return text;
    }
    int CurSel(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }
    int ItemHeight(HWND list) {
        return static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    }
    // The centre of an item on screen, as a user would aim at it.
    POINT ItemPoint(HWND list, int index) {
        RECT rect{};
        SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ClientToScreen(list, &point);
        return point;
    }
    std::vector<Note> SelChanges(HWND list) {
        std::vector<Note> found;
        for (const Note& note : notes) {
            if (note.from == list && note.code == LBN_SELCHANGE) {
                found.push_back(note);
            }
        }
        return found;
    }
};

TEST_F(ListBox, ManyUnorderedItemsComeOutSortedAcrossBlocks) {
    HWND list = List(LBS_SORT);
    // Enough to split the item store's blocks several times, added in a scrambled order.
    const int count = 3000;
    for (int i = 0; i < count; ++i) {
        const int key = (i * 7919) % count;
        char text[16];
        wsprintfA(text, "item%05d", key);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), count);
    for (int i = 0; i < count; i += 97) {
        char expected[16];
        wsprintfA(expected, "item%05d", i);
        EXPECT_EQ(Item(list, i), expected);
    }
    EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("ITEM02999")),
              2999);
}

TEST_F(ListBox, BadIndexesAnswerLbErr) {
    HWND list = List();
    Add(list, {"a", "b"});
    char buffer[8] = "zzzzzzz";
    EXPECT_EQ(SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(buffer)), LB_ERR);
    EXPECT_STREQ(buffer, "zzzzzzz") << "nothing written for a missing item";
    EXPECT_EQ(SendMessageA(list, LB_INSERTSTRING, 3, reinterpret_cast<LPARAM>("x")), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_SETCURSEL, 7, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMDATA, 9, 0), LB_ERR);
    EXPECT_EQ(SendMessageA(list, LB_ADDSTRING, 0, 0), 2) << "a null text adds an empty item";
    EXPECT_EQ(Item(list, 2), "");
}

TEST_F(ListBox, DeletingAboveTheSelectionKeepsTheSameItemSelected) {
    HWND list = List();
    Add(list, {"a", "b", "c"});
    SendMessageA(list, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(SendMessageA(list, LB_DELETESTRING, 0, 0), 2);
    EXPECT_EQ(CurSel(list), 1);
    EXPECT_EQ(Item(list, CurSel(list)), "c");
    SendMessageA(list, LB_DELETESTRING, 1, 0);
    EXPECT_EQ(CurSel(list), LB_ERR) << "the selected item itself went";
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);
}

TEST_F(ListBox, AClickSelectsAndNotifiesOnceDoubleClickNotifiesDblClk) {
    HWND list = List();
    Add(list, {"one", "two", "three"});
    desktop::Click(ItemPoint(list, 1));
    EXPECT_EQ(CurSel(list), 1);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(SelChanges(list).size(), 1u);
    notes.clear();
    desktop::DoubleClick(ItemPoint(list, 2));
    EXPECT_EQ(CurSel(list), 2);
    ASSERT_FALSE(notes.empty());
    EXPECT_EQ(notes.back(), Command(list, LBN_DBLCLK));
}

TEST_F(ListBox, WithoutLbsNotifyOnlyFocusIsReported) {
    HWND list = List(WS_VSCROLL);
    Add(list, {"one", "two"});
    desktop::DoubleClick(ItemPoint(list, 1));
    EXPECT_EQ(CurSel(list), 1);
    const std::vector<Note> expected{Command(list, LBN_SETFOCUS)};
    EXPECT_EQ(notes, expected);
}

struct KeyCase {
    UINT vk;
    int from;
    int expected;
};

class ListBoxKeys : public ListBox, public ::testing::WithParamInterface<KeyCase> {};

// Twenty items, six in view: Page Down moves five items on, as the view shows six.
TEST_P(ListBoxKeys, ArrowAndPageKeysMoveTheSelectionAndNotify) {
    HWND list = List();
    for (int i = 0; i < 20; ++i) {
        char text[8];
        wsprintfA(text, "i%02d", i);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    SetFocus(list);
    SendMessageA(list, LB_SETCURSEL, GetParam().from, 0);
    notes.clear();
    desktop::PressKey(GetParam().vk);
    EXPECT_EQ(CurSel(list), GetParam().expected);
    const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    EXPECT_LE(top, GetParam().expected) << "the new selection is in view";
    EXPECT_GT(top + 6, GetParam().expected);
    EXPECT_EQ(SelChanges(list).size(), 1u) << "a key notifies even when it stays put";
}

INSTANTIATE_TEST_SUITE_P(Keys, ListBoxKeys,
                         ::testing::Values(KeyCase{VK_DOWN, 3, 4}, KeyCase{VK_UP, 3, 2},
                                           KeyCase{VK_UP, 0, 0}, KeyCase{VK_DOWN, 19, 19},
                                           KeyCase{VK_NEXT, 0, 5}, KeyCase{VK_NEXT, 17, 19},
                                           KeyCase{VK_PRIOR, 12, 7}, KeyCase{VK_HOME, 12, 0},
                                           KeyCase{VK_END, 2, 19}));

TEST_F(ListBox, TypeAheadFindsPrefixesAndCyclesOnARepeatedLetter) {
    HWND list = List(LBS_NOTIFY | LBS_SORT);
    Add(list, {"alpha", "beta", "bravo", "brown", "charlie"});
    SetFocus(list);
    desktop::TypeText("b");
    EXPECT_EQ(Item(list, CurSel(list)), "beta");
    desktop::TypeText("b");
    EXPECT_EQ(Item(list, CurSel(list)), "bravo") << "the same letter again moves on";
    desktop::AdvanceClock(2000);
    desktop::TypeText("bro");
    EXPECT_EQ(Item(list, CurSel(list)), "brown");
    desktop::AdvanceClock(2000);
    desktop::TypeText("x");
    EXPECT_EQ(Item(list, CurSel(list)), "brown") << "no match leaves the selection";
}

TEST_F(ListBox, TheScrollBarFollowsTheItemsAndItsArrowsScroll) {
    HWND list = List();
    for (int i = 0; i < 20; ++i) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
    }
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 19);
    EXPECT_EQ(info.nPage, 98u / static_cast<UINT>(ItemHeight(list)));
    // The down arrow at the bottom of the bar, just outside the client area.
    RECT window{};
    GetWindowRect(list, &window);
    desktop::Click(POINT{window.right - 8, window.bottom - 8});
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 1);
    EXPECT_EQ(GetScrollPos(list, SB_VERT), 1);
    desktop::Click(POINT{window.right - 8, window.top + 8});
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
    SendMessageA(list, LB_SETTOPINDEX, 19, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 20 - 98 / ItemHeight(list))
        << "the view stops with the last item at the bottom";
}

TEST_F(ListBox, SelectionIsDrawnInHighlightColours) {
    HWND list = List(LBS_NOTIFY);
    Add(list, {"first", "second"});
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    UpdateWindow(list);
    const int h = ItemHeight(list);
    EXPECT_EQ(desktop::WindowPixel(list, 100, h + 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(desktop::WindowPixel(list, 100, 2), GetSysColor(COLOR_WINDOW));
}

} // namespace
} // namespace controls_test
