// FindFirstFileA / FindNextFileA / FindClose: wildcards, order, missing folders, bad handles
// (a plain case-blind search and a missing folder: tests/conformance/kernel_system.cpp).
#include "kernel_fixture.h"

#include <utility>
#include <vector>

using FindFileTest = KernelTest;

namespace {

// Every name a search returns, in order; empty when FindFirstFileA fails.
std::vector<std::string> Search(const char* pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE handle = FindFirstFileA(pattern, &data);
    if (handle == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(data.cFileName);
    while (FindNextFileA(handle, &data));
    EXPECT_EQ(DWORD(ERROR_NO_MORE_FILES), GetLastError());
    EXPECT_TRUE(FindClose(handle));
    return names;
}

} // namespace

TEST_F(FindFileTest, WildcardsMatchIgnoringCase) {
    MakeFolder("help");
    for (const char* name : {"Guide.HLP", "apps.hlp", "readme.txt", "a1.hlpx", "b.hl"})
        WriteHostFile(std::string("help/") + name, "x");
    using Names = std::vector<std::string>;
    struct Row {
        const char* pattern;
        Names expected;
    } rows[] = {
        {"C:\\HELP\\*.hlp", {"apps.hlp", "Guide.HLP"}},
        {"c:/help/*.HLP", {"apps.hlp", "Guide.HLP"}},
        {"C:\\HELP\\?????.hlp", {"Guide.HLP"}},
        {"C:\\HELP\\*.hl?", {"apps.hlp", "Guide.HLP"}},
        {"C:\\HELP\\README.TXT", {"readme.txt"}},
        {"C:\\HELP\\*.*", {".", "..", "a1.hlpx", "apps.hlp", "b.hl", "Guide.HLP", "readme.txt"}},
        {"C:\\HELP\\*X", {"a1.hlpx"}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, Search(row.pattern)) << row.pattern;
}

// Callers tell folders from files by the record's attributes.
TEST_F(FindFileTest, TheRecordTellsFoldersFromFiles) {
    WriteHostFile("data.bin", "z");
    MakeFolder("sub");
    for (const auto& [pattern, folder] : {std::pair{"C:\\DATA.BIN", false}, {"C:\\SUB", true}}) {
        WIN32_FIND_DATAA data;
        HANDLE handle = FindFirstFileA(pattern, &data);
        ASSERT_NE(INVALID_HANDLE_VALUE, handle);
        EXPECT_EQ(folder, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) << pattern;
        FindClose(handle);
    }
}

TEST_F(FindFileTest, NothingFoundGivesInvalidHandle) {
    struct Row {
        const char* pattern;
        DWORD error;
    } rows[] = {
        {"C:\\*.hlp", ERROR_FILE_NOT_FOUND},
        {"Q:\\*.*", ERROR_PATH_NOT_FOUND},
        {"C:\\", ERROR_FILE_NOT_FOUND},
    };
    for (const Row& row : rows) {
        WIN32_FIND_DATAA data;
        SetLastError(0);
        EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(row.pattern, &data)) << row.pattern;
        EXPECT_EQ(row.error, GetLastError()) << row.pattern;
    }
    WIN32_FIND_DATAA data;
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(nullptr, &data));
    WriteHostFile("x.txt", "");
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA("C:\\*.txt", nullptr));
    std::string tooLong = "C:\\" + std::string(400, 'x') + "\\*.*";
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(tooLong.c_str(), &data));
}

TEST_F(FindFileTest, BadHandlesFailWithoutCrashing) {
    WriteHostFile("one.txt", "");
    WIN32_FIND_DATAA data;
    HANDLE handle = FindFirstFileA("C:\\*.txt", &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    EXPECT_TRUE(FindClose(handle));
    for (HANDLE bad : {handle, INVALID_HANDLE_VALUE, static_cast<HANDLE>(nullptr),
                       reinterpret_cast<HANDLE>(0x12345)}) {
        SetLastError(0);
        EXPECT_FALSE(FindClose(bad));
        EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
        EXPECT_FALSE(FindNextFileA(bad, &data));
    }
}

TEST_F(FindFileTest, ResetForgetsOpenSearches) {
    WriteHostFile("one.txt", "");
    WIN32_FIND_DATAA data;
    HANDLE handle = FindFirstFileA("C:\\*.txt", &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    desktop::reset();
    EXPECT_FALSE(FindNextFileA(handle, &data));
    EXPECT_FALSE(FindClose(handle));
}
