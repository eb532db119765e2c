// Property sheets given too little or the wrong thing fail plainly and leave nothing behind.
#include "platform/comctl/sheet_fixture.h"

namespace comctl_test {
namespace {

int TopLevelWindows() {
    int count = 0;
    EnumWindows([](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<int*>(n), TRUE; },
                reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(SheetTest, NoPagesOrAMissingTemplateMakeNoSheet) {
    int before = TopLevelWindows();
    PROPSHEETHEADERA none = Header(0, 0);
    EXPECT_EQ(-1, PropertySheetA(&none));
    none.dwFlags |= PSH_MODELESS;
    EXPECT_EQ(0, PropertySheetA(&none));

    PROPSHEETHEADERA missing = Header(2, 0);
    pages_[1].pszTemplate = "NO_SUCH_PAGE";
    EXPECT_EQ(-1, PropertySheetA(&missing));
    EXPECT_EQ(before, TopLevelWindows());
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ(-1, PropertySheetA(nullptr));
}

TEST_F(SheetTest, PagesGivenAsHandlesAreReleasedWithTheSheet) {
    static int released = 0;
    released = 0;
    PROPSHEETHEADERA h = Header(2, PSH_MODELESS);
    HPROPSHEETPAGE handles[2] = {};
    for (int i = 0; i < 2; ++i) {
        pages_[static_cast<size_t>(i)].dwFlags |= PSP_USECALLBACK;
        pages_[static_cast<size_t>(i)].pfnCallback = [](HWND, UINT msg, PROPSHEETPAGEA*) -> UINT {
            released += msg == PSPCB_RELEASE;
            return 1;
        };
        handles[i] = CreatePropertySheetPageA(&pages_[static_cast<size_t>(i)]);
        ASSERT_NE(nullptr, handles[i]);
    }
    h.dwFlags &= ~static_cast<DWORD>(PSH_PROPSHEETPAGE);
    h.phpage = handles;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&h));
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(0, released);
    DestroyWindow(sheet);
    EXPECT_EQ(2, released);
}

TEST_F(SheetTest, RemovingTheShownPageShowsItsNeighbour) {
    HWND sheet = Modeless(3);
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND removed = Page(sheet);
    Notes().clear();
    EXPECT_TRUE(SendMessageA(sheet, PSM_REMOVEPAGE, 1, 0));
    EXPECT_FALSE(IsWindow(removed));
    EXPECT_EQ((std::vector<Note>{{3, PSN_SETACTIVE}}), Notes());
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    EXPECT_EQ(2, SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    EXPECT_EQ(1, SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    EXPECT_FALSE(SendMessageA(sheet, PSM_REMOVEPAGE, 5, 0));
}

TEST_F(SheetTest, APageDestroyedWhileShownIsMadeAgainWhenNeeded) {
    HWND sheet = Modeless(2);
    DestroyWindow(Page(sheet));
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    SendMessageA(sheet, PSM_SETCURSEL, 0, 0);
    EXPECT_TRUE(IsWindow(Page(sheet)));
    EXPECT_TRUE(IsWindowVisible(Page(sheet)));
}

TEST_F(SheetTest, APageMayDestroyTheSheetFromANotification) {
    for (UINT code : {PSN_SETACTIVE, PSN_KILLACTIVE, PSN_APPLY}) {
        HWND sheet = Modeless(2);
        AfterNote() = [code](HWND page, int, UINT got) {
            if (got == code) {
                DestroyWindow(GetParent(page));
            }
        };
        SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
        SendMessageA(sheet, PSM_APPLY, 0, 0);
        EXPECT_FALSE(IsWindow(sheet)) << code;
        AfterNote() = nullptr;
    }
}

} // namespace
} // namespace comctl_test
