// The system version record and file searches.
#include "conformance.h"

#include <windows.h>

#include <cstring>

CONFORMANCE_TEST(KernelVersionChecksTheRecordSize) {
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    CHECK_EQ(148u, static_cast<unsigned>(sizeof info));
    CHECK(GetVersionExA(&info));
    CHECK(info.dwMajorVersion >= 4);
    info.dwOSVersionInfoSize = 0;
    CHECK(!GetVersionExA(&info));
    info.dwOSVersionInfoSize = 147;
    CHECK(!GetVersionExA(&info));
    OSVERSIONINFOEXA longer;
    std::memset(&longer, 0, sizeof longer);
    longer.dwOSVersionInfoSize = sizeof longer;
    CHECK_EQ(156u, static_cast<unsigned>(sizeof longer));
    CHECK(GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&longer)));
    CHECK(longer.dwMajorVersion >= 4);
}

CONFORMANCE_TEST(KernelFindFileMatchesIgnoringCase) {
    std::string guide = conformance::TempPath("Guide.HLP");
    std::string other = conformance::TempPath("readme.txt");
    CHECK(conformance::WriteTextFile(guide, "x"));
    CHECK(conformance::WriteTextFile(other, "x"));
    std::string folder = guide.substr(0, guide.find_last_of('\\'));
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*.hlp").c_str(), &data);
    CHECK(search != INVALID_HANDLE_VALUE);
    if (search != INVALID_HANDLE_VALUE) {
        CHECK_STR_EQ("Guide.HLP", data.cFileName);
        CHECK(!FindNextFileA(search, &data));
        CHECK_EQ(static_cast<DWORD>(ERROR_NO_MORE_FILES), GetLastError());
        CHECK(FindClose(search));
    }
    CHECK(FindFirstFileA((folder + "\\*.doc").c_str(), &data) == INVALID_HANDLE_VALUE);
    CHECK(FindFirstFileA((folder + "\\missing\\*.hlp").c_str(), &data) == INVALID_HANDLE_VALUE);
    CHECK_EQ(static_cast<DWORD>(ERROR_PATH_NOT_FOUND), GetLastError());
}
