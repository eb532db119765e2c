// The gallery host: sets up the desktop and the regional settings, then runs each page.
#include "gallery_options.h"
#include "spin_page.h"
#include "bitmap_button_page.h"
#include "percent_bar_page.h"
#include "popup_tip_page.h"
#include "dialog_base_page.h"
#include "file_print_page.h"

#include <desktop.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

bool ApplyRegionalSettings(const GalleryOptions& options) {
    if (!options.profile.empty()) {
        std::error_code ec;
        const auto path = std::filesystem::absolute(options.profile, ec);
        if (ec || !std::filesystem::is_regular_file(path)) {
            std::fprintf(stderr, "ruzav-gallery: no profile file %s\n", options.profile.c_str());
            return false;
        }
        desktop::SetProfileIntlNone();
        desktop::SetProfileFile(path.string());
        std::printf("regional settings: profile %s\n", path.string().c_str());
        return true;
    }
    if (!options.locale.empty()) {
        if (!desktop::SetProfileIntlFromLocale(options.locale.c_str())) {
            std::fprintf(stderr, "ruzav-gallery: locale %s is not installed\n",
                         options.locale.c_str());
            return false;
        }
        std::printf("regional settings: locale %s\n", options.locale.c_str());
        return true;
    }
    desktop::SetProfileIntlFromEnvironment();
    std::printf("regional settings: the user's locale\n");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    GalleryOptions options;
    std::string error;
    if (!ParseGalleryOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "ruzav-gallery: %s\n\n%s", error.c_str(), kGalleryUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kGalleryUsage, stdout);
        return 0;
    }
    std::error_code ec;
    std::filesystem::create_directories(options.out, ec);
    if (ec) {
        std::fprintf(stderr, "ruzav-gallery: cannot make %s: %s\n", options.out.c_str(),
                     ec.message().c_str());
        return 1;
    }

    // A clean, deterministic desktop (screen, metrics, clock), with the regional settings the
    // user asked for.
    desktop::reset();
    if (!ApplyRegionalSettings(options)) {
        return 2;
    }
    std::fflush(stdout);

    bool ok = RunSpinPage(options.out);
    ok = RunPercentBarPage(options.out) && ok;
    ok = RunPopupTipPage(options.out) && ok;
    ok = RunBitmapButtonPage(options.out) && ok;
    ok = RunDialogBasePage(options.out) && ok;
    ok = RunFilePrintPage(options.out) && ok;
    return ok ? 0 : 1;
}
