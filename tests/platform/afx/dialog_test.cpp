// Dialogs: the object attached before WM_INITDIALOG, ending by OK and EndDialog with the owner
// disabled meanwhile, a missing template, and template controls taken over by framework objects.
// Typing, Tab, Enter and Escape in a modal dialog: tests/platform/user/dialog_test.cpp and
// tests/dialogs, which also see DoModal destroy its window.
#include "afx_fixture.h"

#include "support/dialog_template.h"

#include <string>

namespace {

constexpr UINT IDD_SAMPLE = 100;
constexpr int IDC_NAME = 1000;

void AddSampleTemplate() {
    resources::AddDialog(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_SAMPLE),
                         test_support::EditOkCancel("Sample", 160, 80, IDC_NAME));
}

class CSampleDlg : public CDialog {
public:
    explicit CSampleDlg(CWnd* pParent = NULL) : CDialog(IDD_SAMPLE, pParent) {}

    BOOL m_bAttachedAtInit = FALSE;
    int m_nOKs = 0;
    CString m_strName;
    CEdit m_edit;

protected:
    BOOL OnInitDialog() override {
        m_bAttachedAtInit = CWnd::FromHandlePermanent(m_hWnd) == this;
        CDialog::OnInitDialog();
        m_edit.SubclassDlgItem(IDC_NAME, this);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        if (pDX->m_bSaveAndValidate)
            GetDlgItemText(IDC_NAME, m_strName);
    }
    void OnOK() override {
        ++m_nOKs;
        CDialog::OnOK();
    }
};

class DialogTest : public AfxTest {
protected:
    void SetUp() override {
        AfxTest::SetUp();
        AddSampleTemplate();
    }
};

TEST_F(DialogTest, EndDialogGivesItsValueAndReenablesTheOwner) {
    CWnd owner;
    ASSERT_TRUE(MakeTop(owner, "owner"));
    CSampleDlg dlg(&owner);
    desktop::QueueStep([&] {
        EXPECT_FALSE(owner.IsWindowEnabled()) << "a modal dialog disables its owner";
        dlg.EndDialog(42);
    });
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(DialogTest, AMissingTemplateFailsWithMinusOne) {
    CDialog dlg(4242u);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, AModelessDialogLivesUntilDestroyed) {
    CSampleDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SAMPLE));
    EXPECT_TRUE(dlg.m_bAttachedAtInit);
    HWND hWnd = dlg.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &dlg);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(hWnd, IDC_NAME)), &dlg.m_edit);
    dlg.SetDlgItemText(IDC_NAME, "typed");
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(hWnd, IDOK)));
    EXPECT_EQ(dlg.m_nOKs, 1);
    EXPECT_EQ(dlg.m_strName, "typed");
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_FALSE(::IsWindow(hWnd));
}

} // namespace
