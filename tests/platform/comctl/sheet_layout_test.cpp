// Where a property sheet puts its tab control and its pages (its standard buttons, the tab
// control's identity and the titles: tests/conformance/comctl_property_sheet.cpp).
#include "platform/comctl/sheet_fixture.h"

namespace comctl_test {
namespace {

TEST_F(SheetTest, PagesFillTheTabControlsDisplayArea) {
    HWND sheet = Modeless(3);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    ASSERT_NE(nullptr, tab);
    char title[32] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    item.cchTextMax = sizeof title;
    SendMessageA(tab, TCM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
    EXPECT_STREQ("Spin", title); // the template's caption names the tab

    RECT display{};
    GetClientRect(tab, &display);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    MapWindowPoints(tab, sheet, reinterpret_cast<POINT*>(&display), 2);
    for (int i = 0; i < 3; ++i) {
        SendMessageA(sheet, PSM_SETCURSEL, i, 0);
        RECT page{};
        GetWindowRect(Page(sheet), &page);
        MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&page), 2);
        EXPECT_TRUE(EqualRect(&display, &page)) << "page " << i;
    }
    // The largest page (220x120 units in its own font) fits exactly.
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    RECT spin{0, 0, 220, 120};
    MapDialogRect(Page(sheet), &spin);
    EXPECT_EQ(spin.right, display.right - display.left);
    EXPECT_EQ(spin.bottom, display.bottom - display.top);
}

TEST_F(SheetTest, DialogBaseUnitsAreTheSystemFonts) {
    LONG units = GetDialogBaseUnits();
    EXPECT_EQ(8, LOWORD(units));
    EXPECT_EQ(16, HIWORD(units));
}

} // namespace
} // namespace comctl_test
