// The common dialogs' answers to bad records, which come before any window: the extended error
// codes a host reads.
#include "conformance.h"

#include <windows.h>

#include <commdlg.h>

#include <cstring>

CONFORMANCE_TEST(ComdlgBadRecordsReportExtendedErrors) {
    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn;
    std::memset(&ofn, 0, sizeof(ofn));
    ofn.lStructSize = 12;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof(file);
    CHECK(!GetOpenFileNameA(&ofn));
    CHECK_EQ(static_cast<DWORD>(CDERR_STRUCTSIZE), CommDlgExtendedError());

    PRINTDLGA pd;
    std::memset(&pd, 0, sizeof(pd));
    pd.lStructSize = 7;
    CHECK(!PrintDlgA(&pd));
    CHECK_EQ(static_cast<DWORD>(CDERR_STRUCTSIZE), CommDlgExtendedError());
}
