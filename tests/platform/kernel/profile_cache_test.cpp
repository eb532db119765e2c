// Profiles read again and again: a file changed, removed, recreated or renamed behind the
// platform's back is seen within a few milliseconds, however little it changed, and the
// platform's own writes and the driver's profile text by the very next read.
#include "kernel_fixture.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <cstring>
#include <functional>

namespace {

class ProfileCacheTest : public KernelTest {
protected:
    std::string Private(const char* key, const char* file = "C:\\MAIN.INI") {
        char buffer[64];
        GetPrivateProfileStringA("S", key, "none", buffer, sizeof buffer, file);
        return buffer;
    }
    std::string User(const char* key) {
        char buffer[64];
        GetProfileStringA("S", key, "none", buffer, sizeof buffer);
        return buffer;
    }
};

// Each change is made by another program and read twice: the second read answers from the held
// copy, which must be the new one.
TEST_F(ProfileCacheTest, OutsideChangesAreSeen) {
    const std::string file = drive_ + "/main.ini";
    auto write = [this](const char* value) {
        return [this, value] { WriteHostFile("main.ini", std::string("[S]\nK=") + value + "\n"); };
    };
    const struct {
        const char* change;
        std::function<void()> make;
        const char* seen;
    } steps[] = {
        {"written", write("a"), "a"},
        // Quiet for a while, the file is trusted on its timestamps alone...
        {"left alone", [] { std::this_thread::sleep_for(std::chrono::milliseconds(120)); }, "a"},
        // ...yet a rewrite of the same size within one file-system clock tick still shows.
        {"rewritten", write("b"), "b"},
        {"rewritten again", write("c"), "c"},
        {"renamed into place",
         [&] {
             WriteHostFile("next.ini", "[S]\nK=renamed\n");
             std::rename((drive_ + "/next.ini").c_str(), file.c_str());
         },
         "renamed"},
        {"removed", [&] { std::remove(file.c_str()); }, "none"},
        {"recreated", write("again"), "again"},
    };
    for (const auto& step : steps) {
        step.make();
        LetOutsideChangeShow();
        EXPECT_EQ(step.seen, Private("K")) << step.change;
        EXPECT_EQ(step.seen, Private("K")) << step.change;
    }
}

TEST_F(ProfileCacheTest, WritesThroughThePlatformAreSeen) {
    EXPECT_EQ("none", User("K"));
    ASSERT_TRUE(WriteProfileStringA("S", "K", "1"));
    EXPECT_EQ("1", User("K"));
    ASSERT_TRUE(desktop::SetProfileText("[S]\nK=2\n"));
    EXPECT_EQ("2", User("K"));
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", "3", "WIN.INI"));
    EXPECT_EQ("3", User("K"));
    ASSERT_TRUE(WriteProfileStringA("S", "K", nullptr));
    EXPECT_EQ("none", User("K"));
}

TEST_F(ProfileCacheTest, TheUserProfileFollowsTheWindowsFolderAndACaseVariant) {
    ASSERT_TRUE(desktop::SetProfileText("[S]\nK=upper\n"));
    EXPECT_EQ("upper", User("K"));
    // Only a differently spelt file left: the DOS name still finds it.
    const std::string folder = desktop::WindowsFolder();
    ASSERT_EQ(0, std::rename((folder + "/WIN.INI").c_str(), (folder + "/win.ini").c_str()));
    LetOutsideChangeShow();
    EXPECT_EQ("upper", User("K"));
    // A reset brings a fresh Windows folder with an empty profile.
    desktop::reset();
    EXPECT_EQ("none", User("K"));
}

TEST_F(ProfileCacheTest, ManyFilesInTurnEachKeepTheirOwnValues) {
    // More files than are held at once, read round and round.
    for (int i = 0; i < 12; ++i)
        WriteHostFile("f" + std::to_string(i) + ".ini", "[S]\nK=" + std::to_string(i) + "\n");
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 12; ++i) {
            std::string name = "C:\\F" + std::to_string(i) + ".INI";
            EXPECT_EQ(std::to_string(i), Private("K", name.c_str()));
        }
    }
}

TEST_F(ProfileCacheTest, AnOutsideChangeWaitsForTheNextLookButAPlatformWriteDoesNot) {
    WriteHostFile("main.ini", "[S]\nK=old\n");
    LetOutsideChangeShow(); // settled: answered from memory between looks
    ASSERT_EQ("old", Private("K"));
    // Read at once after another program's write, the held copy may still answer; within the
    // bound the change shows.
    WriteHostFile("main.ini", "[S]\nK=new\n");
    std::string seen = Private("K");
    EXPECT_TRUE(seen == "old" || seen == "new") << seen;
    LetOutsideChangeShow();
    EXPECT_EQ("new", Private("K"));
    // The platform's own writes never wait, whatever the driver's clock says.
    desktop::SetTickCount(0);
    for (int i = 0; i < 5; ++i) {
        const std::string value = std::to_string(i);
        ASSERT_TRUE(WritePrivateProfileStringA("S", "K", value.c_str(), "C:\\MAIN.INI"));
        EXPECT_EQ(value, Private("K"));
    }
    HANDLE file = CreateFileA("C:\\MAIN.INI", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    EXPECT_EQ("none", Private("K")); // truncated
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, "[S]\nK=w\n", 8, &written, nullptr));
    EXPECT_EQ("w", Private("K"));
    CloseHandle(file);
    ASSERT_TRUE(DeleteFileA("C:\\MAIN.INI"));
    EXPECT_EQ("none", Private("K"));
}

// A number read again is answered from memory; every way the profile can change must reach it.
TEST_F(ProfileCacheTest, RememberedNumbersFollowEveryChange) {
    const std::string pinned = WriteHostFile("pinned.ini", "[Intl]\niTime=5\n");
    const struct {
        const char* change;
        std::function<void()> make;
        UINT seen;
    } steps[] = {
        {"none yet", [] {}, 7},
        {"written", [] { WriteProfileStringA("Intl", "iTime", "1"); }, 1},
        {"profile text", [] { desktop::SetProfileText("[Intl]\niTime=2\n"); }, 2},
        {"another program",
         [] {
             std::ofstream(desktop::WindowsFolder() + "/WIN.INI") << "[Intl]\niTime=3\n";
             LetOutsideChangeShow();
         },
         3},
        {"key removed", [] { WriteProfileStringA("Intl", "iTime", nullptr); }, 7},
        {"locale keys",
         [] {
             desktop::SetProfileIntlFromFormats({"", "%I:%M %p", "", "", ""});
         },
         0},
        {"other locale keys",
         [] {
             desktop::SetProfileIntlFromFormats({"", "%H:%M", "", "", ""});
         },
         1},
        {"pinned file", [&] { desktop::SetProfileFile(pinned); }, 5},
    };
    for (const auto& step : steps) {
        step.make();
        EXPECT_EQ(step.seen, GetProfileIntA("Intl", "iTime", 7)) << step.change;
        EXPECT_EQ(step.seen, GetProfileIntA("Intl", "iTime", 7)) << step.change;
    }
}

} // namespace
