// Profile files as the system reads and writes them: trimming, quotes, case, comments, defaults,
// cutting to the buffer, integers, and writes that keep the rest of the file (section and key
// lists: kernel_profile_lists.cpp).
#include "conformance.h"

#include <windows.h>

#include <cstring>

namespace {

const char* const kIni = "; settings\r\n"
                         ";HelpFile=commented.hlp\r\n"
                         "[General]\r\n"
                         "HelpFile = guide.hlp  \r\n"
                         "Quoted=\"  spaced  \"\r\n"
                         "Single='x'\r\n"
                         "Half=\"open\r\n"
                         "Empty=\r\n"
                         "Number=  42abc\r\n"
                         "Negative=-17\r\n"
                         "Text=abc\r\n"
                         "Hex=0x1F\r\n"
                         "NoEquals\r\n"
                         "[Other]\r\n"
                         "Key=other\r\n";

std::string Read(const std::string& file, const char* section, const char* key,
                 const char* def = "DEF") {
    char buffer[128];
    std::memset(buffer, '#', sizeof buffer);
    DWORD n = GetPrivateProfileStringA(section, key, def, buffer, sizeof buffer, file.c_str());
    CHECK_EQ(static_cast<DWORD>(std::strlen(buffer)), n);
    return buffer;
}

} // namespace

CONFORMANCE_TEST(KernelProfileReadsWithWindowsRules) {
    std::string file = conformance::TempPath("rules.ini");
    CHECK(conformance::WriteTextFile(file, kIni));
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"General", "HelpFile", "guide.hlp"},
        {"GENERAL", "helpfile", "guide.hlp"},
        {"General", "Quoted", "  spaced  "},
        {"General", "Single", "x"},
        {"General", "Half", "\"open"},
        {"General", "Empty", ""},
        {"Other", "KEY", "other"},
        {"General", "Missing", "DEF"},
        {"Missing", "HelpFile", "DEF"},
        {"Other", "HelpFile", "DEF"},
        {"General", "NoEquals", "DEF"},
    };
    for (const Row& row : rows)
        CHECK_STR_EQ(row.expected, Read(file, row.section, row.key).c_str());
    CHECK_STR_EQ("x y", Read(file, "General", "Missing", "x y  ").c_str());
    CHECK_STR_EQ("  q", Read(file, "General", "Missing", "\"  q\"").c_str());
    CHECK_STR_EQ("", Read(file, "General", "Missing", nullptr).c_str());
}

CONFORMANCE_TEST(KernelProfileMissingFileGivesDefault) {
    std::string file = conformance::TempPath("none.ini");
    CHECK_STR_EQ("DEF", Read(file, "General", "HelpFile").c_str());
    std::string noFolder = conformance::TempPath("nofolder") + "\\main.ini";
    CHECK_STR_EQ("DEF", Read(noFolder, "General", "HelpFile").c_str());
}

CONFORMANCE_TEST(KernelProfileCutsToTheBuffer) {
    std::string file = conformance::TempPath("cut.ini");
    CHECK(conformance::WriteTextFile(file, kIni));
    struct Row {
        DWORD size;
        const char* expected;
        DWORD count;
    } rows[] = {{10, "guide.hlp", 9}, {9, "guide.hl", 8}, {4, "gui", 3}, {1, "", 0}};
    for (const Row& row : rows) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        CHECK_EQ(row.count, GetPrivateProfileStringA("General", "HelpFile", "", buffer, row.size,
                                                     file.c_str()));
        CHECK_STR_EQ(row.expected, buffer);
        CHECK_EQ('#', buffer[row.size]);
    }
    char buffer[4] = "abc";
    CHECK_EQ(0u, GetPrivateProfileStringA("General", "HelpFile", "d", buffer, 0, file.c_str()));
    CHECK_STR_EQ("abc", buffer);
    CHECK_EQ(0u, GetPrivateProfileStringA("General", "HelpFile", "d", nullptr, 8, file.c_str()));
}

CONFORMANCE_TEST(KernelProfileIntegers) {
    std::string file = conformance::TempPath("ints.ini");
    CHECK(conformance::WriteTextFile(file, kIni));
    CHECK_EQ(42u, GetPrivateProfileIntA("General", "Number", 5, file.c_str()));
    CHECK_EQ(static_cast<UINT>(-17), GetPrivateProfileIntA("General", "Negative", 5, file.c_str()));
    CHECK_EQ(0u, GetPrivateProfileIntA("General", "Text", 5, file.c_str()));
    CHECK_EQ(31u, GetPrivateProfileIntA("General", "Hex", 5, file.c_str()));
    CHECK_EQ(5u, GetPrivateProfileIntA("General", "Empty", 5, file.c_str()));
    CHECK_EQ(static_cast<UINT>(-3), GetPrivateProfileIntA("General", "Missing", -3, file.c_str()));
}

CONFORMANCE_TEST(KernelProfileWritesKeepTheFile) {
    std::string file = conformance::TempPath("write.ini");
    CHECK(conformance::WriteTextFile(file, kIni));
    CHECK(WritePrivateProfileStringA("general", "HELPFILE", "new.hlp", file.c_str()));
    CHECK(WritePrivateProfileStringA("General", "Added", "1", file.c_str()));
    CHECK(WritePrivateProfileStringA("Fresh", "Key", "value", file.c_str()));
    CHECK(WritePrivateProfileStringA("Other", "Key", nullptr, file.c_str()));
    CHECK_STR_EQ("new.hlp", Read(file, "General", "HelpFile").c_str());
    CHECK_STR_EQ("1", Read(file, "General", "Added").c_str());
    CHECK_STR_EQ("value", Read(file, "FRESH", "key").c_str());
    CHECK_STR_EQ("DEF", Read(file, "Other", "Key").c_str());
    CHECK_STR_EQ("abc", Read(file, "General", "Text").c_str());
    std::string text = conformance::ReadTextFile(file);
    CHECK(text.find("; settings\r\n") != std::string::npos);
    CHECK(text.find("HelpFile=new.hlp\r\n") != std::string::npos);
    CHECK(text.find("[Fresh]\r\nKey=value\r\n") != std::string::npos);
    CHECK(WritePrivateProfileStringA("General", nullptr, nullptr, file.c_str()));
    CHECK_STR_EQ("DEF", Read(file, "General", "Text").c_str());
}

CONFORMANCE_TEST(KernelProfileWriteCreatesTheFile) {
    std::string file = conformance::TempPath("new.ini");
    CHECK(WritePrivateProfileStringA("S", "K", "V", file.c_str()));
    CHECK_STR_EQ("[S]\r\nK=V\r\n", conformance::ReadTextFile(file).c_str());
    std::string noFolder = conformance::TempPath("nofolder2") + "\\new.ini";
    CHECK(!WritePrivateProfileStringA("S", "K", "V", noFolder.c_str()));
}
