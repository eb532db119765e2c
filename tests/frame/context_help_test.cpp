// Context help from the library's help file, checked through the help requests the system
// records: which file, which command, which topic.
#include "frame_fixture.h"

#include <string>
#include <vector>

namespace {

class ContextHelp : public FrameTest {
protected:
    HWND window_ =
        ::CreateWindowExA(0, "STATIC", "Dialog", WS_POPUP, 0, 0, 100, 100, NULL, NULL, NULL, NULL);
};

// Each row is a fresh library folder C:\APPS\BINn\ holding these files ("\" at the end: a
// folder; "..\" at the start: in C:\APPS\), and a MAIN.INI whose HelpFile is the value given.
struct Row {
    std::vector<std::string> files;
    const char* helpFile; // null: no MAIN.INI
    const char* asked;    // the file the help engine is asked for; null: not asked at all
    bool result;
};

TEST_F(ContextHelp, FindsTheHelpFileBesideTheLibrary) {
    const std::string longName = std::string(300, 'H') + ".HLP";
    const Row rows[] = {
        // clang-format off
        {{"APP.HLP"},                            "APP.HLP",         "APP.HLP",     true},
        {{"DOC\\", "DOC\\APP.HLP"},              "\\DOC\\APP.HLP",  "DOC\\APP.HLP", true},
        // The folder is always in front, so a drive does not reach a file elsewhere.
        {{"..\\SECRET.HLP"},                     "C:\\APPS\\SECRET.HLP", "C:\\APPS\\SECRET.HLP", false},
        {{"OTHER.HLP"},                          "GONE.HLP",        "GONE.HLP",    false},
        {{"ZED.HLP", "ABLE.HLP"},                "",                "ABLE.HLP",    true},
        {{"README.TXT", "MANUAL.HLP", "GUIDE.HLP"}, nullptr,        "GUIDE.HLP",   true},
        {{"ARCHIVE.HLP\\", "BOOK.HLP"},          nullptr,           "BOOK.HLP",    true},
        {{"README.TXT", "ONLY.HLP\\"},           nullptr,           nullptr,       false},
        // Too long to join within the path limit: nothing rather than a path cut short.
        {{"APP.HLP"},                            longName.c_str(),  nullptr,       false},
        // Once the help engine was handed C:\APPS\SECRET.HLP and reported success.
        {{"..\\SECRET.HLP"},                     "..\\SECRET.HLP",  nullptr,       false},
        {{"APP.HLP"},                            "*.HLP",           nullptr,       false},
        // clang-format on
    };
    int n = 0;
    for (const Row& row : rows) {
        const std::string folder = "C:\\APPS\\BIN" + std::to_string(++n) + "\\";
        desktop::SetModuleFileName(GetLibraryInstance(), (folder + "RUZAV32.DLL").c_str());
        MakeFolder(folder.c_str());
        for (const std::string& file : row.files) {
            if (file.back() == '\\')
                MakeFolder((folder + file).c_str());
            else
                WriteFile(file.rfind("..\\", 0) == 0 ? "C:\\APPS\\" + file.substr(3)
                                                     : folder + file,
                          "help");
        }
        if (row.helpFile != nullptr)
            WriteFile(folder + "MAIN.INI",
                      std::string("[General]\nHelpFile=") + row.helpFile + "\n");
        desktop::ClearHelpRequests();

        SCOPED_TRACE(row.helpFile ? row.helpFile : "no MAIN.INI");
        EXPECT_EQ(row.result, LaunchContextHelp(window_, 1234, 0) != FALSE);
        const std::vector<desktop::HelpRequest> requests = desktop::HelpRequests();
        ASSERT_EQ(row.asked ? 1u : 0u, requests.size());
        if (row.asked) {
            EXPECT_EQ(folder + row.asked, requests[0].file);
            EXPECT_EQ(window_, requests[0].hwnd);
            EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), requests[0].command);
            EXPECT_EQ(1234u, requests[0].data);
        }
    }
}

TEST_F(ContextHelp, ChoosesTheCommandAndReadsMainIniAfresh) {
    WriteFile("C:\\APPS\\BIN\\ONE.HLP", "help");
    WriteFile("C:\\APPS\\BIN\\TWO.HLP", "help");
    const struct {
        UINT command;
        DWORD data;
        UINT asked;
    } cases[] = {
        // clang-format off
        {0, 42, HELP_CONTEXT}, {0, 0, HELP_CONTENTS}, {HELP_CONTEXTPOPUP, 42, HELP_CONTEXTPOPUP},
        {HELP_FINDER, 0, HELP_FINDER}, {0, 0x12345678, HELP_CONTEXT},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(LaunchContextHelp(window_, c.data, c.command));
        EXPECT_EQ(c.asked, desktop::HelpRequests().back().command);
        EXPECT_EQ(c.data, desktop::HelpRequests().back().data);
    }
    WriteMainIni("[General]\nHelpFile=TWO.HLP\n");
    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));
    EXPECT_EQ("C:\\APPS\\BIN\\TWO.HLP", desktop::HelpRequests().back().file);

    desktop::SetModuleFileName(GetLibraryInstance(), "RUZAV32.DLL");
    desktop::ClearHelpRequests();
    EXPECT_FALSE(LaunchContextHelp(window_, 7, 0));
    EXPECT_TRUE(desktop::HelpRequests().empty()) << "without the library's folder, nothing";
}

} // namespace
