// A desktop with a prepared folder C:\DOCS (a.txt, b.txt, notes.doc and the folder LETTERS with
// x.txt) and two printers in the user profile, and helpers that act on a common dialog as a user
// would while it runs modally: each step runs when the dialog's loop is idle.
#pragma once

#include <desktop.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace comdlg_test {

class ComdlgTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static void MakeFolder(const char* dosPath);
    static void MakeFile(const std::string& dosPath, const std::string& contents = "x");

    // A step on the dialog that is up (the active window).
    static void Step(std::function<void(HWND dialog)> step);
    static void Type(const char* text) {
        Step([text](HWND) { desktop::TypeText(text); });
    }
    static void Press(UINT vk) {
        Step([vk](HWND) { desktop::PressKey(vk); });
    }
    static void Click(int id) {
        Step([id](HWND dialog) { ClickIn(dialog, id); });
    }
    static void ClickIn(HWND dialog, int id);
    // Double-clicks the item of a list box in the dialog that shows this text.
    static void DoubleClickItem(int listId, const char* text);

    static std::vector<std::string> Items(HWND list);
    static std::string TextOf(HWND control);

    // An OPENFILENAMEA over the test's own buffer.
    OPENFILENAMEA Ofn(DWORD flags, const char* filter = "Text files\0*.txt\0All files\0*.*\0");

    char file[MAX_PATH] = {};
    char title[64] = {};
    desktop::GdiCounts gdiBefore{};
};

} // namespace comdlg_test
