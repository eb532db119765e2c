// Profile lists and line ends as the system gives them: a lone CR ends a line; key lists
// (GetPrivateProfileStringA with a null key, as the printers are listed) with their cutting rules.
#include "conformance.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace {

const char* const kIni = "[One]\rA=1\rB = 2 \r\n; comment\r\nloose line\r\n"
                         "[Two]\r\nC=3\r\n[Three]\r\n";

std::string File() {
    std::string file = conformance::TempPath("lists.ini");
    CHECK(conformance::WriteTextFile(file, kIni));
    return file;
}

// The first count bytes of the buffer, zeros shown as '|'.
std::string Bytes(const char* buffer, DWORD count) {
    std::string shown(buffer, count);
    for (char& c : shown)
        if (c == '\0')
            c = '|';
    return shown;
}

} // namespace

CONFORMANCE_TEST(KernelProfileLoneCarriageReturnEndsALine) {
    std::string file = File();
    char buffer[16];
    CHECK_EQ(1u, (unsigned)GetPrivateProfileStringA("One", "A", "", buffer, sizeof buffer,
                                                    file.c_str()));
    CHECK_STR_EQ("1", buffer);
    CHECK_EQ(1u, (unsigned)GetPrivateProfileStringA("one", "b", "", buffer, sizeof buffer,
                                                    file.c_str()));
    CHECK_STR_EQ("2", buffer);
}

CONFORMANCE_TEST(KernelProfileListsAndTheirCutting) {
    std::string file = File();
    // A list that fits with room to spare comes whole; one that fills the buffer exactly counts
    // as cut: size - 2 bytes of it are kept and size - 2 returned. Documented Windows ends a
    // cut list with two zeros; Wine writes only the first, so the last byte is not checked.
    struct Row {
        DWORD size;
        DWORD returned;
        const char* kept; // the first `returned + 1` bytes, zeros as '|'
        int line;
    } rows[] = {
        {64, 4, "A|B||", __LINE__},
        {6, 4, "A|B||", __LINE__},
        {5, 3, "A|B|", __LINE__},
        {4, 2, "A||", __LINE__},
    };
    for (const Row& row : rows) {
        char buffer[64];
        std::memset(buffer, '#', sizeof buffer);
        DWORD n = GetPrivateProfileStringA("One", nullptr, "def", buffer, row.size, file.c_str());
        std::string kept = Bytes(buffer, n + 1);
        if (n != row.returned || kept != row.kept)
            conformance::Fail(__FILE__, row.line,
                              "size " + conformance::Show(row.size) + ": returned " +
                                  conformance::Show(n) + ", kept " + conformance::Show(kept));
    }
}

CONFORMANCE_TEST(KernelProfileKeyListOfAnEmptyOrMissingSectionIsTheDefault) {
    std::string file = File();
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    CHECK_EQ(3u, (unsigned)GetPrivateProfileStringA("Three", nullptr, "def", buffer, sizeof buffer,
                                                    file.c_str()));
    CHECK_STR_EQ("def", buffer);
    CHECK_EQ(3u, (unsigned)GetPrivateProfileStringA("Missing", nullptr, "def", buffer,
                                                    sizeof buffer, file.c_str()));
    CHECK_STR_EQ("def", buffer);
}
