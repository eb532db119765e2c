// Gallery page 4: three owner-drawn buttons that take their images from the host's bitmaps by
// their titles: PLAY has all four (PLAYU, PLAYD, PLAYF, PLAYX), SAVE only SAVEU and SAVEX, STOP
// only STOPU. A script presses, focuses and disables them; a state without its own image shows
// the normal one.
#include "bitmap_button_page.h"

#include "gallery_support.h"
#include "gallery_templates.h"

#include <desktop.h>
#include <ruzav32/buttons.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kField = 50;
constexpr int kPlay = 51;
constexpr int kSave = 52;
constexpr int kStop = 53;
constexpr char kTemplateName[] = "BITMAPBUTTONS";

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

void AddImages() {
    const HINSTANCE host = AfxGetResourceHandle();
    const COLORREF face = RGB(192, 192, 192);
    const struct {
        const char* name;
        COLORREF face;
        COLORREF mark;
        bool sunken;
    } images[] = {
        {"PLAYU", face, RGB(0, 128, 0), false},
        {"PLAYD", RGB(160, 160, 160), RGB(0, 96, 0), true},
        {"PLAYF", RGB(255, 255, 192), RGB(0, 160, 0), false},
        {"PLAYX", face, RGB(128, 128, 128), false},
        {"SAVEU", face, RGB(0, 0, 160), false},
        {"SAVEX", face, RGB(128, 128, 128), false},
        {"STOPU", face, RGB(192, 0, 0), false},
    };
    for (const auto& image : images)
        resources::AddBitmap(host, image.name,
                             gallery::ButtonBmp(40, 24, image.face, image.mark, image.sunken));
}

resources::DialogTemplate PageTemplate() {
    resources::DialogTemplate t = gallery::PageTemplate("RUZAV32 gallery: bitmap button", 170, 60);
    t.items.push_back(gallery::Item("EDIT", "", kField, WS_BORDER | WS_TABSTOP, 8, 8, 154, 12));
    short x = 8;
    for (int id : {kPlay, kSave, kStop}) {
        // Sized in the template only roughly: each button sizes itself to its normal image.
        t.items.push_back(
            gallery::Item("BUTTON", Name(id), id, BS_OWNERDRAW | WS_TABSTOP, x, 28, 30, 16));
        x += 40;
    }
    return t;
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
    AddImages();
    resources::AddDialog(AfxGetResourceHandle(), kTemplateName, PageTemplate());
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
