// Details of the edit control that hosts meet: who hears its notifications, EN_MAXTEXT at the
// limit, typing into an edit without the focus, and the caret of the focused edit.
#include "conformance.h"
#include "controls_support.h"

#include <windows.h>

#include <string>
#include <vector>

using controls_conformance::Codes;
using controls_conformance::CreateChild;
using controls_conformance::Log;
using controls_conformance::Parent;
using controls_conformance::WindowText;

namespace {

void Replace(HWND edit, const char* text) {
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

} // namespace

CONFORMANCE_TEST(ControlsEditNotifiesTheParentItWasCreatedWith) {
    // Style 0 makes an overlapped window whose parent is only its owner; the edit still
    // notifies the window it was created with.
    HWND edit = CreateWindowExA(0, "EDIT", "", 0, 10, 10, 100, 20, Parent(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    CHECK(edit != nullptr);
    Log().clear();
    Replace(edit, "abc");
    CHECK_STR_EQ("abc", WindowText(edit).c_str());
    CHECK(Codes(edit) == (std::vector<UINT>{EN_UPDATE, EN_CHANGE}));
    DestroyWindow(edit);
}

CONFORMANCE_TEST(ControlsEditMaxTextWhenAReplacementMeetsTheLimit) {
    HWND edit = CreateChild("EDIT", "ab", WS_BORDER, 101, 10, 10, 100, 20);
    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    const std::vector<UINT> maxUpdateChange = {EN_MAXTEXT, EN_UPDATE, EN_CHANGE};
    Log().clear();
    Replace(edit, "cdef"); // what fits goes in
    CHECK_STR_EQ("abcd", WindowText(edit).c_str());
    CHECK(Codes(edit) == maxUpdateChange);
    // At the limit a program's replacement changes nothing, yet Windows reports the update and
    // the change after EN_MAXTEXT all the same.
    Log().clear();
    Replace(edit, "g");
    CHECK_STR_EQ("abcd", WindowText(edit).c_str());
    CHECK(Codes(edit) == maxUpdateChange);
    DestroyWindow(edit);
}

// A single-line edit without ES_AUTOHSCROLL takes only what fits its width, typed or replaced;
// a program's WM_SETTEXT is not cut. (Wine follows EN_MAXTEXT with an update and a change
// although nothing changed, as at the text limit; either is accepted.)
CONFORMANCE_TEST(ControlsEditWithoutAutoScrollTakesWhatFitsItsWidth) {
    for (DWORD scroll : {DWORD{0}, DWORD{ES_AUTOHSCROLL}}) {
        HWND edit = CreateChild("EDIT", "", scroll, 101, 10, 10, 24, 20);
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     0);
        for (const char* c = "12345678"; *c != '\0'; ++c)
            SendMessageA(edit, WM_CHAR, static_cast<BYTE>(*c), 1);
        const std::string typed = WindowText(edit);
        CHECK_STR_EQ(scroll ? "12345678" : std::string("12345678").substr(0, typed.size()).c_str(),
                     typed.c_str());
        if (scroll == 0) {
            CHECK(typed.size() >= 1 && typed.size() < 8);
            Log().clear();
            SendMessageA(edit, WM_CHAR, '9', 1);
            Replace(edit, "ab");
            CHECK_STR_EQ(typed.c_str(), WindowText(edit).c_str());
            CHECK(!Codes(edit).empty() && Codes(edit).front() == EN_MAXTEXT);
        }
        SetWindowTextA(edit, "abcdefghijkl");
        CHECK_STR_EQ("abcdefghijkl", WindowText(edit).c_str());
        DestroyWindow(edit);
    }
}

CONFORMANCE_TEST(ControlsEditTakesCharsWithoutTheFocus) {
    HWND edit = CreateChild("EDIT", "", WS_BORDER, 101, 10, 10, 100, 20);
    SetFocus(nullptr);
    CHECK_EQ((LRESULT)1, SendMessageA(edit, WM_CHAR, 'x', 1));
    CHECK_STR_EQ("x", WindowText(edit).c_str());
    SetFocus(edit);
    CHECK_EQ((LRESULT)1, SendMessageA(edit, WM_CHAR, 'y', 1));
    CHECK_STR_EQ("xy", WindowText(edit).c_str());
    DestroyWindow(edit);
}

namespace {

RECT FormatRect(HWND edit) {
    RECT r = {-1, -1, -1, -1};
    SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

} // namespace

CONFORMANCE_TEST(ControlsEditCaretOfTheFocusedEdit) {
    HWND first = CreateChild("EDIT", "abc", 0, 101, 10, 10, 100, 20);
    HWND second = CreateChild("EDIT", "", 0, 102, 10, 40, 100, 20);
    SetFocus(first);
    CHECK(SetFocus(second) == first);
    CHECK(GetFocus() == second);
    // The focused edit owns the caret, at the start of its formatting rectangle here.
    POINT p = {-1, -1};
    CHECK(GetCaretPos(&p));
    const RECT r = FormatRect(second);
    CHECK_EQ(r.left, p.x);
    CHECK_EQ(r.top, p.y);
    CHECK(SetCaretPos(5, 6));
    CHECK(GetCaretPos(&p));
    CHECK_EQ(5, (int)p.x);
    CHECK_EQ(6, (int)p.y);
    CHECK(SetFocus(first) == second);
    DestroyWindow(first);
    DestroyWindow(second);
}
