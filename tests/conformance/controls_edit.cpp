// The edit control as the library relies on it: typing over a caret and a selection, the text
// limit, read-only, and the EN_ notifications in their order.
#include "conformance.h"
#include "controls_support.h"

#include <windows.h>

#include <string>
#include <vector>

using conformance::EditSelection;
using controls_conformance::Codes;
using controls_conformance::CreateChild;
using controls_conformance::Log;
using controls_conformance::Pump;
using controls_conformance::WindowText;

namespace {

void Type(HWND hwnd, const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        SendMessageA(hwnd, WM_CHAR, static_cast<unsigned char>(*c), 1);
    }
}

std::vector<UINT> UpdateChange() {
    return std::vector<UINT>{EN_UPDATE, EN_CHANGE};
}

} // namespace

CONFORMANCE_TEST(ControlsEditNotificationOrder) {
    HWND edit = CreateChild("EDIT", "", WS_BORDER | WS_TABSTOP, 101, 10, 10, 100, 20);
    CHECK(edit != nullptr);
    SetFocus(edit);
    CHECK(Codes(edit) == std::vector<UINT>{EN_SETFOCUS});

    Log().clear();
    SetWindowTextA(edit, "  5");
    CHECK(Codes(edit) == UpdateChange());
    CHECK_STR_EQ("0-0", EditSelection(edit).c_str());

    Log().clear();
    SendMessageA(edit, EM_SETSEL, 2, 2);
    CHECK(Codes(edit).empty());

    Type(edit, "1");
    CHECK_STR_EQ("  15", WindowText(edit).c_str());
    CHECK_STR_EQ("3-3", EditSelection(edit).c_str());
    CHECK(Codes(edit) == UpdateChange());

    // Focus moves: the old edit says goodbye before the new one says hello.
    HWND other = CreateChild("EDIT", "", WS_BORDER | WS_TABSTOP, 102, 10, 40, 100, 20);
    Log().clear();
    SetFocus(other);
    CHECK_EQ(2u, Log().size());
    if (Log().size() == 2) {
        CHECK(Log()[0].from == edit);
        CHECK_EQ(static_cast<UINT>(EN_KILLFOCUS), Log()[0].code);
        CHECK(Log()[1].from == other);
        CHECK_EQ(static_cast<UINT>(EN_SETFOCUS), Log()[1].code);
    }
    DestroyWindow(edit);
    DestroyWindow(other);
}

CONFORMANCE_TEST(ControlsEditPostedKeysTypeLikeChars) {
    HWND edit = CreateChild("EDIT", "  5", WS_BORDER, 101, 10, 10, 100, 20);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 2, 2);
    Log().clear();
    PostMessageA(edit, WM_KEYDOWN, '1', 0x00020001);
    PostMessageA(edit, WM_KEYUP, '1', 0xC0020001);
    Pump();
    CHECK_STR_EQ("  15", WindowText(edit).c_str());
    CHECK_STR_EQ("3-3", EditSelection(edit).c_str());
    CHECK(Codes(edit) == UpdateChange());
    DestroyWindow(edit);
}

CONFORMANCE_TEST(ControlsEditTypingOverSelection) {
    HWND edit = CreateChild("EDIT", "abcd", WS_BORDER, 101, 10, 10, 100, 20);
    SendMessageA(edit, EM_SETSEL, 1, 3);
    Type(edit, "X");
    CHECK_STR_EQ("aXd", WindowText(edit).c_str());
    CHECK_STR_EQ("2-2", EditSelection(edit).c_str());

    SendMessageA(edit, EM_SETSEL, 0, -1);
    CHECK_STR_EQ("0-3", EditSelection(edit).c_str());
    Type(edit, "\b");
    CHECK_STR_EQ("", WindowText(edit).c_str());

    SetWindowTextA(edit, "ab");
    SendMessageA(edit, EM_SETSEL, 1, 1);
    Type(edit, "\b");
    CHECK_STR_EQ("b", WindowText(edit).c_str());
    CHECK_STR_EQ("0-0", EditSelection(edit).c_str());
    DestroyWindow(edit);
}

CONFORMANCE_TEST(ControlsEditTextLimit) {
    HWND edit = CreateChild("EDIT", "", WS_BORDER, 101, 10, 10, 100, 20);
    SendMessageA(edit, EM_LIMITTEXT, 2, 0);
    CHECK_EQ(2, static_cast<int>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)));
    Type(edit, "ab");
    Log().clear();
    Type(edit, "c");
    CHECK_STR_EQ("ab", WindowText(edit).c_str());
    // Windows sends EN_MAXTEXT alone; Wine follows it with EN_UPDATE and EN_CHANGE although the
    // text did not change. Both start with EN_MAXTEXT.
    const std::vector<UINT> codes = Codes(edit);
    CHECK(codes == std::vector<UINT>{EN_MAXTEXT} ||
          codes == (std::vector<UINT>{EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));

    SetWindowTextA(edit, "12345");
    CHECK_STR_EQ("12345", WindowText(edit).c_str());

    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    CHECK_EQ(2147483646, static_cast<long long>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)));
    DestroyWindow(edit);
}

CONFORMANCE_TEST(ControlsEditReadOnly) {
    HWND edit = CreateChild("EDIT", "abc", WS_BORDER, 101, 10, 10, 100, 20);
    CHECK(SendMessageA(edit, EM_SETREADONLY, TRUE, 0) != 0);
    CHECK((GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0);
    SendMessageA(edit, EM_SETSEL, 3, 3);
    Log().clear();
    Type(edit, "d\b");
    CHECK_STR_EQ("abc", WindowText(edit).c_str());
    CHECK(Codes(edit).empty());
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    Type(edit, "d");
    CHECK_STR_EQ("abcd", WindowText(edit).c_str());
    DestroyWindow(edit);
}

CONFORMANCE_TEST(ControlsEditGetSelPacked) {
    HWND edit = CreateChild("EDIT", "abcdef", WS_BORDER, 101, 10, 10, 100, 20);
    SendMessageA(edit, EM_SETSEL, 4, 1);
    const LRESULT packed = SendMessageA(edit, EM_GETSEL, 0, 0);
    CHECK_EQ(1, static_cast<int>(LOWORD(packed)));
    CHECK_EQ(4, static_cast<int>(HIWORD(packed)));
    CHECK_EQ(30000, static_cast<int>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)));
    DestroyWindow(edit);
}

CONFORMANCE_TEST(ControlsEditSelectionRules) {
    HWND edit = CreateChild("EDIT", "abcdef", WS_BORDER, 101, 10, 10, 100, 20);
    // Start -1 drops the selection and keeps the caret where the selection ended.
    SendMessageA(edit, EM_SETSEL, 4, 1);
    SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    CHECK_STR_EQ("1-1", EditSelection(edit).c_str());
    SendMessageA(edit, EM_SETSEL, 2, 99);
    CHECK_STR_EQ("2-6", EditSelection(edit).c_str());
    // Replacing the selection by a program: EN_UPDATE then EN_CHANGE, caret after the text.
    Log().clear();
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("XY"));
    CHECK_STR_EQ("abXY", WindowText(edit).c_str());
    CHECK_STR_EQ("4-4", EditSelection(edit).c_str());
    CHECK(Codes(edit) == UpdateChange());
    CHECK_EQ(static_cast<long long>(DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS),
             static_cast<long long>(SendMessageA(edit, WM_GETDLGCODE, 0, 0)));
    DestroyWindow(edit);
}
