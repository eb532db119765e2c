#include "dlg_fixture.h"

#include "support/dialog_template.h"

namespace dlgtest {

resources::DialogTemplate AskTemplate(DWORD helpStyle) {
    using test_support::Control;
    auto t = test_support::HostDialog("Ask", 180, 70,
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    t.x = t.y = 0;
    t.items = {Control("EDIT", IDC_NAME, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 8, 8, 100, 12),
               Control("BUTTON", IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 8, 48, 50, 14, "OK"),
               Control("BUTTON", IDCANCEL, WS_TABSTOP, 64, 48, 50, 14, "Cancel")};
    if (helpStyle != 0)
        t.items.push_back({"BUTTON", "&Help", ID_HELP, helpStyle, 0, 120, 48, 50, 14});
    return t;
}

void AddTemplates() {
    const HINSTANCE host = ::GetModuleHandleA(NULL);
    const DWORD visible = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_ASK), AskTemplate(visible));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_HIDDEN_HELP),
                         AskTemplate(visible & ~WS_VISIBLE));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_NO_HELP), AskTemplate(0));
    resources::AddDialog(host, "ASK", AskTemplate(visible));
}

} // namespace dlgtest

void DlgTest::SetUp() {
    desktop::reset();
    dlgtest::AddTemplates();
    gdiAtStart_ = desktop::GdiObjectCounts();
}

void DlgTest::TearDown() {
    if (main_ && main_->m_hWnd != NULL)
        main_->DestroyWindow();
    main_.reset();
    desktop::reset();
}

CWnd* DlgTest::MainWindow() {
    if (!main_) {
        main_ = std::make_unique<CWnd>();
        const BOOL made =
            main_->CreateEx(0, AfxRegisterWndClass(0), "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            100, 80, 600, 450, NULL, NULL);
        EXPECT_TRUE(made);
    }
    return main_.get();
}

void DlgTest::OpenModeless(dlgtest::HostDlg& dlg, UINT nIDTemplate) {
    ASSERT_TRUE(dlg.Create(nIDTemplate, MainWindow()));
    dlg.ShowWindow(SW_SHOW);
    desktop::PumpUntilIdle();
}
