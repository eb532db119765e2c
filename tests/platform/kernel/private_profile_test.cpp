// GetPrivateProfileStringA / GetPrivateProfileIntA / WritePrivateProfileStringA on real files.
#include "kernel_fixture.h"

#include <sys/stat.h>

#include <cstring>

namespace {

const char* const kIni = "; settings of the test\r\n"
                         "[General]\r\n"
                         "HelpFile = guide.hlp  \r\n"
                         "Quoted=\"  spaced value  \"\r\n"
                         "Single='x'\r\n"
                         "Half=\"open\r\n"
                         "Empty=\r\n"
                         "Number=  42abc\r\n"
                         "Negative=-17\r\n"
                         "Text=abc\r\n"
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

TEST_F(PrivateProfileTest, ReadsValuesWithWindowsRules) {
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"General", "HelpFile", "guide.hlp"}, // blanks trimmed, first of two sections wins
        {"GENERAL", "helpfile", "guide.hlp"}, // names ignore case
        {" General ", " HelpFile ", "guide.hlp"},
        {"General", "Quoted", "  spaced value  "}, // one pair of quotes stripped
        {"General", "Single", "x"},
        {"General", "Half", "\"open"}, // unmatched quote kept
        {"General", "Empty", ""},      // present but empty: not the default
        {"Spaced Section", "KEY", "in spaced"},
        {"General", "Missing", "DEF"},
        {"Missing", "HelpFile", "DEF"},
        {"General", ";HelpFile", "DEF"}, // comment lines hold no keys
        {"General", "NoEquals", "DEF"},  // nor do other lines without '='
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, Read(row.section, row.key)) << row.section << "/" << row.key;
}

TEST_F(PrivateProfileTest, MissingOrUnreadableFileGivesTheDefault) {
    EXPECT_EQ("DEF", Read("General", "HelpFile", "DEF", "C:\\APPS\\NONE.INI"));
    EXPECT_EQ("DEF", Read("General", "HelpFile", "DEF", "C:\\NOFOLDER\\MAIN.INI"));
    EXPECT_EQ("DEF", Read("General", "HelpFile", "DEF", "Q:\\MAIN.INI"));
    EXPECT_EQ("DEF", Read("General", "HelpFile", "DEF", "C:\\APPS")); // a folder
    EXPECT_EQ("", Read("General", "Missing", nullptr));
    EXPECT_EQ("x y", Read("General", "Missing", "x y  "));   // trailing blanks dropped
    EXPECT_EQ("  q", Read("General", "Missing", "\"  q\"")); // and quotes, as from values
    if (geteuid() != 0) {
        chmod((drive_ + "/apps/main.ini").c_str(), 0);
        EXPECT_EQ("DEF", Read("General", "HelpFile"));
    }
}

TEST_F(PrivateProfileTest, CutsToTheBufferAndCounts) {
    struct Row {
        DWORD size;
        const char* expected;
        DWORD count;
    } rows[] = {{10, "guide.hlp", 9}, {9, "guide.hl", 8}, {4, "gui", 3}, {1, "", 0}};
    for (const Row& row : rows) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        DWORD n = GetPrivateProfileStringA("General", "HelpFile", "", buffer, row.size,
                                           "C:\\APPS\\MAIN.INI");
        EXPECT_EQ(row.count, n) << row.size;
        EXPECT_STREQ(row.expected, buffer);
        EXPECT_EQ('#', buffer[row.size]) << "wrote past size " << row.size;
    }
    // The default is cut the same way.
    char buffer[4];
    EXPECT_EQ(3u, GetPrivateProfileStringA("General", "None", "default", buffer, 4,
                                           "C:\\APPS\\MAIN.INI"));
    EXPECT_STREQ("def", buffer);
}

TEST_F(PrivateProfileTest, ZeroSizeOrNullBufferWritesNothing) {
    char buffer[4] = "abc";
    EXPECT_EQ(
        0u, GetPrivateProfileStringA("General", "HelpFile", "d", buffer, 0, "C:\\APPS\\MAIN.INI"));
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ(0u, GetPrivateProfileStringA("General", "HelpFile", "d", nullptr, 10,
                                           "C:\\APPS\\MAIN.INI"));
}

