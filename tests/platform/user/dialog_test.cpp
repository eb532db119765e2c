// Dialogs: templates, fonts and units, IsDialogMessageA keys, modal loops (Tab and Shift+Tab
// order past disabled and hidden controls: tests/conformance/user_dialog_navigation.cpp; a click
// ending a modal dialog and answers through DWLP_MSGRESULT: tests/platform/comctl's sheets).
#include "user_fixture.h"

#include "support/dialog_template.h"

namespace user_test {
namespace {

enum { IDC_NAME = 101, IDC_CITY = 102, IDC_OFF = 103, IDC_HIDDEN = 104, IDC_ZIP = 105 };

resources::DialogTemplate Form(DWORD extraStyle = 0) {
    using test_support::Control;
    resources::DialogTemplate t = test_support::HostDialog(
        "Address", 200, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | extraStyle);
    t.x = t.y = 0;
    const DWORD edit = WS_TABSTOP | WS_BORDER;
    t.items = {
        Control("STATIC", 0xFFFF, SS_LEFT, 5, 5, 30, 12, "&Name:"),
        Control("EDIT", IDC_NAME, edit, 40, 5, 60, 12, "Ann"),
        Control("EDIT", IDC_CITY, edit, 40, 20, 60, 12, "Oslo"),
        Control("EDIT", IDC_OFF, edit | WS_DISABLED, 40, 35, 60, 12),
        Control("EDIT", IDC_HIDDEN, edit, 40, 50, 60, 12),
        Control("EDIT", IDC_ZIP, edit, 40, 65, 60, 12, "0150"),
        Control("BUTTON", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 20, 95, 50, 14, "OK"),
        Control("BUTTON", IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 80, 95, 50, 14, "Cancel"),
    };
    t.items[4].style &= ~WS_VISIBLE;
    return t;
}

struct Log {
    std::vector<std::pair<UINT, WPARAM>> commands;
    int setFontsBeforeInit = 0;
    bool endOnOk = true;
    std::string nameAtOk;
};

INT_PTR CALLBACK FormProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    Log* log = (Log*)GetWindowLongPtrA(dlg, DWLP_USER);
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dlg, DWLP_USER, lParam);
        log = (Log*)lParam;
        for (int id : {IDC_NAME, IDC_CITY, IDC_ZIP}) {
            log->setFontsBeforeInit += SendDlgItemMessageA(dlg, id, WM_GETFONT, 0, 0) ==
                                       SendMessageA(dlg, WM_GETFONT, 0, 0);
        }
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) {
            return FALSE;
        }
        log->commands.push_back({msg, wParam});
        if (LOWORD(wParam) == IDOK && log->endOnOk) {
            char text[32];
            GetDlgItemTextA(dlg, IDC_NAME, text, sizeof text);
            log->nameAtOk = text;
            EndDialog(dlg, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

// The form opened modeless, its procedure writing to `log`.
HWND OpenForm(Log& log, DWORD extraStyle = WS_VISIBLE) {
    return CreateDialogIndirectParamA(nullptr, resources::DialogBytes(Form(extraStyle)), nullptr,
                                      FormProc, (LPARAM)&log);
}

DWORD Selection(HWND edit) {
    return (DWORD)SendMessageA(edit, EM_GETSEL, 0, 0);
}

using DialogTest = UserTest;

TEST_F(DialogTest, TemplateBuildsControlsWithTheFontBeforeInitAndFocusesTheFirstTabStop) {
    Log log;
    HWND dlg = OpenForm(log);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(log.setFontsBeforeInit, 3);
    EXPECT_EQ(GetFocus(), GetDlgItem(dlg, IDC_NAME));
    EXPECT_EQ(Selection(GetDlgItem(dlg, IDC_NAME)), (DWORD)MAKELONG(0, 3));
    char name[16];
    GetClassNameA(dlg, name, sizeof name);
    EXPECT_STREQ(name, "#32770");
    EXPECT_EQ(SendMessageA(dlg, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));

    // Dialog units follow the font: 4 across per average character width, 8 down per height.
    RECT units{0, 0, 4, 8};
    ASSERT_TRUE(MapDialogRect(dlg, &units));
    EXPECT_GT(units.right, 3);
    EXPECT_GT(units.bottom, 8);
    RECT client, edit;
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, MulDiv(200, units.right, 4));
    GetWindowRect(GetDlgItem(dlg, IDC_CITY), &edit);
    POINT at{edit.left, edit.top};
    ScreenToClient(dlg, &at);
    EXPECT_EQ(at.x, MulDiv(40, units.right, 4));
    EXPECT_EQ(at.y, MulDiv(20, units.bottom, 8));
}

// The pump offers a window's keys to its top-level dialog, and only while the window is in it:
// Escape in a control moved out of the dialog cancels nothing.
TEST_F(DialogTest, EscapeCancelsOnlyWhileTheControlIsInTheDialog) {
    Log log;
    HWND dlg = OpenForm(log);
    ASSERT_NE(dlg, nullptr);
    HWND name = GetDlgItem(dlg, IDC_NAME);
    ASSERT_EQ(GetFocus(), name);
    desktop::PressKey(VK_SHIFT); // the last keys the pump saw were the control's
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 300, 100, 100,
                                 nullptr, nullptr, nullptr, nullptr);
    SetParent(name, plain);
    SetFocus(name); // the new window took it
    desktop::PressKey(VK_ESCAPE);
    EXPECT_TRUE(log.commands.empty());
    SetParent(name, dlg);
    desktop::PressKey(VK_ESCAPE);
    EXPECT_EQ(log.commands.size(), 1u);
    DestroyWindow(plain);
    DestroyWindow(dlg);
}

