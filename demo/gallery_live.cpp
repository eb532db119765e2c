#include "gallery_live.h"

#include <desktop/live.h>

#include <cstdio>

int RunPageLive(const GalleryPage& page, const std::string& outDir) {
    if (page.live == nullptr) {
        std::fprintf(stderr, "ruzav-gallery: the %s page has no live form yet\n", page.name);
        return 2;
    }
    // Whoever reads the transcript (a person, a test) sees each line as the host hears it.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string error;
    const std::string title = std::string("RUZAV32 gallery: ") + page.title;
    if (!desktop::live::Start(title.c_str(), &error)) {
        std::fprintf(stderr, "ruzav-gallery: %s\n", error.c_str());
        return 1;
    }
    std::printf("live: X window 0x%lx\n", desktop::live::Statistics().window);
    std::fflush(stdout);
    const bool ok = page.live(outDir);
    const desktop::live::Stats stats = desktop::live::Statistics();
    desktop::live::Stop();
    std::printf("live: first frame after %lu ms; %lu pictures sent, %llu pixels\n",
                static_cast<unsigned long>(stats.firstFrameMs), stats.frames, stats.pixels);
    return ok ? 0 : 1;
}
