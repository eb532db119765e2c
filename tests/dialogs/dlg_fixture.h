// A clean desktop, a host main window and dialog templates as a host's resources hold them, for
// driving CDlg through the message loop on the manual clock.
#pragma once

#include <desktop.h>
#include <resources.h>
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace dlgtest {

constexpr UINT IDD_ASK = 200;         // OK, Cancel and a visible Help button
constexpr UINT IDD_HIDDEN_HELP = 201; // the Help button hidden by the template
constexpr UINT IDD_NO_HELP = 202;     // no Help button at all
constexpr int IDC_NAME = 1000;
constexpr UINT_PTR kTimeOutTimer = 234;

// The template of a small dialog; helpStyle 0 leaves the Help button out.
resources::DialogTemplate AskTemplate(DWORD helpStyle);
void AddTemplates();

// A host's dialog: CDlg with its protected state readable, as a derived class sees it.
class HostDlg : public CDlg {
public:
    using CDlg::CDlg;
    int TimeOut() const { return m_nTimeOut; }
    int TimeOutID() const { return m_nTimeOutID; }
    DWORD TimeOutTick() const { return m_dwTimeOutTick; }
    HFONT ThinFont() const { return m_hThinFont; }
    const char* HelpFile() const { return m_szHelpFile; }
};

} // namespace dlgtest

class DlgTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible top-level window of the host, the parent its dialogs are made for.
    CWnd* MainWindow();
    // Opens dlg modeless from a template, with the main window as its parent.
    void OpenModeless(dlgtest::HostDlg& dlg, UINT nIDTemplate = dlgtest::IDD_ASK);

    std::unique_ptr<CWnd> main_;
    desktop::GdiCounts gdiAtStart_;
};