TEST_F(DialogTest, ModalDialogRunsItsOwnLoopUntilEndDialogAndDisablesItsOwner) {
    HWND owner = TopLevel("Owner");
    Log log;
    resources::DialogTemplate t = Form(WS_VISIBLE);
    bool ownerDisabledDuring = false;
    desktop::QueueStep([&] {
        ownerDisabledDuring = !IsWindowEnabled(owner);
        desktop::TypeText("Bo");
    });
    desktop::QueueStep([&] { desktop::PressKey(VK_RETURN); });
    INT_PTR r =
        DialogBoxIndirectParamA(nullptr, resources::DialogBytes(t), owner, FormProc, (LPARAM)&log);
    EXPECT_EQ(r, IDOK);
    EXPECT_TRUE(ownerDisabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(log.nameAtOk, "Bo"); // typing replaced the selected text
    EXPECT_EQ(GetActiveWindow(), owner);
    EXPECT_EQ(desktop::PendingSteps(), 0u);
}

TEST_F(DialogTest, EscapeSendsCancelAndEnterWithoutAHandlerDoesNothing) {
    Log log;
    log.endOnOk = false;
    resources::DialogTemplate t = Form(WS_VISIBLE);
    desktop::QueueStep([&] { desktop::PressKey(VK_RETURN); });
    desktop::QueueStep([&] {
        HWND dlg = GetActiveWindow(); // Enter left it up: its procedure did not end it
        EXPECT_TRUE(IsWindowVisible(dlg));
        EXPECT_TRUE(IsWindow(GetDlgItem(dlg, IDOK)));
        desktop::PressKey(VK_ESCAPE);
    });
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, resources::DialogBytes(t), nullptr, FormProc,
                                      (LPARAM)&log),
              IDCANCEL);
    using C = std::pair<UINT, WPARAM>;
    EXPECT_EQ(log.commands, (std::vector<C>{C{WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)},
                                            C{WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)}}));
}

TEST_F(DialogTest, ControlsOfRegisteredClassesAndUnknownClasses) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "GaugeLike";
    ASSERT_NE(RegisterClassA(&wc), 0);
    resources::DialogTemplate t;
    t.style = WS_POPUP;
    t.cx = 50;
    t.cy = 50;
    t.items = {test_support::Control("GaugeLike", 7, 0, 0, 0, 60, 12)};
    HWND dlg = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), resources::DialogBytes(t),
                                          nullptr, nullptr, 0);
    ASSERT_NE(dlg, nullptr);
    EXPECT_NE(GetDlgItem(dlg, 7), nullptr);
    t.items.push_back(test_support::Control("NoSuchClass", 8, 0, 0, 20, 60, 12));
    EXPECT_EQ(CreateDialogIndirectParamA(nullptr, resources::DialogBytes(t), nullptr, nullptr, 0),
              nullptr);
    EXPECT_EQ(CreateDialogIndirectParamA(nullptr, nullptr, nullptr, nullptr, 0), nullptr);
    EXPECT_EQ(DialogBoxParamA(nullptr, "NoSuchTemplate", nullptr, nullptr, 0), -1);
}

TEST_F(DialogTest, DialogItemHelpersConvertNumbersStrictly) {
    Log log;
    HWND dlg = OpenForm(log, 0);
    struct Row {
        const char* text;
        BOOL isSigned;
        BOOL ok;
        UINT value;
    } rows[] = {{"42", FALSE, TRUE, 42},         {" -7 ", TRUE, TRUE, (UINT)-7},
                {"-7", FALSE, FALSE, 0},         {"12a", FALSE, FALSE, 0},
                {"", FALSE, FALSE, 0},           {"4294967295", FALSE, TRUE, 4294967295u},
                {"4294967296", FALSE, FALSE, 0}, {"2147483648", TRUE, FALSE, 0}};
    for (const Row& r : rows) {
        SetDlgItemTextA(dlg, IDC_ZIP, r.text);
        BOOL ok = 2;
        EXPECT_EQ(GetDlgItemInt(dlg, IDC_ZIP, &ok, r.isSigned), r.value) << r.text;
        EXPECT_EQ(ok, r.ok) << r.text;
    }
    SetDlgItemInt(dlg, IDC_ZIP, (UINT)-15, TRUE);
    char text[8];
    EXPECT_EQ(GetDlgItemTextA(dlg, IDC_ZIP, text, sizeof text), 3u);
    EXPECT_STREQ(text, "-15");
    EXPECT_EQ(GetDlgItemTextA(dlg, 999, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
}

// A template resource cut anywhere is refused whole: no dialog, nothing read past its end.
TEST_F(DialogTest, TruncatedTemplateResourcesMakeNoDialog) {
    const std::vector<BYTE> whole = resources::BuildDialog(Form());
    for (size_t cut = 1; cut < whole.size(); ++cut) {
        resources::AddResource(nullptr, RT_DIALOG, "CUT",
                               std::vector<BYTE>(whole.begin(), whole.begin() + cut));
        SetLastError(0);
        EXPECT_EQ(CreateDialogParamA(nullptr, "CUT", nullptr, nullptr, 0), nullptr) << cut;
        EXPECT_EQ(DialogBoxParamA(nullptr, "CUT", nullptr, nullptr, 0), -1) << cut;
    }
    resources::AddResource(nullptr, RT_DIALOG, "CUT", whole);
    HWND dlg = CreateDialogParamA(nullptr, "CUT", nullptr, nullptr, 0);
    ASSERT_NE(dlg, nullptr);
    EXPECT_NE(GetDlgItem(dlg, IDCANCEL), nullptr);
}

} // namespace
} // namespace user_test
