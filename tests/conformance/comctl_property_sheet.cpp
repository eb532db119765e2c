// The property sheet as a host sees it: where the standard buttons go, what each page is told
// and in what order, and the sheet messages a host sends.
#include "conformance.h"
#include "host_window.h"
#include "template_writer.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

using Note = std::pair<int, UINT>; // page number from 1, notification code

std::vector<Note> notes;
int refuseToLeave = 0; // the page that answers PSN_KILLACTIVE with TRUE

// A page template in Win32's binary form: WS_CHILD, "MS Sans Serif" 8, one edit control.
conformance::TemplateWriter PageTemplate(const char* caption, short cx, short cy) {
    conformance::TemplateWriter t;
    t.Dword(WS_CHILD | WS_CAPTION | DS_SETFONT);
    t.Dword(0);
    t.Word(1); // one control
    t.Box(0, 0, cx, cy);
    t.Word(0), t.Word(0); // no menu, the dialog class
    t.Text(caption);
    t.Word(8);
    t.Text("MS Sans Serif");
    t.Item(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 7, 7, 60, 12, 100);
    t.Ordinal(0x0081); // EDIT
    t.Text("");
    t.Word(0);
    return t;
}

INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam);
        return TRUE;
    }
    if (msg == WM_NOTIFY) {
        int page = static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
        notes.push_back({page, code});
        LRESULT answer = (code == PSN_KILLACTIVE && page == refuseToLeave) ? TRUE : 0;
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, answer);
        return TRUE;
    }
    return FALSE;
}

struct Sheet {
    conformance::TemplateWriter first = PageTemplate("First", 200, 100);
    conformance::TemplateWriter second = PageTemplate("Second", 220, 120);
    PROPSHEETPAGEA pages[2] = {};
    HWND hwnd = nullptr;

    explicit Sheet(DWORD flags, DWORD pageFlags = 0) {
        InitCommonControls();
        notes.clear();
        refuseToLeave = 0;
        conformance::TemplateWriter* templates[] = {&first, &second};
        for (int i = 0; i < 2; ++i) {
            pages[i].dwSize = sizeof(PROPSHEETPAGEA);
            pages[i].dwFlags = PSP_DLGINDIRECT | pageFlags;
            pages[i].pResource = templates[i]->Get();
            pages[i].pfnDlgProc = PageProc;
            pages[i].lParam = i + 1;
        }
        PROPSHEETHEADERA h = {};
        h.dwSize = sizeof h;
        h.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | flags;
        h.pszCaption = "Sheet";
        h.nPages = 2;
        h.ppsp = pages;
        hwnd = reinterpret_cast<HWND>(PropertySheetA(&h));
    }
    ~Sheet() {
        if (IsWindow(hwnd))
            DestroyWindow(hwnd);
    }
    RECT Button(int id) const {
        RECT r = {};
        GetWindowRect(GetDlgItem(hwnd, id), &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    bool Shown(int id) const { return IsWindowVisible(GetDlgItem(hwnd, id)) != FALSE; }
    bool Enabled(int id) const { return IsWindowEnabled(GetDlgItem(hwnd, id)) != FALSE; }
    HWND Page() const {
        return reinterpret_cast<HWND>(SendMessageA(hwnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    std::string Text(int id) const {
        return conformance::WindowText(id ? GetDlgItem(hwnd, id) : hwnd);
    }
};

constexpr int kApply = 0x3021;

// The shown buttons, left to right, end at one margin from the right edge with equal gaps.
void CheckRow(const Sheet& sheet, const std::vector<int>& shown) {
    RECT client = {};
    GetClientRect(sheet.hwnd, &client);
    RECT size = {0, 0, 50, 14};
    MapDialogRect(sheet.hwnd, &size);
    const RECT first = sheet.Button(shown[0]);
    const RECT last = sheet.Button(shown.back());
    const RECT second = sheet.Button(shown[1]);
    const int gap = second.left - first.right;
    CHECK(gap > 0);
    CHECK_EQ(gap, static_cast<int>(client.right - last.right)); // the margin is one gap
    for (size_t i = 0; i < shown.size(); ++i) {
        const RECT r = sheet.Button(shown[i]);
        CHECK(sheet.Shown(shown[i]));
        CHECK_EQ(size.right, static_cast<int>(r.right - r.left));
        CHECK_EQ(size.bottom, static_cast<int>(r.bottom - r.top));
        CHECK_EQ(first.top, r.top);
        if (i > 0)
            CHECK_EQ(gap, static_cast<int>(r.left - sheet.Button(shown[i - 1]).right));
    }
    CHECK(client.bottom - first.bottom > 0);
    CHECK(client.bottom - first.bottom < first.bottom - first.top);
}

} // namespace

CONFORMANCE_TEST(SheetButtonsSitBottomRightAtEqualGaps) {
    Sheet sheet(PSH_HASHELP);
    CHECK(sheet.hwnd != nullptr);
    CheckRow(sheet, {IDOK, IDCANCEL, kApply, IDHELP});
    CHECK_STR_EQ("OK", sheet.Text(IDOK).c_str());
    CHECK_STR_EQ("Cancel", sheet.Text(IDCANCEL).c_str());
    CHECK_STR_EQ("&Apply", sheet.Text(kApply).c_str());
    CHECK(!sheet.Enabled(kApply)); // nothing changed yet
    CHECK(!sheet.Enabled(IDHELP)); // the page has no PSP_HASHELP
    CHECK_EQ(IDOK, static_cast<int>(LOWORD(SendMessageA(sheet.hwnd, DM_GETDEFID, 0, 0))));
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet.hwnd, PSM_GETTABCONTROL, 0, 0));
    CHECK_EQ(0x3020, GetDlgCtrlID(tab));
    CHECK_EQ(2, static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0)));
}

