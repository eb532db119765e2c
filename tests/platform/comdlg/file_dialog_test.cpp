// The Open and Save As dialogs as a user works them: typing names, double-clicking files and
// folders, changing the file type and the drive, the prompts, and what the caller gets back.
#include "comdlg_fixture.h"

#include <cstring>

namespace comdlg_test {
namespace {

class FileDialog : public ComdlgTest {};

TEST_F(FileDialog, TypingANameOpensItAndFillsEveryOutput) {
    OPENFILENAMEA ofn = Ofn(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    Step([](HWND dialog) {
        EXPECT_EQ(TextOf(dialog), "Open");
        EXPECT_EQ(Items(GetDlgItem(dialog, lst1)), (std::vector<std::string>{"a.txt", "b.txt"}));
        EXPECT_EQ(TextOf(GetDlgItem(dialog, stc1)), "C:\\DOCS");
        EXPECT_EQ(TextOf(GetDlgItem(dialog, edt1)), "*.txt") << "the filter's pattern at first";
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, edt1));
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, pshHelp))) << "no OFN_SHOWHELP";
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, chx1)));
    });
    Type("B.TXT");
    Press(VK_RETURN);
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_STREQ(file, "C:\\DOCS\\B.TXT");
    EXPECT_EQ(ofn.nFileOffset, 8);
    EXPECT_EQ(ofn.nFileExtension, 10);
    EXPECT_STREQ(title, "B.TXT");
    EXPECT_EQ(ofn.nFilterIndex, 1u);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
}

TEST_F(FileDialog, TheFolderListGoesIntoAFolderAndClimbsBackToAnAncestor) {
    OPENFILENAMEA ofn = Ofn(0);
    DoubleClickItem(lst2, "LETTERS");
    Step([](HWND dialog) {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, stc1)), "C:\\DOCS\\LETTERS");
        EXPECT_EQ(Items(GetDlgItem(dialog, lst1)), std::vector<std::string>{"x.txt"});
    });
    DoubleClickItem(lst2, "C:\\");
    Step([](HWND dialog) {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, stc1)), "C:\\");
        EXPECT_EQ(Items(GetDlgItem(dialog, lst2))[0], "C:\\");
    });
    Click(IDCANCEL);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u) << "cancelled, no error";
}

TEST_F(FileDialog, ChangingTheTypeRefillsTheListAndIsReported) {
    OPENFILENAMEA ofn = Ofn(0);
    Step([](HWND dialog) { SetFocus(GetDlgItem(dialog, cmb1)); });
    Press(VK_DOWN);
    Step([](HWND dialog) {
        EXPECT_EQ(Items(GetDlgItem(dialog, lst1)),
                  (std::vector<std::string>{"a.txt", "b.txt", "notes.doc"}));
        EXPECT_EQ(TextOf(GetDlgItem(dialog, edt1)), "*.*");
    });
    DoubleClickItem(lst1, "notes.doc");
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_STREQ(file, "C:\\DOCS\\notes.doc");
    EXPECT_EQ(ofn.nFilterIndex, 2u);
}

TEST_F(FileDialog, ChangingTheDriveShowsItsRoot) {
    const std::string other = desktop::MakeTempFolder();
    desktop::MapDrive('D', other);
    MakeFile("D:\\readme.txt");
    OPENFILENAMEA ofn = Ofn(0);
    Step([](HWND dialog) {
        HWND drives = GetDlgItem(dialog, cmb2);
        EXPECT_EQ(TextOf(drives), "c:");
        SetFocus(drives);
    });
    Press(VK_DOWN);
    Step([](HWND dialog) {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, stc1)), "D:\\");
        EXPECT_EQ(Items(GetDlgItem(dialog, lst1)), std::vector<std::string>{"readme.txt"});
    });
    DoubleClickItem(lst1, "readme.txt");
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_STREQ(file, "D:\\readme.txt");
}

// What a typed text does when OK is pressed: the dialog stays (with the list or folder shown) or
// closes with the path.
struct TypedCase {
    const char* typed;
    const char* defExt;
    const char* expectedFile;  // nullptr: the dialog stays open
    const char* expectedLabel; // the current folder afterwards, when it stays
    const char* expectedFirst; // the file list's first item, when it stays
};

