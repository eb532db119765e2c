// The user profile: WIN.INI in the Windows folder, and the "Intl" keys the driver pins.
#include "kernel_fixture.h"

#include <cstdlib>
#include <cstring>

namespace {

std::string Profile(const char* section, const char* key, const char* def = "DEF") {
    char buffer[64];
    GetProfileStringA(section, key, def, buffer, sizeof buffer);
    return buffer;
}

} // namespace

using UserProfileTest = KernelTest;

TEST_F(UserProfileTest, StartsEmptyWithoutIntlKeys) {
    for (const char* key : {"sDate", "sTime", "s1159", "s2359", "sShortDate", "iTime", "iTLZero"})
        EXPECT_EQ("DEF", Profile("Intl", key)) << key;
    EXPECT_EQ(7u, GetProfileIntA("Intl", "iTime", 7));
}

TEST_F(UserProfileTest, WritesAndReadsWinIni) {
    EXPECT_TRUE(WriteProfileStringA("Intl", "sDate", "."));
    EXPECT_EQ(".", Profile("intl", "SDATE"));
    EXPECT_EQ(".", Profile("Intl", "sDate"));
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, sizeof path);
    char buffer[8];
    GetPrivateProfileStringA("Intl", "sDate", "", buffer, sizeof buffer,
                             (std::string(path) + "\\WIN.INI").c_str());
    EXPECT_STREQ(".", buffer);
    EXPECT_TRUE(WriteProfileStringA("Intl", "iTime", "1"));
    EXPECT_EQ(1u, GetProfileIntA("Intl", "iTime", 0));
}

TEST_F(UserProfileTest, PinnedProfileTextAndFile) {
    ASSERT_TRUE(desktop::SetProfileText("[Intl]\r\nsShortDate=dd.MM.yyyy\r\niTLZero=0\r\n"));
    EXPECT_EQ("dd.MM.yyyy", Profile("Intl", "sShortDate"));
    EXPECT_EQ(0u, GetProfileIntA("Intl", "iTLZero", 1));
    std::string file = WriteHostFile("my.ini", "[Intl]\nsTime=.\n");
    desktop::SetProfileFile(file);
    EXPECT_EQ(".", Profile("Intl", "sTime"));
    EXPECT_TRUE(WriteProfileStringA("Intl", "s1159", "vorm."));
    EXPECT_EQ("[Intl]\nsTime=.\ns1159=vorm.\n", ReadHostFile("my.ini"));
}

TEST_F(UserProfileTest, FileKeysWinOverLocaleKeys) {
    desktop::SetProfileIntlFromFormats({"%d.%m.%Y", "%H:%M:%S", "", "", ""});
    EXPECT_EQ("dd.MM.yyyy", Profile("Intl", "sShortDate"));
    EXPECT_TRUE(WriteProfileStringA("Intl", "sShortDate", "yyyy-MM-dd"));
    EXPECT_EQ("yyyy-MM-dd", Profile("Intl", "sShortDate"));
    EXPECT_EQ(".", Profile("Intl", "sDate"));
    // Other sections are never answered from the locale.
    EXPECT_EQ("DEF", Profile("Other", "sDate"));
    desktop::SetProfileIntlNone();
    EXPECT_EQ("DEF", Profile("Intl", "sDate"));
}

TEST_F(UserProfileTest, LocaleKeysAppearInTheKeyList) {
    desktop::SetProfileIntlFromFormats({"%m/%d/%Y", "%r", "%I:%M:%S %p", "AM", "PM"});
    WriteProfileStringA("Intl", "iCountry", "1");
    char buffer[256];
    DWORD n = GetProfileStringA("Intl", nullptr, "", buffer, sizeof buffer);
    std::string list(buffer, n);
    for (const char* key :
         {"iCountry", "sShortDate", "sDate", "iTime", "sTime", "iTLZero", "s1159", "s2359"})
        EXPECT_NE(std::string::npos, list.find(std::string(key) + '\0')) << key;
}

TEST_F(UserProfileTest, IntlAnswersAreCutToTheBuffer) {
    desktop::SetProfileIntlFromFormats({"%d.%m.%Y", "%H:%M", "", "", ""});
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(4u, GetProfileStringA("Intl", "sShortDate", "", buffer, 5));
    EXPECT_STREQ("dd.M", buffer);
    EXPECT_EQ('#', buffer[5]);
    EXPECT_EQ(0u, GetProfileStringA("Intl", "sShortDate", "", buffer, 0));
}

TEST_F(UserProfileTest, MissingLocaleAndCLocaleAnswerNothing) {
    EXPECT_FALSE(desktop::SetProfileIntlFromLocale("xx_NOWHERE.UTF-8"));
    EXPECT_EQ("DEF", Profile("Intl", "sShortDate"));
    EXPECT_TRUE(desktop::SetProfileIntlFromLocale("C"));
    EXPECT_EQ("DEF", Profile("Intl", "sShortDate"));
    EXPECT_FALSE(desktop::SetProfileIntlFromLocale(nullptr));
    if (!desktop::SetProfileIntlFromLocale("de_DE.UTF-8"))
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed here";
    EXPECT_EQ("dd.MM.yyyy", Profile("Intl", "sShortDate"));
    EXPECT_EQ(".", Profile("Intl", "sDate"));
    EXPECT_EQ(1u, GetProfileIntA("Intl", "iTime", 0));
}

// Without a folder set (a live host) the profile lives in the user's configuration folder, which
// follows the environment even though it is not worked out again at every read.
TEST_F(UserProfileTest, ALiveHostsFolderFollowsItsEnvironment) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string keepConfig = savedConfig ? savedConfig : "";
    const std::string keepHome = savedHome ? savedHome : "";
    desktop::SetWindowsFolder("");
    const struct {
        const char* config; // nullptr: unset
        const char* home;
        const char* folder;
    } cases[] = {
        {"/cfg/one", "/home/a", "/cfg/one/ruzav32"},
        {"/cfg/two", "/home/a", "/cfg/two/ruzav32"},
        {nullptr, "/home/a", "/home/a/.config/ruzav32"},
        {nullptr, "/home/b", "/home/b/.config/ruzav32"},
        {"/cfg/one", "/home/b", "/cfg/one/ruzav32"},
    };
    for (const auto& c : cases) {
        if (c.config)
            setenv("XDG_CONFIG_HOME", c.config, 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        setenv("HOME", c.home, 1);
        EXPECT_EQ(c.folder, desktop::WindowsFolder());
        EXPECT_EQ(c.folder, desktop::WindowsFolder());
    }
    if (savedConfig)
        setenv("XDG_CONFIG_HOME", keepConfig.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    if (savedHome)
        setenv("HOME", keepHome.c_str(), 1);
    else
        unsetenv("HOME");
    desktop::reset();
}
