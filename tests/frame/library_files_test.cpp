// The library's directory, path joining, "MAIN.INI" beside the library and the version probe.
#include "frame_fixture.h"

#include <resources.h>

#include <cstring>
#include <string>

namespace {

using LibraryFiles = FrameTest;

// 259 characters is the longest file name a 260-byte buffer holds; one more and the name read
// back is cut, so its directory cannot be trusted. The name is read afresh on every call.
TEST_F(LibraryFiles, TheDirectoryIsTheFoldersPathWithItsSeparator) {
    const std::string longest = "C:\\" + std::string(244, 'D') + "\\RUZAV32.DLL";
    const std::string tooLong = "C:\\" + std::string(245, 'D') + "\\RUZAV32.DLL";
    const std::string longestDirectory = longest.substr(0, longest.size() - 11);
    const struct {
        const char* file;
        const char* directory; // null: refused
    } cases[] = {
        // clang-format off
        {"C:\\APPS\\BIN\\RUZAV32.DLL", "C:\\APPS\\BIN\\"}, {"D:\\OTHER\\RUZAV32.DLL", "D:\\OTHER\\"},
        {"A:RUZAV32.DLL", "A:"}, {"RUZAV32.DLL", nullptr}, {longest.c_str(), longestDirectory.c_str()},
        {tooLong.c_str(), nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        desktop::SetModuleFileName(GetLibraryInstance(), c.file);
        char directory[MAX_PATH] = "untouched";
        EXPECT_EQ(c.directory != nullptr, GetModuleDirectory(directory, sizeof(directory)) != 0);
        EXPECT_STREQ(c.directory ? c.directory : "untouched", directory) << c.file;
    }
    // The directory needs room for its terminating zero.
    desktop::SetModuleFileName(GetLibraryInstance(), "C:\\APPS\\BIN\\RUZAV32.DLL");
    const UINT fits = static_cast<UINT>(std::strlen(kLibraryDirectory) + 1);
    char directory[MAX_PATH] = "untouched";
    EXPECT_FALSE(GetModuleDirectory(directory, fits - 1));
    EXPECT_FALSE(GetModuleDirectory(directory, 0));
    EXPECT_STREQ("untouched", directory);
    EXPECT_TRUE(GetModuleDirectory(directory, fits));
}

// The result must fit with its terminating zero: 259 characters do, 260 are refused (the added
// separator counts) and the buffer keeps what it held, with nothing written past it.
TEST(JoinPath, GivesOneSeparatorBetweenAndRefusesWhatCannotBeJoined) {
    const std::string dir = "C:\\" + std::string(240, 'D') + "\\"; // 244 characters
    const std::string bare = dir.substr(0, dir.size() - 1), longest = dir + "ABCDEFGHIJK.HLP";
    const struct {
        const char* dir;
        const char* name;
        const char* joined; // null: refused
    } cases[] = {
        // clang-format off
        {"C:\\APP", "X.HLP", "C:\\APP\\X.HLP"},   {"C:\\APP\\", "X.HLP", "C:\\APP\\X.HLP"},
        {"C:\\APP\\", "\\X.HLP", "C:\\APP\\X.HLP"}, {"C:\\APP\\", "\\\\X.HLP", "C:\\APP\\\\X.HLP"},
        {"A:", "X.HLP", "A:\\X.HLP"}, {"C:\\APP\\", "", "C:\\APP\\"}, {nullptr, "X.HLP", nullptr},
        {"C:\\APP", nullptr, nullptr}, {"", "X.HLP", nullptr}, {dir.c_str(), "ABCDEFGHIJK.HLP", longest.c_str()},
        {dir.c_str(), "ABCDEFGHIJKL.HLP", nullptr}, {bare.c_str(), "ABCDEFGHIJKL.HLP", nullptr},
        // clang-format on
    };
    for (const auto& c : cases) {
        struct {
            char path[MAX_PATH] = "untouched";
            char sentinel[8] = "guard";
        } buffer;
        EXPECT_EQ(c.joined != nullptr, JoinPath(buffer.path, c.dir, c.name) != 0);
        EXPECT_STREQ(c.joined ? c.joined : "untouched", buffer.path) << (c.name ? c.name : "null");
        EXPECT_STREQ("guard", buffer.sentinel);
    }
    char self[MAX_PATH] = "C:\\APP", small[8];
    EXPECT_FALSE(JoinPath(nullptr, "C:\\APP", "X.HLP"));
    EXPECT_FALSE(JoinPath(self, "C:\\APP", self)) << "the name may not be the destination";
    ASSERT_TRUE(JoinPath(self, self, "X.HLP")) << "the directory may be the destination";
    EXPECT_STREQ("C:\\APP\\X.HLP", self);
    EXPECT_TRUE(JoinPath(small, "A:", "X.HL", sizeof(small)));
    EXPECT_FALSE(JoinPath(small, "A:", "X.HLP", sizeof(small)));
}

// Only the file beside the library counts, not one in the Windows folder; a missing file,
// section or key gives the default; an over-long value is cut to the buffer.
TEST_F(LibraryFiles, MainIniIsReadBesideTheLibrary) {
    WriteFile("C:\\WINDOWS\\MAIN.INI", "[General]\nHelpFile=SYSTEM.HLP\n");
    struct {
        char value[MAX_PATH];
        char sentinel[8];
    } buffer;
    std::strcpy(buffer.sentinel, "guard");
    EXPECT_EQ(4u, GetMainIniString("General", "HelpFile", "NONE", buffer.value, MAX_PATH));
    EXPECT_STREQ("NONE", buffer.value);
    WriteMainIni("[General]\nHelpFile=APP.HLP\nLong=" + std::string(400, 'X') + "\n");
    EXPECT_EQ(7u, GetMainIniString("General", "HelpFile", "", buffer.value, MAX_PATH));
    EXPECT_STREQ("APP.HLP", buffer.value);
    EXPECT_EQ(0u, GetMainIniString("Other", "HelpFile", "", buffer.value, MAX_PATH));
    EXPECT_EQ(0u, GetMainIniString("General", "Missing", "", buffer.value, MAX_PATH));
    EXPECT_EQ(259u, GetMainIniString("General", "Long", "", buffer.value, MAX_PATH));
    EXPECT_STREQ("guard", buffer.sentinel);

    desktop::SetModuleFileName(GetLibraryInstance(), "RUZAV32.DLL");
    char value[MAX_PATH] = "untouched";
    EXPECT_EQ(0u, GetMainIniString("General", "HelpFile", "DEFAULT", value, sizeof(value)));
    EXPECT_STREQ("untouched", value) << "without a directory nothing is read";
}

// The entry point recorded the library's own module, which carries no resources and stays out
// of the framework's resource chain.
TEST_F(LibraryFiles, TheLibraryIsItsOwnModuleOutsideTheResourceChain) {
    const HINSTANCE library = GetLibraryInstance();
    EXPECT_NE(::GetModuleHandleA(nullptr), library);
    EXPECT_EQ(library, ::GetModuleHandleA("ruzav32.dll"));
    resources::AddDialog(library, "ONLYHERE", resources::DialogTemplate{});
    ASSERT_NE(nullptr, ::FindResourceA(library, "ONLYHERE", RT_DIALOG));
    EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle("ONLYHERE", RT_DIALOG));
}

} // namespace
