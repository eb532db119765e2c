// File attributes and folders on DOS paths, whatever the case of their names.
#include "kernel_fixture.h"

using FileApiTest = KernelTest;

TEST_F(FileApiTest, FoldersAndAttributesIgnoreCase) {
    EXPECT_TRUE(CreateDirectoryA("C:\\DATA", nullptr));
    EXPECT_FALSE(CreateDirectoryA("C:\\data", nullptr)); // exists, whatever the case
    EXPECT_EQ(DWORD(ERROR_ALREADY_EXISTS), GetLastError());
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_DIRECTORY), GetFileAttributesA("C:\\Data"));
    WriteHostFile("DATA/x.txt", "x");
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_NORMAL), GetFileAttributesA("C:\\DATA\\X.TXT"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\DATA\\Y.TXT"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(nullptr));
}
