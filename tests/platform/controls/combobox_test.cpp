// Drop-down list combo boxes (the kind the file and print dialogs use): items through CB_
// messages, the field following the selection, the list opened by the button and by F4 and
// closed by a choice, and the CBN_ notifications the parent sees.
#include "controls_fixture.h"

#include <string>

namespace controls_test {
namespace {

class ComboBox : public ControlsTest {
protected:
    HWND Combo(DWORD kind, DWORD extra = 0) {
        HWND combo =
            Create("COMBOBOX", "", kind | extra | WS_VSCROLL | WS_TABSTOP, 300, 10, 10, 150, 120);
        for (const char* text : {"red", "green", "blue", "black"}) {
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        notes.clear();
        return combo;
    }
    std::vector<UINT> Codes(HWND from) {
        std::vector<UINT> codes;
        for (const Note& note : notes) {
            if (note.message == WM_COMMAND && note.from == from) {
                codes.push_back(note.code);
            }
        }
        return codes;
    }
    bool Has(HWND from, UINT code) {
        const std::vector<UINT> codes = Codes(from);
        return std::find(codes.begin(), codes.end(), code) != codes.end();
    }
    int CurSel(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }
    HWND DroppedList() {
        for (HWND top = GetTopWindow(nullptr); top != nullptr; top = GetWindow(top, GW_HWNDNEXT)) {
            char name[32] = {};
            GetClassNameA(top, name, sizeof(name));
            if (std::string(name) == "LISTBOX" && IsWindowVisible(top)) {
                return top;
            }
        }
        return nullptr;
    }
};

TEST_F(ComboBox, SortedItemsAndTheirTexts) {
    HWND combo = Combo(CBS_DROPDOWNLIST, CBS_SORT);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 4);
    char text[16] = {};
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text)), 5);
    EXPECT_STREQ(text, "black");
    EXPECT_EQ(SendMessageA(combo, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(text)), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("GREEN")),
              2);
    EXPECT_EQ(CurSel(combo), CB_ERR);
    EXPECT_EQ(SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("r")),
              3);
    EXPECT_EQ(Text(combo), "red") << "a drop-down list's text is its selected item";
    EXPECT_TRUE(Codes(combo).empty()) << "selecting by message does not notify";
}

TEST_F(ComboBox, ArrowKeysStepTheSelectionWithoutDropping) {
    HWND combo = Combo(CBS_DROPDOWNLIST);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    notes.clear();
    desktop::PressKey(VK_DOWN);
    EXPECT_EQ(CurSel(combo), 1);
    EXPECT_EQ(Text(combo), "green");
    EXPECT_EQ(Codes(combo), std::vector<UINT>{CBN_SELCHANGE});
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    desktop::TypeText("b");
    EXPECT_EQ(Text(combo), "blue") << "type-ahead reaches the list";
}

TEST_F(ComboBox, TheButtonDropsTheListAndAChoiceClosesIt) {
    HWND combo = Combo(CBS_DROPDOWNLIST);
    RECT window{};
    GetWindowRect(combo, &window);
    EXPECT_LT(window.bottom - window.top, 40) << "the control is as tall as its field";
    desktop::Click(POINT{window.right - 8, (window.top + window.bottom) / 2});
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), TRUE);
    EXPECT_EQ(Codes(combo).back(), static_cast<UINT>(CBN_DROPDOWN));
    HWND list = DroppedList();
    ASSERT_NE(list, nullptr);
    RECT listRect{};
    GetWindowRect(list, &listRect);
    EXPECT_EQ(listRect.top, window.bottom) << "the list opens just below the field";
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    POINT at{item.left + 10, (item.top + item.bottom) / 2};
    ClientToScreen(list, &at);
    notes.clear();
    desktop::Click(at);
    EXPECT_EQ(CurSel(combo), 2);
    EXPECT_EQ(Text(combo), "blue");
    EXPECT_TRUE(Has(combo, CBN_SELCHANGE));
    EXPECT_TRUE(Has(combo, CBN_CLOSEUP));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_NE(GetFocus(), list) << "the drop-down list never takes the focus";
}

TEST_F(ComboBox, F4TogglesTheListAndLosingTheFocusClosesIt) {
    HWND combo = Combo(CBS_DROPDOWNLIST);
    HWND other = Create("EDIT", "", WS_TABSTOP, 301, 200, 10);
    SetFocus(combo);
    desktop::PressKey(VK_F4);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), TRUE);
    desktop::PressKey(VK_F4);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    notes.clear();
    SetFocus(other);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_TRUE(Has(combo, CBN_CLOSEUP));
    EXPECT_TRUE(Has(combo, CBN_KILLFOCUS));
}

TEST_F(ComboBox, DestroyingTheComboTakesItsDropDownList) {
    HWND combo = Combo(CBS_DROPDOWNLIST);
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    HWND list = DroppedList();
    ASSERT_NE(list, nullptr);
    DestroyWindow(combo);
    EXPECT_FALSE(IsWindow(list));
}

} // namespace
} // namespace controls_test