class TypedNames : public FileDialog, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedNames, OkActsOnWhatWasTyped) {
    const TypedCase c = GetParam();
    OPENFILENAMEA ofn = Ofn(OFN_PATHMUSTEXIST);
    ofn.lpstrDefExt = c.defExt;
    Type(c.typed);
    Press(VK_RETURN);
    if (c.expectedFile == nullptr) {
        Step([c](HWND dialog) {
            EXPECT_EQ(TextOf(GetDlgItem(dialog, stc1)), c.expectedLabel);
            const auto items = Items(GetDlgItem(dialog, lst1));
            ASSERT_FALSE(items.empty());
            EXPECT_EQ(items[0], c.expectedFirst);
        });
        Click(IDCANCEL);
        EXPECT_FALSE(GetOpenFileNameA(&ofn));
        return;
    }
    ASSERT_TRUE(GetOpenFileNameA(&ofn));
    EXPECT_STREQ(file, c.expectedFile);
}

INSTANTIATE_TEST_SUITE_P(
    Names, TypedNames,
    ::testing::Values(TypedCase{"*.doc", nullptr, nullptr, "C:\\DOCS", "notes.doc"},
                      TypedCase{"LETTERS", nullptr, nullptr, "C:\\DOCS\\LETTERS", "x.txt"},
                      TypedCase{"LETTERS\\*.txt", nullptr, nullptr, "C:\\DOCS\\LETTERS", "x.txt"},
                      TypedCase{"..\\DOCS\\a.txt", nullptr, "C:\\DOCS\\a.txt", nullptr, nullptr},
                      TypedCase{"b.txt.", nullptr, "C:\\DOCS\\b.txt", nullptr, nullptr},
                      TypedCase{"b", "txt", "C:\\DOCS\\b.txt", nullptr, nullptr},
                      TypedCase{"plain.", "txt", "C:\\DOCS\\plain", nullptr, nullptr}));

// Each refusal is a message box owned by the dialog, which stays up for another try.
TEST_F(FileDialog, MissingFilesBadCharactersAndMissingFoldersAreRefused) {
    OPENFILENAMEA ofn = Ofn(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    for (const char* typed : {"missing.txt", "a<b.txt", "NOWHERE\\a.txt"}) {
        Step([](HWND) { desktop::AnswerNextMessageBox(IDOK); });
        Type(typed);
        Press(VK_RETURN);
    }
    Step([](HWND dialog) {
        const auto boxes = desktop::MessageBoxes();
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_NE(boxes[0].text.find("C:\\DOCS\\missing.txt"), std::string::npos);
        EXPECT_NE(boxes[0].text.find("File not found"), std::string::npos);
        EXPECT_EQ(boxes[0].owner, dialog);
        EXPECT_NE(boxes[1].text.find("not valid"), std::string::npos);
        EXPECT_NE(boxes[2].text.find("Path does not exist"), std::string::npos);
    });
    Click(IDCANCEL);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
}

TEST_F(FileDialog, SaveAsksBeforeReplacingAFile) {
    OPENFILENAMEA ofn = Ofn(OFN_OVERWRITEPROMPT);
    Step([](HWND dialog) {
        EXPECT_EQ(TextOf(dialog), "Save As");
        desktop::AnswerNextMessageBox(IDNO);
    });
    Type("a.txt");
    Press(VK_RETURN);
    Step([](HWND) { desktop::AnswerNextMessageBox(IDYES); });
    Press(VK_RETURN);
    ASSERT_TRUE(GetSaveFileNameA(&ofn));
    EXPECT_STREQ(file, "C:\\DOCS\\a.txt");
    const auto boxes = desktop::MessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "C:\\DOCS\\a.txt already exists.\nDo you want to replace it?");
    EXPECT_EQ(boxes[0].style & MB_YESNO, static_cast<UINT>(MB_YESNO));
}

