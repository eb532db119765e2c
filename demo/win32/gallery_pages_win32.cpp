// The gallery's pages in the build for real Win32: those whose sessions need only what the
// driver has there (input, the pump, the clock, pictures). The others watch what only the
// platform can show (help requests, message boxes, its drives and printers) or still build their
// templates with the platform's C++ builder.
#include "../gallery_pages.h"
#include "../bitmap_button_page.h"
#include "../spin_page.h"
#include "../status_page.h"

const GalleryPage* GalleryPages() {
    static const GalleryPage pages[] = {
        {"spin", "Spin control", RunSpinPage, OpenSpinPage},
        {"bitmap-button", "Bitmap button", RunBitmapButtonPage, nullptr},
        {"status-bar", "Extended status bar", RunStatusPage, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
    };
    return pages;
}
