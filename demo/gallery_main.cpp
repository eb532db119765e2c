// The gallery host: sets up the desktop and the regional settings, then runs each page.
#include "gallery_book.h"
#include "gallery_files.h"
#include "gallery_live.h"
#include "gallery_options.h"
#include "gallery_pages.h"

#include <desktop.h>

#include <cstdio>
#include <vector>

namespace {

bool ApplyRegionalSettings(const GalleryOptions& options) {
    if (!options.profile.empty()) {
        const std::string path = gallery::ExistingFile(options.profile);
        if (path.empty()) {
            std::fprintf(stderr, "ruzav-gallery: no profile file %s\n", options.profile.c_str());
            return false;
        }
        desktop::SetProfileIntlNone();
        desktop::SetProfileFile(path);
        std::printf("regional settings: profile %s\n", path.c_str());
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
    if (options.list) {
        for (const GalleryPage* p = GalleryPages(); p->name != nullptr; ++p) {
            std::printf("%-16s %s\n", p->name, p->title);
        }
        return 0;
    }
    const GalleryPage* only = nullptr;
    if (!options.page.empty() && (only = FindGalleryPage(options.page)) == nullptr) {
        std::fprintf(stderr, "ruzav-gallery: no page %s (--list names them)\n",
                     options.page.c_str());
        return 2;
    }
    if (!gallery::MakeFolders(options.out, &error)) {
        std::fprintf(stderr, "ruzav-gallery: cannot make %s: %s\n", options.out.c_str(),
                     error.c_str());
        return 1;
    }

    // A clean, deterministic desktop (screen, metrics, clock), with the regional settings the
    // user asked for.
    desktop::reset();
    if (!ApplyRegionalSettings(options)) {
        return 2;
    }
    std::fflush(stdout);
    if (options.live) {
        const int status = RunPageLive(only != nullptr ? *only : *GalleryPages(), options.out);
        desktop::reset(); // lets go of the framework's temporary window objects before exit
        return status;
    }

    bool ok = true;
    std::vector<PageRecord> records;
    for (const GalleryPage* p = GalleryPages(); p->name != nullptr; ++p) {
        if (only == nullptr || only == p) {
            records.push_back(RunPageRecorded(*p, options.out));
            ok = records.back().ok && ok;
        }
    }
    ok = WriteIndexHtml(options.out, records) && ok;
    desktop::reset(); // lets go of the framework's temporary window objects before exit
    return ok ? 0 : 1;
}
