#include "dialogs_fixture.h"

#include "frame/frame_services.h"
#include "support/dialog_template.h"

#include <fstream>

namespace dlgtest {

namespace {

// A small dialog; helpStyle 0 leaves the Help button out.
resources::DialogTemplate AskTemplate(DWORD helpStyle) {
    auto t = test_support::EditOkCancel("Ask", 180, 70, IDC_NAME);
    if (helpStyle != 0)
        t.items.push_back({"BUTTON", "&Help", ID_HELP, helpStyle, 0, 120, 48, 50, 14});
    return t;
}

resources::DialogTemplate PageTemplate(const char* caption) {
    auto t = test_support::HostDialog(caption, 210, 110, WS_CHILD | WS_CAPTION);
    t.x = t.y = 0;
    t.items = {test_support::Control("EDIT", IDC_NAME, WS_TABSTOP | WS_BORDER, 8, 8, 80, 12)};
    return t;
}

} // namespace

BEGIN_MESSAGE_MAP(HostSheet, CPropSheet)
ON_COMMAND(ID_HOST_COMMAND, OnHostCommand)
END_MESSAGE_MAP()

RECT ChildRect(CWnd& parent, int id) {
    RECT r{};
    HWND child = ::GetDlgItem(parent.m_hWnd, id);
    if (child == NULL)
        return r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(NULL, parent.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string TextOf(HWND hwnd) {
    char text[MAX_PATH] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

HFONT FontOf(HWND hwnd) {
    return reinterpret_cast<HFONT>(::SendMessageA(hwnd, WM_GETFONT, 0, 0));
}

LONG Weight(HFONT font) {
    LOGFONTA lf{};
    return ::GetObjectA(font, sizeof lf, &lf) != 0 ? lf.lfWeight : -1;
}

} // namespace dlgtest

void DialogsTest::SetUp() {
    using namespace dlgtest;
    desktop::reset();
    desktop::SetModuleFileName(GetLibraryInstance(), "C:\\APPS\\BIN\\RUZAV32.DLL");
    for (const char* folder : {"C:\\APPS", "C:\\APPS\\BIN", "C:\\DOCS"})
        ASSERT_TRUE(::CreateDirectoryA(folder, NULL)) << folder;
    std::ofstream(desktop::HostPath("C:\\APPS\\BIN\\APP.HLP")) << "x";
    desktop::SetProfileText("[devices]\nLaser=LASERDRV,C:\\DOCS\n"
                            "[windows]\ndevice=Laser,LASERDRV,C:\\DOCS\n");
    const HINSTANCE host = ::GetModuleHandleA(NULL);
    const DWORD visible = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_ASK), AskTemplate(visible));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_HIDDEN_HELP),
                         AskTemplate(visible & ~WS_VISIBLE));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_NO_HELP), AskTemplate(0));
    resources::AddDialog(host, "ASK", AskTemplate(visible));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_GENERAL), PageTemplate("General"));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_SPIN), PageTemplate("Spin"));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_ADVANCED), PageTemplate("Advanced"));
    resources::AddString(host, IDS_TITLE, "Options");
    resources::AddString(host, IDS_GO, "&Go");
    gdiAtStart_ = desktop::GdiObjectCounts();
}

void DialogsTest::TearDown() {
    if (main_ && main_->m_hWnd != NULL)
        main_->DestroyWindow();
    main_.reset();
    EXPECT_EQ(0u, desktop::PendingSteps()) << "a step did not run";
    EXPECT_EQ(0u, desktop::GlobalBlockCount()) << "a DEVMODE or DEVNAMES block was left";
    desktop::reset();
}

CWnd* DialogsTest::MainWindow() {
    if (!main_) {
        main_ = std::make_unique<CWnd>();
        EXPECT_TRUE(main_->CreateEx(0, AfxRegisterWndClass(0), "Host",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 60, 800, 600, NULL,
                                    NULL));
    }
    return main_.get();
}

void DialogsTest::OpenModeless(dlgtest::HostDlg& dlg, UINT nIDTemplate) {
    ASSERT_TRUE(dlg.Create(nIDTemplate, MainWindow()));
    dlg.ShowWindow(SW_SHOW);
    desktop::PumpUntilIdle();
}

void DialogsTest::Open(dlgtest::HostSheet& sheet) {
    sheet.AddPage(&general_);
    sheet.AddPage(&spin_);
    sheet.AddPage(&advanced_);
    ASSERT_TRUE(sheet.Create(MainWindow()));
    desktop::PumpUntilIdle();
}
