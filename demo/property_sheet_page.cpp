// Gallery page: an options sheet of three pages (general options, a page of spin controls, an
// advanced page), the first two with help of their own. A step of a spin control enables
// Apply. The host hides Cancel and renames OK "&Save" through ChangeButton.
//
// Index: pages - the sheet - the session - RunPropertySheetPage.
#include "property_sheet_page.h"

#include "gallery_support.h"
#include "resource.h"

#include <afxpriv.h>
#include <desktop.h>
#include <ruzav32/dialogs.h>
#include <ruzav32/spin.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace {

// The pages' templates (IDD_GENERAL, IDD_SPIN, IDD_ADVANCED) and the strings are in gallery.rc.
constexpr int kInterval = IDC_INTERVAL;
constexpr int kStartAt = IDC_START_AT;
constexpr UINT kGeneralHelp = 0x10201; // only 0x0201 reaches the help engine
constexpr UINT kSpinHelp = 0x0202;
constexpr char kHelpFile[] = "C:\\GALLERY\\OPTIONS.HLP";

// Every page tells the host what the sheet asks of it.
class LoggingPage : public CPropPage {
public:
    LoggingPage(UINT nIDTemplate, const char* name, UINT nHelpID)
        : CPropPage(nIDTemplate, nHelpID), m_name(name) {}

    BOOL OnSetActive() override {
        std::printf("  %s page: OnSetActive\n", m_name);
        return CPropPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        std::printf("  %s page: OnKillActive\n", m_name);
        return CPropPage::OnKillActive();
    }
    BOOL OnApply() override {
        std::printf("  %s page: OnApply\n", m_name);
        return CPropPage::OnApply();
    }

protected:
    const char* m_name;
};

class SpinOptionsPage : public LoggingPage {
public:
    SpinOptionsPage() : LoggingPage(IDD_SPIN, "spin", kSpinHelp) {}

    CKSpin* Spin(int id) {
        CWnd* wnd = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, id));
        return wnd != nullptr && wnd->IsKindOf(RUNTIME_CLASS(CKSpin)) ? static_cast<CKSpin*>(wnd)
                                                                      : nullptr;
    }

    BOOL OnApply() override {
        int minutes = 0;
        tagSpinTime start{};
        if (Spin(kInterval) != nullptr && Spin(kInterval)->Get(&minutes) &&
            Spin(kStartAt) != nullptr && Spin(kStartAt)->Get(&start)) {
            std::printf("  spin page: applies every %d min from %02d:%02d\n", minutes, start.nHour,
                        start.nMinute);
        }
        return LoggingPage::OnApply();
    }

protected:
    BOOL OnInitDialog() override {
        const BOOL bResult = LoggingPage::OnInitDialog();
        if (CKSpin* s = Spin(kInterval)) {
            s->SetProperties(this, 5, 120, 15, 5);
            const int value = 15;
            s->Set(&value);
        }
        if (CKSpin* s = Spin(kStartAt)) {
            s->SetProperties(this, eSpinTime);
            const tagSpinTime value{8, 0, 0, 0};
            s->Set(&value);
        }
        return bResult;
    }

    // A step of either control is a change the sheet's Apply button should offer to save.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const int code = HIWORD(wParam);
        if (code == 100 || code == 101) {
            std::printf("  host receives WM_COMMAND %d, code %d: the page calls SetModified\n",
                        LOWORD(wParam), code);
            SetModified();
        }
        return LoggingPage::OnCommand(wParam, lParam);
    }
};

class OptionsSheet : public CPropSheet {
public:
    OptionsSheet() : CPropSheet(IDS_SHEET, wpCenterScreen) {}

protected:
    BOOL OnInitDialog() override {
        const BOOL bResult = CPropSheet::OnInitDialog();
        // Settings take effect as they are applied, so there is nothing to cancel: the host
        // hides Cancel and calls OK "Save".
        HideButton(IDCANCEL);
        ChangeButton(IDOK, IDOK, IDS_SAVE, TRUE);
        RECT r{};
        GetWindowRect(&r);
        std::printf("  sheet opened at (%ld,%ld), %ldx%ld; host hid Cancel and renamed OK\n",
                    static_cast<long>(r.left), static_cast<long>(r.top),
                    static_cast<long>(r.right - r.left), static_cast<long>(r.bottom - r.top));
        return bResult;
    }
};

