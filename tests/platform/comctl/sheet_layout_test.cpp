// Where a property sheet puts its tab control, its pages and its standard buttons.
#include "platform/comctl/sheet_fixture.h"

namespace comctl_test {
namespace {

constexpr int kApply = 0x3021;

SIZE Units(HWND sheet, int cx, int cy) {
    RECT r{0, 0, cx, cy};
    MapDialogRect(sheet, &r);
    return SIZE{r.right, r.bottom};
}

bool Visible(HWND sheet, int id) {
    return IsWindowVisible(GetDlgItem(sheet, id)) != FALSE;
}

TEST_F(SheetTest, ButtonsSitBottomRightAtEqualGaps) {
    HWND sheet = Modeless(2);
    SIZE button = Units(sheet, 50, 14);
    SIZE margin = Units(sheet, 4, 4);
    RECT client{};
    GetClientRect(sheet, &client);
    const int order[] = {IDOK, IDCANCEL, kApply, IDHELP};
    int expectedRight = client.right - margin.cx;
    for (int i = 3; i >= 0; --i) {
        RECT r = ControlRect(sheet, order[i]);
        EXPECT_EQ(expectedRight, r.right) << "button " << order[i];
        EXPECT_EQ(button.cx, r.right - r.left);
        EXPECT_EQ(button.cy, r.bottom - r.top);
        EXPECT_EQ(client.bottom - margin.cy, r.bottom);
        EXPECT_TRUE(Visible(sheet, order[i]));
        expectedRight = r.left - margin.cx;
    }
    char text[32] = "";
    GetWindowTextA(GetDlgItem(sheet, kApply), text, sizeof text);
    EXPECT_STREQ("&Apply", text);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet, kApply))); // nothing changed yet
    EXPECT_EQ(IDOK, LOWORD(SendMessageA(sheet, DM_GETDEFID, 0, 0)));
}

TEST_F(SheetTest, ButtonsTheSheetDoesNotShowLeaveNoGap) {
    struct Row {
        DWORD flags;
        std::vector<int> shown; // left to right, ending at the right margin
    };
    const Row rows[] = {
        {PSH_HASHELP | PSH_NOAPPLYNOW, {IDOK, IDCANCEL, IDHELP}},
        {PSH_NOAPPLYNOW, {IDOK, IDCANCEL}},
        {0, {IDOK, IDCANCEL, kApply}},
    };
    for (const Row& row : rows) {
        HWND sheet = Modeless(1, row.flags);
        SIZE margin = Units(sheet, 4, 4);
        RECT client{};
        GetClientRect(sheet, &client);
        int right = client.right - margin.cx;
        for (auto it = row.shown.rbegin(); it != row.shown.rend(); ++it) {
            EXPECT_TRUE(Visible(sheet, *it)) << "flags " << row.flags << " button " << *it;
            RECT r = ControlRect(sheet, *it);
            EXPECT_EQ(right, r.right) << "flags " << row.flags << " button " << *it;
            right = r.left - margin.cx;
        }
        for (int id : {kApply, IDHELP}) {
            bool expected = false;
            for (int s : row.shown) {
                expected = expected || s == id;
            }
            EXPECT_EQ(expected, Visible(sheet, id)) << "flags " << row.flags << " button " << id;
        }
        DestroyWindow(sheet);
    }
}

TEST_F(SheetTest, PagesFillTheTabControlsDisplayArea) {
    HWND sheet = Modeless(3);
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    ASSERT_NE(nullptr, tab);
    EXPECT_EQ(0x3020, GetDlgCtrlID(tab));
    EXPECT_EQ(3, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
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

TEST_F(SheetTest, DialogBaseUnitsAreTheSystemFontsAndTheTitleCanSayProperties) {
    LONG units = GetDialogBaseUnits();
    EXPECT_EQ(8, LOWORD(units));
    EXPECT_EQ(16, HIWORD(units));
    HWND sheet = Modeless(1);
    char title[64] = "";
    GetWindowTextA(sheet, title, sizeof title);
    EXPECT_STREQ("Options", title);
    SendMessageA(sheet, PSM_SETTITLEA, PSH_PROPTITLE, reinterpret_cast<LPARAM>("Printer"));
    GetWindowTextA(sheet, title, sizeof title);
    EXPECT_STREQ("Properties for Printer", title);
    SendMessageA(sheet, PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>("Plain"));
    GetWindowTextA(sheet, title, sizeof title);
    EXPECT_STREQ("Plain", title);
}

} // namespace
} // namespace comctl_test
