// Error boxes: the text, caption, style and owner of each box as the system records it, and
// the answer that comes back.
#include "dialogs_fixture.h"

namespace {

using namespace dlgtest;

constexpr UINT IDS_DISK_FULL = 300;
constexpr UINT IDS_BACKUP = 301;
constexpr UINT IDS_MISSING = 399;
constexpr UINT kError = MB_OK | MB_ICONEXCLAMATION;

// A string that cannot be loaded, and a null pointer, leave their part empty; no caption means
// the dialog's title, or the system's before the dialog has a window.
TEST_F(DialogsTest, ErrorBoxesTakeTheirTextsFromResourcesOrGivenUnderTheDialogsTitle) {
    resources::AddString(::GetModuleHandleA(NULL), IDS_DISK_FULL, "The disk is full.");
    resources::AddString(::GetModuleHandleA(NULL), IDS_BACKUP, "Backup");
    HostDlg dlg(IDD_ASK, MainWindow());
    struct Row {
        int (*show)(HostDlg&);
        const char* text;
        const char* caption;
        UINT style;
    };
    const Row rows[] = {
        {[](HostDlg& d) { return d.ShowError("No window yet"); }, "No window yet", "Error", kError},
        {[](HostDlg& d) { return d.ShowError(IDS_DISK_FULL, IDS_BACKUP, MB_OKCANCEL); },
         "The disk is full.", "Backup", MB_OKCANCEL},
        {[](HostDlg& d) { return d.ShowError(IDS_DISK_FULL); }, "The disk is full.", "Ask", kError},
        {[](HostDlg& d) { return d.ShowError(IDS_MISSING, IDS_MISSING + 1); }, "", "", kError},
        {[](HostDlg& d) { return d.ShowError("Disk full", "Copy", MB_YESNO); }, "Disk full", "Copy",
         MB_YESNO},
        {[](HostDlg& d) { return d.ShowError(static_cast<LPCSTR>(NULL), NULL); }, "", "Ask",
         kError},
    };
    int answer = IDOK;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        desktop::AnswerNextMessageBox(answer);
        EXPECT_EQ(answer, row.show(dlg));
        const desktop::MessageBoxShown box = desktop::MessageBoxes().back();
        EXPECT_EQ(dlg.m_hWnd, box.owner);
        EXPECT_EQ(row.text, box.text);
        EXPECT_EQ(row.caption, box.caption);
        EXPECT_EQ(row.style, box.style);
        answer = answer == IDOK ? IDCANCEL : IDOK;
        if (dlg.m_hWnd == NULL)
            OpenModeless(dlg);
    }
}

} // namespace
