// What CDlg does when it is initialised: placement by each rule before the host's own
// initialisation sees the window, the thin font on old systems only, and the Help button shown.
#include "dialogs_fixture.h"

namespace {

using namespace dlgtest;

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

// Where the framework's initialisation finds the dialog, which nothing moves afterwards: by its
// rule on the parent, and centred in the work area by every rule without a parent.
TEST_F(DialogsTest, PlacedByItsRuleBeforeTheFrameworkInitialises) {
    CRect parent, work;
    MainWindow()->GetWindowRect(&parent);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int c = ::GetSystemMetrics(SM_CYCAPTION);
    const int cascade = c + c / 2 + ::GetSystemMetrics(SM_CYFRAME);
    for (const auto& [rule, hasParent] : {std::pair{wpCenterParent, true},
                                          {wpCenterScreen, true},
                                          {wpCascade, true},
                                          {wpCascade, false}}) {
        PlacedDlg dlg(IDD_ASK, hasParent ? MainWindow() : NULL, 0, rule);
        ASSERT_TRUE(dlg.Create(IDD_ASK, hasParent ? MainWindow() : NULL));
        const CRect placed = dlg.m_rcAtExchange;
        const CRect& around = rule == wpCenterParent ? parent : work;
        const CPoint expected =
            rule == wpCascade && hasParent
                ? CPoint(parent.left + cascade, parent.top + cascade)
                : CPoint(around.left + (around.Width() / 2 - placed.Width() / 2),
                         around.top + (around.Height() / 2 - placed.Height() / 2));
        EXPECT_EQ(expected, placed.TopLeft()) << rule << hasParent;
        CRect now;
        dlg.GetWindowRect(&now);
        EXPECT_EQ(placed, now) << rule << ": nothing moves it afterwards";
        dlg.DestroyWindow();
    }
}

// Old systems get a normal-weight copy of the template's font, kept until the object goes; newer
// ones keep the template's font. A template by name opens as one by number does.
TEST_F(DialogsTest, OldSystemGetsTheThinFontUntilTheObjectGoes) {
    for (DWORD major : {3u, 4u}) {
        desktop::SetSystemVersion(major, 51, VER_PLATFORM_WIN32_NT);
        {
            HostDlg dlg("ASK", MainWindow());
            ASSERT_TRUE(dlg.Create("ASK", MainWindow()));
            const HFONT font = FontOf(dlg.m_hWnd);
            EXPECT_EQ(major == 3 ? font : nullptr, dlg.ThinFont());
            EXPECT_EQ(font, FontOf(::GetDlgItem(dlg.m_hWnd, IDC_NAME)));
            EXPECT_EQ(FW_NORMAL, Weight(font));
            dlg.DestroyWindow();
            EXPECT_EQ(gdiAtStart_.fonts + (major == 3 ? 1 : 0), desktop::GdiObjectCounts().fonts)
                << "the dialog keeps its font while the object lives";
        }
        EXPECT_EQ(gdiAtStart_, desktop::GdiObjectCounts()) << Describe(desktop::GdiObjectCounts());
    }
}

// Shown whether or not there is a help identifier; a template without one opens as it is.
TEST_F(DialogsTest, HelpButtonHiddenByTheTemplateIsShown) {
    for (UINT help : {0u, 0x42u}) {
        for (UINT id : {IDD_HIDDEN_HELP, IDD_NO_HELP}) {
            HostDlg dlg(id, MainWindow(), help);
            OpenModeless(dlg, id);
            const HWND button = ::GetDlgItem(dlg.m_hWnd, ID_HELP);
            EXPECT_EQ(id == IDD_NO_HELP, button == nullptr);
            EXPECT_TRUE(button == nullptr || ::IsWindowVisible(button)) << help;
            dlg.DestroyWindow();
        }
    }
}

} // namespace
