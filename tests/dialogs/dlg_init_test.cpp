// What CDlg does when it is initialised: placement by each rule before the host's own
// initialisation sees the window, the thin font on old systems only, and the Help button shown.
#include "dlg_fixture.h"

namespace {

using dlgtest::HostDlg;
using dlgtest::IDD_ASK;

// A host dialog that notes where it stands when the framework's initialisation exchanges its
// data (CDialog::OnInitDialog calls DoDataExchange).
class PlacedDlg : public HostDlg {
public:
    using HostDlg::HostDlg;
    CRect m_rcAtExchange;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (!pDX->m_bSaveAndValidate)
            GetWindowRect(&m_rcAtExchange);
    }
};

CRect WorkArea() {
    CRect area;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

TEST_F(DlgTest, PlacedByItsRuleBeforeTheFrameworkInitialises) {
    CRect parent;
    MainWindow()->GetWindowRect(&parent);
    const int c = ::GetSystemMetrics(SM_CYCAPTION);
    const int cascade = c + c / 2 + ::GetSystemMetrics(SM_CYFRAME);
    struct Row {
        eWindowPositions rule;
        const char* name;
    };
    for (const Row& row :
         {Row{wpCenterParent, "centre on parent"}, Row{wpCenterScreen, "centre in work area"},
          Row{wpCascade, "cascade"}, Row{static_cast<eWindowPositions>(7), "7"}}) {
        PlacedDlg dlg(IDD_ASK, MainWindow(), 0, row.rule);
        OpenModeless(dlg);
        const CRect placed = dlg.m_rcAtExchange;
        const int w = placed.Width(), h = placed.Height();
        CPoint expected;
        if (row.rule == wpCenterScreen) {
            const CRect work = WorkArea();
            expected =
                CPoint(work.left + work.Width() / 2 - w / 2, work.top + work.Height() / 2 - h / 2);
        } else if (row.rule == wpCascade) {
            expected = CPoint(parent.left + cascade, parent.top + cascade);
        } else {
            expected = CPoint(parent.left + (parent.Width() / 2 - w / 2),
                              parent.top + (parent.Height() / 2 - h / 2));
        }
        EXPECT_EQ(expected, placed.TopLeft()) << row.name;
        CRect now;
        dlg.GetWindowRect(&now);
        EXPECT_EQ(placed, now) << row.name << ": nothing moves it afterwards";
        dlg.DestroyWindow();
    }
}

TEST_F(DlgTest, WithoutParentEveryRuleCentresInTheWorkArea) {
    const CRect work = WorkArea();
    for (eWindowPositions rule : {wpCenterParent, wpCascade}) {
        PlacedDlg dlg(IDD_ASK, NULL, 0, rule);
        ASSERT_TRUE(dlg.Create(IDD_ASK, NULL)); // no main window either
        const CRect placed = dlg.m_rcAtExchange;
        EXPECT_EQ(work.left + work.Width() / 2 - placed.Width() / 2, placed.left) << rule;
        EXPECT_EQ(work.top + work.Height() / 2 - placed.Height() / 2, placed.top) << rule;
        dlg.DestroyWindow();
    }
}

HFONT FontOf(HWND hWnd) {
    return reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0));
}

TEST_F(DlgTest, OldSystemGetsTheThinFontUntilTheObjectGoes) {
    desktop::SetSystemVersion(3, 51, VER_PLATFORM_WIN32_NT);
    {
        HostDlg dlg(IDD_ASK, MainWindow());
        OpenModeless(dlg);
        const HFONT thin = dlg.ThinFont();
        ASSERT_NE(nullptr, thin);
        EXPECT_EQ(thin, FontOf(dlg.m_hWnd));
        EXPECT_EQ(thin, FontOf(::GetDlgItem(dlg.m_hWnd, dlgtest::IDC_NAME)));
        LOGFONTA lf = {};
        ASSERT_EQ(static_cast<int>(sizeof(lf)), ::GetObjectA(thin, sizeof(lf), &lf));
        EXPECT_EQ(FW_NORMAL, lf.lfWeight);
        EXPECT_STREQ("MS Sans Serif", lf.lfFaceName);
        dlg.DestroyWindow();
        EXPECT_EQ(gdiAtStart_.fonts + 1, desktop::GdiObjectCounts().fonts)
            << "the dialog keeps its font while the object lives";
    }
    EXPECT_EQ(gdiAtStart_, desktop::GdiObjectCounts()) << Describe(desktop::GdiObjectCounts());
}

TEST_F(DlgTest, NewSystemKeepsTheTemplateFont) {
    HostDlg dlg("ASK", MainWindow()); // a template by name this time
    ASSERT_TRUE(dlg.Create("ASK", MainWindow()));
    EXPECT_EQ(nullptr, dlg.ThinFont());
    const HFONT font = FontOf(dlg.m_hWnd);
    ASSERT_NE(nullptr, font);
    EXPECT_EQ(font, FontOf(::GetDlgItem(dlg.m_hWnd, dlgtest::IDC_NAME)));
}

TEST_F(DlgTest, HelpButtonHiddenByTheTemplateIsShown) {
    for (UINT help : {0u, 0x42u}) { // with and without a help identifier
        HostDlg dlg(dlgtest::IDD_HIDDEN_HELP, MainWindow(), help);
        OpenModeless(dlg, dlgtest::IDD_HIDDEN_HELP);
        EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(dlg.m_hWnd, ID_HELP))) << help;
        dlg.DestroyWindow();
    }
}

TEST_F(DlgTest, TemplateWithoutHelpButtonOpensAsItIs) {
    HostDlg dlg(dlgtest::IDD_NO_HELP, MainWindow(), 0x42);
    OpenModeless(dlg, dlgtest::IDD_NO_HELP);
    EXPECT_EQ(nullptr, ::GetDlgItem(dlg.m_hWnd, ID_HELP));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(dlg.m_hWnd, IDOK)));
}

TEST_F(DlgTest, ReportsTheFrameworksRunTimeClass) {
    HostDlg dlg(0x13, wpCascade);
    EXPECT_STREQ("CDialog", dlg.GetRuntimeClass()->m_lpszClassName);
}

} // namespace
