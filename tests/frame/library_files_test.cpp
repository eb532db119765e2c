// The library's directory, path joining, "MAIN.INI" beside the library and the version probe.
#include "frame_fixture.h"

#include <resources.h>

#include <cstring>
#include <string>

namespace {

using LibraryDirectory = FrameTest;

TEST_F(LibraryDirectory, IsTheFoldersPathWithItsBackslash) {
    char directory[MAX_PATH] = {};
    ASSERT_TRUE(GetModuleDirectory(directory, sizeof(directory)));
    EXPECT_STREQ("C:\\APPS\\BIN\\", directory);
}

TEST_F(LibraryDirectory, FollowsTheFileNameOnEveryCall) {
    char directory[MAX_PATH] = {};
    ASSERT_TRUE(GetModuleDirectory(directory, sizeof(directory)));
    desktop::SetModuleFileName(GetLibraryInstance(), "D:\\OTHER\\RUZAV32.DLL");
    ASSERT_TRUE(GetModuleDirectory(directory, sizeof(directory)));
    EXPECT_STREQ("D:\\OTHER\\", directory);
}

TEST_F(LibraryDirectory, OfADriveRelativeNameIsTheDrive) {
    desktop::SetModuleFileName(GetLibraryInstance(), "A:RUZAV32.DLL");
    char directory[MAX_PATH] = {};
    ASSERT_TRUE(GetModuleDirectory(directory, sizeof(directory)));
    EXPECT_STREQ("A:", directory);
}

TEST_F(LibraryDirectory, OfABareFileNameIsRefused) {
    desktop::SetModuleFileName(GetLibraryInstance(), "RUZAV32.DLL");
    char directory[MAX_PATH] = "untouched";
    EXPECT_FALSE(GetModuleDirectory(directory, sizeof(directory)));
    EXPECT_STREQ("untouched", directory);
}

TEST_F(LibraryDirectory, NeedsRoomForItsTerminatingZero) {
    const std::size_t fits = std::strlen(kLibraryDirectory) + 1;
    char directory[MAX_PATH] = "untouched";
    EXPECT_FALSE(GetModuleDirectory(directory, static_cast<UINT>(fits - 1)));
    EXPECT_STREQ("untouched", directory);
    EXPECT_FALSE(GetModuleDirectory(directory, 0));
    EXPECT_STREQ("untouched", directory);

    EXPECT_TRUE(GetModuleDirectory(directory, static_cast<UINT>(fits)));
    EXPECT_STREQ(kLibraryDirectory, directory);
}

// 259 characters is the longest file name a 260-byte buffer holds; one more and the name read
// back is cut, so its directory cannot be trusted.
TEST_F(LibraryDirectory, FileNameAtThePathLimit) {
    std::string longest = "C:\\" + std::string(244, 'D') + "\\RUZAV32.DLL";
    ASSERT_EQ(259u, longest.size());
    desktop::SetModuleFileName(GetLibraryInstance(), longest.c_str());
    char directory[MAX_PATH] = {};
    ASSERT_TRUE(GetModuleDirectory(directory, sizeof(directory)));
    EXPECT_EQ(longest.substr(0, longest.size() - std::strlen("RUZAV32.DLL")), directory);

    const std::string tooLong = "C:\\" + std::string(245, 'D') + "\\RUZAV32.DLL";
    desktop::SetModuleFileName(GetLibraryInstance(), tooLong.c_str());
    std::strcpy(directory, "untouched");
    EXPECT_FALSE(GetModuleDirectory(directory, sizeof(directory)));
    EXPECT_STREQ("untouched", directory);
}

struct JoinCase {
    const char* dir;
    const char* name;
    const char* expected;
};

class JoinPathTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(JoinPathTest, GivesOneSeparatorBetween) {
    char joined[MAX_PATH] = "untouched";
    ASSERT_TRUE(JoinPath(joined, GetParam().dir, GetParam().name));
    EXPECT_STREQ(GetParam().expected, joined);
}

INSTANTIATE_TEST_SUITE_P(Joins, JoinPathTest,
                         ::testing::Values(JoinCase{"C:\\APP", "X.HLP", "C:\\APP\\X.HLP"},
                                           JoinCase{"C:\\APP\\", "X.HLP", "C:\\APP\\X.HLP"},
                                           JoinCase{"C:\\APP\\", "\\X.HLP", "C:\\APP\\X.HLP"},
                                           JoinCase{"C:\\APP", "\\X.HLP", "C:\\APP\\X.HLP"},
                                           // Only one leading backslash goes.
                                           JoinCase{"C:\\APP\\", "\\\\X.HLP", "C:\\APP\\\\X.HLP"},
                                           JoinCase{"A:", "X.HLP", "A:\\X.HLP"},
                                           JoinCase{"C:\\APP\\", "DOC\\X.HLP",
                                                    "C:\\APP\\DOC\\X.HLP"},
                                           JoinCase{"C:\\APP\\", "", "C:\\APP\\"}));

TEST(JoinPath, RefusesNullArgumentsAndTheDestinationAsName) {
    char joined[MAX_PATH] = "untouched";
    EXPECT_FALSE(JoinPath(nullptr, "C:\\APP", "X.HLP"));
    EXPECT_FALSE(JoinPath(joined, nullptr, "X.HLP"));
    EXPECT_FALSE(JoinPath(joined, "C:\\APP", nullptr));
    EXPECT_FALSE(JoinPath(joined, "C:\\APP", joined));
    EXPECT_FALSE(JoinPath(joined, "", "X.HLP"));
    EXPECT_STREQ("untouched", joined);
}

TEST(JoinPath, AppendsToTheDirectoryInPlace) {
    char path[MAX_PATH] = "C:\\APP";
    ASSERT_TRUE(JoinPath(path, path, "X.HLP"));
    EXPECT_STREQ("C:\\APP\\X.HLP", path);
}

// The result must fit with its terminating zero: 259 characters do, 260 are refused and the
// buffer keeps what it held. The sentinel past the buffer shows nothing was written beyond it.
TEST(JoinPath, RefusesAResultPastThePathLimit) {
    struct {
        char path[MAX_PATH];
        char sentinel[8];
    } buffer;
    std::strcpy(buffer.sentinel, "guard");
    const std::string dir = "C:\\" + std::string(240, 'D') + "\\"; // 244 characters

    std::strcpy(buffer.path, "untouched");
    ASSERT_TRUE(JoinPath(buffer.path, dir.c_str(), "ABCDEFGHIJK.HLP")); // 244 + 15 = 259
    EXPECT_EQ(259u, std::strlen(buffer.path));

    std::strcpy(buffer.path, "untouched");
    EXPECT_FALSE(JoinPath(buffer.path, dir.c_str(), "ABCDEFGHIJKL.HLP"));
    EXPECT_STREQ("untouched", buffer.path);
    EXPECT_FALSE(JoinPath(buffer.path, dir.substr(0, dir.size() - 1).c_str(), "ABCDEFGHIJKL.HLP"))
        << "the added separator counts";
    EXPECT_STREQ("guard", buffer.sentinel);

    char small[8];
    EXPECT_TRUE(JoinPath(small, "A:", "X.HL", sizeof(small)));
    EXPECT_STREQ("A:\\X.HL", small);
    EXPECT_FALSE(JoinPath(small, "A:", "X.HLP", sizeof(small)));
}

using MainIni = FrameTest;

TEST_F(MainIni, ReadsTheFileBesideTheLibrary) {
    WriteMainIni("[General]\nHelpFile=APP.HLP\n");
    char value[MAX_PATH] = {};
    EXPECT_EQ(7u, GetMainIniString("General", "HelpFile", "", value, sizeof(value)));
    EXPECT_STREQ("APP.HLP", value);
}

TEST_F(MainIni, MissingFileSectionOrKeyGivesTheDefault) {
    char value[MAX_PATH] = {};
    EXPECT_EQ(4u, GetMainIniString("General", "HelpFile", "NONE", value, sizeof(value)));
    EXPECT_STREQ("NONE", value);
    EXPECT_EQ(0u, GetMainIniString("General", "HelpFile", "", value, sizeof(value)));
    EXPECT_STREQ("", value);

    WriteMainIni("[Other]\nHelpFile=APP.HLP\n");
    EXPECT_EQ(0u, GetMainIniString("General", "HelpFile", "", value, sizeof(value)));
    EXPECT_EQ(0u, GetMainIniString("Other", "Missing", "", value, sizeof(value)));
}

// The system directory's MAIN.INI is not the library's.
TEST_F(MainIni, IgnoresAFileInTheWindowsFolder) {
    WriteFile("C:\\WINDOWS\\MAIN.INI", "[General]\nHelpFile=SYSTEM.HLP\n");
    char value[MAX_PATH] = {};
    EXPECT_EQ(0u, GetMainIniString("General", "HelpFile", "", value, sizeof(value)));
}

TEST_F(MainIni, OverLongValueIsCutToTheBuffer) {
    WriteMainIni("[General]\nHelpFile=" + std::string(400, 'X') + "\n");
    struct {
        char value[MAX_PATH];
        char sentinel[8];
    } buffer;
    std::strcpy(buffer.sentinel, "guard");
    EXPECT_EQ(259u, GetMainIniString("General", "HelpFile", "", buffer.value, MAX_PATH));
    EXPECT_EQ(std::string(259, 'X'), buffer.value);
    EXPECT_STREQ("guard", buffer.sentinel);
}

TEST_F(MainIni, WithoutALibraryDirectoryGivesNothing) {
    WriteMainIni("[General]\nHelpFile=APP.HLP\n");
    desktop::SetModuleFileName(GetLibraryInstance(), "RUZAV32.DLL");
    char value[MAX_PATH] = "untouched";
    EXPECT_EQ(0u, GetMainIniString("General", "HelpFile", "DEFAULT", value, sizeof(value)));
    EXPECT_STREQ("untouched", value);
}

struct VersionCase {
    DWORD major;
    DWORD minor;
    DWORD platformId;
    DWORD expected;
};

class NewLookPlatform : public FrameTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(NewLookPlatform, IsThePlatformFromVersion395On) {
    const VersionCase& c = GetParam();
    desktop::SetSystemVersion(c.major, c.minor, c.platformId);
    EXPECT_EQ(c.expected, GetNewLookPlatformId())
        << "version " << c.major << "." << c.minor << " platform " << c.platformId;
}

INSTANTIATE_TEST_SUITE_P(
    Versions, NewLookPlatform,
    ::testing::Values(VersionCase{3, 10, VER_PLATFORM_WIN32_NT, 0},
                      VersionCase{3, 51, VER_PLATFORM_WIN32_NT, 0},
                      VersionCase{3, 94, VER_PLATFORM_WIN32_WINDOWS, 0},
                      VersionCase{3, 95, VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_WINDOWS},
                      VersionCase{4, 0, VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_WINDOWS},
                      VersionCase{4, 0, VER_PLATFORM_WIN32_NT, VER_PLATFORM_WIN32_NT},
                      VersionCase{4, 10, VER_PLATFORM_WIN32_WINDOWS, VER_PLATFORM_WIN32_WINDOWS},
                      VersionCase{5, 0, VER_PLATFORM_WIN32_NT, VER_PLATFORM_WIN32_NT},
                      VersionCase{2, 99, VER_PLATFORM_WIN32_NT, 0}));

TEST_F(FrameTest, TheEntryPointRecordedTheLibrarysOwnModule) {
    const HINSTANCE library = GetLibraryInstance();
    EXPECT_NE(::GetModuleHandleA(nullptr), library);
    EXPECT_EQ(library, ::GetModuleHandleA("RUZAV32"));
    EXPECT_EQ(library, ::GetModuleHandleA("ruzav32.dll"));
}

// The library carries no resources of its own and stays out of the framework's resource chain:
// a resource that only the library's module holds is not found through the framework.
TEST_F(FrameTest, TheLibraryIsNotInTheResourceChain) {
    resources::AddDialog(GetLibraryInstance(), "ONLYHERE", resources::DialogTemplate{});
    ASSERT_NE(nullptr, ::FindResourceA(GetLibraryInstance(), "ONLYHERE", RT_DIALOG));
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle("ONLYHERE", RT_DIALOG));
    EXPECT_NE(GetLibraryInstance(), AfxGetResourceHandle());
}

} // namespace