CONFORMANCE_TEST(SheetButtonsNotShownLeaveNoGap) {
    Sheet withHelp(PSH_HASHELP | PSH_NOAPPLYNOW, PSP_HASHELP);
    CheckRow(withHelp, {IDOK, IDCANCEL, IDHELP});
    CHECK(!withHelp.Shown(kApply));
    CHECK(withHelp.Enabled(IDHELP)); // the page has help
    Sheet plain(PSH_NOAPPLYNOW);
    CheckRow(plain, {IDOK, IDCANCEL});
    CHECK(!plain.Shown(kApply));
    CHECK(!plain.Shown(IDHELP));
}

CONFORMANCE_TEST(SheetPagesAreMadeWhenFirstShown) {
    Sheet sheet(0);
    CHECK(notes == (std::vector<Note>{{1, PSN_SETACTIVE}}));
    HWND first = sheet.Page();
    CHECK(first != nullptr && IsWindowVisible(first));
    CHECK(GetParent(first) == sheet.hwnd);
    notes.clear();
    CHECK(SendMessageA(sheet.hwnd, PSM_SETCURSEL, 1, 0) != 0);
    CHECK(notes == (std::vector<Note>{{1, PSN_KILLACTIVE}, {2, PSN_SETACTIVE}}));
    CHECK(!IsWindowVisible(first));
    CHECK(sheet.Page() != first);
}

CONFORMANCE_TEST(SheetPageThatRefusesKeepsTheSheetOnIt) {
    Sheet sheet(0);
    refuseToLeave = 1;
    notes.clear();
    SendMessageA(sheet.hwnd, PSM_SETCURSEL, 1, 0);
    CHECK(notes == (std::vector<Note>{{1, PSN_KILLACTIVE}}));
    HWND tab = reinterpret_cast<HWND>(SendMessageA(sheet.hwnd, PSM_GETTABCONTROL, 0, 0));
    CHECK_EQ(0, static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0)));
}

CONFORMANCE_TEST(SheetApplyAndOkTellEveryMadePage) {
    Sheet sheet(0);
    SendMessageA(sheet.hwnd, PSM_SETCURSEL, 1, 0);
    SendMessageA(sheet.hwnd, PSM_CHANGED, reinterpret_cast<WPARAM>(sheet.Page()), 0);
    CHECK(sheet.Enabled(kApply));
    SendMessageA(sheet.hwnd, PSM_UNCHANGED, reinterpret_cast<WPARAM>(sheet.Page()), 0);
    CHECK(!sheet.Enabled(kApply));
    SendMessageA(sheet.hwnd, PSM_CHANGED, reinterpret_cast<WPARAM>(sheet.Page()), 0);
    notes.clear();
    SendMessageA(sheet.hwnd, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    CHECK(notes == (std::vector<Note>{
                       {2, PSN_KILLACTIVE}, {1, PSN_APPLY}, {2, PSN_APPLY}, {2, PSN_SETACTIVE}}));
    CHECK(!sheet.Enabled(kApply));
    CHECK(sheet.Page() != nullptr);
    notes.clear();
    SendMessageA(sheet.hwnd, PSM_PRESSBUTTON, PSBTN_OK, 0);
    CHECK(notes == (std::vector<Note>{{2, PSN_KILLACTIVE}, {1, PSN_APPLY}, {2, PSN_APPLY}}));
    CHECK(sheet.Page() == nullptr); // ended: the host destroys it now
}

CONFORMANCE_TEST(SheetCancelResetsEveryMadePage) {
    Sheet sheet(0);
    SendMessageA(sheet.hwnd, PSM_SETCURSEL, 1, 0);
    notes.clear();
    SendMessageA(sheet.hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    std::vector<Note> resets;
    for (const Note& n : notes) {
        if (n.second == PSN_RESET)
            resets.push_back(n);
    }
    CHECK(resets == (std::vector<Note>{{1, PSN_RESET}, {2, PSN_RESET}}));
    CHECK(sheet.Page() == nullptr);
}

CONFORMANCE_TEST(SheetMessagesRetitleAndCloseUp) {
    Sheet sheet(0);
    CHECK_STR_EQ("Sheet", sheet.Text(0).c_str());
    SendMessageA(sheet.hwnd, PSM_SETTITLEA, PSH_PROPTITLE, reinterpret_cast<LPARAM>("Printer"));
    CHECK_STR_EQ("Properties for Printer", sheet.Text(0).c_str());
    SendMessageA(sheet.hwnd, PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>("Plain"));
    CHECK_STR_EQ("Plain", sheet.Text(0).c_str());
    SendMessageA(sheet.hwnd, PSM_CANCELTOCLOSE, 0, 0);
    CHECK_STR_EQ("Close", sheet.Text(IDOK).c_str());
    CHECK(!sheet.Enabled(IDCANCEL));
}
