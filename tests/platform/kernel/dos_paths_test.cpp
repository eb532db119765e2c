// DOS paths: drive mapping, both separators, case-insensitive resolution, and the way back.
#include "kernel_fixture.h"

using DosPathsTest = KernelTest;

TEST_F(DosPathsTest, ResolvesNamesWhateverTheirCase) {
    MakeFolder("apps");
    MakeFolder("apps/Bin");
    WriteHostFile("apps/Bin/main.ini", "");
    struct Row {
        const char* dos;
        std::string host;
    } rows[] = {
        {"C:\\APPS\\BIN\\MAIN.INI", drive_ + "/apps/Bin/main.ini"},
        {"c:/apps/bin/Main.Ini", drive_ + "/apps/Bin/main.ini"},
        {"C:\\apps\\.\\bin\\..\\BIN\\main.ini", drive_ + "/apps/Bin/main.ini"},
        {"C:\\..\\..\\APPS", drive_ + "/apps"},                     // never above the drive's root
        {"C:\\APPS\\NEW\\FILE.TXT", drive_ + "/apps/NEW/FILE.TXT"}, // missing parts kept
        {"C:\\", drive_},
        {"c:", drive_},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.host, desktop::HostPath(row.dos)) << row.dos;
}

TEST_F(DosPathsTest, ZIsTheHostRoot) {
    EXPECT_EQ("/tmp", desktop::HostPath("Z:\\tmp"));
    EXPECT_EQ("/", desktop::HostPath("z:\\"));
    EXPECT_EQ(drive_ + "/x", desktop::HostPath(("Z:" + drive_ + "/x").c_str()));
}

TEST_F(DosPathsTest, UnmappedDrivesAndBadPathsResolveToNothing) {
    for (const char* bad : {"Q:\\FILE", "", "\\\\server\\share\\x"})
        EXPECT_EQ("", desktop::HostPath(bad)) << bad;
    EXPECT_EQ("", desktop::HostPath(nullptr));
    std::string tooLong = "C:\\" + std::string(300, 'a');
    EXPECT_EQ("", desktop::HostPath(tooLong.c_str()));
    desktop::UnmapDrive('C');
    EXPECT_EQ("", desktop::HostPath("C:\\X"));
}

TEST_F(DosPathsTest, HostPathsTurnBackIntoDosPaths) {
    EXPECT_EQ("C:\\apps\\main.ini", desktop::DosPath(drive_ + "/apps/main.ini"));
    EXPECT_EQ("C:\\", desktop::DosPath(drive_));
    EXPECT_EQ("Z:\\usr\\lib", desktop::DosPath("/usr/lib"));
    EXPECT_EQ("Z:\\", desktop::DosPath("/"));
    EXPECT_EQ("", desktop::DosPath("relative/path"));
    // The drive that holds the path most closely wins.
    std::string other = desktop::MakeTempFolder();
    desktop::MapDrive('D', drive_ + "/apps");
    EXPECT_EQ("D:\\x", desktop::DosPath(drive_ + "/apps/x"));
    EXPECT_EQ("C:\\appsx", desktop::DosPath(drive_ + "/appsx"));
    EXPECT_EQ(desktop::DosPath(other).substr(0, 7), "Z:\\tmp\\");
}

TEST_F(DosPathsTest, PathsWithoutDriveFollowTheCurrentFolder) {
    MakeFolder("work");
    WriteHostFile("work/data.TXT", "");
    char saved[4096];
    ASSERT_NE(nullptr, getcwd(saved, sizeof saved));
    ASSERT_EQ(0, chdir((drive_ + "/work").c_str()));
    EXPECT_EQ(drive_ + "/work/data.TXT", desktop::HostPath("DATA.txt"));
    EXPECT_EQ(drive_ + "/other", desktop::HostPath("\\other"));
    EXPECT_EQ(0, chdir(saved));
}
