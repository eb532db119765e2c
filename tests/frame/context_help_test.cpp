// Context help from the library's help file, checked through the help requests the system
// records: which file, which command, which topic.
#include "frame_fixture.h"

#include <string>

namespace {

class ContextHelp : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        window_ = ::CreateWindowExA(0, "STATIC", "Dialog", WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                                    NULL, NULL);
        ASSERT_NE(nullptr, window_);
    }

    // The one request made since the test began; fails the test when there is not exactly one.
    desktop::HelpRequest OnlyRequest() {
        const std::vector<desktop::HelpRequest> requests = desktop::HelpRequests();
        EXPECT_EQ(1u, requests.size());
        return requests.empty() ? desktop::HelpRequest{} : requests.back();
    }

    HWND window_ = NULL;
};

TEST_F(ContextHelp, OpensTheTopicInTheFileThatMainIniNames) {
    WriteMainIni("[General]\nHelpFile=APP.HLP\n");
    WriteFile("C:\\APPS\\BIN\\APP.HLP", "help");

    EXPECT_TRUE(LaunchContextHelp(window_, 1234, 0));
    const desktop::HelpRequest request = OnlyRequest();
    EXPECT_EQ(window_, request.hwnd);
    EXPECT_EQ("C:\\APPS\\BIN\\APP.HLP", request.file);
    EXPECT_EQ(static_cast<UINT>(HELP_CONTEXT), request.command);
    EXPECT_EQ(1234u, request.data);
}

TEST_F(ContextHelp, FollowsTheLibrarysOwnFolder) {
    desktop::SetModuleFileName(GetLibraryInstance(), "C:\\LIB\\RUZAV32.DLL");
    MakeFolder("C:\\LIB");
    WriteFile("C:\\LIB\\MAIN.INI", "[General]\nHelpFile=APP.HLP\n");
    WriteFile("C:\\LIB\\APP.HLP", "help");

    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));
    EXPECT_EQ("C:\\LIB\\APP.HLP", OnlyRequest().file);
}

TEST_F(ContextHelp, HelpFileWithALeadingBackslashStaysBelowTheLibrary) {
    WriteMainIni("[General]\nHelpFile=\\DOC\\APP.HLP\n");
    MakeFolder("C:\\APPS\\BIN\\DOC");
    WriteFile("C:\\APPS\\BIN\\DOC\\APP.HLP", "help");

    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));
    EXPECT_EQ("C:\\APPS\\BIN\\DOC\\APP.HLP", OnlyRequest().file);
}

// A drive or a full path in the value does not reach a file elsewhere: the library's folder is
// always in front, and the help engine reports the file missing.
TEST_F(ContextHelp, HelpFileWithADriveIsStillTakenBelowTheLibrary) {
    WriteMainIni("[General]\nHelpFile=C:\\OTHER\\APP.HLP\n");
    MakeFolder("C:\\OTHER");
    WriteFile("C:\\OTHER\\APP.HLP", "help");

    EXPECT_FALSE(LaunchContextHelp(window_, 7, 0));
    EXPECT_EQ("C:\\APPS\\BIN\\C:\\OTHER\\APP.HLP", OnlyRequest().file);
}

TEST_F(ContextHelp, MissingNamedFileIsStillAskedForAndReported) {
    WriteMainIni("[General]\nHelpFile=GONE.HLP\n");
    WriteFile("C:\\APPS\\BIN\\OTHER.HLP", "help");

    EXPECT_FALSE(LaunchContextHelp(window_, 7, 0));
    const desktop::HelpRequest request = OnlyRequest();
    EXPECT_EQ("C:\\APPS\\BIN\\GONE.HLP", request.file);
    EXPECT_FALSE(request.result);
}

TEST_F(ContextHelp, EmptyHelpFileFallsBackToTheFirstHelpFileFound) {
    WriteMainIni("[General]\nHelpFile=\n");
    WriteFile("C:\\APPS\\BIN\\ZED.HLP", "help");
    WriteFile("C:\\APPS\\BIN\\ABLE.HLP", "help");

    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));
    EXPECT_EQ("C:\\APPS\\BIN\\ABLE.HLP", OnlyRequest().file);
}

TEST_F(ContextHelp, WithoutMainIniTheFirstHelpFileFoundIsUsed) {
    WriteFile("C:\\APPS\\BIN\\README.TXT", "not help");
    WriteFile("C:\\APPS\\BIN\\MANUAL.HLP", "help");
    WriteFile("C:\\APPS\\BIN\\GUIDE.HLP", "help");

    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));
    EXPECT_EQ("C:\\APPS\\BIN\\GUIDE.HLP", OnlyRequest().file);
}

