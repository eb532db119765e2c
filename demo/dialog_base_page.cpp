// Gallery page: a backup prompt derived from CDlg. It closes itself after ten seconds as if
// Cancel were pressed, and shows the seconds left with a timer of its own; its Help button
// (hidden by the template, shown by the dialog base) opens an explicit help file; one button
// raises an error box that the script answers; another retitles the dialog.
//
// Index: the host dialog - the session - RunDialogBasePage.
#include "dialog_base_page.h"

#include "gallery_support.h"
#include "resource.h"

#include <afxpriv.h>
#include <desktop.h>
#include <ruzav32/dialogs.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The template (IDD_BACKUP) and the strings are in gallery.rc.
constexpr int kCountdown = IDC_COUNTDOWN;
constexpr int kShowError = IDC_SHOW_ERROR;
constexpr int kRetitle = IDC_RETITLE;
constexpr UINT kCountdownTimer = 1;    // the host's own timer, beside the time-out's
constexpr UINT kHelpContext = 0x10123; // only 0x0123 reaches the help engine
constexpr char kHelpFile[] = "C:\\GALLERY\\BACKUP.HLP";

class BackupPrompt : public CDlg {
public:
    // Ten seconds, then Cancel; no parent, so centred in the work area.
    BackupPrompt() : CDlg(IDD_BACKUP, NULL, 10, IDCANCEL, kHelpContext, wpCenterScreen) {}

    DWORD m_dwOpenedAt = 0;

protected:
    BOOL OnInitDialog() override {
        const BOOL bFocus = CDlg::OnInitDialog();
        SetHelpFile(kHelpFile);
        m_dwOpenedAt = ::GetTickCount();
        SetTimer(kCountdownTimer, 1000);
        ShowCountdown();
        RECT r{};
        GetWindowRect(&r);
        std::printf("  opened at (%ld,%ld), %ldx%ld, centred in the work area; Help button %s\n",
                    static_cast<long>(r.left), static_cast<long>(r.top),
                    static_cast<long>(r.right - r.left), static_cast<long>(r.bottom - r.top),
                    (::GetWindowLongA(::GetDlgItem(m_hWnd, ID_HELP), GWL_STYLE) & WS_VISIBLE)
                        ? "shown"
                        : "hidden");
        return bFocus;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (lParam == 0 && LOWORD(wParam) == IDCANCEL) {
            std::printf("  host receives WM_COMMAND %u with lParam 0 after %lu ms: the time-out "
                        "pressed Cancel\n",
                        static_cast<unsigned>(LOWORD(wParam)),
                        static_cast<unsigned long>(::GetTickCount() - m_dwOpenedAt));
        }
        return CDlg::OnCommand(wParam, lParam);
    }

    afx_msg void OnTimer(UINT nIDEvent) {
        if (nIDEvent == kCountdownTimer)
            ShowCountdown();
        else
            CDlg::OnTimer(nIDEvent); // the time-out's timer
    }

    afx_msg void OnShowError() {
        std::printf("  host calls ShowError(IDS_NO_DRIVE, 0, MB_RETRYCANCEL | MB_ICONSTOP)\n");
        const int answer = ShowError(IDS_NO_DRIVE, 0, MB_RETRYCANCEL | MB_ICONSTOP);
        std::printf("  ShowError returned %s\n", answer == IDRETRY    ? "IDRETRY"
                                                 : answer == IDCANCEL ? "IDCANCEL"
                                                                      : "something else");
    }

    afx_msg void OnRetitle() {
        CString title;
        title.LoadString(IDS_BACKUP);
        SetWindowTextA(title);
        std::printf("  host calls SetWindowTextA(\"%s\")\n", static_cast<LPCSTR>(title));
    }

    afx_msg void OnDestroy() {
        KillTimer(kCountdownTimer);
        CDlg::OnDestroy();
    }

    DECLARE_MESSAGE_MAP()

private:
    void ShowCountdown() {
        char text[64];
        if (m_nTimeOut == 0) {
            std::snprintf(text, sizeof text, "No time-out running.");
        } else {
            const DWORD left = m_dwTimeOutTick - ::GetTickCount();
            std::snprintf(text, sizeof text, "Cancels itself in %lu s.",
                          static_cast<unsigned long>((left + 999) / 1000));
        }
        SetDlgItemText(kCountdown, text);
    }
};