TEST_F(PrivateProfileTest, IntegersTakeLeadingDigits) {
    struct Row {
        const char* key;
        INT def;
        UINT expected;
    } rows[] = {{"Number", 5, 42},
                {"Negative", 5, static_cast<UINT>(-17)},
                {"Text", 5, 0}, // present but not a number
                {"Hex", 5, 31},
                {"Empty", 5, 5}, // empty value: the default
                {"Missing", -3, static_cast<UINT>(-3)}};
    for (const Row& row : rows)
        EXPECT_EQ(row.expected,
                  GetPrivateProfileIntA("General", row.key, row.def, "C:\\APPS\\MAIN.INI"))
            << row.key;
    // A null section reads the list of sections, whose first name is no number.
    EXPECT_EQ(0u, GetPrivateProfileIntA(nullptr, "x", 7, "C:\\APPS\\MAIN.INI"));
}

TEST_F(PrivateProfileTest, ListsSectionsAndKeys) {
    char buffer[128];
    DWORD n =
        GetPrivateProfileStringA(nullptr, nullptr, "", buffer, sizeof buffer, "C:\\APPS\\MAIN.INI");
    EXPECT_EQ(std::string("General\0Spaced Section\0General\0", 31), std::string(buffer, n));
    EXPECT_EQ('\0', buffer[n]);
    n = GetPrivateProfileStringA("Spaced Section", nullptr, "", buffer, sizeof buffer,
                                 "C:\\APPS\\MAIN.INI");
    EXPECT_EQ(std::string("key\0\0", 5), std::string(buffer, n + 1));
    // Too small: what fits, still ended by two zeros, and size - 2.
    std::memset(buffer, '#', sizeof buffer);
    n = GetPrivateProfileStringA(nullptr, nullptr, "", buffer, 10, "C:\\APPS\\MAIN.INI");
    EXPECT_EQ(8u, n);
    EXPECT_EQ(std::string("General\0\0", 9), std::string(buffer, 9));
    EXPECT_EQ('#', buffer[10]);
}

TEST_F(PrivateProfileTest, WritesKeepTheRestOfTheFile) {
    const char* file = "C:\\APPS\\MAIN.INI";
    EXPECT_TRUE(WritePrivateProfileStringA("general", "HELPFILE", "new.hlp", file));
    EXPECT_TRUE(WritePrivateProfileStringA("General", "Added", "1", file));
    EXPECT_TRUE(WritePrivateProfileStringA("Fresh", "Key", "value", file));
    EXPECT_EQ("new.hlp", Read("General", "HelpFile"));
    EXPECT_EQ("1", Read("General", "Added"));
    EXPECT_EQ("value", Read("Fresh", "key"));
    std::string text = ReadHostFile("apps/main.ini");
    EXPECT_NE(std::string::npos, text.find("; settings of the test\r\n"));
    EXPECT_NE(std::string::npos, text.find("HelpFile=new.hlp\r\n")); // the file's spelling
    EXPECT_NE(std::string::npos,
              text.find("Hex=0x1F\r\nAdded=1\r\nNoEquals\r\n;HelpFile=commented.hlp\r\n"
                        "  [ Spaced Section ]  \r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\n\r\n[Fresh]\r\nKey=value\r\n"));
}

TEST_F(PrivateProfileTest, DeletesKeysAndSections) {
    const char* file = "C:\\APPS\\MAIN.INI";
    EXPECT_TRUE(WritePrivateProfileStringA("General", "Text", nullptr, file));
    EXPECT_EQ("DEF", Read("General", "Text"));
    EXPECT_TRUE(WritePrivateProfileStringA("Spaced Section", nullptr, nullptr, file));
    EXPECT_EQ("DEF", Read("Spaced Section", "key"));
    EXPECT_EQ("guide.hlp", Read("General", "HelpFile"));
    EXPECT_FALSE(WritePrivateProfileStringA(nullptr, nullptr, nullptr, file));
}

TEST_F(PrivateProfileTest, WritingCreatesTheFileButNotItsFolder) {
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "V", "C:\\APPS\\NEW.INI"));
    EXPECT_EQ("[S]\r\nK=V\r\n", ReadHostFile("apps/NEW.INI"));
    EXPECT_FALSE(WritePrivateProfileStringA("S", "K", "V", "C:\\NOFOLDER\\NEW.INI"));
    EXPECT_EQ(DWORD(ERROR_PATH_NOT_FOUND), GetLastError());
    // Deleting from a missing file creates nothing.
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", nullptr, "C:\\APPS\\NONE.INI"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\APPS\\NONE.INI"));
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

TEST_F(PrivateProfileTest, BareNamesLiveInTheWindowsFolder) {
    EXPECT_TRUE(WritePrivateProfileStringA("S", "K", "V", "APP.INI"));
    char path[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryA(path, sizeof path), 0u);
    EXPECT_EQ("V", Read("S", "K", "DEF", (std::string(path) + "\\app.ini").c_str()));
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
