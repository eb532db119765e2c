// Gallery page 2: four percent bars named in a dialog template, at 0, 37, 50 and 100 %, and a
// fifth that the host moves on every second from a timer, as a copy or a download would, through
// one scripted minute of the platform's clock.
#include "percent_bar_page.h"

#include "gallery_support.h"
#include "resource.h"

#include <desktop.h>
#include <ruzav32/status.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kFirstBar = IDC_FIRST_BAR; // and the next three
constexpr int kDrivenBar = IDC_DRIVEN_BAR;
constexpr UINT_PTR kTimerId = 1;
constexpr char kTemplateName[] = "PERCENTBARS"; // in gallery.rc

// The host's dialog: it sets the fixed bars once and moves the driven one from its timer. The
// bars' objects come from their windows; the host never made or deletes them.
class PercentBarDialog : public gallery::PageDialog {
public:
    explicit PercentBarDialog(LPCSTR name) : PageDialog(name) {}

    CKPercentBar* Bar(int id) {
        CWnd* wnd = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, id));
        return wnd != nullptr && wnd->IsKindOf(RUNTIME_CLASS(CKPercentBar))
                   ? static_cast<CKPercentBar*>(wnd)
                   : nullptr;
    }

    int driven = 0;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        const int values[] = {0, 37, 50, 100};
        for (int i = 0; i < 4; ++i) {
            if (CKPercentBar* bar = Bar(kFirstBar + i))
                bar->SetPercent(values[i]);
        }
        SetTimer(kTimerId, 1000);
        return TRUE;
    }

    // Two percent a second: the bar reaches 100 % after 50 seconds and stays there. The bar
    // shows a new value only when it is invalidated.
    afx_msg void OnTimer(UINT nIDEvent) {
        if (nIDEvent != kTimerId)
            return;
        driven += 2;
        if (CKPercentBar* bar = Bar(kDrivenBar)) {
            bar->SetPercent(driven);
            bar->Invalidate(FALSE);
        }
        if (driven >= 100) {
            KillTimer(kTimerId);
            std::printf("  timer: the copy is done at %d %%; the timer stops\n", driven);
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PercentBarDialog, gallery::PageDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

} // namespace

bool RunPercentBarPage(const std::string& outDir) {
    if (!CKPercentBar::RegisterClass(kTemplateName, RT_DIALOG)) {
        std::fprintf(stderr, "ruzav-gallery: the percent bar class could not be registered\n");
        return false;
    }
    bool ok = true;
    {
        PercentBarDialog page(kTemplateName);
        if (!page.Create(kTemplateName)) {
            std::fprintf(stderr, "ruzav-gallery: the percent bar page could not be opened\n");
            CKPercentBar::UnregisterClass(kTemplateName, RT_DIALOG);
            return false;
        }
        gallery::Idle();
        const std::string still = gallery::Join(outDir, "percent-bars.png");
        ok = desktop::SaveWindowPng(page.m_hWnd, still.c_str()) && ok;
        std::printf("page 2: percent bar (%s)\n", still.c_str());

        // One scripted minute, ten seconds at a time; a picture after 10, 30 and 60 seconds.
        for (int second = 10; second <= 60; second += 10) {
            desktop::AdvanceClock(10000);
            gallery::Idle();
            std::printf("> %2d s: the driven bar shows %d %%\n", second, page.driven);
            if (second == 10 || second == 30 || second == 60) {
                const std::string name = "percent-bars-timer-" + std::to_string(second) + "s.png";
                const std::string path = gallery::Join(outDir, name.c_str());
                ok = desktop::SaveWindowPng(page.m_hWnd, path.c_str()) && ok;
                std::printf("  picture: %s\n", path.c_str());
            }
        }
        page.Close();
        desktop::AfxIdle();
        std::printf("  bars made by the dialog are gone with it: %zu framework windows left\n",
                    desktop::AfxPermanentWindowCount());
    }
    CKPercentBar::UnregisterClass(kTemplateName, RT_DIALOG);
    std::fflush(stdout);
    return ok;
}
