// Plain file calls on DOS paths, and the folder queries, with bad arguments among the rows.
#include "kernel_fixture.h"

#include <cstring>

using FileApiTest = KernelTest;

TEST_F(FileApiTest, WriteThenReadAFile) {
    HANDLE file = CreateFileA("C:\\Notes.TXT", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    EXPECT_TRUE(::WriteFile(file, "hello", 5, &written, nullptr));
    EXPECT_EQ(5u, written);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_EQ("hello", ReadHostFile("Notes.TXT"));

    file = CreateFileA("c:\\notes.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    char buffer[16] = {};
    DWORD read = 0;
    EXPECT_TRUE(::ReadFile(file, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(5u, read);
    EXPECT_STREQ("hello", buffer);
    EXPECT_TRUE(::ReadFile(file, buffer, sizeof buffer, &read, nullptr));
    EXPECT_EQ(0u, read); // end of file
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(CloseHandle(file)) << "closed twice";
}

TEST_F(FileApiTest, CreationModes) {
    auto open = [](const char* path, DWORD creation) {
        HANDLE h = CreateFileA(path, GENERIC_WRITE, 0, nullptr, creation, 0, nullptr);
        bool ok = h != INVALID_HANDLE_VALUE;
        if (ok)
            CloseHandle(h);
        return ok;
    };
    EXPECT_FALSE(open("C:\\A.TXT", OPEN_EXISTING));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_TRUE(open("C:\\A.TXT", CREATE_NEW));
    EXPECT_FALSE(open("C:\\A.TXT", CREATE_NEW));
    EXPECT_EQ(DWORD(ERROR_FILE_EXISTS), GetLastError());
    EXPECT_TRUE(open("C:\\A.TXT", OPEN_ALWAYS));
    EXPECT_TRUE(open("C:\\A.TXT", TRUNCATE_EXISTING));
    EXPECT_FALSE(open("C:\\NOFOLDER\\A.TXT", CREATE_ALWAYS));
    EXPECT_FALSE(open("C:\\A.TXT", 99));
    EXPECT_FALSE(open("C:\\WINDOWS", CREATE_ALWAYS)); // a folder
    EXPECT_FALSE(open(nullptr, CREATE_ALWAYS));
}

TEST_F(FileApiTest, AttributesFoldersAndDeletion) {
    EXPECT_TRUE(CreateDirectoryA("C:\\DATA", nullptr));
    EXPECT_FALSE(CreateDirectoryA("C:\\data", nullptr)); // exists, whatever the case
    EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), GetLastError());
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_DIRECTORY), GetFileAttributesA("C:\\Data"));
    WriteHostFile("DATA/x.txt", "x");
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_NORMAL), GetFileAttributesA("C:\\DATA\\X.TXT"));
    EXPECT_FALSE(RemoveDirectoryA("C:\\DATA"));
    EXPECT_EQ(DWORD(ERROR_DIR_NOT_EMPTY), GetLastError());
    EXPECT_FALSE(DeleteFileA("C:\\DATA")); // a folder is not a file
    EXPECT_TRUE(DeleteFileA("C:\\data\\X.txt"));
    EXPECT_FALSE(DeleteFileA("C:\\data\\X.txt"));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_TRUE(RemoveDirectoryA("C:\\DATA"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\DATA"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(nullptr));
}

TEST_F(FileApiTest, BadHandlesAndBuffersAreRefused) {
    char buffer[4];
    DWORD count = 99;
    for (HANDLE bad :
         {INVALID_HANDLE_VALUE, static_cast<HANDLE>(nullptr), reinterpret_cast<HANDLE>(0x4444)}) {
        EXPECT_FALSE(::ReadFile(bad, buffer, sizeof buffer, &count, nullptr));
        EXPECT_EQ(0u, count);
        EXPECT_FALSE(::WriteFile(bad, "x", 1, &count, nullptr));
        EXPECT_FALSE(CloseHandle(bad));
        EXPECT_EQ(DWORD(ERROR_INVALID_HANDLE), GetLastError());
    }
    // A search handle is not a file handle, nor the other way round.
    WriteHostFile("s.txt", "");
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA("C:\\*.txt", &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, search);
    EXPECT_FALSE(CloseHandle(search));
    EXPECT_TRUE(FindClose(search));
    HANDLE file = CreateFileA("C:\\S.TXT", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(FindClose(file));
    EXPECT_FALSE(::ReadFile(file, nullptr, 4, &count, nullptr));
    EXPECT_TRUE(CloseHandle(file));
}

TEST_F(FileApiTest, FolderQueriesReportTheSizeNeeded) {
    char folder[MAX_PATH];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    EXPECT_EQ(10u, length); // C:\WINDOWS
    char small[4] = "abc";
    EXPECT_EQ(11u, GetWindowsDirectoryA(small, sizeof small));
    EXPECT_STREQ("abc", small);
    EXPECT_EQ(11u, GetWindowsDirectoryA(nullptr, 0));
    char temp[MAX_PATH];
    DWORD n = GetTempPathA(sizeof temp, temp);
    EXPECT_EQ(8u, n);
    EXPECT_STREQ("C:\\TEMP\\", temp); // on the test's drive, gone with it
    EXPECT_EQ(n + 1, GetTempPathA(2, small));
    EXPECT_NE("", desktop::HostPath(temp));
}