void PrintHelpRequests() {
    for (const desktop::HelpRequest& r : desktop::HelpRequests()) {
        std::printf("  help request: file %s, command %s, context 0x%lx\n", r.file.c_str(),
                    r.command == HELP_CONTEXT ? "HELP_CONTEXT" : "other",
                    static_cast<unsigned long>(r.data));
    }
    desktop::ClearHelpRequests();
}

void ClickTab(HWND sheet, int index) {
    const HWND tab = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    RECT r{};
    ::SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    desktop::ClickWindow(tab, POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void ClickUpArrow(HWND page, int id) {
    const HWND spin = ::GetDlgItem(page, id);
    const HWND arrows = ::GetDlgItem(spin, 100);
    RECT rc{};
    ::GetClientRect(arrows, &rc);
    desktop::ClickWindow(arrows, POINT{rc.right / 2, 2});
}

bool MakeHelpFile() {
    ::CreateDirectoryA("C:\\GALLERY", NULL);
    std::ofstream(desktop::HostPath(kHelpFile)) << "options help";
    return ::GetFileAttributesA(kHelpFile) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

bool RunPropertySheetPage(const std::string& outDir) {
    if (!MakeHelpFile() || CKSpin::RegisterClass() == 0) {
        std::fprintf(stderr, "ruzav-gallery: the property sheet page could not be set up\n");
        return false;
    }
    std::printf("page: property sheet\n");
    bool ok = true;
    INT_PTR result = -1;
    {
        LoggingPage general(IDD_GENERAL, "general", kGeneralHelp);
        SpinOptionsPage spin;
        LoggingPage advanced(IDD_ADVANCED, "advanced", 0);
        general.SetHelpFile(kHelpFile);
        spin.SetHelpFile(kHelpFile);
        OptionsSheet sheet;
        sheet.AddPage(&general);
        sheet.AddPage(&spin);
        sheet.AddPage(&advanced);
        const auto picture = [&](const char* name) {
            gallery::Idle();
            const std::string path = gallery::Join(outDir, name);
            ok = desktop::SaveWindowPng(sheet.m_hWnd, path.c_str()) && ok;
            std::printf("  picture: %s\n", path.c_str());
        };
        desktop::QueueStep([&] {
            picture("sheet-general.png");
            std::printf("> the user asks for help on the general page\n");
            desktop::ClickControl(sheet.m_hWnd, ID_HELP);
            PrintHelpRequests();
            std::printf("> the user clicks the \"Spin controls\" tab\n");
            ClickTab(sheet.m_hWnd, 1);
            std::printf("> the user clicks the interval's up arrow\n");
            ClickUpArrow(spin.m_hWnd, kInterval);
            std::printf("  Apply is %s\n",
                        ::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW)) ? "enabled"
                                                                                    : "disabled");
            picture("sheet-spin.png");
            std::printf("> the user presses Apply\n");
            desktop::ClickControl(sheet.m_hWnd, ID_APPLY_NOW);
            std::printf("> the user asks for help on the spin page\n");
            desktop::ClickControl(sheet.m_hWnd, ID_HELP);
            PrintHelpRequests();
            std::printf("> the user presses Ctrl+Tab\n");
            desktop::PressKey(VK_TAB, {VK_CONTROL});
            std::printf("> the user asks for help on the advanced page, which has none\n");
            desktop::ClickControl(sheet.m_hWnd, ID_HELP);
            std::printf("  help requests: %zu\n", desktop::HelpRequests().size());
            picture("sheet-advanced.png");
            std::printf("> the user clicks Save\n");
            desktop::ClickControl(sheet.m_hWnd, IDOK);
        });
        result = sheet.DoModal();
        std::printf("  DoModal returned %s\n", result == IDOK ? "IDOK" : "something else");
    }
    CKSpin::UnregisterClass();
    gallery::Idle();
    std::fflush(stdout);
    return ok && result == IDOK;
}
