// The list box as the file and print dialogs rely on it: sorted insertion, finding and reading
// items, selection by message and by key, and which of these notify the parent.
#include "conformance.h"
#include "controls_support.h"

#include <windows.h>

#include <string>
#include <vector>

using controls_conformance::Codes;
using controls_conformance::CreateChild;
using controls_conformance::Log;
using controls_conformance::Pump;

namespace {

LRESULT Add(HWND list, const char* text) {
    return SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

std::string Item(HWND list, int index) {
    char buffer[64] = {};
    if (SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer)) == LB_ERR) {
        return "<error>";
    }
    return buffer;
}

LRESULT Find(HWND list, UINT message, int start, const char* text) {
    return SendMessageA(list, message, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
}

void Key(HWND hwnd, UINT vk) {
    SendMessageA(hwnd, WM_KEYDOWN, vk, 1);
    SendMessageA(hwnd, WM_KEYUP, vk, 0xC0000001);
    Pump();
}

} // namespace

CONFORMANCE_TEST(ControlsListBoxSortedInsertion) {
    HWND list = CreateChild("LISTBOX", "", LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER, 301, 10,
                            10, 120, 100);
    CHECK(list != nullptr);
    CHECK_EQ(0, Add(list, "pear"));
    CHECK_EQ(0, Add(list, "Apple"));
    CHECK_EQ(1, Add(list, "banana"));
    CHECK_EQ(3, Add(list, "Zucchini"));
    CHECK_EQ(1, SendMessageA(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>("zz")));
    CHECK_EQ(5, SendMessageA(list, LB_GETCOUNT, 0, 0));
    CHECK_STR_EQ("Apple", Item(list, 0).c_str());
    CHECK_STR_EQ("zz", Item(list, 1).c_str());
    CHECK_STR_EQ("banana", Item(list, 2).c_str());
    CHECK_EQ(8, SendMessageA(list, LB_GETTEXTLEN, 4, 0));
    CHECK_EQ(LB_ERR, SendMessageA(list, LB_GETTEXTLEN, 5, 0));
    CHECK_STR_EQ("<error>", Item(list, 7).c_str());
    CHECK_EQ(4, SendMessageA(list, LB_DELETESTRING, 1, 0));
    CHECK_EQ(LB_ERR, SendMessageA(list, LB_DELETESTRING, 4, 0));
    CHECK(Codes(list).empty());
    DestroyWindow(list);
}

CONFORMANCE_TEST(ControlsListBoxFindStrings) {
    HWND list = CreateChild("LISTBOX", "", LBS_NOTIFY, 302, 10, 10, 120, 100);
    Add(list, "alpha");
    Add(list, "Beta");
    Add(list, "bravo");
    Add(list, "be");
    CHECK_EQ(1, Find(list, LB_FINDSTRING, -1, "be"));
    CHECK_EQ(3, Find(list, LB_FINDSTRING, 1, "BE"));
    CHECK_EQ(1, Find(list, LB_FINDSTRING, 3, "be"));
    CHECK_EQ(3, Find(list, LB_FINDSTRINGEXACT, -1, "BE"));
    CHECK_EQ(LB_ERR, Find(list, LB_FINDSTRINGEXACT, -1, "bet"));
    CHECK_EQ(LB_ERR, Find(list, LB_FINDSTRING, -1, "x"));
    CHECK_EQ(2, Find(list, LB_SELECTSTRING, -1, "br"));
    CHECK_EQ(2, SendMessageA(list, LB_GETCURSEL, 0, 0));
    CHECK(Codes(list).empty());
    DestroyWindow(list);
}

CONFORMANCE_TEST(ControlsListBoxSelectionAndNotifications) {
    HWND list = CreateChild("LISTBOX", "", LBS_NOTIFY | WS_VSCROLL, 303, 10, 10, 120, 100);
    Add(list, "one");
    Add(list, "two");
    Add(list, "three");
    CHECK_EQ(LB_ERR, SendMessageA(list, LB_GETCURSEL, 0, 0));
    CHECK_EQ(1, SendMessageA(list, LB_SETCURSEL, 1, 0));
    CHECK_EQ(1, SendMessageA(list, LB_GETCURSEL, 0, 0));
    CHECK_EQ(LB_ERR, SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0));
    CHECK_EQ(LB_ERR, SendMessageA(list, LB_GETCURSEL, 0, 0));
    CHECK_EQ(LB_ERR, SendMessageA(list, LB_GETSELCOUNT, 0, 0));
    CHECK(Codes(list).empty());

    SendMessageA(list, LB_SETITEMDATA, 2, 0x1234);
    CHECK_EQ(0x1234, SendMessageA(list, LB_GETITEMDATA, 2, 0));

    SetFocus(list);
    Pump();
    CHECK(Codes(list) == std::vector<UINT>{LBN_SETFOCUS});
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    Log().clear();
    Key(list, VK_DOWN);
    CHECK_EQ(1, SendMessageA(list, LB_GETCURSEL, 0, 0));
    CHECK(Codes(list) == std::vector<UINT>{LBN_SELCHANGE});
    Log().clear();
    Key(list, VK_END);
    CHECK_EQ(2, SendMessageA(list, LB_GETCURSEL, 0, 0));
    CHECK(Codes(list) == std::vector<UINT>{LBN_SELCHANGE});
    // A key that leaves the selection where it was still reports it.
    Log().clear();
    Key(list, VK_END);
    CHECK(Codes(list) == std::vector<UINT>{LBN_SELCHANGE});

    // Typing a letter selects the next item that begins with it.
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    SendMessageA(list, WM_CHAR, 't', 1);
    CHECK_EQ(1, SendMessageA(list, LB_GETCURSEL, 0, 0));
    SendMessageA(list, WM_CHAR, 't', 1);
    CHECK_EQ(2, SendMessageA(list, LB_GETCURSEL, 0, 0));
    DestroyWindow(list);
}
