// What the library's dialogs do when they are initialised: CDlg's placement by its rule before
// the host's own initialisation sees the window, the thin font on old systems only (CDlg and the
// common dialogs), the Help button shown, and the file dialog's title set while it is closed.
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

// The rules' arithmetic is the frame's (tests/frame); here that it is applied before the host
// sees the window and nothing moves it afterwards: cascaded on the parent, centred without one.
TEST_F(DialogsTest, PlacedByItsRuleBeforeTheFrameworkInitialises) {
    CRect parent, work;
    MainWindow()->GetWindowRect(&parent);
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int c = ::GetSystemMetrics(SM_CYCAPTION);
    const int cascade = c + c / 2 + ::GetSystemMetrics(SM_CYFRAME);
    for (bool hasParent : {true, false}) {
        PlacedDlg dlg(IDD_ASK, hasParent ? MainWindow() : NULL, 0, wpCascade);
        ASSERT_TRUE(dlg.Create(IDD_ASK, hasParent ? MainWindow() : NULL));
        const CRect placed = dlg.m_rcAtExchange;
        const CPoint expected = hasParent
                                    ? CPoint(parent.left + cascade, parent.top + cascade)
                                    : CPoint(work.left + (work.Width() / 2 - placed.Width() / 2),
                                             work.top + (work.Height() / 2 - placed.Height() / 2));
        EXPECT_EQ(expected, placed.TopLeft()) << hasParent;
        CRect now;
        dlg.GetWindowRect(&now);
        EXPECT_EQ(placed, now) << "nothing moves it afterwards";
        dlg.DestroyWindow();
    }
}

// Old systems get a normal-weight copy of the template's font, kept until the object goes; newer
// ones keep the template's font. A CDlg template by name opens as one by number does.
TEST_F(DialogsTest, OldSystemsGetTheThinFontUntilTheObjectGoes) {
    MainWindow();
    gdiAtStart_ = desktop::GdiObjectCounts();
    for (DWORD major : {3u, 4u}) {
        desktop::SetSystemVersion(major, 51, VER_PLATFORM_WIN32_NT);
        for (const char* kind : {"CDlg", "CKFileDlg", "CKPrintDlg"}) {
            SCOPED_TRACE(std::string(kind) + (major == 3 ? " on an old system" : ""));
            HostDlg dlg("ASK", MainWindow());
            CKFileDlg file(TRUE, "txt", nullptr, OFN_HIDEREADONLY, NULL, MainWindow());
            CKPrintDlg printer(FALSE, PD_ALLPAGES, MainWindow());
            LONG weight = 0;
            if (kind[1] == 'D') {
                ASSERT_TRUE(dlg.Create("ASK", MainWindow()));
                const HFONT font = FontOf(dlg.m_hWnd);
                EXPECT_EQ(major == 3 ? font : nullptr, dlg.ThinFont());
                EXPECT_EQ(font, FontOf(::GetDlgItem(dlg.m_hWnd, IDC_NAME)));
                weight = Weight(font);
                dlg.DestroyWindow();
            } else {
                Step([&weight](HWND d) { weight = Weight(FontOf(::GetDlgItem(d, IDOK))); });
                Click(IDCANCEL);
                EXPECT_EQ(IDCANCEL, kind[2] == 'F' ? file.DoModal() : printer.DoModal());
            }
            EXPECT_TRUE(major != 3 || weight == FW_NORMAL);
            EXPECT_EQ(gdiAtStart_.fonts + (major == 3 ? 1 : 0), desktop::GdiObjectCounts().fonts)
                << "the thin font lives with its object";
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

TEST_F(DialogsTest, FileDialogTitleSetWhileClosedShowsAtTheNextOpening) {
    CKFileDlg dlg(TRUE, "txt", nullptr, OFN_HIDEREADONLY, NULL, MainWindow());
    dlg.SetWindowTextA("Pick a letter");
    EXPECT_EQ(NULL, dlg.m_hWnd) << "nothing was opened by setting the title";
    for (const char* title : {"Pick a letter", "Open"}) {
        Step([title](HWND dialog) { EXPECT_EQ(title, TextOf(dialog)); });
        Click(IDCANCEL);
        dlg.DoModal();
        dlg.SetWindowTextA(NULL);
    }
}

} // namespace
