// The common dialogs' answers to bad records, which come before any window: the extended error
// codes a host reads, and the file title helper.
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

CONFORMANCE_TEST(ComdlgFileTitles) {
    char title[8] = {};
    CHECK_EQ(0, GetFileTitleA("C:\\DOCS\\a.txt", title, sizeof(title)));
    CHECK_STR_EQ("a.txt", title);
    CHECK_EQ(13, GetFileTitleA("C:\\DOCS\\longname.txt", title, sizeof(title)));
    CHECK_EQ(-1, GetFileTitleA("C:\\DOCS\\", title, sizeof(title))); // a folder has none
}
