// The framework's property sheet and pages where the library's sheets do not go: modeless
// sheets, a page refusing to be left, pages added and removed live, help forwarded to the active
// page, and sheets that cannot be made. Modal sheets run through their pages' notifications to OK
// and Cancel in tests/dialogs/prop_sheet_*_test.cpp and
// tests/conformance/comctl_property_sheet.cpp.
#include "afx_fixture.h"

#include <afxdlgs.h>

#include "support/dialog_template.h"

namespace {

constexpr UINT IDD_PAGE_A = 300;
constexpr UINT IDD_PAGE_B = 301;
constexpr int IDC_VALUE = 1000;

void AddPages() {
    for (UINT id : {IDD_PAGE_A, IDD_PAGE_B}) {
        auto t = test_support::HostDialog(id == IDD_PAGE_A ? "First" : "Second", 180, 90,
                                          WS_CHILD | WS_CAPTION);
        t.x = t.y = 0;
        t.items = {
            test_support::Control("EDIT", IDC_VALUE, WS_TABSTOP | WS_BORDER, 10, 10, 60, 12)};
        resources::AddDialog(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(id), t);
    }
}

class CLogPage : public CPropertyPage {
public:
    explicit CLogPage(UINT id) : CPropertyPage(id) {}
    BOOL m_bAllowLeave = TRUE;
    int m_nHelp = 0;

    BOOL OnKillActive() override { return m_bAllowLeave; }

protected:
    afx_msg LRESULT OnCommandHelp(WPARAM, LPARAM) {
        ++m_nHelp;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLogPage, CPropertyPage)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

class PropertySheetTest : public AfxTest {
protected:
    void SetUp() override {
        AfxTest::SetUp();
        AddPages();
    }
    CLogPage a{IDD_PAGE_A};
    CLogPage b{IDD_PAGE_B};
};

// Modeless: a page that will not leave keeps the sheet on it, the page to start on is set before
// the window, pages come and go live, and help goes to the active page.
TEST_F(PropertySheetTest, AModelessSheetFollowsItsPagesWishesAndChanges) {
    CPropertySheet sheet("Plain", NULL, 1);
    sheet.AddPage(&a);
    EXPECT_TRUE(sheet.SetActivePage(0));
    ASSERT_TRUE(sheet.Create());
    sheet.AddPage(&b);
    EXPECT_EQ(2, sheet.GetPageCount());
    a.m_bAllowLeave = FALSE;
    EXPECT_FALSE(sheet.SetActivePage(1));
    EXPECT_EQ(&a, sheet.GetActivePage());
    a.m_bAllowLeave = TRUE;
    EXPECT_TRUE(sheet.SetActivePage(&b));
    EXPECT_NE(nullptr, b.m_hWnd);
    EXPECT_EQ(TRUE, sheet.SendMessage(WM_COMMANDHELP, 0, 0));
    EXPECT_EQ(0, a.m_nHelp);
    EXPECT_EQ(1, b.m_nHelp);
    sheet.RemovePage(&b); // the active page
    EXPECT_EQ(1, sheet.GetPageCount());
    EXPECT_EQ(nullptr, b.m_hWnd);
    EXPECT_EQ(&a, sheet.GetActivePage());
    sheet.RemovePage(5); // nothing there
    EXPECT_EQ(1, sheet.GetPageCount());
    sheet.DestroyWindow();
}

TEST_F(PropertySheetTest, SheetsThatCannotBeMadeFailPlainly) {
    CPropertySheet empty("Empty");
    EXPECT_EQ(-1, empty.DoModal());
    EXPECT_FALSE(empty.Create());
    CPropertyPage missing(999u);
    CPropertySheet sheet(12345u); // a caption that loads nothing
    sheet.AddPage(&missing);
    EXPECT_EQ(-1, sheet.DoModal());
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::GetActiveWindow());
}

} // namespace
