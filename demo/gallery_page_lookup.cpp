// Finding a page by name, apart from the list of pages, which each build makes its own
// (win32/gallery_pages_win32.cpp for real Win32).
#include "gallery_pages.h"

const GalleryPage* FindGalleryPage(const std::string& name) {
    for (const GalleryPage* p = GalleryPages(); p->name != nullptr; ++p) {
        if (name == p->name) {
            return p;
        }
    }
    return nullptr;
}
