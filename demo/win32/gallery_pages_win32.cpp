// The gallery's pages in the build for real Win32: those whose sessions need only what the
// driver has there (input, the pump, steps, the real clock, pictures). Left out: the dialog
// base and the property sheet, which watch help requests and message boxes that only the
// platform records; the file and print dialogs, which stand on the platform's drives and
// printers; and the percent bar, whose scripted minute would take a real one here.
#include "../gallery_pages.h"
#include "../bitmap_button_page.h"
#include "../popup_tip_page.h"
#include "../spin_page.h"
#include "../status_page.h"

const GalleryPage* GalleryPages() {
    static const GalleryPage pages[] = {
        {"spin", "Spin control", RunSpinPage, OpenSpinPage},
        {"popup-tip", "Pop-up tip", RunPopupTipPage, nullptr},
        {"bitmap-button", "Bitmap button", RunBitmapButtonPage, nullptr},
        {"status-bar", "Extended status bar", RunStatusPage, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
    };
    return pages;
}
