// Message boxes answered by input and by the driver, and recorded help requests (a box's owner,
// caption and text: tests/conformance/user_dialog_services.cpp).
#include "user_fixture.h"

#include <fstream>

namespace user_test {
namespace {

using MessageBoxTest = UserTest;

TEST_F(MessageBoxTest, TheDriverAnswersTheNextBoxInAdvanceAndEveryBoxIsRecorded) {
    HWND owner = TopLevel();
    desktop::AnswerNextMessageBox(IDNO);
    EXPECT_EQ(MessageBoxA(owner, "Save changes?", "Editor", MB_YESNO | MB_ICONQUESTION), IDNO);
    auto boxes = desktop::MessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].owner, owner);
    EXPECT_EQ(boxes[0].text, "Save changes?");
    EXPECT_EQ(boxes[0].caption, "Editor");
    EXPECT_EQ(boxes[0].style, (UINT)(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(boxes[0].answer, IDNO);
    EXPECT_EQ(MessageBoxA((HWND)(UINT_PTR)0x777777, "x", "y", MB_OK), 0); // no such owner
}

TEST_F(MessageBoxTest, KeysAndClicksAnswerARealBox) {
    HWND owner = TopLevel();
    struct Row {
        UINT style;
        std::function<void(HWND)> act;
        int answer;
    } rows[] = {
        {MB_OK, [](HWND) { desktop::PressKey(VK_RETURN); }, IDOK},
        {MB_OK, [](HWND) { desktop::PressKey(VK_ESCAPE); }, IDOK},
        {MB_OKCANCEL, [](HWND) { desktop::PressKey(VK_ESCAPE); }, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, [](HWND) { desktop::PressKey(VK_RETURN); }, IDNO},
        {MB_RETRYCANCEL, [](HWND b) { desktop::ClickControl(b, IDCANCEL); }, IDCANCEL},
        {MB_ABORTRETRYIGNORE, [](HWND b) { desktop::ClickControl(b, IDIGNORE); }, IDIGNORE},
        {MB_YESNO,
         [](HWND) {
             desktop::PressKey(VK_ESCAPE); // a Yes/No box has no answer for Escape
             desktop::PressKey(VK_TAB);
             desktop::PressKey(VK_RETURN);
         },
         IDNO},
    };
    for (const Row& r : rows) {
        HWND shown = nullptr;
        bool ownerEnabled = true;
        desktop::QueueStep([&] {
            shown = desktop::CurrentMessageBox();
            ownerEnabled = IsWindowEnabled(owner);
            ASSERT_NE(shown, nullptr);
            r.act(shown);
        });
        EXPECT_EQ(MessageBoxA(owner, "Text", "Caption", r.style), r.answer) << std::hex << r.style;
        EXPECT_FALSE(ownerEnabled);
        EXPECT_FALSE(IsWindow(shown));
        EXPECT_TRUE(IsWindowEnabled(owner));
        EXPECT_EQ(desktop::MessageBoxes().back().answer, r.answer);
    }
}

using HelpTest = UserTest;

TEST_F(HelpTest, RequestsAreRecordedAndSucceedOnlyForExistingFiles) {
    std::string folder = desktop::MakeTempFolder();
    std::ofstream(folder + "/APP.HLP") << "help";
    desktop::MapDrive('H', folder);
    HWND w = TopLevel();
    EXPECT_TRUE(WinHelpA(w, "H:\\app.hlp", HELP_CONTEXT, 42));
    EXPECT_TRUE(WinHelpA(w, "H:\\APP.HLP", HELP_KEY, (ULONG_PTR) "Spin"));
    EXPECT_FALSE(WinHelpA(w, "H:\\MISSING.HLP", HELP_CONTENTS, 0));
    EXPECT_FALSE(WinHelpA(w, nullptr, HELP_CONTEXT, 1));
    EXPECT_TRUE(WinHelpA(w, nullptr, HELP_QUIT, 0));
    auto requests = desktop::HelpRequests();
    ASSERT_EQ(requests.size(), 5u);
    EXPECT_EQ(requests[0].hwnd, w);
    EXPECT_EQ(requests[0].file, "H:\\app.hlp");
    EXPECT_EQ(requests[0].command, (UINT)HELP_CONTEXT);
    EXPECT_EQ(requests[0].data, 42u);
    EXPECT_EQ(requests[1].keyword, "Spin");
    EXPECT_FALSE(requests[2].result);
    desktop::ClearHelpRequests();
    EXPECT_TRUE(desktop::HelpRequests().empty());
}

TEST_F(HelpTest, F1AsksTheFocusWindowAndItsParentsForHelp) {
    HWND top = TopLevel();
    HWND child = Child(top, 33);
    int ctrlId = 0;
    Handle(top, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_HELP) {
            ctrlId = ((HELPINFO*)l)->iCtrlId;
            return TRUE;
        }
        return DefWindowProcA(h, m, w, l);
    });
    SetFocus(child);
    desktop::PressKey(VK_F1);
    EXPECT_EQ(ctrlId, 33);
}

} // namespace
} // namespace user_test
