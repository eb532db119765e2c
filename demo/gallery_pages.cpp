#include "gallery_pages.h"

#include "bitmap_button_page.h"
#include "dialog_base_page.h"
#include "file_print_page.h"
#include "percent_bar_page.h"
#include "popup_tip_page.h"
#include "property_sheet_page.h"
#include "spin_page.h"
#include "status_page.h"

// A new page adds one line here.
const GalleryPage* GalleryPages() {
    static const GalleryPage pages[] = {
        {"spin", "Spin control", RunSpinPage, OpenSpinPage},
        {"percent-bar", "Percent bar", RunPercentBarPage, nullptr},
        {"popup-tip", "Pop-up tip", RunPopupTipPage, nullptr},
        {"bitmap-button", "Bitmap button", RunBitmapButtonPage, nullptr},
        {"dialog-base", "Dialog base", RunDialogBasePage, OpenDialogBasePage},
        {"property-sheet", "Property sheet", RunPropertySheetPage, nullptr},
        {"file-print", "File and print dialogs", RunFilePrintPage, nullptr},
        {"status-bar", "Extended status bar", RunStatusPage, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
    };
    return pages;
}
