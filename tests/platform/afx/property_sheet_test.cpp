// The framework's property sheet and pages: page objects attached to the windows the system
// makes, page notifications as virtual calls, modal and modeless sheets, pages added and
// removed, and help forwarded to the active page. What a modal sheet leaves behind and the
// library's pages: tests/dialogs/prop_sheet_*_test.cpp.
#include "afx_fixture.h"

#include <afxdlgs.h>

#include "support/dialog_template.h"

#include <string>
#include <vector>

namespace {

constexpr UINT IDD_PAGE_A = 300;
constexpr UINT IDD_PAGE_B = 301;
constexpr UINT IDS_CAPTION = 310;
constexpr int IDC_VALUE = 1000;

std::vector<std::string> calls;

void AddPages() {
    for (UINT id : {IDD_PAGE_A, IDD_PAGE_B}) {
        auto t = test_support::HostDialog(id == IDD_PAGE_A ? "First" : "Second", 180, 90,
                                          WS_CHILD | WS_CAPTION);
        t.x = t.y = 0;
        t.items = {
            test_support::Control("EDIT", IDC_VALUE, WS_TABSTOP | WS_BORDER, 10, 10, 60, 12)};
        resources::AddDialog(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(id), t);
    }
    resources::AddString(::GetModuleHandleA(NULL), IDS_CAPTION, "Settings");
}

class CLogPage : public CPropertyPage {
public:
    CLogPage(UINT id, const char* name) : CPropertyPage(id), m_name(name) {}
    BOOL m_bAllowLeave = TRUE;
    int m_nHelp = 0;

    BOOL OnInitDialog() override {
        calls.push_back(m_name + ".OnInitDialog");
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        calls.push_back(m_name + ".OnSetActive");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        calls.push_back(m_name + ".OnKillActive");
        return m_bAllowLeave;
    }
    void OnOK() override { calls.push_back(m_name + ".OnOK"); }
    void OnCancel() override { calls.push_back(m_name + ".OnCancel"); }
    BOOL OnApply() override {
        calls.push_back(m_name + ".OnApply");
        return CPropertyPage::OnApply();
    }

protected:
    afx_msg LRESULT OnCommandHelp(WPARAM, LPARAM) {
        ++m_nHelp;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()

private:
    std::string m_name;
};

BEGIN_MESSAGE_MAP(CLogPage, CPropertyPage)
ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

class PropertySheetTest : public AfxTest {
protected:
    void SetUp() override {
        AfxTest::SetUp();
        AddPages();
        calls.clear();
    }
    CLogPage a{IDD_PAGE_A, "a"};
    CLogPage b{IDD_PAGE_B, "b"};
};

TEST_F(PropertySheetTest, ModalSheetRunsThePagesAndEndsWithOk) {
    CPropertySheet sheet(IDS_CAPTION);
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    EXPECT_EQ(2, sheet.GetPageCount());
    EXPECT_EQ(&b, sheet.GetPage(1));
    EXPECT_EQ(nullptr, sheet.GetPage(2));
    std::string title;
    bool bCreatedBeforeVisit = true;
    desktop::QueueStep([&] {
        char text[64] = "";
        ::GetWindowTextA(sheet.m_hWnd, text, sizeof text);
        title = text;
        EXPECT_EQ(&a, sheet.GetActivePage());
        bCreatedBeforeVisit = b.m_hWnd != NULL;
        desktop::PressKey(VK_TAB, {VK_CONTROL});
    });
    desktop::QueueStep([&] {
        EXPECT_EQ(&b, sheet.GetActivePage());
        EXPECT_EQ(1, sheet.GetActiveIndex());
        b.SetModified();
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)));
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ("Settings", title);
    EXPECT_FALSE(bCreatedBeforeVisit);
    EXPECT_EQ((std::vector<std::string>{"a.OnInitDialog", "a.OnSetActive", "a.OnKillActive",
                                        "b.OnInitDialog", "b.OnSetActive", "b.OnKillActive",
                                        "a.OnApply", "a.OnOK", "b.OnApply", "b.OnOK"}),
              calls);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, a.m_hWnd); // the page windows went with the sheet
    EXPECT_EQ(nullptr, b.m_hWnd);
}

TEST_F(PropertySheetTest, EscapeCancelsAndResetsThePages) {
    CPropertySheet sheet("Plain");
    sheet.AddPage(&a);
    desktop::QueueStep([] { desktop::PressKey(VK_ESCAPE); });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ((std::vector<std::string>{"a.OnInitDialog", "a.OnSetActive", "a.OnCancel"}), calls);
}

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
