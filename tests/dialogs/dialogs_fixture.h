// A desktop for the library's dialogs as a host uses them: the library installed at C:\APPS\BIN
// with APP.HLP beside it, a printer, the host's dialog and page templates and strings, a host
// main window, and steps that act on the modal dialog that is up as a user would.
#pragma once

#include <desktop.h>
#include <resources.h>
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace dlgtest {

constexpr UINT IDD_ASK = 200;         // OK, Cancel and a visible Help button
constexpr UINT IDD_HIDDEN_HELP = 201; // the Help button hidden by the template
constexpr UINT IDD_NO_HELP = 202;     // no Help button at all
constexpr UINT IDD_GENERAL = 400;     // the three pages of a sheet
constexpr UINT IDD_SPIN = 401;
constexpr UINT IDD_ADVANCED = 402;
constexpr UINT IDS_TITLE = 410; // "Options"
constexpr UINT IDS_GO = 411;    // "&Go"
constexpr int IDC_NAME = 1000;  // the edit of each template
constexpr UINT ID_HOST_COMMAND = 5000;
constexpr UINT_PTR kTimeOutTimer = 234;

// A host's dialog: CDlg with its protected state readable, as a derived class sees it.
class HostDlg : public CDlg {
public:
    using CDlg::CDlg;
    HFONT ThinFont() const { return m_hThinFont; }
    const char* HelpFile() const { return m_szHelpFile; }
};

class HostPage : public CPropPage {
public:
    using CPropPage::CPropPage;
    HFONT ThinFont() const { return m_hThinFont; }
};

class HostSheet : public CPropSheet {
public:
    using CPropSheet::CPropSheet;
    HFONT ThinFont() const { return m_hThinFont; }
    int m_nHostCommands = 0;

protected:
    afx_msg void OnHostCommand() { ++m_nHostCommands; }
    DECLARE_MESSAGE_MAP()
};

// A child's rectangle in its parent's client coordinates; empty when it is missing.
RECT ChildRect(CWnd& parent, int id);
std::string TextOf(HWND hwnd);
HFONT FontOf(HWND hwnd);
LONG Weight(HFONT font);

} // namespace dlgtest

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible top-level window of the host, the parent its dialogs are made for.
    CWnd* MainWindow();
    // Opens dlg modeless from a template, with the main window as its parent.
    void OpenModeless(dlgtest::HostDlg& dlg, UINT nIDTemplate = dlgtest::IDD_ASK);
    // The three pages added to the sheet and the sheet made modeless over the main window.
    void Open(dlgtest::HostSheet& sheet);

    // A step on the modal dialog that is up (the active window).
    static void Step(std::function<void(HWND dialog)> step) {
        desktop::QueueStep([step]() { step(::GetActiveWindow()); });
    }
    static void Click(int id) {
        Step([id](HWND dialog) { ASSERT_TRUE(desktop::ClickControl(dialog, id)) << id; });
    }

    std::unique_ptr<CWnd> main_;
    dlgtest::HostPage general_{dlgtest::IDD_GENERAL, 0x10010};
    dlgtest::HostPage spin_{dlgtest::IDD_SPIN, 21};
    dlgtest::HostPage advanced_{dlgtest::IDD_ADVANCED};
    desktop::GdiCounts gdiAtStart_{};
};