TEST_F(FileDialog, ABufferTooSmallGetsTheSizeItNeedsAndNothingBeyond) {
    char small[12];
    std::memset(small, 'Z', sizeof(small));
    small[0] = '\0';
    OPENFILENAMEA ofn = Ofn(0);
    ofn.lpstrFile = small;
    ofn.nMaxFile = 10;
    Type("b.txt");
    Press(VK_RETURN);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_BUFFERTOOSMALL));
    WORD needed = 0;
    std::memcpy(&needed, small, sizeof(needed));
    EXPECT_EQ(needed, sizeof("C:\\DOCS\\b.txt"));
    for (int i = 2; i < 12; ++i) {
        EXPECT_EQ(small[i], 'Z') << "byte " << i;
    }
}

// A record of the wrong size: tests/conformance/comdlg_errors.cpp.
TEST_F(FileDialog, BadRecordsFailBeforeAnyWindowAppears) {
    OPENFILENAMEA ofn = Ofn(OFN_ENABLEHOOK);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_NOHOOK));

    ofn = Ofn(0);
    const std::string longName(300, 'n');
    char big[400] = {};
    std::memcpy(big, longName.c_str(), longName.size() + 1);
    ofn.lpstrFile = big;
    ofn.nMaxFile = sizeof(big);
    EXPECT_FALSE(GetSaveFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_INVALIDFILENAME));

    // A buffer with no terminator inside nMaxFile is read no further.
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    ofn.lpstrFile = unterminated;
    ofn.nMaxFile = sizeof(unterminated);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(FNERR_INVALIDFILENAME));
}

TEST_F(FileDialog, AMissingInitialFolderFallsBackAndAnInitialNameIsShown) {
    OPENFILENAMEA ofn = Ofn(0);
    ofn.lpstrInitialDir = "C:\\NOT\\THERE";
    lstrcpyA(file, "C:\\DOCS\\LETTERS\\report.txt");
    Step([](HWND dialog) {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, stc1)), "C:\\DOCS\\LETTERS")
            << "the folder of the given name wins";
        EXPECT_EQ(TextOf(GetDlgItem(dialog, edt1)), "report.txt");
    });
    Click(IDCANCEL);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_STREQ(file, "C:\\DOCS\\LETTERS\\report.txt") << "cancel leaves the buffer alone";

    file[0] = '\0';
    Step([](HWND dialog) { EXPECT_FALSE(TextOf(GetDlgItem(dialog, stc1)).empty()); });
    Click(IDCANCEL);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
}

TEST_F(FileDialog, AFilterThatLostItsLastPatternKeepsTheWholePairs) {
    // The second pair lost its pattern; the list holds only the first.
    static const char filter[] = "Text files\0*.txt\0Dangling\0\0\0";
    OPENFILENAMEA ofn = Ofn(0, filter);
    ofn.nFilterIndex = 7; // out of range: the first is used
    Step([](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageA(dialog, cmb1, CB_GETCOUNT, 0, 0), 1);
        EXPECT_EQ(TextOf(GetDlgItem(dialog, cmb1)), "Text files");
    });
    Click(IDCANCEL);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
}

UINT_PTR CALLBACK EndAtOnce(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) {
        EndDialog(dialog, IDOK);
    }
    return 0;
}

TEST_F(FileDialog, AHookThatEndsTheDialogAtOnceGetsNoFileAndNoError) {
    OPENFILENAMEA ofn = Ofn(OFN_ENABLEHOOK);
    ofn.lpfnHook = EndAtOnce;
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_STREQ(file, "");
}

UINT g_helpMessage = 0;
int g_helpRequests = 0;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != 0 && message == g_helpMessage) {
        ++g_helpRequests;
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(FileDialog, TheHelpButtonAsksTheOwner) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = "ComdlgOwner";
    RegisterClassA(&wc);
    HWND owner = CreateWindowExA(0, "ComdlgOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 300, nullptr, nullptr, nullptr, nullptr);
    g_helpMessage = RegisterWindowMessageA("commdlg_help");
    g_helpRequests = 0;
    OPENFILENAMEA ofn = Ofn(OFN_SHOWHELP);
    ofn.hwndOwner = owner;
    Step([owner](HWND dialog) {
        EXPECT_FALSE(IsWindowEnabled(owner)) << "modal to its owner";
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, pshHelp)));
    });
    Click(pshHelp);
    Click(IDCANCEL);
    EXPECT_FALSE(GetOpenFileNameA(&ofn));
    EXPECT_EQ(g_helpRequests, 1);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

} // namespace
} // namespace comdlg_test
