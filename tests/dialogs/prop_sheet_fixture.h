// Property sheets as a host builds them: three page templates, a host sheet and host pages that
// expose the library's protected state and log what the framework tells them.
#pragma once

#include <desktop.h>
#include <resources.h>
#include <ruzav32/dialogs.h>

#include <afxpriv.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace sheettest {

constexpr UINT IDD_GENERAL = 400;
constexpr UINT IDD_SPIN = 401;
constexpr UINT IDD_ADVANCED = 402;
constexpr UINT IDS_TITLE = 410; // "Options"
constexpr UINT IDS_GO = 411;    // "&Go"
constexpr UINT IDC_FIELD = 1000;
constexpr UINT ID_HOST_COMMAND = 5000;

void AddResources();

// What pages were told, in order ("general.OnSetActive" ...).
std::vector<std::string>& Calls();

class HostPage : public CPropPage {
public:
    HostPage(UINT nIDTemplate, const char* name, UINT nHelpID = 0)
        : CPropPage(nIDTemplate, nHelpID), m_name(name) {}
    HFONT ThinFont() const { return m_hThinFont; }
    const char* HelpFile() const { return m_szHelpFile; }

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    BOOL OnApply() override;
    void OnReset() override;

private:
    std::string m_name;
};

class HostSheet : public CPropSheet {
public:
    using CPropSheet::CPropSheet;
    HFONT ThinFont() const { return m_hThinFont; }
    eWindowPositions Position() const { return m_ePosition; }
    int m_nHostCommands = 0;

protected:
    afx_msg void OnHostCommand() { ++m_nHostCommands; }
    DECLARE_MESSAGE_MAP()
};

// A button's rectangle in the sheet's client coordinates.
RECT ButtonRect(CWnd& sheet, int id);
std::string Title(HWND hwnd);

} // namespace sheettest

class PropSheetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CWnd* MainWindow();
    // The three pages added to the sheet and the sheet made modeless over the main window.
    void Open(sheettest::HostSheet& sheet);

    std::unique_ptr<CWnd> main_;
    sheettest::HostPage general_{sheettest::IDD_GENERAL, "general", 0x10010};
    sheettest::HostPage spin_{sheettest::IDD_SPIN, "spin", 21};
    sheettest::HostPage advanced_{sheettest::IDD_ADVANCED, "advanced"};
    desktop::GdiCounts gdiAtStart_;
};
