#include "platform/comctl/sheet_fixture.h"

#include "support/dialog_template.h"

#include <map>

namespace comctl_test {
namespace {

std::map<std::pair<int, UINT>, LRESULT>& Answers() {
    static std::map<std::pair<int, UINT>, LRESULT> answers;
    return answers;
}

INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* psp = reinterpret_cast<PROPSHEETPAGEA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, psp->lParam);
        return TRUE;
    }
    if (msg == WM_NOTIFY) {
        int page = static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        SheetTest::Notes().push_back({page, code});
        auto it = Answers().find({page, code});
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, it == Answers().end() ? 0 : it->second);
        if (SheetTest::AfterNote()) {
            SheetTest::AfterNote()(hwnd, page, code);
        }
        return TRUE;
    }
    return FALSE;
}

resources::DialogTemplate PageTemplate(const char* caption, short cx, short cy) {
    resources::DialogTemplate t = test_support::HostDialog(caption, cx, cy, WS_CHILD | WS_CAPTION);
    t.x = t.y = 0;
    t.items = {test_support::Control("EDIT", 100, WS_TABSTOP | WS_BORDER, 7, 7, 60, 12)};
    return t;
}

} // namespace

std::vector<Note>& SheetTest::Notes() {
    static std::vector<Note> notes;
    return notes;
}

void SheetTest::Answer(int page, UINT code, LRESULT value) {
    Answers()[{page, code}] = value;
}

std::function<void(HWND, int, UINT)>& SheetTest::AfterNote() {
    static std::function<void(HWND, int, UINT)> hook;
    return hook;
}

void SheetTest::SetUp() {
    desktop::reset();
    Notes().clear();
    AfterNote() = nullptr;
    Answers().clear();
    HINSTANCE host = GetModuleHandleA(nullptr);
    resources::AddDialog(host, "PAGE1", PageTemplate("General", 200, 100));
    resources::AddDialog(host, "PAGE2", PageTemplate("Spin", 220, 120));
    resources::AddDialog(host, "PAGE3", PageTemplate("Advanced", 150, 80));
}

void SheetTest::TearDown() {
    AfterNote() = nullptr;
    desktop::reset();
}

PROPSHEETHEADERA SheetTest::Header(int count, DWORD flags, std::vector<int> helpPages) {
    static const char* const names[] = {"PAGE1", "PAGE2", "PAGE3"};
    pages_.assign(static_cast<size_t>(count), PROPSHEETPAGEA{});
    for (int i = 0; i < count; ++i) {
        PROPSHEETPAGEA& p = pages_[static_cast<size_t>(i)];
        p.dwSize = sizeof p;
        p.hInstance = GetModuleHandleA(nullptr);
        p.pszTemplate = names[i % 3];
        p.pfnDlgProc = PageProc;
        p.lParam = i + 1;
        for (int h : helpPages) {
            if (h == i + 1) {
                p.dwFlags |= PSP_HASHELP;
            }
        }
    }
    PROPSHEETHEADERA h{};
    h.dwSize = sizeof h;
    h.dwFlags = PSH_PROPSHEETPAGE | flags;
    h.hInstance = GetModuleHandleA(nullptr);
    h.pszCaption = "Options";
    h.nPages = static_cast<UINT>(count);
    h.ppsp = pages_.data();
    return h;
}

HWND SheetTest::Modeless(int count, DWORD flags, std::vector<int> helpPages) {
    PROPSHEETHEADERA h = Header(count, flags | PSH_MODELESS, std::move(helpPages));
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&h));
    desktop::PumpUntilIdle();
    return sheet;
}

} // namespace comctl_test
