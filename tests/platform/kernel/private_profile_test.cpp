// GetPrivateProfileStringA / WritePrivateProfileStringA on real files: what the conformance tests
// (tests/conformance/kernel_profile*.cpp: trimming, quotes, integers, cutting, lists, writes
// that keep the file) cannot reach portably.
#include "kernel_fixture.h"

#include <sys/stat.h>

#include <cstring>

namespace {

const char* const kIni = "; settings of the test\r\n"
                         "[General]\r\n"
                         "HelpFile = guide.hlp  \r\n"
                         "Hex=0x1F\r\n"
                         "NoEquals\r\n"
                         ";HelpFile=commented.hlp\r\n"
                         "  [ Spaced Section ]  \r\n"
                         "key=in spaced\r\n"
                         "[General]\r\n"
                         "HelpFile=second.hlp\r\n";

class PrivateProfileTest : public KernelTest {
protected:
    void SetUp() override {
        KernelTest::SetUp();
        MakeFolder("apps");
        WriteHostFile("apps/main.ini", kIni);
    }

    std::string Read(const char* section, const char* key, const char* def = "DEF",
                     const char* file = "C:\\APPS\\MAIN.INI") {
        char buffer[128];
        DWORD n = GetPrivateProfileStringA(section, key, def, buffer, sizeof buffer, file);
        EXPECT_EQ(std::strlen(buffer), n);
        return buffer;
    }
};

} // namespace

// Spaced names, a section twice, comment lines, and files that cannot be read.
TEST_F(PrivateProfileTest, ReadsValuesWithWindowsRules) {
    EXPECT_EQ("guide.hlp", Read(" General ", " HelpFile ")); // first of two sections wins
    EXPECT_EQ("in spaced", Read("Spaced Section", "KEY"));
    EXPECT_EQ("DEF", Read("General", ";HelpFile")); // comment lines hold no keys
    for (const char* file :
         {"C:\\APPS\\NONE.INI", "C:\\NOFOLDER\\MAIN.INI", "Q:\\MAIN.INI", "C:\\APPS"})
        EXPECT_EQ("DEF", Read("General", "HelpFile", "DEF", file)) << file;
    if (geteuid() != 0) {
        chmod((drive_ + "/apps/main.ini").c_str(), 0);
        EXPECT_EQ("DEF", Read("General", "HelpFile"));
    }
}

TEST_F(PrivateProfileTest, ValuesCannotBreakTheFileApart) {
    EXPECT_TRUE(
        WritePrivateProfileStringA("S", "K", "one\r\n[Injected]\r\nX=1", "C:\\APPS\\NEW.INI"));
    EXPECT_EQ("one", Read("S", "K", "DEF", "C:\\APPS\\NEW.INI"));
    EXPECT_EQ("DEF", Read("Injected", "X", "DEF", "C:\\APPS\\NEW.INI"));
}

TEST_F(PrivateProfileTest, LinuxLineEndingsReadAndStay) {
    WriteHostFile("apps/unix.ini", "[A]\nk=v\n");
    EXPECT_EQ("v", Read("A", "K", "DEF", "C:\\APPS\\UNIX.INI"));
    EXPECT_TRUE(WritePrivateProfileStringA("A", "k2", "w", "C:\\APPS\\UNIX.INI"));
    EXPECT_EQ("[A]\nk=v\nk2=w\n", ReadHostFile("apps/unix.ini"));
}

TEST_F(PrivateProfileTest, OverlongNamesAndValuesStayInBounds) {
    std::string longKey(5000, 'k');
    std::string longValue(5000, 'v');
    EXPECT_TRUE(
        WritePrivateProfileStringA("S", longKey.c_str(), longValue.c_str(), "C:\\APPS\\BIG.INI"));
    char buffer[32];
    EXPECT_EQ(31u, GetPrivateProfileStringA("s", longKey.c_str(), "", buffer, sizeof buffer,
                                            "C:\\APPS\\BIG.INI"));
    EXPECT_EQ(std::string(31, 'v'), buffer);
    EXPECT_EQ("DEF", Read("S", "K", "DEF", ("C:\\" + std::string(400, 'p')).c_str()));
}
