// Gallery page: the library's file and print dialogs.
#pragma once

#include <string>

// Opens, saves and prints through CKFileDlg and CKPrintDlg in a prepared folder, with two
// printers that spool to folders under outDir/printers. Prints what the host receives and saves
// "file-open.png", "print-setup.png" and the printed pages (the spin page's pictures, which that
// page saved in outDir before). False when a dialog did not behave or a file was not written.
bool RunFilePrintPage(const std::string& outDir);
