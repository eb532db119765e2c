#include "prop_sheet_fixture.h"

namespace sheettest {

namespace {

resources::DialogTemplate PageTemplate(const char* caption, short cx, short cy) {
    resources::DialogTemplate t;
    t.style = WS_CHILD | WS_CAPTION | DS_SETFONT;
    t.caption = caption;
    t.fontFace = "MS Sans Serif";
    t.cx = cx;
    t.cy = cy;
    t.items.push_back({"EDIT", "", static_cast<WORD>(IDC_FIELD),
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 0, 8, 8, 80, 12});
    return t;
}

} // namespace

void AddResources() {
    const HINSTANCE host = ::GetModuleHandleA(NULL);
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_GENERAL), PageTemplate("General", 210, 110));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_SPIN), PageTemplate("Spin", 210, 110));
    resources::AddDialog(host, MAKEINTRESOURCEA(IDD_ADVANCED), PageTemplate("Advanced", 210, 110));
    resources::AddString(host, IDS_TITLE, "Options");
    resources::AddString(host, IDS_GO, "&Go");
}

std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}

BOOL HostPage::OnSetActive() {
    Calls().push_back(m_name + ".OnSetActive");
    return CPropPage::OnSetActive();
}

BOOL HostPage::OnKillActive() {
    Calls().push_back(m_name + ".OnKillActive");
    return CPropPage::OnKillActive();
}

BOOL HostPage::OnApply() {
    Calls().push_back(m_name + ".OnApply");
    return CPropPage::OnApply();
}

void HostPage::OnReset() {
    Calls().push_back(m_name + ".OnReset");
    CPropPage::OnReset();
}

BEGIN_MESSAGE_MAP(HostSheet, CPropSheet)
ON_COMMAND(ID_HOST_COMMAND, OnHostCommand)
END_MESSAGE_MAP()

RECT ButtonRect(CWnd& sheet, int id) {
    RECT r{};
    HWND button = ::GetDlgItem(sheet.m_hWnd, id);
    if (button == NULL)
        return r;
    ::GetWindowRect(button, &r);
    ::MapWindowPoints(NULL, sheet.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Title(HWND hwnd) {
    char text[64] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

} // namespace sheettest

void PropSheetTest::SetUp() {
    desktop::reset();
    sheettest::AddResources();
    sheettest::Calls().clear();
    gdiAtStart_ = desktop::GdiObjectCounts();
}

void PropSheetTest::TearDown() {
    if (main_ && main_->m_hWnd != NULL)
        main_->DestroyWindow();
    main_.reset();
    desktop::reset();
}

CWnd* PropSheetTest::MainWindow() {
    if (!main_) {
        main_ = std::make_unique<CWnd>();
        EXPECT_TRUE(main_->CreateEx(0, AfxRegisterWndClass(0), "Host",
                                    WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 60, 800, 600, NULL,
                                    NULL));
    }
    return main_.get();
}

void PropSheetTest::Open(sheettest::HostSheet& sheet) {
    sheet.AddPage(&general_);
    sheet.AddPage(&spin_);
    sheet.AddPage(&advanced_);
    ASSERT_TRUE(sheet.Create(MainWindow()));
    desktop::PumpUntilIdle();
}