TEST_F(ContextHelp, AFolderNamedLikeAHelpFileIsPassedOver) {
    MakeFolder("C:\\APPS\\BIN\\ARCHIVE.HLP");
    WriteFile("C:\\APPS\\BIN\\BOOK.HLP", "help");

    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));
    EXPECT_EQ("C:\\APPS\\BIN\\BOOK.HLP", OnlyRequest().file);
}

TEST_F(ContextHelp, NoHelpFileAtAllAsksForNothing) {
    WriteFile("C:\\APPS\\BIN\\README.TXT", "not help");
    MakeFolder("C:\\APPS\\BIN\\ONLY.HLP");

    EXPECT_FALSE(LaunchContextHelp(window_, 7, 0));
    EXPECT_TRUE(desktop::HelpRequests().empty());
}

TEST_F(ContextHelp, WithoutALibraryFolderAsksForNothing) {
    WriteMainIni("[General]\nHelpFile=APP.HLP\n");
    desktop::SetModuleFileName(GetLibraryInstance(), "RUZAV32.DLL");

    EXPECT_FALSE(LaunchContextHelp(window_, 7, 0));
    EXPECT_TRUE(desktop::HelpRequests().empty());
}

// A value as long as the profile buffer allows cannot be joined to the folder within the path
// limit; nothing is asked for rather than a path cut short.
TEST_F(ContextHelp, OverLongHelpFileAsksForNothing) {
    WriteMainIni("[General]\nHelpFile=" + std::string(300, 'H') + ".HLP\n");
    WriteFile("C:\\APPS\\BIN\\APP.HLP", "help");

    EXPECT_FALSE(LaunchContextHelp(window_, 7, 0));
    EXPECT_TRUE(desktop::HelpRequests().empty());
}

// Once the help engine was handed C:\APPS\SECRET.HLP and reported success.
TEST_F(ContextHelp, AHelpFileOutsideTheLibrarysFolderIsNeverAskedFor) {
    WriteFile("C:\\APPS\\SECRET.HLP", "help");
    WriteFile("C:\\APPS\\BIN\\APP.HLP", "help");
    for (const char* value : {"..\\SECRET.HLP", "../SECRET.HLP", "DOC\\..\\..\\SECRET.HLP",
                              "...\\SECRET.HLP", "*.HLP", "AP?.HLP"}) {
        WriteMainIni(std::string("[General]\nHelpFile=") + value + "\n");
        EXPECT_FALSE(LaunchContextHelp(window_, 7, 0)) << value;
    }
    EXPECT_TRUE(desktop::HelpRequests().empty());
}

TEST_F(ContextHelp, ReadsMainIniAfreshOnEveryCall) {
    WriteFile("C:\\APPS\\BIN\\ONE.HLP", "help");
    WriteFile("C:\\APPS\\BIN\\TWO.HLP", "help");
    WriteMainIni("[General]\nHelpFile=TWO.HLP\n");
    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));
    WriteMainIni("[General]\nHelpFile=\n");
    EXPECT_TRUE(LaunchContextHelp(window_, 7, 0));

    const std::vector<desktop::HelpRequest> requests = desktop::HelpRequests();
    ASSERT_EQ(2u, requests.size());
    EXPECT_EQ("C:\\APPS\\BIN\\TWO.HLP", requests[0].file);
    EXPECT_EQ("C:\\APPS\\BIN\\ONE.HLP", requests[1].file);
}

struct CommandCase {
    const char* name;
    UINT commandGiven;
    DWORD dataGiven;
    UINT commandAsked;
    DWORD dataAsked;
};

class HelpCommand : public ContextHelp, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(HelpCommand, IsChosenFromCommandAndData) {
    const CommandCase& c = GetParam();
    WriteFile("C:\\APPS\\BIN\\APP.HLP", "help");

    EXPECT_TRUE(LaunchContextHelp(window_, c.dataGiven, c.commandGiven));
    const desktop::HelpRequest request = OnlyRequest();
    EXPECT_EQ(c.commandAsked, request.command);
    EXPECT_EQ(c.dataAsked, request.data);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HelpCommand,
    ::testing::Values(CommandCase{"TopicByNumber", 0, 42, HELP_CONTEXT, 42},
                      CommandCase{"ContentsWithoutANumber", 0, 0, HELP_CONTENTS, 0},
                      CommandCase{"GivenCommandKept", HELP_CONTEXTPOPUP, 42, HELP_CONTEXTPOPUP, 42},
                      CommandCase{"GivenCommandKeptWithoutData", HELP_FINDER, 0, HELP_FINDER, 0},
                      CommandCase{"WholeNumberPassed", 0, 0x12345678, HELP_CONTEXT, 0x12345678}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

} // namespace
