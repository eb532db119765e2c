// The live mode shows the platform's own screen on X11; on Win32 the pages are ordinary windows
// of the system and there is no such screen to show.
#include "../gallery_live.h"

#include <cstdio>

int RunPageLive(const GalleryPage&, const std::string&) {
    std::fprintf(stderr, "ruzav-gallery: --live is not available on Win32\n");
    return 1;
}