BEGIN_MESSAGE_MAP(BackupPrompt, CDlg)
ON_WM_TIMER()
ON_WM_DESTROY()
ON_BN_CLICKED(kShowError, OnShowError)
ON_BN_CLICKED(kRetitle, OnRetitle)
END_MESSAGE_MAP()

void PrintHelpRequests() {
    for (const desktop::HelpRequest& r : desktop::HelpRequests()) {
        std::printf("  help request: file %s, command %s, context 0x%lx, help file found: %s\n",
                    r.file.c_str(), r.command == HELP_CONTEXT ? "HELP_CONTEXT" : "other",
                    static_cast<unsigned long>(r.data), r.result ? "yes" : "no");
    }
    desktop::ClearHelpRequests();
}

bool MakeHelpFile() {
    if (!::CreateDirectoryA("C:\\GALLERY", NULL))
        return false;
    std::ofstream(desktop::HostPath(kHelpFile)) << "backup help";
    return true;
}

// The help file the prompt names.
bool PreparePage() {
    if (!MakeHelpFile()) {
        std::fprintf(stderr, "ruzav-gallery: the help file could not be made\n");
        return false;
    }
    return true;
}

} // namespace

bool RunDialogBasePage(const std::string& outDir) {
    if (!PreparePage()) {
        return false;
    }
    std::printf("page: dialog base\n");
    bool ok = true;
    BackupPrompt prompt;
    const std::string before = gallery::Join(outDir, "dialog-before.png");
    const std::string after = gallery::Join(outDir, "dialog-after.png");

    desktop::QueueStep([&] {
        ok = desktop::SaveWindowPng(prompt.m_hWnd, before.c_str()) && ok;
        std::printf("> three seconds pass; the user clicks Help\n");
        desktop::AdvanceClock(3000);
        desktop::ClickControl(prompt.m_hWnd, ID_HELP);
        PrintHelpRequests();
        std::printf("> the user clicks \"Show error\"\n");
        desktop::ClickControl(prompt.m_hWnd, kShowError);
    });
    desktop::QueueStep([&] {
        // Runs while the error box waits for its user.
        const HWND box = desktop::CurrentMessageBox();
        const desktop::MessageBoxShown shown = desktop::MessageBoxes().back();
        std::printf("  box \"%s\": \"%s\", owned by the dialog: %s\n", shown.caption.c_str(),
                    shown.text.c_str(), shown.owner == prompt.m_hWnd ? "yes" : "no");
        std::printf("> the user clicks Retry in the box\n");
        desktop::ClickControl(box, IDRETRY);
    });
    desktop::QueueStep([&] {
        std::printf("> the user clicks Retitle\n");
        desktop::ClickControl(prompt.m_hWnd, kRetitle);
        gallery::Idle();
        ok = desktop::SaveWindowPng(prompt.m_hWnd, after.c_str()) && ok;
        char countdown[64] = "";
        ::GetDlgItemTextA(prompt.m_hWnd, kCountdown, countdown, sizeof countdown);
        std::printf("  the dialog shows \"%s\"\n", countdown);
        std::printf("> nobody touches the dialog any more; the clock runs on\n");
    });
    const INT_PTR result = prompt.DoModal();
    std::printf("  DoModal returned %s after %lu ms\n", result == IDCANCEL ? "IDCANCEL" : "?",
                static_cast<unsigned long>(::GetTickCount() - prompt.m_dwOpenedAt));
    std::printf("  pictures: %s %s\n", before.c_str(), after.c_str());
    gallery::Idle();
    std::fflush(stdout);
    return ok && result == IDCANCEL;
}

bool OpenDialogBasePage(const std::string&) {
    if (!PreparePage()) {
        return false;
    }
    std::printf("page: dialog base, live\n");
    std::fflush(stdout);
    BackupPrompt prompt;
    const INT_PTR result = prompt.DoModal();
    std::printf("  DoModal returned %s\n", result == IDCANCEL ? "IDCANCEL"
                                           : result == IDOK   ? "IDOK"
                                                              : "-1 (the application is quitting)");
    PrintHelpRequests();
    std::fflush(stdout);
    return true;
}
