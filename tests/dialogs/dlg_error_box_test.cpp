// Error boxes: the text, caption, style and owner of each box as the system records it, and
// the answer that comes back.
#include "dlg_fixture.h"

#include <string>

namespace {

using dlgtest::HostDlg;
using dlgtest::IDD_ASK;

constexpr UINT IDS_DISK_FULL = 300;
constexpr UINT IDS_BACKUP = 301;
constexpr UINT IDS_MISSING = 399;
constexpr UINT kError = MB_OK | MB_ICONEXCLAMATION;

class DlgErrorBoxTest : public DlgTest {
protected:
    void SetUp() override {
        DlgTest::SetUp();
        resources::AddString(::GetModuleHandleA(NULL), IDS_DISK_FULL, "The disk is full.");
        resources::AddString(::GetModuleHandleA(NULL), IDS_BACKUP, "Backup");
    }
    desktop::MessageBoxShown LastBox() {
        const std::vector<desktop::MessageBoxShown> boxes = desktop::MessageBoxes();
        EXPECT_FALSE(boxes.empty());
        return boxes.empty() ? desktop::MessageBoxShown{} : boxes.back();
    }
};

TEST_F(DlgErrorBoxTest, TextsFromResourcesOrGivenUnderTheDialogsTitle) {
    HostDlg dlg(IDD_ASK, MainWindow());
    OpenModeless(dlg);
    struct Row {
        const char* what;
        int (*show)(HostDlg&);
        const char* text;
        const char* caption;
        UINT style;
    };
    // A string that cannot be loaded, and a null pointer, leave their part empty; no caption
    // means the dialog's title.
    const Row rows[] = {
        {"both identifiers",
         [](HostDlg& d) { return d.ShowError(IDS_DISK_FULL, IDS_BACKUP, MB_OKCANCEL); },
         "The disk is full.", "Backup", MB_OKCANCEL},
        {"text identifier only", [](HostDlg& d) { return d.ShowError(IDS_DISK_FULL); },
         "The disk is full.", "Ask", kError},
        {"missing strings", [](HostDlg& d) { return d.ShowError(IDS_MISSING, IDS_MISSING + 1); },
         "", "", kError},
        {"texts given", [](HostDlg& d) { return d.ShowError("Disk full", "Copy", MB_YESNO); },
         "Disk full", "Copy", MB_YESNO},
        {"null text and caption",
         [](HostDlg& d) { return d.ShowError(static_cast<LPCSTR>(NULL), NULL); }, "", "Ask",
         kError},
    };
    int answer = IDOK;
    for (const Row& row : rows) {
        desktop::AnswerNextMessageBox(answer);
        EXPECT_EQ(answer, row.show(dlg)) << row.what;
        const desktop::MessageBoxShown box = LastBox();
        EXPECT_EQ(dlg.m_hWnd, box.owner) << row.what;
        EXPECT_EQ(row.text, box.text) << row.what;
        EXPECT_EQ(row.caption, box.caption) << row.what;
        EXPECT_EQ(row.style, box.style) << row.what;
        answer = answer == IDOK ? IDCANCEL : IDOK;
    }
}

TEST_F(DlgErrorBoxTest, UserAnswersARealBoxThatTheDialogOwns) {
    HostDlg dlg(IDD_ASK, MainWindow());
    OpenModeless(dlg);
    HWND hBox = NULL;
    desktop::QueueStep([&] {
        hBox = desktop::CurrentMessageBox();
        ASSERT_NE(nullptr, hBox);
        EXPECT_EQ(dlg.m_hWnd, ::GetWindow(hBox, GW_OWNER));
        char caption[32] = {};
        ::GetWindowTextA(hBox, caption, sizeof(caption));
        EXPECT_STREQ("Ask", caption);
        EXPECT_FALSE(::IsWindowEnabled(dlg.m_hWnd)) << "the box is modal to its owner";
        EXPECT_TRUE(desktop::ClickControl(hBox, IDCANCEL));
    });
    EXPECT_EQ(IDCANCEL, dlg.ShowError(IDS_DISK_FULL, 0, MB_OKCANCEL | MB_ICONSTOP));
    EXPECT_FALSE(::IsWindow(hBox));
    EXPECT_TRUE(::IsWindowEnabled(dlg.m_hWnd));
}

TEST_F(DlgErrorBoxTest, WithoutAWindowTheBoxHasNoOwnerAndTheSystemCaption) {
    HostDlg dlg(IDD_ASK, MainWindow());
    desktop::AnswerNextMessageBox(IDOK);
    EXPECT_EQ(IDOK, dlg.ShowError("No window yet"));
    const desktop::MessageBoxShown box = LastBox();
    EXPECT_EQ(nullptr, box.owner);
    EXPECT_EQ("No window yet", box.text);
    EXPECT_EQ("Error", box.caption);
}

} // namespace
