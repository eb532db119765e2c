// The font a window reports: a dialog answers WM_GETFONT with the last font WM_SETFONT gave it,
// starting from its template's font, which stays the dialog manager's to delete.
#include "user_fixture.h"

#include "support/dialog_template.h"

#include <cstring>

namespace user_test {
namespace {

resources::DialogTemplate FontTemplate() {
    resources::DialogTemplate t = test_support::HostDialog("Fonts", 120, 60, WS_POPUP | WS_CAPTION);
    t.items = {test_support::Control("EDIT", 100, WS_TABSTOP, 5, 5, 60, 12)};
    return t;
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
}

HFONT MakeFont(LONG weight) {
    LOGFONTA lf{};
    lf.lfHeight = -11;
    lf.lfWeight = weight;
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    return CreateFontIndirectA(&lf);
}

bool FontIsAlive(HFONT font) {
    LOGFONTA lf{};
    return GetObjectA(font, sizeof lf, &lf) == (int)sizeof lf;
}

// Takes WM_SETFONT for itself, as a dialog procedure may, and leaves everything else to the
// dialog manager.
INT_PTR CALLBACK KeepsSetFont(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_SETFONT ? TRUE : FALSE;
}

using DialogFontTest = UserTest;

// Its controls are told separately; a procedure that takes WM_SETFONT itself keeps the
// template's font reported.
TEST_F(DialogFontTest, ReportsTheFontItWasLastGivenUnlessItsProcedureTakesIt) {
    for (DLGPROC proc : {static_cast<DLGPROC>(nullptr), KeepsSetFont}) {
        const resources::DialogTemplate t = FontTemplate();
        HWND dlg = CreateDialogIndirectParamA(nullptr, resources::DialogBytes(t), nullptr, proc, 0);
        ASSERT_NE(dlg, nullptr);
        const HFONT templateFont = FontOf(dlg);
        ASSERT_NE(templateFont, nullptr);
        EXPECT_EQ(FontOf(GetDlgItem(dlg, 100)), templateFont);

        const HFONT thin = MakeFont(FW_NORMAL);
        SendMessageA(dlg, WM_SETFONT, (WPARAM)thin, FALSE);
        EXPECT_EQ(FontOf(dlg), proc ? templateFont : thin);
        EXPECT_EQ(FontOf(GetDlgItem(dlg, 100)), templateFont);
        SendMessageA(dlg, WM_SETFONT, 0, FALSE);
        EXPECT_EQ(FontOf(dlg), proc ? templateFont : nullptr) << "back to the system font";
        DestroyWindow(dlg);
        DeleteObject(thin);
    }
}

// The template's font belongs to the dialog however many fonts it is given later: it goes with
// the dialog, and a font the host gave it stays the host's.
TEST_F(DialogFontTest, TheTemplatesFontGoesWithTheDialogAndTheHostsFontStays) {
    const int fontsBefore = desktop::GdiObjectCounts().fonts;
    const resources::DialogTemplate t = FontTemplate();
    HWND dlg = CreateDialogIndirectParamA(nullptr, resources::DialogBytes(t), nullptr, nullptr, 0);
    ASSERT_NE(dlg, nullptr);
    const HFONT templateFont = FontOf(dlg);
    const HFONT hostFont = MakeFont(FW_BOLD);
    SendMessageA(dlg, WM_SETFONT, (WPARAM)hostFont, FALSE);
    EXPECT_TRUE(FontIsAlive(templateFont)) << "still used by the controls";

    ASSERT_TRUE(DestroyWindow(dlg));
    EXPECT_FALSE(FontIsAlive(templateFont));
    EXPECT_TRUE(FontIsAlive(hostFont));
    DeleteObject(hostFont);
    EXPECT_EQ(desktop::GdiObjectCounts().fonts, fontsBefore);
}

TEST_F(DialogFontTest, PlainWindowsKeepTheirFontToo) {
    HWND top = TopLevel();
    EXPECT_EQ(FontOf(top), nullptr);
    const HFONT font = MakeFont(FW_NORMAL);
    SendMessageA(top, WM_SETFONT, (WPARAM)font, FALSE);
    EXPECT_EQ(FontOf(top), font);
    DeleteObject(font);
}

} // namespace
} // namespace user_test
