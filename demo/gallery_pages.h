// The gallery's pages: one entry per page, so the command line (--list, --page), the picture
// book (index.html) and the live mode all cover every page without knowing them one by one.
#pragma once

#include <string>

struct GalleryPage {
    const char* name;  // what --page takes: "spin"
    const char* title; // what --list and index.html show
    // The scripted session: prints what the host hears, saves pictures in the folder given.
    bool (*run)(const std::string& outDir);
    // Opens the page for a person and returns when it is closed (the screen's last picture
    // saved in the folder given); null for a page that has no live form yet.
    bool (*live)(const std::string& outDir);
};

// Every page, in the order the gallery runs them; ends with an entry whose name is null.
const GalleryPage* GalleryPages();
// The page of that name, or null.
const GalleryPage* FindGalleryPage(const std::string& name);
