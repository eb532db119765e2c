// A clean desktop with three page templates in the host's resources and a page procedure that
// logs every page notification, so tests can check what each page was told and in what order.
#pragma once

#include <commctrl.h>
#include <desktop.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace comctl_test {

// (page number from 1, notification code)
using Note = std::pair<int, UINT>;

class SheetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Pages 1..count with templates "PAGE1".. (page 2 is the largest), titled by the template.
    // PSP_HASHELP on the pages listed in helpPages.
    PROPSHEETHEADERA Header(int count, DWORD flags, std::vector<int> helpPages = {});
    HWND Modeless(int count, DWORD flags = PSH_HASHELP, std::vector<int> helpPages = {});

    HWND Page(HWND sheet) {
        return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    }

public:
    static std::vector<Note>& Notes();
    // A page answers this code with this value (PSN_KILLACTIVE 1 keeps the page).
    static void Answer(int page, UINT code, LRESULT value);
    // Runs after a page logged a notification (a page that closes the sheet, say).
    static std::function<void(HWND page, int number, UINT code)>& AfterNote();

protected:
    std::vector<PROPSHEETPAGEA> pages_;
};

} // namespace comctl_test
