// Gallery page 4: three owner-drawn buttons that take their images from the host's bitmaps by
// their titles: PLAY has all four (PLAYU, PLAYD, PLAYF, PLAYX), SAVE only SAVEU and SAVEX, STOP
// only STOPU. A script presses, focuses and disables them; a state without its own image shows
// the normal one.
#include "bitmap_button_page.h"

#include "gallery_support.h"
#include "resource.h"

#include <desktop.h>
#include <ruzav32/buttons.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kField = IDC_BUTTON_FIELD;
constexpr int kPlay = IDC_BUTTON_PLAY;
constexpr int kSave = IDC_BUTTON_SAVE;
constexpr int kStop = IDC_BUTTON_STOP;
constexpr char kTemplateName[] = "BITMAPBUTTONS"; // in gallery.rc, with the buttons' bitmaps

const char* Name(int id) {
    switch (id) {
    case kPlay:
        return "PLAY";
    case kSave:
        return "SAVE";
    case kStop:
        return "STOP";
    default:
        return "?";
    }
}

class ButtonPageDialog : public gallery::PageDialog {
public:
    explicit ButtonPageDialog(LPCSTR name) : PageDialog(name) {}

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        const int ids[] = {kPlay, kSave, kStop};
        for (int i = 0; i < 3; ++i) {
            const BOOL loaded = m_buttons[i].AutoLoad(ids[i], this);
            std::printf("  AutoLoad %s: %s\n", Name(ids[i]), loaded ? "TRUE" : "FALSE");
        }
        return TRUE;
    }

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) != kField)
            std::printf("  WM_COMMAND BN_CLICKED from %s\n", Name(LOWORD(wParam)));
        return CDialog::OnCommand(wParam, lParam);
    }

    CKBitmapButton m_buttons[3];
};

POINT Centre(HWND wnd) {
    RECT r{};
    ::GetWindowRect(wnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

bool RunBitmapButtonPage(const std::string& outDir) {
    std::printf("page 4: bitmap button\n");
    ButtonPageDialog page(kTemplateName);
    if (!page.Create(kTemplateName)) {
        std::fprintf(stderr, "ruzav-gallery: the bitmap button page could not be opened\n");
        return false;
    }
    const HWND dialog = page.m_hWnd;
    gallery::Idle();
    bool ok = true;
    auto picture = [&](const char* name) {
        const std::string path = gallery::Join(outDir, name);
        ok = desktop::SaveWindowPng(dialog, path.c_str()) && ok;
        std::printf("  picture: %s\n", path.c_str());
    };
    picture("bitmap-buttons-normal.png");

    std::printf("> press PLAY and hold the mouse button\n");
    desktop::MouseDown(Centre(::GetDlgItem(dialog, kPlay)));
    gallery::Idle();
    picture("bitmap-buttons-play-pressed.png");
    std::printf("> release it: PLAY keeps the focus\n");
    desktop::MouseUp(Centre(::GetDlgItem(dialog, kPlay)));
    gallery::Idle();
    picture("bitmap-buttons-play-focused.png");

    std::printf("> Tab to SAVE (it has no focused image), then disable PLAY and SAVE\n");
    desktop::PressKey(VK_TAB);
    ::EnableWindow(::GetDlgItem(dialog, kPlay), FALSE);
    ::EnableWindow(::GetDlgItem(dialog, kSave), FALSE);
    gallery::Idle();
    picture("bitmap-buttons-disabled.png");

    page.Close();
    gallery::Idle();
    std::fflush(stdout);
    return ok;
}
